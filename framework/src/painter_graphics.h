// The one surface over a QPainter: a canvas's paint, an offscreen image or a printed page.
#pragma once

#include <framework/graphics.h>

#include <memory>
#include <optional>
#include <string>

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

    // What the painter was last given, so that a run of calls in one state sets it only once.
    struct PenState {
        Color color;
        double size;
        bool operator==(const PenState&) const = default;
    };
    struct FontState {
        std::string name;
        float size;
        bool condensed;
        Color color;
        bool operator==(const FontState&) const = default;
    };

    std::shared_ptr<void> device_;
    std::unique_ptr<QPainter> owned_;
    QPainter& painter_;
    std::optional<PenState> appliedPen_;
    std::optional<FontState> appliedFont_;
};

} // namespace fw
