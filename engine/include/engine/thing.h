// One observer's rod, drawn where it stands at the current time, with its traces and shadow.
#pragma once

#include <framework/color.h>

#include <cstdint>

namespace fw {
class Graphics;
}

namespace engine {

class Thing {
public:
    virtual ~Thing() = default;

    // Draws nothing at all, not even the pen, while the rod is invisible. The viewer's rod lies
    // level at rest; the other observer's rod moves along that observer's tilted time axis.
    virtual void Draw(fw::Graphics& g);

    std::int64_t length = 144;  // pixels
    std::int64_t position = 2;  // against its own time axis: 0 left of it, 1 centred, 2 right of it
    bool isVisible = false;
    bool hasShadow = false;     // its projection onto the other observer's space axis
    bool hasTrace = false;      // the lines its ends leave as time passes
    fw::Color cl = 0;
    std::int64_t index = 0;     // the owning observer: 0 black, 1 red
};

} // namespace engine
