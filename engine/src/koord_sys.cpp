// The axes of one observer, their scales and their names.
#include <engine/koord_sys.h>

#include <engine/globals.h>
#include <engine/pixel.h>

#include "draw_helpers.h"

#include <framework/graphics.h>
#include <framework/text.h>

#include <algorithm>
#include <string>

namespace engine {

namespace {

// y of "Time" 2 px below where its axis leaves through a side edge, Ny + sign * Round(run / t) + 2,
// but no higher than the top row. A level axis (t = 0) never leaves through a side, and a y
// beyond the 64-bit range is as good as none: both keep the top row.
std::int64_t timeLabelSideY(double sign, double run, double t)
{
    if (t == 0.0)
        return 8;
    const double y = static_cast<double>(Globals::Ny) + sign * fw::Round(run / t) + 2;
    if (!fitsPixel(y))
        return 8;
    return std::max<std::int64_t>(toPixel(y), 8);
}

void drawTimeScale(fw::Graphics& g)
{
    using namespace Globals;
    for (std::int64_t i = -10; i <= 10; ++i) {
        if (i == 0)
            continue;
        const std::int64_t y = satAdd(Ny, 72 * i);
        drawLine(g, satSub(Nx, 3), y, satAdd(Nx, 3), y);
        drawText(g, fw::Str(satMul(-i, y_val)) + y_units + " ", satAdd(Nx, 6), y);
    }
}

void drawSpaceScale(fw::Graphics& g)
{
    using namespace Globals;
    for (std::int64_t j = -10; j <= 10; ++j) {
        if (j == 0)
            continue;
        const std::int64_t x = satAdd(Nx, 72 * j);
        drawLine(g, x, satSub(Ny, 3), x, satAdd(Ny, 3));
        drawText(g, fw::Str(satMul(j, x_Val)) + x_units + " ", x, satAdd(Ny, 14));
    }
}

void drawTimeName(fw::Graphics& g, double t)
{
    using namespace Globals;
    const double nx = static_cast<double>(Nx);
    std::int64_t x = toPixel(nx + fw::Round(static_cast<double>(Ny) * t) + 3);
    std::int64_t y = 8;
    if (x > satSub(gw, 30)) {
        x = satSub(gw, 30);
        y = timeLabelSideY(-1, static_cast<double>(satSub(gw, Nx)), t);
    }
    if (x < 2) {
        x = 2;
        y = timeLabelSideY(+1, nx, t);
    }
    drawText(g, "Time", x, y);
}

void drawSpaceName(fw::Graphics& g, double t)
{
    using namespace Globals;
    const double nx = static_cast<double>(Nx);
    const double ny = static_cast<double>(Ny);
    std::int64_t x = satSub(gw, 30);
    std::int64_t y = toPixel(ny + fw::Round(static_cast<double>(satSub(gw, Nx)) * t) - 6);
    // A level space axis (t = 0) meets neither the bottom nor the top edge: the name stays where
    // the axis leaves through the right edge.
    if (t != 0.0) {
        if (y > satSub(gh, 1)) {
            y = satSub(gh, 1);
            x = std::min(toPixel(nx + fw::Round(static_cast<double>(satSub(gh, Ny)) / t)),
                         satSub(gw, 32));
        }
        if (y < 8) {
            y = 8;
            x = std::min(toPixel(nx - fw::Round(ny / t)), satSub(gw, 30));
        }
    }
    drawText(g, "Space", x, y);
}

} // namespace

void KoordSys::Draw(fw::Graphics& g)
{
    using namespace Globals;
    g.setPenSize(2);
    g.setDrawingColor(cl);
    g.setFontName("Arial");
    g.setFontSize(10.0f);

    const double st = sinPhiTime;
    const double ct = fw::Sqrt(1 - st * st);
    const double t = st / ct; // both tilts are the same, so this one tangent places both names

    std::int64_t a = toPixel(fw::Round(1000 * st));
    std::int64_t b = toPixel(fw::Round(1000 * ct));
    drawLine(g, satSub(Nx, a), satAdd(Ny, b), satAdd(Nx, a), satSub(Ny, b));

    const double ss = sinPhiSpace;
    const double cs = fw::Sqrt(1 - ss * ss);
    a = toPixel(fw::Round(1000 * cs));
    b = toPixel(fw::Round(1000 * ss));
    drawLine(g, satSub(Nx, a), satSub(Ny, b), satAdd(Nx, a), satAdd(Ny, b));

    if (sinPhiTime == 0.0)
        drawTimeScale(g);
    drawTimeName(g, t);
    if (sinPhiSpace == 0.0)
        drawSpaceScale(g);
    drawSpaceName(g, t);
}

} // namespace engine
