// TextField: one line of editable text; every change of the text raises TextChange once.
#include <framework/controls.h>

#include "qt_convert.h"
#include "text_alignment.h"

#include <framework/application.h>

#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

namespace fw {

namespace {

QLineEdit* fieldOf(const RectControl& control)
{
    return static_cast<QLineEdit*>(control.widget());
}

// The toolkit's own limit, which 0 ("unlimited") stands for.
constexpr int kNoLimit = 32767;

// A menu bar entered from the keyboard takes the focus while its menu is open, as a popup menu
// does; the line edit drops its selection for the one but not for the other. Treated alike, the
// selection is still there for the Edit menu's commands.
class LineEdit final : public QLineEdit {
protected:
    void focusOutEvent(QFocusEvent* event) override
    {
        if (event->reason() != Qt::MenuBarFocusReason) {
            QLineEdit::focusOutEvent(event);
            return;
        }
        QFocusEvent asPopup(QEvent::FocusOut, Qt::PopupFocusReason);
        QLineEdit::focusOutEvent(&asPopup);
    }
};

} // namespace

TextField::TextField(Window& window) : RectControl(window, new LineEdit)
{
    QLineEdit* field = fieldOf(*this);
    QObject::connect(field, &QLineEdit::textChanged, field, [this](const QString& text) {
        // Code's own changes reach the widget with its signals blocked: this is the user.
        text_ = fromQString(text);
        runtime::callHandler([this] { TextChange.raise(*this); });
    });

    auto colour = [this](QPalette::ColorRole role) {
        return [this, role](const PropertyValue& v) {
            QLineEdit* f = fieldOf(*this);
            if (!f)
                return;
            QPalette palette = f->palette();
            palette.setColor(QPalette::Active, role, toQColor(std::get<Color>(v)));
            palette.setColor(QPalette::Inactive, role, toQColor(std::get<Color>(v)));
            // A disabled field takes no focus and no input and keeps the greyed background of its
            // style, but shows its text in the field's own colour: a disabled field serves as a
            // read-out whose value must stay readable (the style's grey text is 1.6:1 against that
            // background). Other disabled controls keep the style's grey.
            if (role == QPalette::Text)
                palette.setColor(QPalette::Disabled, role, toQColor(std::get<Color>(v)));
            f->setPalette(palette);
        };
    };
    auto flag = [this](void (QLineEdit::*set)(bool)) {
        return [this, set](const PropertyValue& v) {
            if (QLineEdit* f = fieldOf(*this))
                (f->*set)(std::get<bool>(v));
        };
    };
    declareTabStop();
    declare("BackgroundColor", PropertyKind::Colour, colour(QPalette::Base));
    declare("TextColor", PropertyKind::Colour, colour(QPalette::Text));
    declare("HasBorder", PropertyKind::Boolean, flag(&QLineEdit::setFrame));
    declare("ReadOnly", PropertyKind::Boolean, flag(&QLineEdit::setReadOnly));
    declare("Password", PropertyKind::Boolean, [this](const PropertyValue& v) {
        if (QLineEdit* f = fieldOf(*this))
            f->setEchoMode(std::get<bool>(v) ? QLineEdit::Password : QLineEdit::Normal);
    });
    declare("Hint", PropertyKind::Text, [this](const PropertyValue& v) {
        if (QLineEdit* f = fieldOf(*this))
            f->setPlaceholderText(toQString(std::get<std::string>(v)));
    });
    declare("TextAlignment", PropertyKind::Enumeration, [this](const PropertyValue& v) {
        if (QLineEdit* f = fieldOf(*this))
            f->setAlignment(horizontalAlignment(std::get<std::int64_t>(v)) | Qt::AlignVCenter);
    });
    declare("MaximumCharactersAllowed", PropertyKind::Integer, [this](const PropertyValue& v) {
        const std::int64_t limit = std::get<std::int64_t>(v);
        if (QLineEdit* f = fieldOf(*this)) {
            const QSignalBlocker quiet(f);
            f->setMaxLength(limit <= 0 ? kNoLimit : static_cast<int>(std::min<std::int64_t>(limit, kNoLimit)));
            text_ = fromQString(f->text());
        }
    });
    declare("Value", PropertyKind::Text, [this](const PropertyValue& v) { showText(std::get<std::string>(v)); });
    // Stored for the program's own use; the toolkit field has no use for them.
    declare("Format", PropertyKind::Text);
    declare("ValidationMask", PropertyKind::Text);
    declare("AllowSpellChecking", PropertyKind::Boolean);
    declare("AllowTabs", PropertyKind::Boolean);
    declare("AllowFocusRing", PropertyKind::Boolean);
    declare("Transparent", PropertyKind::Boolean);
    declare("DataSource", PropertyKind::Text);
    declare("DataField", PropertyKind::Text);
    declareFontProperties();
}

std::string TextField::Value() const
{
    return text_;
}

void TextField::setValue(const std::string& text)
{
    const std::string before = text_;
    showText(text);
    if (text_ != before)
        TextChange.raise(*this);
}

void TextField::showText(const std::string& text)
{
    text_ = text;
    QLineEdit* field = fieldOf(*this);
    if (!field)
        return;
    const QSignalBlocker quiet(field);
    field->setText(toQString(text));
    // A limited field holds no more than its limit, also when code sets the text.
    text_ = fromQString(field->text());
}

} // namespace fw
