// The unit scale, the time with its label, and the rod controls that only ask for a repaint.
#include <main_window/window1.h>

#include <engine/globals.h>
#include <framework/text.h>

namespace main_window {

namespace {

// The current time in the current time unit, e.g. "10.00 ns".
std::string timeText()
{
    double inUnits = static_cast<double>(Globals::theTime) / 72.0 * static_cast<double>(Globals::y_val);
    return fw::Format(inUnits, "-###.00") + Globals::y_units;
}

} // namespace

void Window1::UnitSlider_ValueChanged(fw::Slider&)
{
    Globals::stUnits = UnitSlider()->Value();
    Globals::calcUnits();
    ::Window1()->Label1()->setValue(timeText());
    Canvas1()->Refresh(true);
}

void Window1::TimeSlider_ValueChanged(fw::Slider&)
{
    Globals::theTime = ::Window1()->TimeSlider()->Value() - 500;
    ::Window1()->Label1()->setValue(timeText());
    Canvas1()->Refresh(true);
}

void Window1::PushButton1_Action(fw::PushButton&)
{
    auto slider = TimeSlider();
    slider->setValue(slider->Value() - 1);
}

void Window1::PushButton2_Action(fw::PushButton&)
{
    auto slider = TimeSlider();
    slider->setValue(slider->Value() + 1);
}

// The rod settings live in these controls; the next paint reads them.
void Window1::repaintOnly()
{
    Canvas1()->Refresh(true);
}

void Window1::BlackPosSlider_ValueChanged(fw::Slider&) { repaintOnly(); }
void Window1::BlackLengthSlider_ValueChanged(fw::Slider&) { repaintOnly(); }
void Window1::CheckBox1_Action(fw::CheckBox&) { repaintOnly(); }
void Window1::CheckBox2_Action(fw::CheckBox&) { repaintOnly(); }
void Window1::CheckBox3_Action(fw::CheckBox&) { repaintOnly(); }
void Window1::RedPosSlider_ValueChanged(fw::Slider&) { repaintOnly(); }
void Window1::RedLengthSlider_ValueChanged(fw::Slider&) { repaintOnly(); }
void Window1::CheckBox4_Action(fw::CheckBox&) { repaintOnly(); }
void Window1::CheckBox5_Action(fw::CheckBox&) { repaintOnly(); }
void Window1::CheckBox6_Action(fw::CheckBox&) { repaintOnly(); }

} // namespace main_window
