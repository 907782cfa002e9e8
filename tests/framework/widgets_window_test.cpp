// Building, registering, closing and querying windows.
#include "widgets_fixture.h"

#include <framework/runtime.h>

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace widgets_test {
namespace {

using widgets_test::PrintTo;

using fw::WindowEvent;

class WindowBuildTest : public WidgetsTest {};

inline constexpr auto kCanvasRecord = fw::record::encode([] { return canvasEntries({"Canvas1", 10, 10, 100, 80}); });

TEST_F(WindowBuildTest, HooksRunInOrderAndOpenSeesTheRegisteredWindowBeforeAnyPaint)
{
    std::vector<std::string> log;
    std::shared_ptr<fw::Window> seenInOpen;
    std::int64_t paintsBeforeOpen = -1;
    auto window = build([&](FakeWindow& w) {
        auto layout = w.hooks[WindowEvent::Layout];
        w.hooks[WindowEvent::Layout] = [&log, layout] { log.push_back("Layout"); layout(); };
        w.hooks[WindowEvent::CreateControls] = [&log, &w] {
            log.push_back("CreateControls");
            auto canvas = w.createControl<fw::Canvas>("Canvas1", kCanvasRecord);
            canvas->Paint.bind([&log](fw::Canvas&, fw::Graphics&, const std::vector<fw::Rect>&) { log.push_back("Paint"); });
        };
        w.hooks[WindowEvent::AddMenuHandlers] = [&log] { log.push_back("AddMenuHandlers"); };
        w.hooks[WindowEvent::Open] = [&] {
            log.push_back("Open");
            seenInOpen = fw::GetImplicitWindow(kClassName);
            paintsBeforeOpen = fw::testing::paintCount(*w.controlAs<fw::Canvas>("Canvas1"));
        };
    });
    fw::testing::processEvents();

    ASSERT_GE(log.size(), 5u) << "the canvas is painted once the window shows";
    EXPECT_EQ((std::vector<std::string>(log.begin(), log.begin() + 5)),
              (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers", "Open", "Paint"}));
    EXPECT_EQ(seenInOpen, window) << "the implicit instance is registered before Open";
    EXPECT_EQ(paintsBeforeOpen, 0);
    EXPECT_EQ(window->timesAsked, 1);
    EXPECT_TRUE(window->isOpen());
    EXPECT_TRUE(window->widget()->isVisible()) << "the record says Visible";
}

struct FailingHook {
    const char* name;
    WindowEvent hook;
};

class WindowHookFailureTest : public WidgetsTest, public ::testing::WithParamInterface<FailingHook> {};

TEST_P(WindowHookFailureTest, FailurePassesOutAndLeavesNoOpenInstance)
{
    const WindowEvent failing = GetParam().hook;
    auto window = std::make_shared<FakeWindow>();
    auto previous = window->hooks[failing];
    window->hooks[failing] = [previous] {
        if (previous)
            previous();
        throw fw::NilObjectException("hook failed");
    };
    EXPECT_THROW(window->Constructor(), fw::NilObjectException);
    EXPECT_EQ(fw::GetImplicitWindow(kClassName), nullptr);
    EXPECT_FALSE(window->isOpen());
    EXPECT_FALSE(window->widget()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(EveryBuildHook, WindowHookFailureTest,
                         ::testing::Values(FailingHook{"Layout", WindowEvent::Layout},
                                           FailingHook{"CreateControls", WindowEvent::CreateControls},
                                           FailingHook{"AddMenuHandlers", WindowEvent::AddMenuHandlers},
                                           FailingHook{"Open", WindowEvent::Open}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowBuildTest, BuildingTwiceIsRefused)
{
    auto window = build();
    EXPECT_THROW(window->Constructor(), fw::RuntimeException);
}

TEST_F(WindowBuildTest, RecordGivesTheContentAreaItsSizeBelowTheMenuBarAndFixesIt)
{
    auto window = build();
    fw::testing::processEvents();
    QWidget* top = window->widget();
    EXPECT_EQ(window->Width(), 400);
    EXPECT_EQ(window->Height(), 300);
    EXPECT_FALSE(window->Resizeable());
    EXPECT_EQ(window->Title(), "widgets under test");
    EXPECT_EQ(top->windowTitle().toStdString(), "widgets under test");
    auto image = fw::testing::renderWindow(*window);
    EXPECT_EQ(image->width(), 400);
    EXPECT_EQ(image->height(), 300);
    EXPECT_EQ(top->minimumSize(), top->maximumSize()) << "the user cannot change the size";
    EXPECT_FALSE(top->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(top->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(top->windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

TEST_F(WindowBuildTest, DefaultLocationTwoCentresTheWindowOnTheScreen)
{
    auto window = build(); // the test record has DefaultLocation 2
    QWidget* top = window->widget();
    const QPoint offset = top->frameGeometry().center() - top->screen()->availableGeometry().center();
    EXPECT_LE(std::abs(offset.x()), 2) << "centred across, to within the frame's margin";
    EXPECT_LE(std::abs(offset.y()), 2) << "centred down, to within the frame's margin";
}

TEST_F(WindowBuildTest, DefaultLocationOneCentresTheWindowOverTheWindowInFront)
{
    static constexpr auto kOverFront = fw::record::encode([] {
        auto entries = widgets_test::windowEntries(120, 80, false, false);
        std::ranges::replace_if(entries, [](const auto& e) { return e.name == "DefaultLocation"; },
                                fw::record::Enumeration("DefaultLocation", 1));
        return entries;
    });
    auto front = build();
    front->widget()->move(10, 20);
    QApplication::setActiveWindow(front->widget());
    auto over = build([](FakeWindow& w) { w.hooks[fw::WindowEvent::Layout] = [&w] { fw::SetProperties(w, kOverFront); }; });
    const QPoint offset = over->widget()->frameGeometry().center() - front->widget()->frameGeometry().center();
    EXPECT_LE(std::abs(offset.x()), 2) << "centred across, to within the frame's margin";
    EXPECT_LE(std::abs(offset.y()), 2) << "centred down, to within the frame's margin";
}

class WindowCloseTest : public WidgetsTest {};

TEST_F(WindowCloseTest, CloseRaisesCloseOnceAndEndsTheImplicitInstanceAfterTheCallback)
{
    int closes = 0;
    bool openDuringClose = true;
    std::weak_ptr<fw::Window> watched;
    {
        auto window = std::make_shared<FakeWindow>();
        window->hooks[WindowEvent::Close] = [&] {
            ++closes;
            openDuringClose = fw::GetImplicitWindow(kClassName) != nullptr;
        };
        window->Constructor();
        watched = window;
        ASSERT_EQ(fw::GetImplicitWindow(kClassName), window);
        window->Close();
        window->Close();
    }
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(openDuringClose) << "a closing window is no longer the open instance";
    EXPECT_EQ(fw::GetImplicitWindow(kClassName), nullptr);
    EXPECT_FALSE(watched.expired()) << "released only once the toolkit callback has returned";
    fw::testing::processEvents();
    EXPECT_TRUE(watched.expired());
}

TEST_F(WindowCloseTest, TheCloseBoxClosesAsCloseDoes)
{
    int closes = 0;
    auto window = build([&](FakeWindow& w) { w.hooks[WindowEvent::Close] = [&closes] { ++closes; }; });
    window->widget()->close();
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(window->isOpen());
    EXPECT_EQ(fw::GetImplicitWindow(kClassName), nullptr);
    EXPECT_THROW(window->Show(), fw::RuntimeException) << "a closed window stays closed";
}

TEST_F(WindowCloseTest, AFailingCloseHandlerStillClosesTheWindow)
{
    auto window = build([](FakeWindow& w) { w.hooks[WindowEvent::Close] = [] { throw fw::RuntimeException("close failed"); }; });
    EXPECT_THROW(window->Close(), fw::RuntimeException);
    EXPECT_FALSE(window->isOpen());
    EXPECT_EQ(fw::GetImplicitWindow(kClassName), nullptr);
    EXPECT_FALSE(window->widget()->isVisible());
}

TEST_F(WindowCloseTest, ASecondWindowOfTheClassIsBuiltAfterTheFirstCloses)
{
    auto first = build();
    first->Close();
    auto second = build();
    EXPECT_EQ(fw::GetImplicitWindow(kClassName), second);
}

struct EventQuery {
    const char* name;
    std::string_view eventName;
    bool handled;
};

class WindowEventQueryTest : public WidgetsTest, public ::testing::WithParamInterface<EventQuery> {};

TEST_P(WindowEventQueryTest, AnswersFromTheWindowEventTable)
{
    auto window = build([](FakeWindow& w) { w.hooks[WindowEvent::Open] = [] {}; });
    EXPECT_EQ(fw::RuntimeIsEventHandled(*window, kClassName, GetParam().eventName, true), GetParam().handled);
    EXPECT_EQ(window->handlesEvent(GetParam().eventName), GetParam().handled);
    EXPECT_EQ(window->timesAsked, 1) << "the table is asked for once";
}

INSTANTIATE_TEST_SUITE_P(Events, WindowEventQueryTest,
                         ::testing::Values(EventQuery{"OpenHandled", "Open", true},
                                           EventQuery{"LayoutHandled", "Layout", true},
                                           EventQuery{"PaintNotHandled", "Paint", false},
                                           EventQuery{"CloseNotHandled", "Close", false},
                                           EventQuery{"UnknownEvent", "NoSuchEvent", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowBuildTest, EventQueryForAnotherClassIsRefused)
{
    auto window = build();
    EXPECT_THROW(fw::RuntimeIsEventHandled(*window, "Window2.Window2", "Open", true), fw::RuntimeException);
}

TEST_F(WindowBuildTest, NoWindowIsBuiltOnAnotherThread)
{
    bool refused = false;
    std::thread([&refused] {
        try {
            FakeWindow window;
        } catch (const fw::RuntimeException&) {
            refused = true;
        }
    }).join();
    EXPECT_TRUE(refused);
}

TEST_F(WindowBuildTest, WindowEventsAreNamedInTheirOrder)
{
    EXPECT_EQ(fw::windowEventName(WindowEvent::Activate), "Activate");
    EXPECT_EQ(fw::windowEventName(WindowEvent::Open), "Open");
    EXPECT_EQ(fw::windowEventName(WindowEvent::SetupBindings), "SetupBindings");
}

TEST_F(WindowBuildTest, WindowRefreshRepaintsTheControlsAndIsCounted)
{
    std::shared_ptr<fw::Canvas> canvas;
    auto window = buildWith([&canvas](FakeWindow& w) { canvas = w.createControl<fw::Canvas>("Canvas1", kCanvasRecord); });
    fw::testing::processEvents();
    const std::int64_t paints = fw::testing::paintCount(*canvas);
    window->Refresh(true);
    EXPECT_EQ(fw::testing::refreshCount(*window), 1);
    EXPECT_EQ(fw::testing::paintCount(*canvas), paints) << "the repaint waits for the event loop";
    fw::testing::processEvents();
    EXPECT_GT(fw::testing::paintCount(*canvas), paints);
}

} // namespace
} // namespace widgets_test
