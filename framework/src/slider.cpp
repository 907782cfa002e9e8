// Slider: a horizontal 64-bit value within its range; every change raises ValueChanged once.
#include <framework/controls.h>

#include <framework/application.h>

#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>
#include <limits>

namespace fw {

namespace {

QSlider* sliderOf(const RectControl& control)
{
    return static_cast<QSlider*>(control.widget());
}

int toInt(std::int64_t value)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                      std::numeric_limits<int>::max()));
}

QSlider::TickPosition tickPosition(std::int64_t style)
{
    switch (style) {
    case 1: return QSlider::TicksBelow;
    case 2: return QSlider::TicksAbove;
    case 3: return QSlider::TicksBothSides;
    default: return QSlider::NoTicks;
    }
}

} // namespace

Slider::Slider(Window& window) : RectControl(window, new QSlider(Qt::Horizontal))
{
    QSlider* slider = sliderOf(*this);
    slider->setRange(toInt(minimum_), toInt(maximum_));
    slider->setSingleStep(toInt(lineStep_));
    slider->setPageStep(toInt(pageStep_));
    QObject::connect(slider, &QSlider::valueChanged, slider, [this](int value) {
        // Code's own changes reach the widget with its signals blocked: this is the user.
        if (value == value_)
            return;
        value_ = value;
        runtime::callHandler([this] { ValueChanged.raise(*this); });
    });

    auto integer = [this](std::int64_t& field) {
        return [this, &field](const PropertyValue& v) {
            field = std::get<std::int64_t>(v);
            showValue();
        };
    };
    declareTabStop();
    declare("Transparent", PropertyKind::Boolean);
    // The record may write Value before the range: it is kept as written and limited once the
    // whole record is in place.
    declare("Value", PropertyKind::Integer, integer(value_));
    declare("MinimumValue", PropertyKind::Integer, integer(minimum_));
    declare("MaximumValue", PropertyKind::Integer, integer(maximum_));
    declare("LineStep", PropertyKind::Integer, integer(lineStep_));
    declare("PageStep", PropertyKind::Integer, integer(pageStep_));
    declare("AllowLiveScrolling", PropertyKind::Boolean, [this](const PropertyValue& v) {
        if (QSlider* s = sliderOf(*this))
            s->setTracking(std::get<bool>(v));
    });
    declare("TickMarkStyle", PropertyKind::Enumeration, [this](const PropertyValue& v) {
        if (QSlider* s = sliderOf(*this))
            s->setTickPosition(tickPosition(std::get<std::int64_t>(v)));
    });
}

void Slider::setValue(std::int64_t value)
{
    value = std::clamp(value, minimum_, std::max(minimum_, maximum_));
    if (value == value_)
        return;
    value_ = value;
    showValue();
    ValueChanged.raise(*this);
}

void Slider::recordApplied()
{
    RectControl::recordApplied();
    value_ = std::clamp(value_, minimum_, std::max(minimum_, maximum_));
    showValue();
}

void Slider::showValue()
{
    QSlider* slider = sliderOf(*this);
    if (!slider)
        return;
    const QSignalBlocker quiet(slider);
    slider->setRange(toInt(minimum_), toInt(maximum_));
    slider->setSingleStep(toInt(lineStep_));
    slider->setPageStep(toInt(pageStep_));
    slider->setValue(toInt(value_));
}

} // namespace fw
