// The whole diagram, drawn afresh from the model and the main window's rod controls.
#include <engine/globals.h>

#include <engine/koord_sys.h>
#include <engine/pixel.h>
#include <engine/thing.h>

#include "main_window_access.h"
#include "meeting_construction.h"

#include <framework/color.h>
#include <framework/controls.h>
#include <framework/graphics.h>

#include <string>

namespace Globals {

namespace {

template <class T>
T& existing(const std::unique_ptr<T>& object, const char* name)
{
    if (!object)
        throw fw::NilObjectException(std::string(name) + " does not exist");
    return *object;
}

bool checked(std::string_view name)
{
    return engine::mainWindowControl<fw::CheckBox>(name)->Value();
}

std::int64_t sliderValue(std::string_view name)
{
    return engine::mainWindowControl<fw::Slider>(name)->Value();
}

void setTilts(engine::KoordSys& black, engine::KoordSys& red)
{
    const double blackTilt = ourSystem == 0 ? 0.0 : sinPhi;
    const double redTilt = ourSystem == 0 ? sinPhi : 0.0;
    black.sinPhiTime = blackTilt;
    black.sinPhiSpace = blackTilt;
    red.sinPhiTime = redTilt;
    red.sinPhiSpace = redTilt;
}

// In the red group the box captioned "has Trace" is CheckBox6 and "has Shadow" CheckBox5.
void readRodSettings(engine::Thing& black, engine::Thing& red)
{
    black.isVisible = checked("CheckBox1");
    black.hasTrace = checked("CheckBox2");
    black.hasShadow = checked("CheckBox3");
    black.length = engine::satMul(sliderValue("BlackLengthSlider"), 24);
    black.position = sliderValue("BlackPosSlider");
    red.isVisible = checked("CheckBox4");
    red.hasTrace = checked("CheckBox6");
    red.hasShadow = checked("CheckBox5");
    red.length = engine::satMul(sliderValue("RedLengthSlider"), 24);
    red.position = sliderValue("RedPosSlider");
}

// Circles of 1 to 10 grid units around the origin, with whatever pen the surface came with.
void drawCircles(fw::Graphics& g)
{
    using engine::satSub;
    g.setDrawingColor(fw::RGB(220, 220, 220));
    for (std::int64_t i = 1; i <= 10; ++i)
        g.DrawOval(static_cast<double>(satSub(Nx, 72 * i)), static_cast<double>(satSub(Ny, 72 * i)),
                   static_cast<double>(144 * i), static_cast<double>(144 * i));
}

} // namespace

void redraw(fw::Graphics& g)
{
    g.setDrawingColor(fw::RGB(255, 255, 255));
    g.FillRect(0, 0, static_cast<double>(gw), static_cast<double>(gh));

    engine::KoordSys& blackSys = existing(myBlackSys, "myBlackSys");
    engine::KoordSys& redSys = existing(myRedSys, "myRedSys");
    setTilts(blackSys, redSys);

    engine::Thing& blackThing = existing(myBlackThing, "myBlackThing");
    engine::Thing& redThing = existing(myRedThing, "myRedThing");
    readRodSettings(blackThing, redThing);

    drawCircles(g);
    blackSys.Draw(g);
    redSys.Draw(g);
    blackThing.Draw(g);
    redThing.Draw(g);

    if (inProjectingMode)
        engine::drawMeetingConstruction(g);
}

} // namespace Globals
