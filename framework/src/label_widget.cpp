// Label mouse events, raised as the label's events.
#include "label_widget.h"

#include "mouse_position.h"

#include <framework/application.h>
#include <framework/controls.h>
#include <framework/window.h>

namespace fw {

LabelWidget::LabelWidget(Label& label) : label_(label)
{
    setTextFormat(Qt::PlainText);
}

void LabelWidget::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || pressed_)
        return;
    const Pixel at = pixelOf(*event, label_.window().scaleFactor());
    runtime::callHandler([&] { pressed_ = label_.MouseDown.raise(label_, at.x, at.y); });
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    pressed_ = false;
    const Pixel at = pixelOf(*event, label_.window().scaleFactor());
    runtime::callHandler([&] { label_.MouseUp.raise(label_, at.x, at.y); });
}

void LabelWidget::enterEvent(QEnterEvent* event)
{
    QLabel::enterEvent(event);
    runtime::callHandler([&] { label_.MouseEnter.raise(label_); });
}

void LabelWidget::leaveEvent(QEvent* event)
{
    QLabel::leaveEvent(event);
    runtime::callHandler([&] { label_.MouseExit.raise(label_); });
}

} // namespace fw
