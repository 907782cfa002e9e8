// The main window walked with the Tab key: every control the user can reach, in TabIndex order.
#include "main_window_fixture.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The window's containers in TabIndex order, each container's controls in theirs. Left out: the
// canvas (it takes no focus), the labels and group boxes (never focused), the four read-out
// fields (disabled) and "red" (Tab enters the viewpoint group at its chosen button only). The red
// rod's check boxes come "is visible", "has Shadow", "has Trace": top, bottom, middle on screen.
const char* const kTabOrder[] = {
    "RadioButton1",                                                            // GroupBox1, 0
    "SpeedSlider", "TextField1",                                               // GroupBox2, 1
    "UnitSlider",                                                              // GroupBox3, 2
    "BlackPosSlider", "BlackLengthSlider", "CheckBox1", "CheckBox2", "CheckBox3", // GroupBox4, 3
    "RedPosSlider", "RedLengthSlider", "CheckBox4", "CheckBox5", "CheckBox6",  // GroupBox5, 4
    "TimeSlider", "PushButton1", "PushButton2",                                // GroupBox6, 5
    "PushButton4",                                                             // GroupBox7, 6
    "PushButton3", "PushButton5", "PushButton6",                               // the window's 7, 8, 9
};

// Where the focus goes at each press from the first stop until it is back there.
std::vector<std::string> expectedWalk(bool backwards)
{
    std::vector<std::string> names;
    for (const char* control : kTabOrder)
        names.emplace_back(control);
    if (backwards)
        std::reverse(names.begin(), names.end()); // the last stop first, the first one last
    else
        std::rotate(names.begin(), names.begin() + 1, names.end()); // the second stop first, the first one last
    return names;
}

class MainWindowTabOrder : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        window->Show(); // in front, with the keyboard
        fw::testing::processEvents();
    }

    // The focus after each press, until it has come round to where it started.
    std::vector<std::string> walkRound(bool backwards)
    {
        const std::string start = fw::testing::focusedControlName(*window);
        std::vector<std::string> visited;
        while (visited.size() <= std::size(kTabOrder)) {
            fw::testing::pressTab(*window, backwards);
            visited.push_back(fw::testing::focusedControlName(*window));
            if (visited.back() == start)
                break;
        }
        return visited;
    }
};

TEST_F(MainWindowTabOrder, TheFocusStartsAtTheViewpointAndTabWalksTheTabIndexOrderRound)
{
    EXPECT_EQ(fw::testing::focusedControlName(*window), "RadioButton1");
    EXPECT_EQ(walkRound(false), expectedWalk(false));
}

TEST_F(MainWindowTabOrder, ShiftTabWalksTheSameOrderBackwards)
{
    ASSERT_EQ(fw::testing::focusedControlName(*window), "RadioButton1");
    EXPECT_EQ(walkRound(true), expectedWalk(true));
}

} // namespace
