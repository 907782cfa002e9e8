// The real program on a private X server: its window, its About window and the three ways to quit.
#include "child_process.h"
#include "installed_program.h"
#include "x_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace shell_tests {
namespace {

using namespace std::chrono_literals;

constexpr long kMainContentWidth = 894; // the main window's record: the area below the menu bar
constexpr long kMainContentHeight = 813;

// A control's place in the main window's own pixels, from its place in the content below the menu bar.
WindowGeometry inMainWindow(const XSession& s, const std::string& mainId, WindowGeometry control)
{
    control.y += s.geometry(mainId).height - kMainContentHeight;
    return control;
}

// Clicks the middle of a control given by its place in the main window's content.
void clickInMainContent(const XSession& s, const std::string& mainId, long left, long top, long width, long height)
{
    const auto place = inMainWindow(s, mainId, {left, top, width, height});
    s.clickInWindow(mainId, place.x + place.width / 2, place.y + place.height / 2);
}

// The rectangle's pixels once they are accepted and have stayed the same for half a second; empty
// when that does not happen within 20 s.
template <class Accepted>
std::vector<unsigned long> settledPixels(const XSession& s, const std::string& id, const WindowGeometry& rectangle,
                                         Accepted accepted)
{
    std::vector<unsigned long> last;
    auto since = std::chrono::steady_clock::now();
    const bool settled = waitUntil(
        [&] {
            auto now = s.pixels(id, rectangle);
            if (now != last) {
                last = std::move(now);
                since = std::chrono::steady_clock::now();
                return false;
            }
            return !last.empty() && accepted(last) && std::chrono::steady_clock::now() - since >= 500ms;
        },
        20s);
    return settled ? last : std::vector<unsigned long>{};
}

// The "About ..." button: left 697, top 765, 73 by 20.
void clickAboutButton(const XSession& s, const std::string& mainId)
{
    clickInMainContent(s, mainId, 697, 765, 73, 20);
}

// Closes the window with openbox's binding for its close box. Under load the window manager now and
// then loses the key, and another is harmless while the window still shows.
void closeAsTheCloseBoxDoes(const XSession& s, const std::string& windowId)
{
    for (int press = 0; press < 6 && s.isViewable(windowId); ++press) {
        s.keys(windowId, "alt+F4");
        waitUntil([&] { return !s.isViewable(windowId); }, 5s);
    }
}

class DesktopSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!XSession::available())
            GTEST_SKIP() << "Xvfb or xdotool is not installed";
        session_ = std::make_unique<XSession>(screenSize());
    }

    virtual std::string screenSize() const { return "1400x1100"; }

    std::unique_ptr<ChildProcess> startProgram(const std::vector<std::string>& arguments = {})
    {
        return std::make_unique<ChildProcess>(TOVALIN_EXE, arguments, session_->environment());
    }

    std::string mainWindow(ChildProcess& program)
    {
        const auto id = session_->waitForWindow("Tovalin Diagram", 30s);
        if (!id)
            ADD_FAILURE() << "no window titled \"Tovalin Diagram\" appeared on " << session_->display()
                          << "; program " << (program.running() ? "running" : "ended") << "; its errors: "
                          << program.peekErrors() << "; windows: " << session_->xdotool("search --name .");
        else
            waitUntilSettled(*id);
        return id.value_or("");
    }

    // The window is fitted again once the window manager has framed it, and a click or key that
    // comes meanwhile can be lost: wait until it keeps its place and size.
    void waitUntilSettled(const std::string& windowId)
    {
        waitUntil(
            [&] {
                const WindowGeometry frame = session_->frame(windowId);
                std::this_thread::sleep_for(300ms);
                return frame.width > 0 && session_->frame(windowId) == frame;
            },
            20s);
    }

    // Presses the main window's "About ..." button until the About window shows; its id. A click
    // that comes before the window is settled is lost, and another is harmless: at most one About
    // window exists.
    std::optional<std::string> openAboutWithButton(const std::string& mainId)
    {
        const auto deadline = std::chrono::steady_clock::now() + 20s;
        while (std::chrono::steady_clock::now() < deadline) {
            clickAboutButton(*session_, mainId);
            if (auto about = session_->waitForWindow("about Tovalin", 5s))
                return about;
        }
        return std::nullopt;
    }

    // Closes the window as its close box does and expects the program to end with 0.
    void expectCloseBoxEndsWithZero(ChildProcess& program, const std::string& windowId)
    {
        closeAsTheCloseBoxDoes(*session_, windowId);
        const auto result = program.wait(30s);
        ASSERT_TRUE(result.exitStatus.has_value()) << "the program did not end: " << result.standardError;
        EXPECT_EQ(*result.exitStatus, 0) << result.standardError;
    }

    std::unique_ptr<XSession> session_;
};

