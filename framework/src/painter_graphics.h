// The one surface over a QPainter: a canvas's paint, an offscreen image or a printed page.
#pragma once

#include <framework/graphics.h>

class QPainter;

namespace fw {

class PainterGraphics final : public Graphics {
public:
    explicit PainterGraphics(QPainter& painter);

    void DrawLine(double x1, double y1, double x2, double y2) override;
    void DrawOval(double x, double y, double width, double height) override;
    void DrawString(std::string_view text, double x, double y, double wrapWidth = 0,
                    bool condensed = false) override;
    void FillRect(double x, double y, double width, double height) override;

private:
    void applyPen();
    void applyFont();
    QPainter& painter_;
};

} // namespace fw
