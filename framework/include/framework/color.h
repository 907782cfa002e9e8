// Colours as the records and the drawing hold them: &h00RRGGBB in 32 bits.
#pragma once

#include <cstdint>

namespace fw {

using Color = std::uint32_t;

// Opaque colour from its components 0 to 255; alpha 0 means opaque.
constexpr Color RGB(int red, int green, int blue, int alpha = 0)
{
    return (static_cast<Color>(alpha & 0xFF) << 24) | (static_cast<Color>(red & 0xFF) << 16)
         | (static_cast<Color>(green & 0xFF) << 8) | static_cast<Color>(blue & 0xFF);
}

constexpr int redOf(Color c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr int greenOf(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(Color c) { return static_cast<int>(c & 0xFF); }

} // namespace fw
