// How a window too large for its screen is shown smaller: one factor for its whole layout, and a
// place that keeps its frame on the screen.
#pragma once

#include <cstdint>

namespace fw::fit {

struct Area {
    std::int64_t left, top, width, height;
    bool operator==(const Area&) const = default;
};

// What the window manager's frame adds on each side of a window, the title bar included.
struct Frame {
    std::int64_t left, top, right, bottom;
    bool operator==(const Frame&) const = default;
};

// Below this the window would be too small to use; it is shown at this and may overflow.
inline constexpr double kSmallestScale = 0.25;

// The factor at which the window's content (its layout's width and height) is shown: 1 where the
// window fits the screen's free area, else the largest factor at which it does. The menu bar and
// the frame keep their own size.
double scaleToFit(std::int64_t contentWidth, std::int64_t contentHeight, std::int64_t menuBarHeight,
                  const Frame& frame, const Area& freeArea);

// A span of the layout (begin, length) as shown at the factor: both ends rounded, so that controls
// side by side in the layout stay side by side on the screen.
struct Span {
    std::int64_t begin, length;
    bool operator==(const Span&) const = default;
};
Span scaleSpan(std::int64_t begin, std::int64_t length, double scale);

// The frame moved the least to lie inside the free area; one larger than the area keeps its
// title bar and its left edge on the screen.
Area keepOnScreen(const Area& frame, const Area& freeArea);

} // namespace fw::fit
