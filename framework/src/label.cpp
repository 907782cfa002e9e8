// Label: a text in its colour and font, on one line or wrapped.
#include <framework/controls.h>

#include "label_widget.h"
#include "qt_convert.h"
#include "text_alignment.h"

namespace fw {

namespace {

LabelWidget* labelOf(const RectControl& control)
{
    return static_cast<LabelWidget*>(control.widget());
}

// Texts keep their CR LF line breaks; the toolkit breaks lines at LF alone.
QString shown(const std::string& text)
{
    QString q = toQString(text);
    q.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    q.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return q;
}

} // namespace

Label::Label(Window& window) : RectControl(window, new LabelWidget(*this))
{
    labelOf(*this)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    declareTabStop();
    declare("Value", PropertyKind::Text, [this](const PropertyValue& v) { setValue(std::get<std::string>(v)); });
    declare("MultiLine", PropertyKind::Boolean, [this](const PropertyValue& v) {
        if (LabelWidget* label = labelOf(*this))
            label->setWordWrap(std::get<bool>(v));
    });
    declare("Selectable", PropertyKind::Boolean, [this](const PropertyValue& v) {
        if (LabelWidget* label = labelOf(*this))
            label->setTextInteractionFlags(std::get<bool>(v) ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
    });
    declare("TextAlignment", PropertyKind::Enumeration, [this](const PropertyValue& v) {
        if (LabelWidget* label = labelOf(*this))
            label->setAlignment(horizontalAlignment(std::get<std::int64_t>(v)) | Qt::AlignTop);
    });
    declare("TextColor", PropertyKind::Colour, [this](const PropertyValue& v) {
        textColor_ = std::get<Color>(v);
        if (LabelWidget* label = labelOf(*this)) {
            // A disabled label keeps the toolkit's greyed colour.
            QPalette palette = label->palette();
            palette.setColor(QPalette::Active, QPalette::WindowText, toQColor(textColor_));
            palette.setColor(QPalette::Inactive, QPalette::WindowText, toQColor(textColor_));
            label->setPalette(palette);
        }
    });
    // A label paints no background of its own, so whatever lies beneath shows either way.
    declare("Transparent", PropertyKind::Boolean);
    declare("DataSource", PropertyKind::Text);
    declare("DataField", PropertyKind::Text);
    declareFontProperties();
}

std::string Label::Value() const
{
    return text_;
}

void Label::setValue(const std::string& text)
{
    text_ = text;
    if (LabelWidget* label = labelOf(*this))
        label->setText(shown(text_));
}

Color Label::TextColor() const
{
    return textColor_;
}

} // namespace fw
