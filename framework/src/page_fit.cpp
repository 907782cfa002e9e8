// The arithmetic of placing a canvas's drawing on a printed page.
#include <framework/page_fit.h>

#include <algorithm>

namespace fw::page {

Placement placeDrawing(double drawingWidth, double drawingHeight, double printableWidth, double printableHeight,
                       double dotsPerInch)
{
    double dotsPerPixel = dotsPerInch / kCanvasPixelsPerInch;
    if (drawingWidth > 0 && drawingHeight > 0)
        dotsPerPixel = std::min({dotsPerPixel, printableWidth / drawingWidth, printableHeight / drawingHeight});
    return {(printableWidth - drawingWidth * dotsPerPixel) / 2, (printableHeight - drawingHeight * dotsPerPixel) / 2,
            dotsPerPixel};
}

} // namespace fw::page
