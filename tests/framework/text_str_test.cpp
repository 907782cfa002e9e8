// Decimal texts of integers (axis scales) and of doubles (the speed field).
#include <framework/text.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

struct IntegerCase {
    const char* name;
    std::int64_t value;
    const char* expected;
};

class StrIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(StrIntegerTest, WritesDecimalText)
{
    EXPECT_EQ(fw::Str(GetParam().value), GetParam().expected) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(AxisScales, StrIntegerTest, ::testing::Values(
    IntegerCase{"zero at the origin", 0, "0"},
    IntegerCase{"negative scale value", -30, "-30"},
    IntegerCase{"3000 km rows", 3000, "3000"},
    IntegerCase{"smallest 64-bit integer", std::numeric_limits<std::int64_t>::min(), "-9223372036854775808"},
    IntegerCase{"largest 64-bit integer", std::numeric_limits<std::int64_t>::max(), "9223372036854775807"}));

struct DoubleCase {
    const char* name;
    double value;
    const char* expected;
};

class StrDoubleTest : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(StrDoubleTest, WritesShortText)
{
    EXPECT_EQ(fw::Str(GetParam().value), GetParam().expected) << GetParam().name;
}

// Speeds come from slider value n as n / 20 - 1, so most carry binary noise beyond 7 digits.
INSTANTIATE_TEST_SUITE_P(Speeds, StrDoubleTest, ::testing::Values(
    DoubleCase{"start speed", 0.6, "0.6"},
    DoubleCase{"start speed seen by red", -0.6, "-0.6"},
    DoubleCase{"slider 31", 31.0 / 20 - 1, "0.55"},
    DoubleCase{"slider 1", 1.0 / 20 - 1, "-0.95"},
    DoubleCase{"slider 39", 39.0 / 20 - 1, "0.95"},
    DoubleCase{"slider 20", 20.0 / 20 - 1, "0"},
    DoubleCase{"negative zero", -0.0, "0"},
    DoubleCase{"a third has seven digits", 1.0 / 3, "0.3333333"}));

// Texts that would read back as a speed of light get the digits that keep them below it.
INSTANTIATE_TEST_SUITE_P(NearLight, StrDoubleTest, ::testing::Values(
    DoubleCase{"0.99999996 rounds to 1 at seven digits", 0.99999996, "0.99999996"},
    DoubleCase{"-0.99999999 rounds to -1 at seven digits", -0.99999999, "-0.99999999"},
    DoubleCase{"the largest double below 1", std::nextafter(1.0, 0.0), "0.9999999999999999"},
    DoubleCase{"0.9999999 has its own seven digits", 0.9999999, "0.9999999"}));

INSTANTIATE_TEST_SUITE_P(Magnitudes, StrDoubleTest, ::testing::Values(
    DoubleCase{"seven integer digits stay plain", 1234567.0, "1234567"},
    DoubleCase{"eight integer digits take an exponent", 12345678.0, "1.234568e+07"},
    DoubleCase{"1e-4 stays plain", 0.0001, "0.0001"},
    DoubleCase{"1e-5 takes an exponent", 0.00001, "1e-05"},
    DoubleCase{"no trailing zeros", 2.5, "2.5"},
    DoubleCase{"NaN", std::nan(""), "nan"},
    DoubleCase{"positive infinity", HUGE_VAL, "inf"},
    DoubleCase{"negative infinity", -HUGE_VAL, "-inf"}));

// The speed field writes Str back on a rejected text and relies on it being accepted next time.
TEST(StrDoubleReadBack, StaysStrictlyInsideTheSpeedOfLight)
{
    const double values[] = {0.6, -0.6, 0.95, -0.95, 0.9999999, 0.99999994, 0.99999995, 0.99999996,
                             0.999999999999, -0.999999999999, std::nextafter(1.0, 0.0),
                             -std::nextafter(1.0, 0.0), std::nextafter(0.9999995, 1.0),
                             std::nextafter(-0.9999995, -1.0), 1e-300, -1e-300,
                             std::numeric_limits<double>::denorm_min()};
    for (double x : values) {
        const double back = fw::Val(fw::Str(x));
        EXPECT_LT(std::fabs(back), 1.0) << fw::Str(x);
        EXPECT_EQ(std::signbit(back), std::signbit(x)) << fw::Str(x);
    }
}

} // namespace
