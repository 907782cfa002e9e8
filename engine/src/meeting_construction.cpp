// The meeting construction: where and when the viewer says the two clocks meet, and what they read.
#include "meeting_construction.h"

#include <engine/globals.h>
#include <engine/pixel.h>

#include "draw_helpers.h"
#include "main_window_access.h"

#include <framework/color.h>
#include <framework/controls.h>
#include <framework/graphics.h>
#include <framework/text.h>

#include <string>

namespace engine {

namespace {

// The clicked point M seen against the other observer's tilted space axis.
struct Meeting {
    std::int64_t dx, dy; // M right of and above the origin, in pixels
    double a;            // M's projection onto the tilted space axis
    double t;            // the viewer's time of the meeting: M's signed distance above that axis
    std::int64_t Fx, Fy; // the foot of the perpendicular from M onto that axis
    std::int64_t h;      // on M's vertical, as far from the viewer's space axis as M is from F
};

Meeting measure(double s, double c)
{
    using namespace Globals;
    Meeting m{};
    m.dx = satSub(Mx, Nx);
    m.dy = satSub(Ny, My);
    const double dx = static_cast<double>(m.dx);
    const double dy = static_cast<double>(m.dy);
    m.a = dx * c - dy * s;
    m.t = (dy + s * m.a) / c;
    m.Fx = toPixel(static_cast<double>(Nx) + fw::Round(m.a * c));
    m.Fy = toPixel(static_cast<double>(Ny) + fw::Round(m.a * s));
    const double ex = static_cast<double>(satSub(Mx, m.Fx));
    const double ey = static_cast<double>(satSub(My, m.Fy));
    const std::int64_t d = toPixel(fw::Round(fw::Sqrt(ex * ex + ey * ey)));
    m.h = m.Fy < My ? satAdd(Ny, d) : satSub(Ny, d);
    return m;
}

std::string valueText(double value, const std::string& unit)
{
    return fw::Format(value, "-##.00") + unit;
}

struct PanelTexts {
    const char* caption;
    const char* otherClockReads;
    const char* otherClockPosition;
};

constexpr PanelTexts kBlackView{
    "Black's view of the meeting of the red clock P with the black clock Q",
    "that red clock reads then",
    "that red clock's position in it's own system is",
};
constexpr PanelTexts kRedView{
    "Red's view of the meeting of the black clock Q with the red clock P",
    "that black clock reads then",
    "that black clock's position in it's own system is",
};

// Pixels become grid units (/ 72) and grid units the current row's units.
void writePanel(const PanelTexts& texts, const Meeting& m)
{
    using namespace Globals;
    const double xVal = static_cast<double>(x_Val);
    const double yVal = static_cast<double>(y_val);
    mainWindowControl<fw::GroupBox>("GroupBox7")->setCaption(texts.caption);
    mainWindowControl<fw::Label>("StaticText7")->setValue("the meeting takes place at my x-coordinate");
    mainWindowControl<fw::Label>("StaticText8")->setValue("all my clocks read then");
    mainWindowControl<fw::Label>("StaticText9")->setValue(texts.otherClockReads);
    mainWindowControl<fw::Label>("StaticText10")->setValue(texts.otherClockPosition);
    mainWindowControl<fw::TextField>("TextField2")
        ->setValue(valueText(xVal * static_cast<double>(m.dx) / 72.0, x_units));
    mainWindowControl<fw::TextField>("TextField3")->setValue(valueText(yVal * m.t / 72.0, y_units));
    mainWindowControl<fw::TextField>("TextField4")
        ->setValue(valueText(yVal * static_cast<double>(m.dy) / 72.0, y_units));
    mainWindowControl<fw::TextField>("TextField5")->setValue(valueText(xVal * m.a / 72.0, x_units));
}

// A clock's letter stands 3 px right of and 1 px above its point.
void letter(fw::Graphics& g, const char* name, std::int64_t x, std::int64_t y)
{
    drawText(g, name, satAdd(x, 3), satSub(y, 1));
}

constexpr fw::Color kBlack = fw::RGB(0, 0, 0);
constexpr fw::Color kRed = fw::RGB(255, 0, 0);

void drawBlackView(fw::Graphics& g, const Meeting& m)
{
    using namespace Globals;
    g.setDrawingColor(kBlack);
    drawLine(g, Mx, My, Nx, My);
    drawLine(g, Mx, My, Mx, Ny);
    drawLine(g, Mx, m.h, Nx, m.h);
    drawLine(g, Mx, m.h, Mx, Ny);
    letter(g, "Q", Mx, m.h);
    letter(g, "S", Mx, Ny);
    g.setDrawingColor(kRed);
    drawLine(g, Mx, My, m.Fx, m.Fy);
    letter(g, "R", m.Fx, m.Fy);
    letter(g, "P", Mx, My);
}

void drawRedView(fw::Graphics& g, const Meeting& m)
{
    using namespace Globals;
    g.setDrawingColor(kRed);
    drawLine(g, Mx, My, Mx, Ny);
    drawLine(g, Mx, My, Nx, My);
    drawLine(g, Mx, Ny, Mx, m.h);
    drawLine(g, Mx, m.h, Nx, m.h);
    letter(g, "P", Mx, m.h);
    letter(g, "R", Mx, Ny);
    g.setDrawingColor(kBlack);
    drawLine(g, Mx, My, m.Fx, m.Fy);
    letter(g, "Q", Mx, My);
    letter(g, "S", m.Fx, m.Fy);
}

} // namespace

void drawMeetingConstruction(fw::Graphics& g)
{
    using namespace Globals;
    const double s = sinPhi;
    const double c = fw::Sqrt(1 - s * s);
    if (ourSystem == 0) {
        const Meeting m = measure(s, c);
        writePanel(kBlackView, m);
        g.setPenSize(1.0);
        drawBlackView(g, m);
    }
    if (ourSystem == 1) {
        const Meeting m = measure(s, c);
        writePanel(kRedView, m);
        g.setPenSize(1.0);
        drawRedView(g, m);
    }
    mainWindowControl<fw::GroupBox>("GroupBox7")->setVisible(true);
}

} // namespace engine
