// A rod at rest for its own observer's viewer, or moving with the other observer.
#include <engine/thing.h>

#include <engine/globals.h>
#include <engine/pixel.h>

#include "draw_helpers.h"

#include <framework/graphics.h>
#include <framework/text.h>

namespace engine {

namespace {

struct Point {
    std::int64_t x, y;
};

// base + Round(amount) and base - Round(amount), taken in floating point and made whole pixels.
std::int64_t plusRounded(std::int64_t base, double amount)
{
    return toPixel(static_cast<double>(base) + fw::Round(amount));
}

std::int64_t minusRounded(std::int64_t base, double amount)
{
    return toPixel(static_cast<double>(base) - fw::Round(amount));
}

void drawLine(fw::Graphics& g, Point from, Point to)
{
    engine::drawLine(g, from.x, from.y, to.x, to.y);
}

struct Tilt {
    double s, c, tn;
};

void drawAtRest(fw::Graphics& g, const Thing& rod, Tilt tilt)
{
    using namespace Globals;
    const std::int64_t L = rod.length;
    const std::int64_t T = theTime;
    const std::int64_t y = satSub(Ny, T);
    Point end1{Nx, y}, end2{satAdd(Nx, L), y};
    if (rod.position == 0) {
        end1.x = satSub(Nx, L);
        end2.x = Nx;
    } else if (rod.position == 1) {
        end1.x = satSub(Nx, L / 2);
        end2.x = satAdd(Nx, L / 2);
    }
    drawLine(g, end1, end2);
    g.setPenSize(1);

    if (rod.hasTrace) {
        for (const Point& end : {end1, end2})
            if (end.x != Nx)
                engine::drawLine(g, end.x, 0, end.x, gh);
    }
    if (rod.hasShadow) {
        // Along the other observer's time axis onto its space axis.
        auto shadowOf = [&](Point end) {
            const double u = static_cast<double>(end.x) - static_cast<double>(T) * tilt.tn;
            const double d = (static_cast<double>(Nx) - u) * tilt.c;
            return Point{minusRounded(Nx, d * tilt.c), minusRounded(Ny, d * tilt.s)};
        };
        const Point a1 = shadowOf(end1), a2 = shadowOf(end2);
        drawLine(g, end1, a1);
        drawLine(g, end2, a2);
        g.setPenSize(2);
        drawLine(g, a1, a2);
    }
}

void drawMoving(fw::Graphics& g, const Thing& rod, Tilt tilt)
{
    using namespace Globals;
    const double L = static_cast<double>(rod.length);
    const double T = static_cast<double>(theTime);
    const double s = tilt.s, c = tilt.c;
    Point end1{}, end2{};
    if (rod.position == 0) {
        end2 = {plusRounded(Nx, T * s), minusRounded(Ny, T * c)};
        end1 = {minusRounded(end2.x, L * c), minusRounded(end2.y, L * s)};
    } else if (rod.position == 1) {
        end1 = {plusRounded(Nx, T * s - L * c / 2), minusRounded(Ny, T * c + L * s / 2)};
        end2 = {plusRounded(Nx, T * s + L * c / 2), minusRounded(Ny, T * c - L * s / 2)};
    } else {
        end1 = {plusRounded(Nx, T * s), minusRounded(Ny, T * c)};
        end2 = {plusRounded(end1.x, L * c), plusRounded(end1.y, L * s)};
    }
    drawLine(g, end1, end2);

    if (rod.hasTrace) {
        g.setPenSize(1);
        // Along the rod's own time axis, 1000 px either way; the end on that axis leaves none.
        const std::int64_t e = toPixel(fw::Round(1000 * s));
        const std::int64_t f = toPixel(fw::Round(1000 * c));
        auto trace = [&](Point end) {
            engine::drawLine(g, satAdd(end.x, e), satSub(end.y, f), satSub(end.x, e),
                             satAdd(end.y, f));
        };
        if (rod.position != 2)
            trace(end1);
        if (rod.position != 0)
            trace(end2);
    }
    if (rod.hasShadow) {
        g.setPenSize(1);
        const Point drop1{end1.x, Ny}, drop2{end2.x, Ny};
        drawLine(g, end1, drop1);
        drawLine(g, end2, drop2);
        g.setPenSize(2);
        drawLine(g, drop1, drop2);
    }
}

} // namespace

void Thing::Draw(fw::Graphics& g)
{
    if (!isVisible)
        return;
    const double s = Globals::sinPhi;
    const double c = fw::Sqrt(1 - s * s);
    g.setPenSize(2);
    g.setDrawingColor(cl);
    if (index == Globals::ourSystem)
        drawAtRest(g, *this, {s, c, s / c});
    else
        drawMoving(g, *this, {s, c, s / c});
}

} // namespace engine
