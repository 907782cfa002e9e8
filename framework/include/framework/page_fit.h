// Where a canvas's drawing lies on a printed page: its own size on paper, in the middle of the
// printable area.
#pragma once

namespace fw::page {

// One canvas pixel is 1/96 inch on paper, as on a screen of nominal resolution.
inline constexpr double kCanvasPixelsPerInch = 96.0;

// The drawing on the page, in printer dots from the printable area's top left: where its top left
// lies and how many dots one canvas pixel takes.
struct Placement {
    double left, top, dotsPerPixel;
    bool operator==(const Placement&) const = default;
};

// A drawing of width x height canvas pixels, centred in a printable area of the given size in dots
// at dotsPerInch; a drawing larger than the area is made just small enough to fit it.
Placement placeDrawing(double drawingWidth, double drawingHeight, double printableWidth,
                       double printableHeight, double dotsPerInch);

} // namespace fw::page
