// Choosing the viewer and the relative speed, with the slider and the text field kept in step.
#include <main_window/window1.h>

#include <engine/globals.h>
#include <framework/text.h>

namespace main_window {

namespace {

// The slider position a typed speed v puts the slider at; inside 1 to 39 for every |v| < 1.
std::int64_t sliderForSpeed(double v)
{
    return static_cast<std::int64_t>(fw::Round(20.0 + 19.0 * v));
}

} // namespace

void Window1::RadioButton1_Action(fw::RadioButton&)
{
    changeViewer(0);
}

void Window1::RadioButton2_Action(fw::RadioButton&)
{
    changeViewer(1);
}

// The other observer becomes the viewer: the speed changes sign and the slider is mirrored from
// its own position, so an offset left by a typed speed is mirrored with it.
void Window1::changeViewer(std::int64_t viewer)
{
    if (Globals::ourSystem == viewer)
        return;
    Globals::ourSystem = viewer;
    Globals::sinPhi = -Globals::sinPhi;
    GroupBox7()->setVisible(false);
    Globals::speedEditFlag = true;
    TextField1()->setValue(fw::Str(Globals::sinPhi));
    SpeedSlider()->setValue(40 - SpeedSlider()->Value());
    Globals::speedEditFlag = false;
    Canvas1()->Refresh(true);
}

void Window1::SpeedSlider_ValueChanged(fw::Slider&)
{
    if (Globals::speedEditFlag)
        return;
    Globals::sinPhi = static_cast<double>(SpeedSlider()->Value()) / 20.0 - 1.0;
    Globals::speedEditFlag = true;
    TextField1()->setValue(fw::Str(Globals::sinPhi));
    Globals::speedEditFlag = false;
    Canvas1()->Refresh(true);
}

void Window1::TextField1_TextChange(fw::TextField&)
{
    if (Globals::speedEditFlag)
        return;
    double v = fw::Val(TextField1()->Value());
    // Written as "not strictly inside" so that a value that is no number is turned away too.
    if (!(v > -1.0 && v < 1.0)) {
        // The restored text reads back strictly inside (-1, 1): the nested run this raises accepts it.
        TextField1()->setValue(fw::Str(Globals::sinPhi));
        return;
    }
    Globals::sinPhi = v;
    Globals::speedEditFlag = true;
    SpeedSlider()->setValue(sliderForSpeed(v));
    Globals::speedEditFlag = false;
    Canvas1()->Refresh(true);
}

} // namespace main_window
