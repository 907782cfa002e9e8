// Sizes in whole pixels for the toolkit, rounded as Round rounds, the same on every platform.
#pragma once

#include <framework/text.h>

#include <limits>

namespace fw {

// value rounded half away from zero and held within [low, high]; NaN gives low.
inline int toWholePixels(double value, int low, int high = std::numeric_limits<int>::max())
{
    const double rounded = Round(value);
    if (!(rounded > low))
        return low;
    if (rounded >= high)
        return high;
    return static_cast<int>(rounded);
}

} // namespace fw