TEST_F(DesktopSession, MainWindowHasItsSizeBelowTheMenuBarAndClosingItExitsWithZero)
{
    if (!session_->hasWindowManager())
        GTEST_SKIP() << "closing a window as its close box does needs a window manager (openbox)";
    auto program = startProgram();
    const auto id = mainWindow(*program);
    ASSERT_FALSE(id.empty());

    const auto g = session_->geometry(id);
    EXPECT_EQ(g.width, kMainContentWidth);
    EXPECT_GT(g.height, kMainContentHeight) << "the menu bar lies above the 813 pixels of content";
    EXPECT_LT(g.height, kMainContentHeight + 60) << "only the menu bar lies above the content";
    session_->screenshot(std::string(TOVALIN_BUILD_DIR) + "/shell-main-window.png");

    expectCloseBoxEndsWithZero(*program, id);
}

TEST_F(DesktopSession, FileAboutOpensTheAboutWindowBesideTheMainWindow)
{
    auto program = startProgram();
    const auto id = mainWindow(*program);
    ASSERT_FALSE(id.empty());

    const auto about = openAboutFromFileMenu(*session_, id);
    ASSERT_TRUE(about.has_value()) << "no window titled \"about Tovalin\" appeared";
    EXPECT_EQ(session_->geometry(*about).width, 545);
    EXPECT_TRUE(waitForAboutPicture(*session_, *about)) << "the About picture is missing";
    session_->screenshot(std::string(TOVALIN_BUILD_DIR) + "/shell-about-window.png");
    EXPECT_TRUE(program->running()) << "the About window leaves the program running";
}

TEST_F(DesktopSession, TheAboutButtonBringsTheAboutWindowBackFromMinimisedAndFromBehindTheMainWindow)
{
    if (!session_->hasWindowManager())
        GTEST_SKIP() << "minimising and stacking windows needs a window manager (openbox)";
    auto program = startProgram();
    const auto main = mainWindow(*program);
    ASSERT_FALSE(main.empty());
    const auto about = openAboutWithButton(main);
    ASSERT_TRUE(about.has_value()) << "no window titled \"about Tovalin\" appeared";

    session_->minimize(*about);
    ASSERT_TRUE(waitUntil([&] { return !session_->isViewable(*about); }, 10s)) << "the window manager minimises it";
    clickAboutButton(*session_, main);
    EXPECT_TRUE(waitUntil([&] { return session_->isViewable(*about); }, 10s)) << "back from minimised";
    EXPECT_TRUE(waitUntil([&] { return session_->isAbove(*about, main); }, 10s)) << "and in front";

    session_->xdotool("windowactivate --sync " + main);
    ASSERT_TRUE(waitUntil([&] { return session_->isAbove(main, *about); }, 10s)) << "the main window covers it";
    clickAboutButton(*session_, main);
    EXPECT_TRUE(waitUntil([&] { return session_->isAbove(*about, main); }, 10s)) << "back in front";
    EXPECT_TRUE(waitForAboutPicture(*session_, *about)) << "shown whole again";
    session_->screenshot(std::string(TOVALIN_BUILD_DIR) + "/shell-about-brought-back.png");
    EXPECT_EQ(session_->xdotool("search --name '^about Tovalin$'"), *about + "\n") << "still the one About window";
}

