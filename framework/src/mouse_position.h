// A mouse event's position in whole pixels of the widget that received it.
#pragma once

#include <QMouseEvent>

#include <cmath>
#include <cstdint>

namespace fw {

struct Pixel {
    std::int64_t x, y;
};

inline Pixel pixelOf(const QMouseEvent& event)
{
    const QPointF p = event.position();
    return {static_cast<std::int64_t>(std::floor(p.x())), static_cast<std::int64_t>(std::floor(p.y()))};
}

} // namespace fw
