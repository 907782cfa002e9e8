// Painting a Rectangle: fill, then the border in whole pixels.
#include "rectangle_widget.h"

#include "qt_convert.h"
#include "whole_pixels.h"

#include <QPainter>

#include <algorithm>

namespace fw {

RectangleWidget::RectangleWidget() = default;

void RectangleWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int w = width(), h = height();
    painter.fillRect(0, 0, w, h, toQColor(fillColor));
    const int border = toWholePixels(borderThickness, 0, std::min(w, h) / 2 + 1);
    if (border == 0)
        return;
    const QColor topLeft = toQColor(topLeftColor), bottomRight = toQColor(bottomRightColor);
    painter.fillRect(0, 0, w, border, topLeft);
    painter.fillRect(0, 0, border, h, topLeft);
    painter.fillRect(0, h - border, w, border, bottomRight);
    painter.fillRect(w - border, 0, border, h, bottomRight);
}

} // namespace fw
