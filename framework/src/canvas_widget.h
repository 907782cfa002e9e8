// The toolkit side of a Canvas: paints through the canvas's Paint event and reports the mouse.
#pragma once

#include <QWidget>

namespace fw {

class Canvas;

class CanvasWidget final : public QWidget {
public:
    explicit CanvasWidget(Canvas& canvas);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    Canvas& canvas_;
    bool dragging_ = false; // MouseDown answered true: MouseDrag and MouseUp follow
};

} // namespace fw
