// A drawing surface: one paint of a canvas, one offscreen image or one printed page.
#pragma once

#include <framework/color.h>

#include <string>
#include <string_view>

namespace fw {

// The colour, pen, font name and font size set on a surface stay in force for later calls.
// Coordinates are pixels as doubles. The y of DrawString is the text's baseline and FontSize is in
// surface pixels, so "Time" drawn at y = 8 in size 10 stays readable in full. A font size of 0 or
// the name "System" gives the system font of the program's controls (at 12 px for size 0).
// Lines and ovals are aliased, on whole pixels and the same on every run; text is smoothed. A line's
// square caps reach half the pen beyond its ends; an oval's outline stays inside its box.
class Graphics {
public:
    virtual ~Graphics() = default;

    Color DrawingColor() const { return drawingColor_; }
    void setDrawingColor(Color c) { drawingColor_ = c; }
    double PenSize() const { return penSize_; }
    void setPenSize(double size) { penSize_ = size; }
    const std::string& FontName() const { return fontName_; }
    void setFontName(std::string name) { fontName_ = std::move(name); }
    float FontSize() const { return fontSize_; }
    void setFontSize(float size) { fontSize_ = size; }

    virtual void DrawLine(double x1, double y1, double x2, double y2) = 0;
    // The outline of the ellipse inside the box.
    virtual void DrawOval(double x, double y, double width, double height) = 0;
    // A wrap width of 0 draws the text on one line.
    virtual void DrawString(std::string_view text, double x, double y, double wrapWidth = 0,
                            bool condensed = false) = 0;
    virtual void FillRect(double x, double y, double width, double height) = 0;

private:
    // A fresh surface draws 1 px wide, in black, with the system's default font.
    Color drawingColor_ = RGB(0, 0, 0);
    double penSize_ = 1.0;
    std::string fontName_ = "System";
    float fontSize_ = 0.0f;
};

} // namespace fw
