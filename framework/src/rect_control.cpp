// What every control shares: its place in the window, its container, state, cursor and font.
#include <framework/rect_control.h>

#include "desktop.h"
#include "look.h"
#include "qt_convert.h"
#include "whole_pixels.h"
#include "window_widget.h"

#include <framework/ascii_case.h>
#include <framework/runtime.h>
#include <framework/screen_fit.h>
#include <framework/window.h>

#include <QCursor>
#include <QFont>

#include <algorithm>
#include <limits>
#include <utility>

namespace fw {

namespace {

int toInt(std::int64_t value)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                      std::numeric_limits<int>::max()));
}

Qt::CursorShape shapeOf(Cursor cursor)
{
    switch (cursor) {
    case Cursor::StandardPointer: return Qt::ArrowCursor;
    case Cursor::FingerPointer: return Qt::PointingHandCursor;
    case Cursor::HandOpen: return Qt::OpenHandCursor;
    }
    return Qt::ArrowCursor;
}

// The font as the window shows it: at the window's factor, in fractions of a pixel, so that a text
// keeps its width relative to its control.
QFont shownAt(QFont font, double scale, const QWidget& widget)
{
    if (scale == 1.0)
        return font;
    if (font.pixelSize() > 0)
        font.setPointSizeF(font.pixelSize() * scale * 72.0 / widget.logicalDpiY());
    else
        font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

} // namespace

RectControl::RectControl(Window& window, QWidget* widget) : window_(window), widget_(widget)
{
    widget_->setParent(static_cast<WindowWidget*>(window.widget())->content());
    widget_->show();
    // The window deletes its widgets with itself; a control that outlives it keeps only its state.
    QObject::connect(widget_, &QObject::destroyed, [this] { widget_ = nullptr; });

    auto integer = [this](std::int64_t& field) {
        return [this, &field](const PropertyValue& v) {
            field = std::get<std::int64_t>(v);
            placeWidget();
        };
    };
    declare("Name", PropertyKind::Text);
    declare("Index", PropertyKind::Integer);
    declare("Left", PropertyKind::Integer, integer(left_));
    declare("Top", PropertyKind::Integer, integer(top_));
    declare("Width", PropertyKind::Integer, integer(width_));
    declare("Height", PropertyKind::Integer, integer(height_));
    // The windows of this program keep their size, so the anchors never move anything.
    declare("LockLeft", PropertyKind::Boolean);
    declare("LockTop", PropertyKind::Boolean);
    declare("LockRight", PropertyKind::Boolean);
    declare("LockBottom", PropertyKind::Boolean);
    declare("TabIndex", PropertyKind::Integer, [this](const PropertyValue& v) { tabIndex_ = std::get<std::int64_t>(v); });
    declare("TabPanelIndex", PropertyKind::Integer);
    declare("AllowAutoDeactivate", PropertyKind::Boolean);
    declare("Enabled", PropertyKind::Boolean, [this](const PropertyValue& v) { setEnabled(std::get<bool>(v)); });
    declare("Visible", PropertyKind::Boolean, [this](const PropertyValue& v) { setVisible(std::get<bool>(v)); });
    declare("Tooltip", PropertyKind::Text, [this](const PropertyValue& v) {
        if (widget_)
            widget_->setToolTip(toQString(std::get<std::string>(v)));
    });
    declare("InitialParent", PropertyKind::Text,
            [this](const PropertyValue& v) { setParentControl(std::get<std::string>(v)); });
}

RectControl::~RectControl()
{
    QWidget* widget = std::exchange(widget_, nullptr);
    delete widget;
}

void RectControl::setEnabled(bool enabled)
{
    enabled_ = enabled;
    if (widget_)
        widget_->setEnabled(enabled);
}

void RectControl::setVisible(bool visible)
{
    visible_ = visible;
    if (widget_)
        widget_->setVisible(visible);
}

bool RectControl::isEnabledOnScreen() const
{
    return widget_ && widget_->isEnabled();
}

bool RectControl::isShownOnScreen() const
{
    return widget_ && widget_->isVisible();
}

void RectControl::setMouseCursor(Cursor cursor)
{
    cursor_ = cursor;
    if (widget_)
        widget_->setCursor(QCursor(shapeOf(cursor)));
}

