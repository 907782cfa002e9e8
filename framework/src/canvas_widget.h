// The toolkit side of a Canvas: paints through the canvas's Paint event and reports the mouse.
#pragma once

#include <QWidget>

#include <cstdint>

namespace fw {

class Canvas;

class CanvasWidget final : public QWidget {
public:
    explicit CanvasWidget(Canvas& canvas);
    std::int64_t paintCount() const { return paintCount_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    Canvas& canvas_;
    std::int64_t paintCount_ = 0;
    bool dragging_ = false; // MouseDown answered true: MouseDrag and MouseUp follow
};

} // namespace fw
