// Pressing, dragging and moving over the canvas, and what the meeting construction then shows.
#include "main_window_fixture.h"

#include <framework/recording_graphics.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using fw::testing::mousePress;
using fw::testing::mouseMove;
using fw::testing::mouseRelease;
using fw::testing::refreshCount;

// The origin handle starts at (300, 400); its hit box runs 7 pixels either way.
TEST_F(MainWindowTest, APressOnTheHandleStartsADragAndAnyOtherPressProjects)
{
    const struct {
        const char* name;
        std::int64_t x, y;
        bool onHandle;
    } presses[] = {
        {"on the handle", 300, 400, true},
        {"upper right corner of the hit box", 307, 393, true},
        {"lower left corner of the hit box", 293, 407, true},
        {"one pixel right of the hit box", 308, 400, false},
        {"one pixel above the hit box", 300, 392, false},
        {"one pixel left of the hit box", 292, 400, false},
        {"one pixel below the hit box", 300, 408, false},
    };
    auto canvas = window->Canvas1();
    for (const auto& row : presses) {
        SCOPED_TRACE(row.name);
        Globals::inProjectingMode = false;
        Globals::Mx = Globals::My = 0;
        auto canvasRepaints = refreshCount(*canvas);
        auto windowRepaints = refreshCount(*window);

        mousePress(*canvas, row.x, row.y);
        EXPECT_EQ(Globals::inKoordDragMode, row.onHandle);
        EXPECT_EQ(Globals::inProjectingMode, !row.onHandle);
        EXPECT_EQ(Globals::Mx, row.onHandle ? 0 : row.x);
        EXPECT_EQ(Globals::My, row.onHandle ? 0 : row.y);
        EXPECT_EQ(refreshCount(*canvas) - canvasRepaints, row.onHandle ? 0 : 1);
        EXPECT_EQ(refreshCount(*window) - windowRepaints, 0);

        mouseRelease(*canvas, row.x, row.y);
        EXPECT_FALSE(Globals::inKoordDragMode);
        EXPECT_EQ(Globals::inProjectingMode, !row.onHandle); // a release ends no construction
    }
}

// The canvas is 636 x 553: the handle may stand at x 21 to 615 and y 21 to 532.
TEST_F(MainWindowTest, TheHandleFollowsADragOnlyInsideTheMargin)
{
    const struct {
        const char* name;
        std::int64_t x, y;
        bool accepted;
    } steps[] = {
        {"left margin", 20, 400, false},   {"just inside the left margin", 21, 400, true},
        {"just inside the right margin", 615, 400, true}, {"right margin", 616, 400, false},
        {"top margin", 300, 20, false},    {"just inside the top margin", 300, 21, true},
        {"just inside the bottom margin", 300, 532, true}, {"bottom margin", 300, 533, false},
    };
    auto canvas = window->Canvas1();
    for (const auto& row : steps) {
        SCOPED_TRACE(row.name);
        Globals::Nx = 300;
        Globals::Ny = 400;
        mousePress(*canvas, 300, 400);
        auto windowRepaints = refreshCount(*window);
        auto canvasRepaints = refreshCount(*canvas);
        mouseMove(*canvas, row.x, row.y);
        EXPECT_EQ(Globals::Nx, row.accepted ? row.x : 300);
        EXPECT_EQ(Globals::Ny, row.accepted ? row.y : 400);
        EXPECT_EQ(refreshCount(*window) - windowRepaints, row.accepted ? 1 : 0); // the whole window
        EXPECT_EQ(refreshCount(*canvas) - canvasRepaints, 0);
        EXPECT_TRUE(Globals::inKoordDragMode); // a refused step does not end the drag
        mouseRelease(*canvas, row.x, row.y);
    }
}

TEST_F(MainWindowTest, AfterTheDragTheHandleKeepsItsLastAcceptedPlace)
{
    auto canvas = window->Canvas1();
    mousePress(*canvas, 300, 400);
    mouseMove(*canvas, 400, 300);
    mouseMove(*canvas, 10, 300); // outside the margin: refused
    mouseRelease(*canvas, 10, 300);
    EXPECT_EQ(Globals::Nx, 400);
    EXPECT_EQ(Globals::Ny, 300);
    EXPECT_FALSE(Globals::inKoordDragMode);

    mouseMove(*canvas, 200, 200); // no drag under way any more
    EXPECT_EQ(Globals::Nx, 400);
}

TEST_F(MainWindowTest, DragStepsAfterAProjectingClickMoveNothing)
{
    auto canvas = window->Canvas1();
    mousePress(*canvas, 500, 100);
    mouseMove(*canvas, 400, 300);
    mouseRelease(*canvas, 400, 300);
    EXPECT_EQ(Globals::Nx, 300);
    EXPECT_EQ(Globals::Ny, 400);
    EXPECT_EQ(Globals::Mx, 500);
    EXPECT_EQ(Globals::My, 100);
}

