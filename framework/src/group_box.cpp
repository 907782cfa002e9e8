// GroupBox: a captioned container; what lies inside follows its Enabled and Visible.
#include <framework/controls.h>

#include "qt_convert.h"

#include <QGroupBox>

namespace fw {

GroupBox::GroupBox(Window& window) : RectControl(window, new QGroupBox)
{
    declareTabStop();
    declare("Caption", PropertyKind::Text, [this](const PropertyValue& v) { setCaption(std::get<std::string>(v)); });
    declare("Transparent", PropertyKind::Boolean);
    declareFontProperties();
}

std::string GroupBox::Caption() const
{
    return caption_;
}

void GroupBox::setCaption(const std::string& caption)
{
    caption_ = caption;
    if (auto* box = static_cast<QGroupBox*>(widget()))
        box->setTitle(toQString(caption));
}

} // namespace fw
