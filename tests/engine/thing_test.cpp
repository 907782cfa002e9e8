// The rods: at rest for their own viewer, moving with the other observer, with traces and shadows.
#include "engine_test_support.h"

#include <engine/thing.h>

#include <framework/color.h>

#include <cstdint>
#include <vector>

namespace engine_test {
namespace {

constexpr fw::Color kGrey = fw::RGB(100, 100, 100);
constexpr fw::Color kDarkRed = fw::RGB(200, 0, 0);

engine::Thing rod(std::int64_t index, std::int64_t position, bool trace = true, bool shadow = true)
{
    engine::Thing thing;
    thing.index = index;
    thing.cl = index == 0 ? kGrey : kDarkRed;
    thing.position = position;
    thing.length = 144;
    thing.isVisible = true;
    thing.hasTrace = trace;
    thing.hasShadow = shadow;
    return thing;
}

struct RodRow {
    const char* name;
    std::int64_t ourSystem;
    double sinPhi;
    std::int64_t theTime;
    std::int64_t index, position;
    std::vector<PenLine> lines; // the rod first, then traces, projection lines and shadow
    bool wholeDrawing;          // false: only the first lines are given
};

// Start state: origin (300, 400), canvas height 553, sinPhi 0.6 (c = 0.8, tan 0.75), time 72,
// rods 144 px; every flag on. The rod is 2 px wide, traces and projection lines 1 px, the
// shadow 2 px.
TEST_F(EngineTest, RodsStandWhereTheirObserversPutThem)
{
    const RodRow rows[] = {
        {"rod at rest, position 2", 0, 0.6, 72, 0, 2,
         {{{300, 328, 444, 328}, 2}, {{444, 0, 444, 553}, 1},
          {{300, 328, 265, 374}, 1}, {{444, 328, 358, 443}, 1}, {{265, 374, 358, 443}, 2}}, true},
        {"rod at rest, position 0", 0, 0.6, 72, 0, 0,
         {{{156, 328, 300, 328}, 2}, {{156, 0, 156, 553}, 1},
          {{156, 328, 173, 305}, 1}, {{300, 328, 265, 374}, 1}, {{173, 305, 265, 374}, 2}}, true},
        {"rod at rest, position 1", 0, 0.6, 72, 0, 1,
         {{{228, 328, 372, 328}, 2}, {{228, 0, 228, 553}, 1}, {{372, 0, 372, 553}, 1},
          {{228, 328, 219, 340}, 1}, {{372, 328, 312, 409}, 1}, {{219, 340, 312, 409}, 2}}, true},
        {"moving rod, position 0", 0, 0.6, 72, 1, 0,
         {{{228, 256, 343, 342}, 2}, {{828, -544, -372, 1056}, 1},
          {{228, 256, 228, 400}, 1}, {{343, 342, 343, 400}, 1}, {{228, 400, 343, 400}, 2}}, true},
        {"moving rod, position 1", 0, 0.6, 72, 1, 1,
         {{{286, 299, 401, 386}, 2}, {{886, -501, -314, 1099}, 1}, {{1001, -414, -199, 1186}, 1},
          {{286, 299, 286, 400}, 1}, {{401, 386, 401, 400}, 1}, {{286, 400, 401, 400}, 2}}, true},
        {"moving rod, position 2: the drop from end 2 runs upwards", 0, 0.6, 72, 1, 2,
         {{{343, 342, 458, 428}, 2}, {{1058, -372, -142, 1228}, 1},
          {{343, 342, 343, 400}, 1}, {{458, 428, 458, 400}, 1}, {{343, 400, 458, 400}, 2}}, true},
        {"moving rod, position 0, at time -100: below the origin", 0, 0.6, -100, 1, 0,
         {{{125, 394, 240, 480}, 2}}, false},
        {"red viewer: black rod moves, position 2", 1, -0.6, 72, 0, 2,
         {{{257, 342, 372, 256}, 2}}, false},
        {"red viewer: red rod at rest, position 0", 1, -0.6, 72, 1, 0,
         {{{156, 328, 300, 328}, 2}, {{156, 0, 156, 553}, 1},
          {{156, 328, 242, 443}, 1}, {{300, 328, 335, 374}, 1}, {{242, 443, 335, 374}, 2}}, true},
        {"speed 0: the shadow falls straight down", 0, 0.0, 72, 0, 2,
         {{{300, 328, 444, 328}, 2}, {{444, 0, 444, 553}, 1},
          {{300, 328, 300, 400}, 1}, {{444, 328, 444, 400}, 1}, {{300, 400, 444, 400}, 2}}, true},
        {"speed 0: a moving rod lies level, its trace vertical", 0, 0.0, 72, 1, 0,
         {{{156, 328, 300, 328}, 2}, {{156, -672, 156, 1328}, 1}}, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Globals::ourSystem = row.ourSystem;
        Globals::sinPhi = row.sinPhi;
        Globals::theTime = row.theTime;
        fw::RecordingGraphics g;
        auto thing = rod(row.index, row.position);
        thing.Draw(g);
        auto lines = penLinesOf(g);
        if (!row.wholeDrawing && lines.size() > row.lines.size())
            lines.resize(row.lines.size());
        EXPECT_EQ(lines, row.lines);
        for (const auto& call : g.calls())
            EXPECT_EQ(call.color, thing.cl);
    }
}

struct FlagsRow {
    const char* name;
    std::int64_t index;
    bool trace, shadow;
    std::size_t lines;
    double penAfter;
};

// Each flag adds its own lines: a trace 1 line (one end is on the time axis), a shadow 3.
TEST_F(EngineTest, TraceAndShadowFlagsAddOnlyTheirOwnLines)
{
    const FlagsRow rows[] = {
        {"rod at rest, no flags", 0, false, false, 1, 1},
        {"rod at rest, trace only", 0, true, false, 2, 1},
        {"rod at rest, shadow only", 0, false, true, 4, 2},
        {"moving rod, no flags", 1, false, false, 1, 2},
        {"moving rod, trace only", 1, true, false, 2, 1},
        {"moving rod, shadow only", 1, false, true, 4, 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fw::RecordingGraphics g;
        auto thing = rod(row.index, 2, row.trace, row.shadow);
        thing.Draw(g);
        EXPECT_EQ(linesOf(g).size(), row.lines);
        EXPECT_EQ(g.PenSize(), row.penAfter);
    }
}

TEST_F(EngineTest, InvisibleRodDrawsNothingAndLeavesTheSurfaceAlone)
{
    for (std::int64_t index : {0, 1}) {
        SCOPED_TRACE(index);
        fw::RecordingGraphics g;
        g.setPenSize(3.5);
        g.setDrawingColor(fw::RGB(1, 2, 3));
        auto thing = rod(index, 1);
        thing.isVisible = false;
        thing.Draw(g);
        EXPECT_TRUE(g.calls().empty());
        EXPECT_EQ(g.PenSize(), 3.5);
        EXPECT_EQ(g.DrawingColor(), fw::RGB(1, 2, 3));
    }
}

} // namespace
} // namespace engine_test
