// Whole-pixel arithmetic that never overflows: far-off positions saturate instead of wrapping.
#pragma once

#include <cstdint>

namespace engine {

// The whole pixel a double stands for: truncated toward zero, saturated at the ends of the 64-bit
// range (infinities included), and 0 for NaN. Every double position becomes an integer here.
std::int64_t toPixel(double value) noexcept;

// Whether value, truncated, is a 64-bit integer; false for NaN and infinities.
bool fitsPixel(double value) noexcept;

// Sums, differences and products of whole pixels, saturated at the ends of the 64-bit range.
std::int64_t satAdd(std::int64_t a, std::int64_t b) noexcept;
std::int64_t satSub(std::int64_t a, std::int64_t b) noexcept;
std::int64_t satMul(std::int64_t a, std::int64_t b) noexcept;

} // namespace engine
