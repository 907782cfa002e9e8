// A mouse event's position in whole pixels of the layout of the control that received it.
#pragma once

#include <QMouseEvent>

#include <cmath>
#include <cstdint>

namespace fw {

struct Pixel {
    std::int64_t x, y;
};

// scale: the factor the window shows its layout at (Window::scaleFactor).
inline Pixel pixelOf(const QMouseEvent& event, double scale)
{
    const QPointF p = event.position() / scale;
    return {static_cast<std::int64_t>(std::floor(p.x())), static_cast<std::int64_t>(std::floor(p.y()))};
}

} // namespace fw
