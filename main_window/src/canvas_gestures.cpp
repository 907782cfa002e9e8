// Pressing, dragging and moving over the canvas, and its paint.
#include <main_window/window1.h>

#include <engine/globals.h>
#include <framework/text.h>

namespace main_window {

namespace {

// The origin handle's hit box: 15 x 15 pixels centred on (Nx, Ny).
bool onOriginHandle(std::int64_t x, std::int64_t y)
{
    return fw::Abs(static_cast<double>(x - Globals::Nx)) < 8 && fw::Abs(static_cast<double>(y - Globals::Ny)) < 8;
}

// Where the origin handle may stand: more than 20 pixels from every edge of the canvas.
bool insideDragMargin(std::int64_t x, std::int64_t y)
{
    return 20 < x && x < Globals::gw - 20 && 20 < y && y < Globals::gh - 20;
}

} // namespace

bool Window1::Canvas1_MouseDown(fw::Canvas&, std::int64_t x, std::int64_t y)
{
    if (onOriginHandle(x, y)) {
        Globals::inKoordDragMode = true;
    } else {
        Globals::inProjectingMode = true;
        GroupBox7()->setEnabled(true);
        Globals::Mx = x;
        Globals::My = y;
        Canvas1()->Refresh(true);
    }
    return true;
}

void Window1::Canvas1_MouseDrag(fw::Canvas&, std::int64_t x, std::int64_t y)
{
    if (!Globals::inKoordDragMode)
        return;
    if (insideDragMargin(x, y)) {
        Globals::Nx = x;
        Globals::Ny = y;
        ::Window1()->Refresh(true);
    }
}

void Window1::Canvas1_MouseUp(fw::Canvas&, std::int64_t, std::int64_t)
{
    Globals::inKoordDragMode = false;
}

void Window1::Canvas1_MouseMove(fw::Canvas& sender, std::int64_t x, std::int64_t y)
{
    sender.setMouseCursor(onOriginHandle(x, y) ? fw::Cursors::HandOpen : fw::Cursors::StandardPointer);
}

void Window1::Canvas1_Paint(fw::Canvas&, fw::Graphics& g, const std::vector<fw::Rect>&)
{
    Globals::redraw(g);
}

} // namespace main_window
