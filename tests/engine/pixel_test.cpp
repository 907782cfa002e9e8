// Whole-pixel conversion and sums at the ends of the 64-bit range.
#include <engine/pixel.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr double kTwoTo63 = 9223372036854775808.0;

struct ConversionRow {
    const char* name;
    double value;
    std::int64_t pixel;
    bool fits;
};

TEST(Pixel, DoublesBecomeWholePixelsWithoutOverflow)
{
    const ConversionRow rows[] = {
        {"a whole position", 606.0, 606, true},
        {"a fraction truncates toward zero", 2.9, 2, true},
        {"a negative fraction truncates toward zero", -2.9, -2, true},
        {"the lowest 64-bit value", -kTwoTo63, kMin, true},
        {"the largest double below 2^63", std::nextafter(kTwoTo63, 0.0), 9223372036854774784, true},
        {"2^63 saturates", kTwoTo63, kMax, false},
        {"just below -2^63 saturates", std::nextafter(-kTwoTo63, -1e300), kMin, false},
        {"a huge quotient", 1e300, kMax, false},
        {"plus infinity", std::numeric_limits<double>::infinity(), kMax, false},
        {"minus infinity", -std::numeric_limits<double>::infinity(), kMin, false},
        {"NaN", std::numeric_limits<double>::quiet_NaN(), 0, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(engine::toPixel(row.value), row.pixel);
        EXPECT_EQ(engine::fitsPixel(row.value), row.fits);
    }
}

struct SumRow {
    const char* name;
    std::int64_t a, b, sum, difference, product;
};

TEST(Pixel, SumsSaturateAtTheEndsOfTheRange)
{
    const SumRow rows[] = {
        {"small values are exact", 300, -72, 228, 372, -21600},
        {"past the top", kMax, 1, kMax, kMax - 1, kMax},
        {"past the bottom", kMin, -1, kMin, kMin + 1, kMax},
        {"the extremes against each other", kMax, kMin, -1, kMax, kMin},
        {"the bottom against itself", kMin, kMin, kMin, 0, kMax},
        {"zero against the bottom", 0, kMin, kMin, kMax, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(engine::satAdd(row.a, row.b), row.sum);
        EXPECT_EQ(engine::satSub(row.a, row.b), row.difference);
        EXPECT_EQ(engine::satMul(row.a, row.b), row.product);
    }
}

} // namespace
