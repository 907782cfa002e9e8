// Saturating whole-pixel arithmetic.
#include <engine/pixel.h>

#include <cmath>
#include <limits>

namespace engine {

namespace {
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
// 2^63 is exact as a double; every double below it and at or above -2^63 truncates into range.
constexpr double kTwoTo63 = 9223372036854775808.0;
} // namespace

bool fitsPixel(double value) noexcept
{
    return value >= -kTwoTo63 && value < kTwoTo63;
}

std::int64_t toPixel(double value) noexcept
{
    if (fitsPixel(value))
        return static_cast<std::int64_t>(value);
    if (std::isnan(value))
        return 0;
    return value > 0 ? kMax : kMin;
}

std::int64_t satAdd(std::int64_t a, std::int64_t b) noexcept
{
    std::int64_t sum;
    if (__builtin_add_overflow(a, b, &sum))
        return b > 0 ? kMax : kMin;
    return sum;
}

std::int64_t satSub(std::int64_t a, std::int64_t b) noexcept
{
    std::int64_t difference;
    if (__builtin_sub_overflow(a, b, &difference))
        return b < 0 ? kMax : kMin;
    return difference;
}

std::int64_t satMul(std::int64_t a, std::int64_t b) noexcept
{
    std::int64_t product;
    if (__builtin_mul_overflow(a, b, &product))
        return (a < 0) == (b < 0) ? kMax : kMin;
    return product;
}

} // namespace engine
