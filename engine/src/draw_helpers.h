// Lines and texts at whole-pixel positions, as every part of the diagram draws them.
#pragma once

#include <framework/graphics.h>

#include <cstdint>
#include <string_view>

namespace engine {

inline void drawLine(fw::Graphics& g, std::int64_t x1, std::int64_t y1, std::int64_t x2,
                     std::int64_t y2)
{
    g.DrawLine(static_cast<double>(x1), static_cast<double>(y1), static_cast<double>(x2),
               static_cast<double>(y2));
}

inline void drawText(fw::Graphics& g, std::string_view text, std::int64_t x, std::int64_t y)
{
    g.DrawString(text, static_cast<double>(x), static_cast<double>(y), 0, false);
}

} // namespace engine
