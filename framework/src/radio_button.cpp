// RadioButton: one of the buttons of its container is on; choosing one by click or by code raises
// its Action once.
#include <framework/controls.h>

#include "qt_convert.h"

#include <framework/application.h>

#include <QRadioButton>
#include <QSignalBlocker>

namespace fw {

namespace {

QRadioButton* buttonOf(const RectControl& control)
{
    return static_cast<QRadioButton*>(control.widget());
}

// Sets the button without switching its neighbours and without signals from it.
void setQuietly(QRadioButton& button, bool selected)
{
    const QSignalBlocker quiet(&button);
    button.setAutoExclusive(false);
    button.setChecked(selected);
    button.setAutoExclusive(true);
}

} // namespace

RadioButton::RadioButton(Window& window) : RectControl(window, new QRadioButton)
{
    QRadioButton* button = buttonOf(*this);
    // The toolkit switches off the other buttons of the container; each keeps its Value in step.
    QObject::connect(button, &QRadioButton::toggled, button, [this](bool on) { selected_ = on; });
    // A click raises Action also on the button that is on already.
    QObject::connect(button, &QRadioButton::clicked, button,
                     [this] { runtime::callHandler([this] { Action.raise(*this); }); });
    declareTabStop();
    declare("Caption", PropertyKind::Text, [this](const PropertyValue& v) {
        caption_ = std::get<std::string>(v);
        if (QRadioButton* b = buttonOf(*this))
            b->setText(toQString(caption_));
    });
    // The container is known only at the record's end, so the neighbours are switched then.
    declare("Value", PropertyKind::Boolean, [this](const PropertyValue& v) {
        selected_ = std::get<bool>(v);
        if (QRadioButton* b = buttonOf(*this))
            setQuietly(*b, selected_);
    });
    declare("Transparent", PropertyKind::Boolean);
    declareFontProperties();
}

std::string RadioButton::Caption() const
{
    return caption_;
}

bool RadioButton::Value() const
{
    return selected_;
}

void RadioButton::setValue(bool selected)
{
    if (selected == selected_)
        return;
    selectAmongNeighbours(selected);
    Action.raise(*this);
}

void RadioButton::recordApplied()
{
    RectControl::recordApplied();
    if (selected_)
        selectAmongNeighbours(true);
}

void RadioButton::selectAmongNeighbours(bool selected)
{
    selected_ = selected;
    QRadioButton* button = buttonOf(*this);
    if (!button)
        return;
    setQuietly(*button, false);
    if (selected) {
        const QSignalBlocker quiet(button);
        button->setChecked(true); // switches the container's other button off
    }
}

} // namespace fw