TEST_F(MainWindowTest, TheCursorIsAnOpenHandOverTheHandleOnly)
{
    const struct {
        const char* name;
        std::int64_t x, y;
        fw::Cursor cursor;
    } moves[] = {
        {"corner of the hit box", 307, 393, fw::Cursors::HandOpen},
        {"one pixel outside it", 308, 393, fw::Cursors::StandardPointer},
        {"on the handle", 300, 400, fw::Cursors::HandOpen},
        {"far away", 10, 10, fw::Cursors::StandardPointer},
    };
    auto canvas = window->Canvas1();
    for (const auto& row : moves) {
        SCOPED_TRACE(row.name);
        window->Canvas1_MouseMove(*canvas, row.x, row.y);
        EXPECT_EQ(canvas->MouseCursor(), row.cursor);
    }
}

// The read-out panel after a click, at the start units 3 m and 10 ns per grid unit.
TEST_F(MainWindowTest, AProjectingClickFillsTheReadOutPanel)
{
    const struct {
        const char* name;
        std::int64_t speedSlider;
        std::int64_t x, y;
        const char* position;
        const char* myClocks;
        const char* otherClock;
        const char* otherPosition;
    } clicks[] = {
        // a = 14.4 and t = 100.8 pixels at v/c 0.6 (c = 0.8)
        {"72 px right of and above the origin, v/c 0.6", 32, 372, 328, "3.00 m", "14.00 ns", "10.00 ns", "0.60 m"},
        // at rest both systems agree: a = dx, t = dy
        {"72 px right of and above the origin, v/c 0", 20, 372, 328, "3.00 m", "10.00 ns", "10.00 ns", "3.00 m"},
        // 80 right and 60 below lies on the red space axis: t = 0, a = 100
        {"on the red space axis, v/c 0.6", 32, 380, 460, "3.33 m", "0.00 ns", "-8.33 ns", "4.17 m"},
    };
    for (const auto& row : clicks) {
        SCOPED_TRACE(row.name);
        fw::testing::dragSlider(*window->SpeedSlider(), row.speedSlider);
        fw::testing::click(*window->PushButton4()); // "clear" from the previous row
        auto canvas = window->Canvas1();
        mousePress(*canvas, row.x, row.y);
        mouseRelease(*canvas, row.x, row.y);
        paint();
        EXPECT_EQ(window->TextField2()->Value(), row.position);
        EXPECT_EQ(window->TextField3()->Value(), row.myClocks);
        EXPECT_EQ(window->TextField4()->Value(), row.otherClock);
        EXPECT_EQ(window->TextField5()->Value(), row.otherPosition);
        EXPECT_EQ(window->GroupBox7()->Caption(),
                  "Black's view of the meeting of the red clock P with the black clock Q");
        EXPECT_TRUE(window->GroupBox7()->Visible());
        EXPECT_TRUE(window->GroupBox7()->Enabled());
    }
}

TEST_F(MainWindowTest, ASecondClickMovesTheMeetingAndKeepsThePanelEnabled)
{
    auto canvas = window->Canvas1();
    mousePress(*canvas, 372, 328);
    mouseRelease(*canvas, 372, 328);
    mousePress(*canvas, 444, 328);
    mouseRelease(*canvas, 444, 328);
    paint();
    EXPECT_EQ(Globals::Mx, 444);
    EXPECT_EQ(window->TextField2()->Value(), "6.00 m");
    EXPECT_TRUE(window->GroupBox7()->Enabled());
}

struct Letter {
    std::string text;
    double x, y;
    fw::Color color;
    bool operator==(const Letter&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Letter& l)
{
    return out << l.text << " at (" << l.x << ", " << l.y << ") colour " << std::hex << l.color << std::dec;
}

bool isClockLetter(const std::string& text)
{
    return text == "P" || text == "Q" || text == "R" || text == "S";
}

// The letters of the construction drawn after a click, at their point moved 3 right and 1 up.
TEST_F(MainWindowTest, TheConstructionMarksTheFourClocksInTheViewersColours)
{
    const fw::Color black = fw::RGB(0, 0, 0), red = fw::RGB(255, 0, 0);
    const struct {
        const char* name;
        bool redViewer;
        std::vector<Letter> letters;
    } views[] = {
        // v/c 0.6, click (372, 328): F = (312, 409), d = 101, h = 299
        {"black viewer", false, {{"Q", 375, 298, black}, {"S", 375, 399, black}, {"R", 315, 408, red}, {"P", 375, 327, red}}},
        // v/c -0.6 for red, same click: F = (381, 340), d = 15, h = 385
        {"red viewer", true, {{"P", 375, 384, red}, {"R", 375, 399, red}, {"Q", 375, 327, black}, {"S", 384, 339, black}}},
    };
    for (const auto& view : views) {
        SCOPED_TRACE(view.name);
        if (view.redViewer)
            fw::testing::click(*window->RadioButton2());
        auto canvas = window->Canvas1();
        mousePress(*canvas, 372, 328);
        mouseRelease(*canvas, 372, 328);

        fw::RecordingGraphics surface;
        Globals::redraw(surface);
        std::vector<Letter> drawn;
        for (const auto& call : surface.calls())
            if (call.kind == fw::DrawCall::Kind::String && isClockLetter(call.text))
                drawn.push_back({call.text, call.x1, call.y1, call.color});
        EXPECT_EQ(drawn, view.letters);
    }
}

} // namespace
