// Recording surface: each call becomes one DrawCall with the state in force.
#include <framework/recording_graphics.h>

namespace fw {

void RecordingGraphics::record(DrawCall::Kind kind, double a, double b, double c, double d, std::string text)
{
    calls_.push_back({kind, a, b, c, d, std::move(text), DrawingColor(), PenSize(), FontName(), FontSize()});
}

void RecordingGraphics::DrawLine(double x1, double y1, double x2, double y2)
{
    record(DrawCall::Kind::Line, x1, y1, x2, y2);
}

void RecordingGraphics::DrawOval(double x, double y, double width, double height)
{
    record(DrawCall::Kind::Oval, x, y, width, height);
}

void RecordingGraphics::DrawString(std::string_view text, double x, double y, double, bool)
{
    record(DrawCall::Kind::String, x, y, 0, 0, std::string(text));
}

void RecordingGraphics::FillRect(double x, double y, double width, double height)
{
    record(DrawCall::Kind::FillRect, x, y, width, height);
}

} // namespace fw
