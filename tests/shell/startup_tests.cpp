// Start-up run in the test's own process: what it builds, its failure path, and how the menu bar
// meets the main window.
#include <shell/app.h>
#include <shell/menu_bar1.h>
#include <shell/startup.h>

#include <about_window/window2.h>
#include <main_window/window1.h>

#include <engine/globals.h>

#include <framework/application.h>
#include <framework/testing.h>
#include <framework/window.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

std::size_t occurrences(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

void closeIfOpen(const char* className)
{
    if (auto window = fw::GetImplicitWindow(className))
        window->Close();
}

class Startup : public ::testing::Test {
protected:
    void SetUp() override
    {
        fw::clearQuitRequest();
        fw::RegisterApplication(nullptr);
        Globals::resetToStartValues();
    }
    void TearDown() override
    {
        closeIfOpen("Window2.Window2");
        closeIfOpen("Window1.Window1");
        fw::clearQuitRequest();
        fw::RegisterApplication(nullptr);
    }
};

TEST_F(Startup, MainBuildsTheApplicationObjectAndTheMainWindowAndReturnsWhenTheLoopEnds)
{
    fw::Quit(0); // asked for before the loop: the loop returns at once, after the whole start-up
    ::testing::internal::CaptureStderr();
    Main();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << "a clean start reports nothing";

    const fw::Application* app = fw::app();
    ASSERT_NE(app, nullptr);
    EXPECT_NE(dynamic_cast<const shell::App*>(app), nullptr);
    EXPECT_EQ(app->MenuBar(), MenuBar1());
    EXPECT_NE(fw::GetImplicitWindow("Window1.Window1"), nullptr) << "start-up drops its reference, the window stays";
    EXPECT_EQ(Globals::gw, 636) << "the main window's Open has read the canvas size";
    EXPECT_EQ(Globals::gh, 553);
    EXPECT_DOUBLE_EQ(fw::runtime::FrameworkVersion(), 2019.03);
}

TEST_F(Startup, MainInstallsTheFrameworksExceptionHelperForHandlers)
{
    fw::Quit(0);
    Main();
    ::testing::internal::CaptureStderr();
    // What escapes a handler is reported by the helper, not thrown through the event loop.
    EXPECT_NO_THROW(fw::runtime::callHandler([] { throw fw::NilObjectException("handler failed"); }));
    EXPECT_EQ(occurrences(::testing::internal::GetCapturedStderr(), "handler failed"), 1u);
}

TEST_F(Startup, APendingInitialiserExceptionIsReportedOnceAndNothingIsBuilt)
{
    fw::runtime::AddInitialiser([] { throw fw::RuntimeException("initialiser failed"); });
    fw::runtime::Initialise();
    ::testing::internal::CaptureStderr();
    Main(); // would wait in the event loop forever if it got that far: nobody asked to quit
    EXPECT_EQ(occurrences(::testing::internal::GetCapturedStderr(), "initialiser failed"), 1u);
    EXPECT_EQ(fw::app(), nullptr);
    EXPECT_EQ(fw::GetImplicitWindow("Window1.Window1"), nullptr);
    EXPECT_EQ(fw::runtime::TakePendingException(), nullptr) << "Main took the exception";
}

TEST_F(Startup, TheApplicationObjectCarriesVersionOneStageZeroAndEmptyTexts)
{
    NewAppInstance();
    const fw::Application* app = fw::app();
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(app->className(), "App");
    EXPECT_EQ(app->MajorVersion(), 1);
    EXPECT_EQ(app->MinorVersion(), 0);
    EXPECT_EQ(app->BugVersion(), 0);
    EXPECT_EQ(app->NonReleaseVersion(), 0);
    EXPECT_EQ(app->StageCode(), 0);
    EXPECT_EQ(app->LongVersion(), "");
    EXPECT_EQ(app->ShortVersion(), "");
    EXPECT_EQ(app->PackageInfo(), "");
    EXPECT_EQ(app->MenuBar(), MenuBar1());
    EXPECT_EQ(app->MenuBar(), MenuBar1()) << "also at any later call";
}

TEST_F(Startup, TheApplicationObjectHandlesNoApplicationEvent)
{
    NewAppInstance();
    const auto* app = dynamic_cast<const shell::App*>(fw::app());
    ASSERT_NE(app, nullptr);
    for (const char* event : {"Open", "Close", "CancelClose", "NewDocument", "OpenDocument", "UnhandledException"})
        EXPECT_FALSE(app->IsEventImplemented(event)) << event;
}

struct QuitCase {
    const char* name;
    std::function<void(main_window::Window1&)> act;
};

class QuitWays : public Startup, public ::testing::WithParamInterface<QuitCase> {};

TEST_P(QuitWays, AskTheEventLoopToEndWithStatusZero)
{
    NewAppInstance();
    const auto window = Window1();
    ASSERT_FALSE(fw::quitRequested().has_value());
    GetParam().act(*window);
    EXPECT_EQ(fw::quitRequested(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, QuitWays,
    ::testing::Values(QuitCase{"close_box", [](main_window::Window1& w) { w.Close(); }},
                      QuitCase{"quit_button", [](main_window::Window1& w) { w.PushButton3()->Push(); }},
                      // The Exit item's own class quits: no handler of the program is involved.
                      QuitCase{"file_menu_exit", [](main_window::Window1& w) { fw::ChooseMenuItem(w, "FileQuit"); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Startup, OnlyAboutPageSetupAndPrintReceiveTheMainWindowsHandlers)
{
    NewAppInstance();
    const auto window = Window1();
    for (const char* name : {"aboutItem", "FilePageSetup", "FilePrint"})
        EXPECT_TRUE(window->hasMenuHandler(name)) << name;
    for (const char* name : {"FileMenu", "UntitledSeparator", "FileQuit", "EditMenu", "EditUndo", "UntitledMenu1",
                             "EditCut", "EditCopy", "EditPaste", "EditClear", "UntitledMenu0", "EditSelectAll"})
        EXPECT_FALSE(window->hasMenuHandler(name)) << name;
}

TEST_F(Startup, FileAboutAndTheAboutButtonShareOneAboutWindow)
{
    NewAppInstance();
    const auto window = Window1();
    fw::ChooseMenuItem(*window, "aboutItem");
    const auto about = fw::GetImplicitWindow("Window2.Window2");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isOpen());
    window->PushButton5()->Push();
    fw::ChooseMenuItem(*window, "aboutItem");
    EXPECT_EQ(fw::GetImplicitWindow("Window2.Window2"), about);
    EXPECT_TRUE(window->isOpen()) << "the About window is modeless";
}

} // namespace