TEST_F(DesktopSession, ClosingTheMainWindowWhileTheAboutWindowIsOpenExitsWithZero)
{
    if (!session_->hasWindowManager())
        GTEST_SKIP() << "closing a window as its close box does needs a window manager (openbox)";
    auto program = startProgram();
    const auto main = mainWindow(*program);
    ASSERT_FALSE(main.empty());
    ASSERT_TRUE(openAboutWithButton(main).has_value());

    expectCloseBoxEndsWithZero(*program, main); // the main window's, with the About window open
}

// Another client takes the clipboard and never answers for it, as a hung program does. Typing a
// speed must not wait on it: the diagram shows the typed speed within a second.
TEST_F(DesktopSession, TypingASpeedDoesNotWaitOnAClipboardOwnerThatNeverAnswers)
{
    auto program = startProgram();
    const auto id = mainWindow(*program);
    ASSERT_FALSE(id.empty());
    const auto canvas = inMainWindow(*session_, id, {33, 35, 636, 553}); // Canvas1's record
    const auto drawn = [](const std::vector<unsigned long>& p) {
        return std::ranges::adjacent_find(p, std::ranges::not_equal_to{}) != p.end(); // more than one colour
    };
    const auto atStart = settledPixels(*session_, id, canvas, drawn);
    ASSERT_FALSE(atStart.empty()) << "the diagram was never drawn";

    // The picture of speed 0.25, typed while nobody else holds the clipboard.
    clickInMainContent(*session_, id, 762, 107, 80, 22); // TextField1
    session_->keys(id, "ctrl+a 0 period 2 5");
    const auto quarter = settledPixels(*session_, id, canvas, [&](const auto& p) { return p != atStart; });
    ASSERT_FALSE(quarter.empty()) << "typing 0.25 changed nothing";
    session_->keys(id, "ctrl+a 0 period 6");
    ASSERT_TRUE(waitUntil([&] { return session_->pixels(id, canvas) == atStart; }, 20s))
        << "typing 0.6 draws the start again";

    ChildProcess owner(SILENT_CLIPBOARD_OWNER, {}, session_->environment());
    ASSERT_TRUE(waitUntil([&] { return session_->clipboardHasOwner(); }, 20s)) << owner.peekErrors();
    session_->keys(id, "ctrl+a 0 period 2 5");
    EXPECT_TRUE(waitUntil([&] { return session_->pixels(id, canvas) == quarter; }, 1s))
        << "the program waited on the clipboard's owner while the speed was typed";
}

struct ScreenCase {
    const char* name;
    const char* size;
    bool windowFits; // with its menu bar and openbox's frame

    friend void PrintTo(const ScreenCase& c, std::ostream* os) { *os << c.name; }
};

class ScreenSizes : public DesktopSession, public ::testing::WithParamInterface<ScreenCase> {
protected:
    std::string screenSize() const override { return GetParam().size; }
};

