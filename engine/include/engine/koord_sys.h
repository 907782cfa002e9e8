// One observer's pair of axes, drawn through the origin handle and turned clockwise by a tilt.
#pragma once

#include <framework/color.h>

namespace fw {
class Graphics;
}

namespace engine {

class KoordSys {
public:
    virtual ~KoordSys() = default;

    // Draws the time and space axes, the scale of an upright axis and the names "Time" and
    // "Space" near the canvas edge. Leaves pen 2, colour cl and "Arial" 10 on the surface, which
    // the meeting construction's letters rely on.
    virtual void Draw(fw::Graphics& g);

    double sinPhiTime = 0.0;  // sine of the clockwise tilt of the time axis from the vertical
    double sinPhiSpace = 0.0; // sine of the clockwise tilt of the space axis from the horizontal
    fw::Color cl = 0;
};

} // namespace engine
