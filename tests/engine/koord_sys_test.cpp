// The axes, their scales and the placement of the axis names.
#include "engine_test_support.h"

#include <engine/koord_sys.h>

#include <framework/color.h>

#include <cstdint>
#include <optional>

namespace engine_test {
namespace {

using fw::DrawCall;

struct Point {
    double x, y;
};

engine::KoordSys systemWithTilt(double tilt, fw::Color cl = fw::RGB(0, 0, 0))
{
    engine::KoordSys sys;
    sys.sinPhiTime = tilt;
    sys.sinPhiSpace = tilt;
    sys.cl = cl;
    return sys;
}

std::size_t countTicks(const fw::RecordingGraphics& g)
{
    std::size_t ticks = 0;
    for (const Line& l : linesOf(g)) {
        const bool timeTick = l.y1 == l.y2 && l.x2 - l.x1 == 6;
        const bool spaceTick = l.x1 == l.x2 && l.y2 - l.y1 == 6;
        ticks += timeTick || spaceTick;
    }
    return ticks;
}

struct AxesRow {
    const char* name;
    double tilt;
    Line timeAxis, spaceAxis;
    std::size_t ticks;
};

// Canvas 636 x 553, origin (300, 400): the axes run 1000 px either way from the origin.
TEST_F(EngineTest, AxesRunAThousandPixelsEitherWayOfTheOrigin)
{
    const AxesRow rows[] = {
        {"black system at start (upright)", 0.0, {300, 1400, 300, -600}, {-700, 400, 1300, 400}, 40},
        {"red system at start (tilt 0.6)", 0.6, {-300, 1200, 900, -400}, {-500, -200, 1100, 1000}, 0},
        {"black system seen by red (tilt -0.6)", -0.6, {900, 1200, -300, -400}, {-500, 1000, 1100, -200}, 0},
        {"upright by negative zero", -0.0, {300, 1400, 300, -600}, {-700, 400, 1300, 400}, 40},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fw::RecordingGraphics g;
        auto sys = systemWithTilt(row.tilt);
        sys.Draw(g);
        const auto lines = linesOf(g);
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[0], row.timeAxis);
        EXPECT_EQ(lines[1], row.spaceAxis);
        EXPECT_EQ(countTicks(g), row.ticks);
    }
}

// The upright system's drawing in order: both axes, then for i = -10..10 without 0 a tick and its
// label, "Time", the same for space, "Space". The first time tick lies 720 px below the origin.
TEST_F(EngineTest, UprightSystemDrawsAxesTicksAndNamesInOrder)
{
    fw::RecordingGraphics g;
    auto sys = systemWithTilt(0.0);
    sys.Draw(g);
    const auto& calls = g.calls();
    ASSERT_EQ(calls.size(), 2u + 40u + 1u + 40u + 1u);
    for (std::size_t k = 0; k < 20; ++k) {
        EXPECT_EQ(calls[2 + 2 * k].kind, DrawCall::Kind::Line) << k;
        EXPECT_EQ(calls[3 + 2 * k].kind, DrawCall::Kind::String) << k;
        EXPECT_EQ(calls[43 + 2 * k].kind, DrawCall::Kind::Line) << k;
        EXPECT_EQ(calls[44 + 2 * k].kind, DrawCall::Kind::String) << k;
    }
    EXPECT_EQ(lineOf(calls[2]), (Line{297, -320, 303, -320}));
    EXPECT_EQ((Text{calls[3].text, calls[3].x1, calls[3].y1}), (Text{"100 ns ", 306, -320}));
    EXPECT_EQ(calls[42].text, "Time");
    EXPECT_EQ(lineOf(calls[43]), (Line{-420, 397, -420, 403}));
    EXPECT_EQ((Text{calls[44].text, calls[44].x1, calls[44].y1}), (Text{"-30 m ", -420, 414}));
    EXPECT_EQ(calls[83].text, "Space");
}

struct ScaleRow {
    const char* name;
    std::int64_t units;
    Text timeLabelAbove, timeLabelBelow, spaceLabelRight, spaceLabelLeft;
};

// The labels one grid unit from the origin: up is a positive time, right a positive distance.
TEST_F(EngineTest, ScaleLabelsNameOneGridUnitInTheCurrentUnits)
{
    const ScaleRow rows[] = {
        {"start units, row 3", 3, {"10 ns ", 306, 328}, {"-10 ns ", 306, 472}, {"3 m ", 372, 414}, {"-3 m ", 228, 414}},
        {"row 9", 9, {"10 ms ", 306, 328}, {"-10 ms ", 306, 472}, {"3000 km ", 372, 414}, {"-3000 km ", 228, 414}},
        {"row 0", 0, {"10 ps ", 306, 328}, {"-10 ps ", 306, 472}, {"3 mm ", 372, 414}, {"-3 mm ", 228, 414}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Globals::stUnits = row.units;
        Globals::calcUnits();
        fw::RecordingGraphics g;
        auto sys = systemWithTilt(0.0);
        sys.Draw(g);
        const auto texts = textsOf(g);
        for (const Text& expected : {row.timeLabelAbove, row.timeLabelBelow, row.spaceLabelRight, row.spaceLabelLeft}) {
            const Text* found = findText(texts, expected.text);
            ASSERT_NE(found, nullptr) << expected;
            EXPECT_EQ(*found, expected);
        }
    }
}

struct NameRow {
    const char* name;
    double tilt;
    std::int64_t Nx, Ny;
    std::optional<Point> time, space;
};

// Where "Time" and "Space" stand, on a 636 x 553 canvas.
TEST_F(EngineTest, AxisNamesStandWhereTheAxesLeaveTheCanvas)
{
    const NameRow rows[] = {
        {"upright at start", 0.0, 300, 400, Point{303, 8}, Point{606, 394}},
        {"tilt 0.6 at start: space name at the bottom edge", 0.6, 300, 400, Point{603, 8}, Point{504, 552}},
        {"tilt -0.6 at start", -0.6, 300, 400, Point{3, 8}, Point{606, 142}},
        {"tilt -0.6, origin (250, 400): time name at the left edge", -0.6, 250, 400, Point{2, 69}, std::nullopt},
        {"tilt -0.6, origin (300, 30): space name at the top edge", -0.6, 300, 30, std::nullopt, Point{340, 8}},
        {"tilt 0.6, origin (600, 540): space name at the bottom, 32 px from the right", 0.6, 600, 540, std::nullopt, Point{604, 552}},
        {"tilt -0.6, origin (600, 30): space name at the top, 30 px from the right", -0.6, 600, 30, std::nullopt, Point{606, 8}},
        {"tilt 0.6, origin (500, 400): time name at the right edge", 0.6, 500, 400, Point{606, 221}, std::nullopt},
        {"upright, origin 26 px from the right edge", 0.0, 610, 400, Point{606, 8}, std::nullopt},
        // The edge's fall-back y lies above the top row; it is raised to 8.
        {"tilt 0.6, origin (610, 30): right-edge time name raised to the top row", 0.6, 610, 30, Point{606, 8}, std::nullopt},
        {"tilt -0.6, origin (30, 44): left-edge time name raised to the top row", -0.6, 30, 44, Point{2, 8}, std::nullopt},
        // Where the axis leaves through the right edge beyond any 64-bit y, the name keeps the top row.
        {"tilt 1e-300, origin right of the canvas", 1e-300, 700, 400, Point{606, 8}, std::nullopt},
        // A level axis never meets a side or the top and bottom edges: no division by its zero tangent.
        {"upright, origin left of the canvas", 0.0, -50, 400, Point{2, 8}, std::nullopt},
        {"upright, origin below the canvas: space name keeps the right edge", 0.0, 300, 700, std::nullopt, Point{606, 694}},
        {"upright, origin above the canvas: space name keeps the right edge", 0.0, 300, 5, std::nullopt, Point{606, -1}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Globals::Nx = row.Nx;
        Globals::Ny = row.Ny;
        fw::RecordingGraphics g;
        auto sys = systemWithTilt(row.tilt);
        sys.Draw(g);
        const auto texts = textsOf(g);
        const Text* time = findText(texts, "Time");
        const Text* space = findText(texts, "Space");
        ASSERT_NE(time, nullptr);
        ASSERT_NE(space, nullptr);
        if (row.time) {
            EXPECT_EQ(*time, (Text{"Time", row.time->x, row.time->y}));
        }
        if (row.space) {
            EXPECT_EQ(*space, (Text{"Space", row.space->x, row.space->y}));
        }
    }
}

// Everything of a system is drawn 2 px wide in its colour, in "Arial" 10, and the surface keeps
// that state for the meeting construction's letters.
TEST_F(EngineTest, AxesSetAndLeavePenColourAndFont)
{
    const fw::Color red = fw::RGB(255, 0, 0);
    for (double tilt : {0.0, 0.6}) {
        SCOPED_TRACE(tilt);
        fw::RecordingGraphics g;
        g.setPenSize(5);
        g.setFontName("Courier");
        g.setFontSize(20);
        auto sys = systemWithTilt(tilt, red);
        sys.Draw(g);
        for (const auto& call : g.calls()) {
            EXPECT_EQ(call.color, red);
            EXPECT_EQ(call.penSize, 2);
            EXPECT_EQ(call.fontName, "Arial");
            EXPECT_EQ(call.fontSize, 10.0f);
        }
        EXPECT_EQ(g.PenSize(), 2);
        EXPECT_EQ(g.DrawingColor(), red);
        EXPECT_EQ(g.FontName(), "Arial");
        EXPECT_EQ(g.FontSize(), 10.0f);
    }
}

} // namespace
} // namespace engine_test
