// A surface that draws nothing and records every call with the state in force, for exact tests.
#pragma once

#include <framework/graphics.h>

#include <string>
#include <vector>

namespace fw {

struct DrawCall {
    enum class Kind { Line, Oval, String, FillRect };
    Kind kind;
    double x1, y1, x2, y2; // a line's ends; for the others x, y, width, height (a string: x, y, 0, 0)
    std::string text;      // a string's text
    Color color;
    double penSize;
    std::string fontName;
    float fontSize;
};

class RecordingGraphics final : public Graphics {
public:
    void DrawLine(double x1, double y1, double x2, double y2) override;
    void DrawOval(double x, double y, double width, double height) override;
    void DrawString(std::string_view text, double x, double y, double wrapWidth = 0,
                    bool condensed = false) override;
    void FillRect(double x, double y, double width, double height) override;

    const std::vector<DrawCall>& calls() const { return calls_; }
    void clear() { calls_.clear(); }

private:
    void record(DrawCall::Kind kind, double a, double b, double c, double d, std::string text = {});
    std::vector<DrawCall> calls_;
};

} // namespace fw