TEST_P(ScreenSizes, TheWholeWindowLiesOnTheScreenWithItsFrameAndQuitEndsWithZero)
{
    if (!session_->hasWindowManager())
        GTEST_SKIP() << "a frame around the window needs a window manager (openbox)";
    auto program = startProgram();
    const auto id = mainWindow(*program);
    ASSERT_FALSE(id.empty());
    const auto screen = session_->screen();
    const WindowGeometry frame = session_->frame(id);
    const auto window = session_->geometry(id);
    EXPECT_GE(frame.x, 0);
    EXPECT_GE(frame.y, 0) << "the title bar lies on the screen";
    EXPECT_LE(frame.x + frame.width, screen.width);
    EXPECT_LE(frame.y + frame.height, screen.height) << "the bottom row of buttons lies on the screen";
    if (GetParam().windowFits) {
        EXPECT_EQ(window.width, kMainContentWidth) << "a window that fits is shown as its layout says";
        EXPECT_LT(window.height, kMainContentHeight + 60);
    } else {
        EXPECT_LT(window.width, kMainContentWidth);
        EXPECT_GE(frame.height, screen.height - 2) << "only as much smaller as the screen asks";
    }
    session_->screenshot(std::string(TOVALIN_BUILD_DIR) + "/shell-main-window-" + GetParam().size + ".png");

    // "Quit" lies at its layout place times the factor: left 797, top 765, 75 by 20.
    const double scale = static_cast<double>(window.width) / kMainContentWidth;
    const long menuBar = window.height - std::lround(kMainContentHeight * scale);
    session_->clickInWindow(id, std::lround((797 + 75 / 2.0) * scale), menuBar + std::lround((765 + 20 / 2.0) * scale));
    const auto result = program->wait(30s);
    ASSERT_TRUE(result.exitStatus.has_value()) << "the program did not end: " << result.standardError;
    EXPECT_EQ(*result.exitStatus, 0) << result.standardError;
}

INSTANTIATE_TEST_SUITE_P(RealProgram, ScreenSizes,
                         ::testing::Values(ScreenCase{"laptop_1366_by_768", "1366x768", false},
                                           ScreenCase{"projector_1024_by_768", "1024x768", false},
                                           ScreenCase{"desktop_1920_by_1200", "1920x1200", true}),
                         [](const auto& info) { return std::string(info.param.name); });

// In the build tree the resources lie in the folder "resources" beside the program.
TEST(BuildTreeProgram, FindsItsAboutPictureAndIconBesideItself)
{
    if (!XSession::available())
        GTEST_SKIP() << "Xvfb or xdotool is not installed";
    const auto shown = showProgram(TOVALIN_EXE, {});
    ASSERT_TRUE(shown.mainWindow) << shown.errors;
    EXPECT_FALSE(shown.iconSizes.empty());
    EXPECT_TRUE(shown.aboutWindow) << shown.errors;
    EXPECT_TRUE(shown.aboutPicture) << "the About picture is missing";
}

struct QuitCase {
    const char* name;
    bool needsWindowManager;
    // Acts on the main window, given the session and the window's id.
    std::function<void(const XSession&, const std::string&)> act;

    friend void PrintTo(const QuitCase& c, std::ostream* os) { *os << c.name; }
};

class QuitWays : public DesktopSession, public ::testing::WithParamInterface<QuitCase> {};

TEST_P(QuitWays, EndTheProgramWithStatusZero)
{
    if (GetParam().needsWindowManager && !session_->hasWindowManager())
        GTEST_SKIP() << "needs a window manager (openbox)";
    auto program = startProgram();
    const auto id = mainWindow(*program);
    ASSERT_FALSE(id.empty());

    GetParam().act(*session_, id);
    const auto result = program->wait(30s);
    ASSERT_TRUE(result.exitStatus.has_value()) << "the program did not end: " << result.standardError;
    EXPECT_EQ(*result.exitStatus, 0) << result.standardError;
}

INSTANTIATE_TEST_SUITE_P(
    RealProgram, QuitWays,
    ::testing::Values(
        QuitCase{"close_box_of_the_main_window", true,
                 [](const XSession& s, const std::string& id) { closeAsTheCloseBoxDoes(s, id); }},
        // The "Quit" button: left 797, top 765, 75 by 20 in the content below the menu bar.
        QuitCase{"quit_button", false,
                 [](const XSession& s, const std::string& id) {
                     clickInMainContent(s, id, 797, 765, 75, 20);
                 }},
        QuitCase{"file_menu_exit", false,
                 [](const XSession& s, const std::string& id) { s.chooseFromMenu(id, "alt+f", "x"); }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace shell_tests
