// PushButton: a click raises Action.
#include <framework/controls.h>

#include "qt_convert.h"

#include <framework/application.h>

#include <QPushButton>

namespace fw {

namespace {

QPushButton* buttonOf(const RectControl& control)
{
    return static_cast<QPushButton*>(control.widget());
}

} // namespace

PushButton::PushButton(Window& window) : RectControl(window, new QPushButton)
{
    QPushButton* button = buttonOf(*this);
    QObject::connect(button, &QPushButton::clicked, button,
                     [this] { runtime::callHandler([this] { Action.raise(*this); }); });
    declareTabStop();
    declare("Caption", PropertyKind::Text, [this](const PropertyValue& v) {
        caption_ = std::get<std::string>(v);
        if (QPushButton* b = buttonOf(*this))
            b->setText(toQString(caption_));
    });
    declare("Default", PropertyKind::Boolean, [this](const PropertyValue& v) {
        if (QPushButton* b = buttonOf(*this))
            b->setDefault(std::get<bool>(v));
    });
    // No key presses a cancel button: the windows of this program are no dialogs.
    declare("Cancel", PropertyKind::Boolean);
    declare("MacButtonStyle", PropertyKind::Enumeration);
    declare("Transparent", PropertyKind::Boolean);
    declareFontProperties();
}

std::string PushButton::Caption() const
{
    return caption_;
}

void PushButton::Push()
{
    Action.raise(*this);
}

} // namespace fw
