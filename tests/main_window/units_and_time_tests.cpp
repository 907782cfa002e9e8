// The unit scale, the time slider with "back" and "ahead", the time label and the rod controls.
#include "main_window_fixture.h"

#include <functional>

namespace {

using fw::testing::refreshCount;

// The label shows theTime / 72 grid units in the row's time unit; the largest magnitude is
// 500 / 72 x 100 = 694.44.
TEST_F(MainWindowTest, TheTimeLabelAtTheSlidersEnds)
{
    const struct {
        const char* name;
        std::int64_t row, slider;
        std::int64_t time;
        const char* label;
    } cases[] = {
        {"row 1, 100 ps per grid unit, latest time", 1, 1000, 500, "694.44 ps"},
        {"row 4, 100 ns per grid unit, latest time", 4, 1000, 500, "694.44 ns"},
        {"row 7, 100 us per grid unit, latest time", 7, 1000, 500, "694.44 us"},
        {"row 9, 10 ms per grid unit, earliest time", 9, 0, -500, "-69.44 ms"},
        {"start row, time zero", 3, 500, 0, "0.00 ns"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        fw::testing::dragSlider(*window->UnitSlider(), row.row);
        fw::testing::dragSlider(*window->TimeSlider(), row.slider);
        EXPECT_EQ(Globals::stUnits, row.row);
        EXPECT_EQ(Globals::theTime, row.time);
        EXPECT_EQ(window->Label1()->Value(), row.label);
    }
}

TEST_F(MainWindowTest, ChangingTheUnitsRelabelsAndMovesNothing)
{
    auto before = refreshCount(*window->Canvas1());
    fw::testing::dragSlider(*window->UnitSlider(), 0);
    EXPECT_EQ(Globals::stUnits, 0);
    EXPECT_EQ(Globals::y_units, " ps");
    EXPECT_EQ(window->Label1()->Value(), "10.00 ps"); // the same 72 pixels, now in picoseconds
    EXPECT_EQ(Globals::theTime, 72);
    EXPECT_EQ(Globals::Nx, 300);
    EXPECT_EQ(refreshCount(*window->Canvas1()) - before, 1);
}

TEST_F(MainWindowTest, BackAndAheadStepTheTimeSliderByOne)
{
    auto canvas = window->Canvas1();
    for (int press = 1; press <= 3; ++press) {
        fw::testing::click(*window->PushButton1());
        EXPECT_EQ(window->TimeSlider()->Value(), 572 - press);
        EXPECT_EQ(refreshCount(*canvas), press); // asked for by the slider's handler
    }
    EXPECT_EQ(Globals::theTime, 69);
    EXPECT_EQ(window->Label1()->Value(), "9.58 ns");

    fw::testing::click(*window->PushButton2());
    EXPECT_EQ(window->TimeSlider()->Value(), 570);
    EXPECT_EQ(Globals::theTime, 70);
    EXPECT_EQ(window->Label1()->Value(), "9.72 ns");
}

TEST_F(MainWindowTest, BackAtTheEarliestTimeStaysThere)
{
    fw::testing::dragSlider(*window->TimeSlider(), 0);
    fw::testing::click(*window->PushButton1());
    EXPECT_EQ(window->TimeSlider()->Value(), 0);
    EXPECT_EQ(Globals::theTime, -500);
    fw::testing::dragSlider(*window->TimeSlider(), 1000);
    fw::testing::click(*window->PushButton2());
    EXPECT_EQ(window->TimeSlider()->Value(), 1000);
    EXPECT_EQ(Globals::theTime, 500);
}

// The rod controls only ask the canvas to repaint: the model and the label stay as they were.
TEST_F(MainWindowTest, TheRodControlsOnlyRepaintTheCanvas)
{
    const struct {
        const char* name;
        std::function<void(main_window::Window1&)> change;
    } controls[] = {
        {"black rod position", [](auto& w) { fw::testing::dragSlider(*w.BlackPosSlider(), 0); }},
        {"black rod length", [](auto& w) { fw::testing::dragSlider(*w.BlackLengthSlider(), 13); }},
        {"black rod is visible", [](auto& w) { fw::testing::click(*w.CheckBox1()); }},
        {"black rod has Trace", [](auto& w) { fw::testing::click(*w.CheckBox2()); }},
        {"black rod has Shadow", [](auto& w) { fw::testing::click(*w.CheckBox3()); }},
        {"red rod position", [](auto& w) { fw::testing::dragSlider(*w.RedPosSlider(), 2); }},
        {"red rod length", [](auto& w) { fw::testing::dragSlider(*w.RedLengthSlider(), 1); }},
        {"red rod is visible", [](auto& w) { fw::testing::click(*w.CheckBox4()); }},
        {"red rod has Shadow", [](auto& w) { fw::testing::click(*w.CheckBox5()); }},
        {"red rod has Trace", [](auto& w) { fw::testing::click(*w.CheckBox6()); }},
    };
    for (const auto& row : controls) {
        SCOPED_TRACE(row.name);
        auto canvasBefore = refreshCount(*window->Canvas1());
        auto windowBefore = refreshCount(*window);
        row.change(*window);
        EXPECT_EQ(refreshCount(*window->Canvas1()) - canvasBefore, 1);
        EXPECT_EQ(refreshCount(*window) - windowBefore, 0);
        EXPECT_EQ(window->Label1()->Value(), " 10 ns");
        EXPECT_EQ(Globals::theTime, 72);
        EXPECT_DOUBLE_EQ(Globals::sinPhi, 0.6);
        EXPECT_EQ(window->SpeedSlider()->Value(), 32);
    }
}

} // namespace
