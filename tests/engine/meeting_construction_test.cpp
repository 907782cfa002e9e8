// The meeting of the red clock P and the black clock Q at the clicked point: construction lines,
// letters and the read-out panel.
#include "engine_test_support.h"
#include "fake_main_window.h"

#include <framework/color.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace engine_test {
namespace {

using fw::DrawCall;

constexpr fw::Color kBlack = fw::RGB(0, 0, 0);
constexpr fw::Color kRed = fw::RGB(255, 0, 0);

class MeetingTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        Globals::InitGlobals();
        Globals::inProjectingMode = true;
    }

    // The construction's calls: everything after the last rod, that is after the red axes' "Space"
    // when no rod is shown.
    std::vector<DrawCall> construction()
    {
        fw::RecordingGraphics g;
        Globals::redraw(g);
        const auto& calls = g.calls();
        std::size_t start = calls.size();
        while (start > 0 && calls[start - 1].text != "Space")
            --start;
        return {calls.begin() + static_cast<std::ptrdiff_t>(start), calls.end()};
    }

    std::vector<std::string> fields() const
    {
        std::vector<std::string> values;
        for (const char* name : {"TextField2", "TextField3", "TextField4", "TextField5"})
            values.push_back(window->control<fw::TextField>(name).Value());
        return values;
    }

    OpenMainWindow window;
};

// One call of the construction: a line, or a letter at its point.
struct Step {
    fw::Color color;
    Line line;          // a line's ends; a letter's x, y in x1, y1
    std::string letter; // empty for a line
    friend bool operator==(const Step&, const Step&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Step& s)
    {
        return os << (s.letter.empty() ? "line " : s.letter + " ") << s.line << " colour " << s.color;
    }
};

std::vector<Step> stepsOf(const std::vector<DrawCall>& calls)
{
    std::vector<Step> steps;
    for (const auto& call : calls) {
        if (call.kind == DrawCall::Kind::Line)
            steps.push_back({call.color, lineOf(call), ""});
        else
            steps.push_back({call.color, {call.x1, call.y1, 0, 0}, call.text});
    }
    return steps;
}

Step line(fw::Color color, double x1, double y1, double x2, double y2)
{
    return {color, {x1, y1, x2, y2}, ""};
}

// Letters stand 3 px right of and 1 px above their points.
Step letter(fw::Color color, const char* name, double x, double y)
{
    return {color, {x + 3, y - 1, 0, 0}, name};
}

struct ConstructionRow {
    const char* name;
    std::int64_t ourSystem;
    double sinPhi;
    std::int64_t Mx, My;
    std::vector<std::string> fields; // TextField2 to TextField5
    std::vector<Step> steps;
};

