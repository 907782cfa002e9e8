// Canvas painting and mouse gestures, each raised as the canvas's event.
#include "canvas_widget.h"

#include "mouse_position.h"
#include "painter_graphics.h"
#include "picture_impl.h"

#include <framework/application.h>
#include <framework/controls.h>
#include <framework/window.h>

#include <QPaintEvent>
#include <QPainter>

#include <vector>

namespace fw {

CanvasWidget::CanvasWidget(Canvas& canvas) : canvas_(canvas)
{
    // MouseMove is reported also while no button is held.
    setMouseTracking(true);
}

void CanvasWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    // The canvas draws in its layout's pixels, whatever the factor its window is shown at.
    const double scale = canvas_.window().scaleFactor();
    if (scale != 1.0) {
        painter.scale(scale, scale);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    }
    if (const auto& backdrop = canvas_.Backdrop())
        painter.drawImage(QPoint(0, 0), backdrop->impl().image);
    std::vector<Rect> areas;
    for (const QRect& r : event->region())
        areas.push_back({r.x() / scale, r.y() / scale, r.width() / scale, r.height() / scale});
    // Each paint gets a fresh surface: 1 px black pen and the default font.
    PainterGraphics g(painter);
    runtime::callHandler([&] { canvas_.Paint.raise(canvas_, g, areas); });
}

void CanvasWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || dragging_)
        return;
    const Pixel at = pixelOf(*event, canvas_.window().scaleFactor());
    runtime::callHandler([&] { dragging_ = canvas_.MouseDown.raise(canvas_, at.x, at.y); });
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event)
{
    const Pixel at = pixelOf(*event, canvas_.window().scaleFactor());
    if (dragging_)
        runtime::callHandler([&] { canvas_.MouseDrag.raise(canvas_, at.x, at.y); });
    else if (event->buttons() == Qt::NoButton)
        runtime::callHandler([&] { canvas_.MouseMove.raise(canvas_, at.x, at.y); });
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !dragging_)
        return;
    dragging_ = false;
    const Pixel at = pixelOf(*event, canvas_.window().scaleFactor());
    runtime::callHandler([&] { canvas_.MouseUp.raise(canvas_, at.x, at.y); });
}

void CanvasWidget::enterEvent(QEnterEvent*)
{
    runtime::callHandler([&] { canvas_.MouseEnter.raise(canvas_); });
}

void CanvasWidget::leaveEvent(QEvent*)
{
    runtime::callHandler([&] { canvas_.MouseExit.raise(canvas_); });
}

} // namespace fw
