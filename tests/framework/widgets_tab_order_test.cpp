// Keyboard focus order: TabIndex within each container, whatever order the controls were made in.
#include "widgets_fixture.h"

#include <QWidget>

#include <string>
#include <vector>

namespace widgets_test {
namespace {

// The record with its TabIndex and TabStop set.
template <std::size_t N>
constexpr std::array<Entry, N> tabbed(std::array<Entry, N> entries, std::int64_t tabIndex, bool tabStop = true)
{
    std::ranges::replace_if(entries, [](const Entry& e) { return e.name == "TabIndex"; },
                            fw::record::Integer("TabIndex", tabIndex));
    std::ranges::replace_if(entries, [](const Entry& e) { return e.name == "TabStop"; },
                            fw::record::Boolean("TabStop", tabStop));
    return entries;
}

// Made in this order, which is not the Tab order: the window's own controls go First (0), the
// group (1) with its two controls in their order, NoTabStop (2, skipped by Tab), then the two
// that share 3 in the order they were made.
inline constexpr auto kTieCreatedFirst = fw::record::encode([] { return tabbed(pushButtonEntries({"TieCreatedFirst", 10, 10, 80, 24}, "a"), 3); });
inline constexpr auto kGroup = fw::record::encode([] { return tabbed(groupBoxEntries({"Group", 100, 10, 200, 120}, "group"), 1); });
inline constexpr auto kInGroupSecond = fw::record::encode([] { return tabbed(checkBoxEntries({"InGroupSecond", 110, 40, 100, 20, "Group"}, "b", false), 1); });
inline constexpr auto kInGroupFirst = fw::record::encode([] { return tabbed(textFieldEntries({"InGroupFirst", 110, 70, 100, 22, "Group"}, "", true), 0); });
inline constexpr auto kFirst = fw::record::encode([] { return tabbed(pushButtonEntries({"First", 10, 50, 80, 24}, "c"), 0); });
inline constexpr auto kNoTabStop = fw::record::encode([] { return tabbed(pushButtonEntries({"NoTabStop", 10, 90, 80, 24}, "d"), 2, false); });
inline constexpr auto kTieCreatedSecond = fw::record::encode([] { return tabbed(pushButtonEntries({"TieCreatedSecond", 10, 130, 80, 24}, "e"), 3); });
inline constexpr auto kAddedLater = fw::record::encode([] { return tabbed(pushButtonEntries({"AddedLater", 10, 170, 80, 24}, "f"), 1); });

class TabOrderTest : public WidgetsTest {
protected:
    void SetUp() override
    {
        window = buildWith([](FakeWindow& w) {
            w.createControl<fw::PushButton>("TieCreatedFirst", kTieCreatedFirst);
            w.createControl<fw::GroupBox>("Group", kGroup);
            w.createControl<fw::CheckBox>("InGroupSecond", kInGroupSecond);
            w.createControl<fw::TextField>("InGroupFirst", kInGroupFirst);
            w.createControl<fw::PushButton>("First", kFirst);
            w.createControl<fw::PushButton>("NoTabStop", kNoTabStop);
            w.createControl<fw::PushButton>("TieCreatedSecond", kTieCreatedSecond);
        });
        fw::testing::processEvents();
    }

    void focus(std::string_view name)
    {
        window->ControlByName(name)->widget()->setFocus(Qt::OtherFocusReason);
        ASSERT_EQ(fw::testing::focusedControlName(*window), name);
    }

    // Where the focus goes at each of that many presses.
    std::vector<std::string> walk(std::size_t presses, bool backwards = false)
    {
        std::vector<std::string> visited;
        for (std::size_t i = 0; i < presses; ++i) {
            fw::testing::pressTab(*window, backwards);
            visited.push_back(fw::testing::focusedControlName(*window));
        }
        return visited;
    }

    std::shared_ptr<FakeWindow> window;
};

TEST_F(TabOrderTest, TabWalksEachContainerInTabIndexOrderAndComesRoundAgain)
{
    focus("First");
    EXPECT_EQ(walk(5), (std::vector<std::string>{"InGroupFirst", "InGroupSecond", "TieCreatedFirst",
                                                 "TieCreatedSecond", "First"}));
}

TEST_F(TabOrderTest, ShiftTabWalksTheSameOrderBackwards)
{
    focus("First");
    EXPECT_EQ(walk(5, true), (std::vector<std::string>{"TieCreatedSecond", "TieCreatedFirst", "InGroupSecond",
                                                       "InGroupFirst", "First"}));
}

TEST_F(TabOrderTest, AControlThatIsNoTabStopTakesTheFocusByClickAndTabGoesOnFromItsPlace)
{
    EXPECT_EQ(window->ControlByName("NoTabStop")->widget()->focusPolicy(), Qt::ClickFocus);
    focus("NoTabStop"); // as a click gives it
    EXPECT_EQ(walk(1), (std::vector<std::string>{"TieCreatedFirst"}));
}

TEST_F(TabOrderTest, AControlAddedToTheBuiltWindowTakesItsTabIndexPlace)
{
    window->createControl<fw::PushButton>("AddedLater", kAddedLater);
    focus("InGroupSecond");
    EXPECT_EQ(walk(2), (std::vector<std::string>{"AddedLater", "TieCreatedFirst"}))
        << "after the group of the same index, which was made first, and its controls";
}

} // namespace
} // namespace widgets_test
