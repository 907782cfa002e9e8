// CheckBox: on or off; a change by the user or by code raises Action once.
#include <framework/controls.h>

#include "qt_convert.h"

#include <framework/application.h>

#include <QCheckBox>
#include <QSignalBlocker>

namespace fw {

namespace {

QCheckBox* boxOf(const RectControl& control)
{
    return static_cast<QCheckBox*>(control.widget());
}

} // namespace

CheckBox::CheckBox(Window& window) : RectControl(window, new QCheckBox)
{
    QCheckBox* box = boxOf(*this);
    QObject::connect(box, &QCheckBox::clicked, box, [this](bool checked) {
        checked_ = checked;
        runtime::callHandler([this] { Action.raise(*this); });
    });
    declareTabStop();
    declare("Caption", PropertyKind::Text, [this](const PropertyValue& v) {
        caption_ = std::get<std::string>(v);
        if (QCheckBox* b = boxOf(*this))
            b->setText(toQString(caption_));
    });
    declare("Value", PropertyKind::Boolean, [this](const PropertyValue& v) { showValue(std::get<bool>(v)); });
    // The shown state follows Value; the toolkit box has no third state here.
    declare("VisualState", PropertyKind::Enumeration);
    declare("Transparent", PropertyKind::Boolean);
    declare("DataSource", PropertyKind::Text);
    declare("DataField", PropertyKind::Text);
    declareFontProperties();
}

std::string CheckBox::Caption() const
{
    return caption_;
}

bool CheckBox::Value() const
{
    return checked_;
}

void CheckBox::setValue(bool checked)
{
    if (checked == checked_)
        return;
    showValue(checked);
    Action.raise(*this);
}

void CheckBox::showValue(bool checked)
{
    checked_ = checked;
    if (QCheckBox* box = boxOf(*this)) {
        const QSignalBlocker quiet(box);
        box->setChecked(checked);
    }
}

} // namespace fw