void RectControl::Refresh(bool)
{
    if (!widget_)
        return;
    desktop::repaint(*widget_);
}

void RectControl::recordApplied()
{
    placeWidget();
    window_.controlRecordApplied();
}

void RectControl::declareTabStop()
{
    declare("TabStop", PropertyKind::Boolean, [this](const PropertyValue& v) {
        tabStop_ = std::get<bool>(v);
        applyTabStop();
    });
}

void RectControl::applyTabStop()
{
    if (!widget_)
        return;
    // A control the user can click into stays clickable; only Tab passes it by.
    const Qt::FocusPolicy policy = widget_->focusPolicy();
    const bool byClick = (policy & Qt::ClickFocus) != 0;
    if (!tabStop_)
        widget_->setFocusPolicy(byClick ? Qt::ClickFocus : Qt::NoFocus);
    else if (policy == Qt::ClickFocus)
        widget_->setFocusPolicy(Qt::StrongFocus);
}

void RectControl::setParentControl(const std::string& name)
{
    RectControl* parent = nullptr;
    if (!name.empty()) {
        std::shared_ptr<RectControl> found = window_.ControlByName(name);
        if (!found)
            throw NilObjectException("the window has no container named \"" + name + "\"");
        for (const RectControl* c = found.get(); c; c = c->parent_)
            if (c == this)
                throw RuntimeException("the control \"" + name_ + "\" cannot lie inside itself");
        parent = found.get();
    }
    parent_ = parent;
    if (!widget_)
        return;
    QWidget* host = parent ? parent->widget_ : static_cast<WindowWidget*>(window_.widget())->content();
    if (host && widget_->parentWidget() != host) {
        widget_->setParent(host);
        widget_->setVisible(visible_); // a new parent hides the widget
    }
    placeWidget();
}

void RectControl::placeWidget()
{
    if (!widget_)
        return;
    // Left and Top are window coordinates; the widget sits in its container's coordinates.
    const double scale = window_.scaleFactor();
    const fit::Span across = fit::scaleSpan(left_, std::max<std::int64_t>(width_, 0), scale);
    const fit::Span down = fit::scaleSpan(top_, std::max<std::int64_t>(height_, 0), scale);
    std::int64_t x = across.begin, y = down.begin;
    if (parent_) {
        x -= fit::scaleSpan(parent_->left_, 0, scale).begin;
        y -= fit::scaleSpan(parent_->top_, 0, scale).begin;
    }
    widget_->setGeometry(toInt(x), toInt(y), toInt(across.length), toInt(down.length));
}

void RectControl::layoutScaled()
{
    placeWidget();
    if (hasFont_)
        applyFont();
}

void RectControl::declareFontProperties()
{
    hasFont_ = true;
    auto apply = [this](const PropertyValue&) { applyFont(); };
    declare("Bold", PropertyKind::Boolean, apply);
    declare("Italic", PropertyKind::Boolean, apply);
    declare("Underline", PropertyKind::Boolean, apply);
    declare("FontName", PropertyKind::Text, apply);
    declare("FontSize", PropertyKind::Single, apply);
    // Sizes are pixels, as on a Graphics surface, whatever the unit: the program's records all use
    // the default unit, and their labels are laid out for pixel sizes.
    declare("FontUnit", PropertyKind::ByteEnumeration);
}

void RectControl::applyFont()
{
    if (!widget_)
        return;
    auto flag = [this](std::string_view name) {
        const PropertyValue* v = storedProperty(name);
        return v && std::get<bool>(*v);
    };
    // Every control starts from the program's own font, never the desktop's; "System" and size 0
    // keep it.
    QFont font = look::systemFont();
    if (const PropertyValue* name = storedProperty("FontName")) {
        const auto& family = std::get<std::string>(*name);
        if (!family.empty() && !equalsIgnoringAsciiCase(family, "System"))
            font.setFamily(toQString(family));
    }
    if (const PropertyValue* size = storedProperty("FontSize"); size && std::get<float>(*size) > 0)
        font.setPixelSize(toWholePixels(std::get<float>(*size), 1));
    font.setBold(flag("Bold"));
    font.setItalic(flag("Italic"));
    font.setUnderline(flag("Underline"));
    widget_->setFont(shownAt(font, window_.scaleFactor(), *widget_));
}

} // namespace fw
