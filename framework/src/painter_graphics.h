// The one surface over a QPainter: a canvas's paint, an offscreen image or a printed page.
#pragma once

#include <framework/graphics.h>

#include <memory>

class QPainter;

namespace fw {

class PainterGraphics final : public Graphics {
public:
    // Draws through a painter that someone else begins and ends.
    explicit PainterGraphics(QPainter& painter);
    // Owns an active painter and ends it when released; device stays alive until then.
    PainterGraphics(std::unique_ptr<QPainter> painter, std::shared_ptr<void> device);
    ~PainterGraphics() override;
    PainterGraphics(const PainterGraphics&) = delete;
    PainterGraphics& operator=(const PainterGraphics&) = delete;

    void DrawLine(double x1, double y1, double x2, double y2) override;
    void DrawOval(double x, double y, double width, double height) override;
    void DrawString(std::string_view text, double x, double y, double wrapWidth = 0,
                    bool condensed = false) override;
    void FillRect(double x, double y, double width, double height) override;

private:
    void prepare();
    void applyPen();
    void applyFont(bool condensed);

    std::shared_ptr<void> device_;
    std::unique_ptr<QPainter> owned_;
    QPainter& painter_;
};

} // namespace fw
