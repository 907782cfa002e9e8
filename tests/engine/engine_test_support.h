// The model at its opened state, and readable views of a recorded drawing, for the engine's tests.
#pragma once

#include <engine/globals.h>

#include <framework/recording_graphics.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace engine_test {

struct Line {
    double x1, y1, x2, y2;
    friend bool operator==(const Line&, const Line&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Line& l)
    {
        return os << "(" << l.x1 << ", " << l.y1 << ")-(" << l.x2 << ", " << l.y2 << ")";
    }
};

// A line with the pen it was drawn with.
struct PenLine {
    Line line;
    double pen;
    friend bool operator==(const PenLine&, const PenLine&) = default;
    friend std::ostream& operator<<(std::ostream& os, const PenLine& l)
    {
        return os << l.line << " pen " << l.pen;
    }
};

struct Text {
    std::string text;
    double x, y;
    friend bool operator==(const Text&, const Text&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Text& t)
    {
        return os << "\"" << t.text << "\" at (" << t.x << ", " << t.y << ")";
    }
};

inline Line lineOf(const fw::DrawCall& call)
{
    return {call.x1, call.y1, call.x2, call.y2};
}

inline std::vector<Line> linesOf(const fw::RecordingGraphics& g)
{
    std::vector<Line> lines;
    for (const auto& call : g.calls())
        if (call.kind == fw::DrawCall::Kind::Line)
            lines.push_back(lineOf(call));
    return lines;
}

inline std::vector<PenLine> penLinesOf(const fw::RecordingGraphics& g)
{
    std::vector<PenLine> lines;
    for (const auto& call : g.calls())
        if (call.kind == fw::DrawCall::Kind::Line)
            lines.push_back({lineOf(call), call.penSize});
    return lines;
}

inline std::vector<Text> textsOf(const fw::RecordingGraphics& g)
{
    std::vector<Text> texts;
    for (const auto& call : g.calls())
        if (call.kind == fw::DrawCall::Kind::String)
            texts.push_back({call.text, call.x1, call.y1});
    return texts;
}

// The text drawn with that content, if any.
inline const Text* findText(const std::vector<Text>& texts, const std::string& content)
{
    for (const auto& t : texts)
        if (t.text == content)
            return &t;
    return nullptr;
}

// The model as the main window's Open leaves it: start values, the units of row 3 and the
// 636 x 553 canvas; the objects are left to each test.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Globals::resetToStartValues();
        Globals::calcUnits();
        Globals::gw = 636;
        Globals::gh = 553;
    }
    void TearDown() override { Globals::resetToStartValues(); }
};

} // namespace engine_test