// Origin (300, 400), units 3 m and 10 ns per grid unit.
TEST_F(MeetingTest, ConstructionLinesLettersAndValues)
{
    const ConstructionRow rows[] = {
        // c = 0.8, a = 14.4, t = 100.8, F = (312, 409), d = 101, h = 299.
        {"worked example: 72 px right of and above the origin at 0.6", 0, 0.6, 372, 328,
         {"3.00 m", "14.00 ns", "10.00 ns", "0.60 m"},
         {line(kBlack, 372, 328, 300, 328), line(kBlack, 372, 328, 372, 400),
          line(kBlack, 372, 299, 300, 299), line(kBlack, 372, 299, 372, 400),
          letter(kBlack, "Q", 372, 299), letter(kBlack, "S", 372, 400),
          line(kRed, 372, 328, 312, 409), letter(kRed, "R", 312, 409), letter(kRed, "P", 372, 328)}},
        // c = 1: a = dx, t = dy, F = (Mx, Ny), h = My: P on Q, R on S.
        {"speed 0", 0, 0.0, 400, 300,
         {"4.17 m", "13.89 ns", "13.89 ns", "4.17 m"},
         {line(kBlack, 400, 300, 300, 300), line(kBlack, 400, 300, 400, 400),
          line(kBlack, 400, 300, 300, 300), line(kBlack, 400, 300, 400, 400),
          letter(kBlack, "Q", 400, 300), letter(kBlack, "S", 400, 400),
          line(kRed, 400, 300, 400, 400), letter(kRed, "R", 400, 400), letter(kRed, "P", 400, 300)}},
        // On the red space axis: a = 100, F = M, d = 0, h = Ny, t = 0: Q on S.
        {"click on the tilted space axis, 80 right and 60 below", 0, 0.6, 380, 460,
         {"3.33 m", "0.00 ns", "-8.33 ns", "4.17 m"},
         {line(kBlack, 380, 460, 300, 460), line(kBlack, 380, 460, 380, 400),
          line(kBlack, 380, 400, 300, 400), line(kBlack, 380, 400, 380, 400),
          letter(kBlack, "Q", 380, 400), letter(kBlack, "S", 380, 400),
          line(kRed, 380, 460, 380, 460), letter(kRed, "R", 380, 460), letter(kRed, "P", 380, 460)}},
        // a = 117.6, F = (394, 471) above M: Q below the black space axis, h = Ny + d = 436.
        {"click below the tilted space axis", 0, 0.6, 372, 500,
         {"3.00 m", "-5.11 ns", "-13.89 ns", "4.90 m"},
         {line(kBlack, 372, 500, 300, 500), line(kBlack, 372, 500, 372, 400),
          line(kBlack, 372, 436, 300, 436), line(kBlack, 372, 436, 372, 400),
          letter(kBlack, "Q", 372, 436), letter(kBlack, "S", 372, 400),
          line(kRed, 372, 500, 394, 471), letter(kRed, "R", 394, 471), letter(kRed, "P", 372, 500)}},
        // c = 0.6, a = -84.4, F = (249, 332) at M's height, d = 1: Q above, at Ny - d.
        {"click at exactly the height of F", 0, 0.8, 250, 332,
         {"-2.08 m", "", "", ""},
         {line(kBlack, 250, 332, 300, 332), line(kBlack, 250, 332, 250, 400),
          line(kBlack, 250, 399, 300, 399), line(kBlack, 250, 399, 250, 400),
          letter(kBlack, "Q", 250, 399), letter(kBlack, "S", 250, 400),
          line(kRed, 250, 332, 249, 332), letter(kRed, "R", 249, 332), letter(kRed, "P", 250, 332)}},
        // Red viewer, black leaning at -0.6: a = 100.8, t = 14.4, F = (381, 340), d = 15, h = 385.
        {"red viewer: 72 px right of and above the origin at -0.6", 1, -0.6, 372, 328,
         {"3.00 m", "2.00 ns", "10.00 ns", "4.20 m"},
         {line(kRed, 372, 328, 372, 400), line(kRed, 372, 328, 300, 328),
          line(kRed, 372, 400, 372, 385), line(kRed, 372, 385, 300, 385),
          letter(kRed, "P", 372, 385), letter(kRed, "R", 372, 400),
          line(kBlack, 372, 328, 381, 340), letter(kBlack, "Q", 372, 328), letter(kBlack, "S", 381, 340)}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Globals::ourSystem = row.ourSystem;
        Globals::sinPhi = row.sinPhi;
        Globals::Mx = row.Mx;
        Globals::My = row.My;
        const auto calls = construction();
        EXPECT_EQ(stepsOf(calls), row.steps);
        for (const auto& call : calls) {
            EXPECT_EQ(call.penSize, 1.0);
            EXPECT_EQ(call.fontName, "Arial"); // left by the axes
            EXPECT_EQ(call.fontSize, 10.0f);
        }
        const auto shown = fields();
        for (std::size_t k = 0; k < row.fields.size(); ++k) {
            if (!row.fields[k].empty()) {
                EXPECT_EQ(shown[k], row.fields[k]) << "TextField" << k + 2;
            }
        }
    }
}

struct PanelRow {
    const char* name;
    std::int64_t ourSystem;
    const char* caption;
    const char* texts[4]; // StaticText7 to StaticText10
};

TEST_F(MeetingTest, PanelSpeaksInTheViewersWordsAndIsShown)
{
    const PanelRow rows[] = {
        {"black viewer", 0, "Black's view of the meeting of the red clock P with the black clock Q",
         {"the meeting takes place at my x-coordinate", "all my clocks read then",
          "that red clock reads then", "that red clock's position in it's own system is"}},
        {"red viewer", 1, "Red's view of the meeting of the black clock Q with the red clock P",
         {"the meeting takes place at my x-coordinate", "all my clocks read then",
          "that black clock reads then", "that black clock's position in it's own system is"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Globals::ourSystem = row.ourSystem;
        Globals::Mx = 372;
        Globals::My = 328;
        window->control<fw::GroupBox>("GroupBox7").setVisible(false);
        construction();
        EXPECT_EQ(window->control<fw::GroupBox>("GroupBox7").Caption(), row.caption);
        const char* labels[] = {"StaticText7", "StaticText8", "StaticText9", "StaticText10"};
        for (std::size_t k = 0; k < 4; ++k)
            EXPECT_EQ(window->control<fw::Label>(labels[k]).Value(), row.texts[k]) << labels[k];
        EXPECT_TRUE(window->control<fw::GroupBox>("GroupBox7").Visible());
    }
}

struct UnitsRow {
    const char* name;
    std::int64_t units;
    std::vector<std::string> fields;
};

// The worked example's point in other units: the values scale with the row, the texts follow it.
TEST_F(MeetingTest, ValuesFollowTheUnitScale)
{
    const UnitsRow rows[] = {
        {"row 9: 3000 km and 10 ms", 9, {"3000.00 km", "14.00 ms", "10.00 ms", "600.00 km"}},
        {"row 5: 300 m and 1 us", 5, {"300.00 m", "1.40 us", "1.00 us", "60.00 m"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Globals::stUnits = row.units;
        Globals::calcUnits();
        Globals::Mx = 372;
        Globals::My = 328;
        construction();
        EXPECT_EQ(fields(), row.fields);
    }
}

// Dragging the origin keeps the clicked point and changes what the viewer says about it.
TEST_F(MeetingTest, DraggedOriginChangesTheValues)
{
    Globals::Mx = 372;
    Globals::My = 328;
    Globals::Nx = 228;
    Globals::Ny = 400;
    construction();
    EXPECT_EQ(fields()[0], "6.00 m");
}

} // namespace
} // namespace engine_test
