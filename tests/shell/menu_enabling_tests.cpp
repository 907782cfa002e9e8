// The program's menu bar in its two windows: which items are on, and the Edit items on the speed
// field, chosen as the user chooses them.
#include "../main_window/main_window_fixture.h"

#include <shell/menu_bar1.h>
#include <shell/startup.h>

#include <about_window/window2.h>
#include <main_window/window1.h>

#include <engine/globals.h>

#include <framework/application.h>
#include <framework/testing.h>
#include <framework/window.h>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <ostream>
#include <string>

namespace {

constexpr std::array<const char*, 4> kFileItems{"aboutItem", "FileQuit", "FilePageSetup", "FilePrint"};
constexpr std::array<const char*, 6> kEditItems{"EditUndo",  "EditCut",   "EditCopy",
                                                "EditPaste", "EditClear", "EditSelectAll"};

template <std::size_t N>
std::array<bool, N> enabled(fw::Window& window, const std::array<const char*, N>& items)
{
    std::array<bool, N> states{};
    for (std::size_t i = 0; i < N; ++i)
        states[i] = fw::testing::menuItemEnabled(window, items[i]);
    return states;
}

// The main window's own fixture, with the application object and its menu bar made first, as at
// start-up, and an empty clipboard.
class ProgramMenus : public MainWindowTest {
protected:
    void SetUp() override
    {
        fw::RegisterApplication(nullptr);
        fw::testing::setClipboardText("");
        NewAppInstance();
        MainWindowTest::SetUp();
    }
    void TearDown() override
    {
        MainWindowTest::TearDown();
        fw::testing::setClipboardText("");
        fw::RegisterApplication(nullptr);
    }

    fw::TextField& speedField() const { return *window->TextField1(); }
    void choose(const char* item) const { fw::testing::chooseFromMenuBar(*window, item); }
};

TEST_F(ProgramMenus, SelectAllThenTypingReplacesTheSpeed)
{
    fw::testing::giveFocus(speedField());
    choose("EditSelectAll");
    fw::testing::typeText(speedField(), "0.25");
    EXPECT_EQ(speedField().Value(), "0.25");
    EXPECT_DOUBLE_EQ(Globals::sinPhi, 0.25);
    EXPECT_EQ(window->SpeedSlider()->Value(), 25) << "20 + 19 * 0.25, rounded";
}

TEST_F(ProgramMenus, CopyThenPasteOverASelectionPutsTheCopiedSpeedBackAndTheSpeedFollows)
{
    fw::testing::giveFocus(speedField());
    choose("EditSelectAll");
    choose("EditCopy");
    EXPECT_EQ(fw::testing::clipboardText(), "0.6");
    fw::testing::typeText(speedField(), "-0.3"); // replaces the selection
    ASSERT_DOUBLE_EQ(Globals::sinPhi, -0.3);

    choose("EditSelectAll");
    choose("EditPaste");
    EXPECT_EQ(speedField().Value(), "0.6");
    EXPECT_DOUBLE_EQ(Globals::sinPhi, 0.6);
    EXPECT_EQ(window->SpeedSlider()->Value(), 31) << "20 + 19 * 0.6, rounded";
}

TEST_F(ProgramMenus, CutLeavesTheFieldAsDeletingItsTextWithTheKeysDoes)
{
    fw::testing::giveFocus(speedField());
    choose("EditSelectAll");
    fw::testing::typeText(speedField(), "-0.5");
    choose("EditSelectAll");
    choose("EditCut");
    EXPECT_EQ(fw::testing::clipboardText(), "-0.5");
    EXPECT_EQ(speedField().Value(), "");
    EXPECT_DOUBLE_EQ(Globals::sinPhi, 0.0) << "the empty text reads as 0, as after deleting it with the keys";
    EXPECT_EQ(window->SpeedSlider()->Value(), 20);
}

struct StateCase {
    const char* name;
    std::function<void(main_window::Window1&)> arrange;
    std::array<bool, 6> edit; // Undo, Cut, Copy, Paste, Delete, Select All

    friend void PrintTo(const StateCase& c, std::ostream* os) { *os << c.name; }
};

class MainWindowMenuStates : public ProgramMenus, public ::testing::WithParamInterface<StateCase> {};

TEST_P(MainWindowMenuStates, TheFileItemsAreOnAndTheEditItemsWhereTheyCanActOnTheFocusedField)
{
    GetParam().arrange(*window);
    EXPECT_EQ(enabled(*window, kEditItems), GetParam().edit);
    EXPECT_EQ(enabled(*window, kFileItems), (std::array{true, true, true, true}));
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, MainWindowMenuStates,
    ::testing::Values(
        StateCase{"speed_field_without_selection_empty_clipboard",
                  [](main_window::Window1& w) { fw::testing::giveFocus(*w.TextField1()); },
                  {false, false, false, false, false, true}},
        StateCase{"speed_field_all_selected_empty_clipboard",
                  [](main_window::Window1& w) {
                      fw::testing::giveFocus(*w.TextField1());
                      fw::testing::chooseFromMenuBar(w, "EditSelectAll");
                  },
                  {false, true, true, false, true, true}},
        StateCase{"speed_field_text_on_clipboard",
                  [](main_window::Window1& w) {
                      fw::testing::setClipboardText("0.5");
                      fw::testing::giveFocus(*w.TextField1());
                  },
                  {false, false, false, true, false, true}},
        StateCase{"speed_field_after_typing",
                  [](main_window::Window1& w) {
                      fw::testing::giveFocus(*w.TextField1());
                      fw::testing::typeText(*w.TextField1(), "5");
                  },
                  {true, false, false, false, false, true}},
        StateCase{"speed_slider_after_a_selection_text_on_clipboard",
                  [](main_window::Window1& w) {
                      fw::testing::setClipboardText("0.5");
                      fw::testing::giveFocus(*w.TextField1());
                      fw::testing::chooseFromMenuBar(w, "EditSelectAll");
                      fw::testing::giveFocus(*w.SpeedSlider());
                  },
                  {false, false, false, false, false, false}},
        // The read-out fields are disabled: clicking one leaves the focus on the slider.
        StateCase{"read_out_field_clicked_text_on_clipboard",
                  [](main_window::Window1& w) {
                      fw::testing::setClipboardText("0.5");
                      fw::testing::giveFocus(*w.SpeedSlider());
                      fw::testing::giveFocus(*w.TextField2());
                  },
                  {false, false, false, false, false, false}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProgramMenus, InTheAboutWindowOnlyExitIsOn)
{
    fw::testing::setClipboardText("0.5");
    fw::testing::giveFocus(speedField());
    choose("EditSelectAll");
    choose("aboutItem");
    const auto about = fw::GetImplicitWindow("Window2.Window2");
    ASSERT_NE(about, nullptr) << "File > About ... opened it";

    EXPECT_EQ(enabled(*about, kFileItems), (std::array{false, true, false, false}));
    EXPECT_EQ(enabled(*about, kEditItems), (std::array{false, false, false, false, false, false}))
        << "no text field there, whatever the main window's field holds";
    EXPECT_EQ(enabled(*window, kFileItems), (std::array{true, true, true, true})) << "each window has its own";
    EXPECT_EQ(enabled(*window, kEditItems), (std::array{false, true, true, true, true, true}));

    fw::testing::chooseFromMenuBar(*about, "FilePrint"); // off: nothing happens
    EXPECT_EQ(fw::quitRequested(), std::nullopt);
    fw::testing::chooseFromMenuBar(*about, "FileQuit");
    EXPECT_EQ(fw::quitRequested(), 0);
}

} // namespace
