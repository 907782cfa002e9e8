// "clear", "Quit", "About ...", "Print ...", the File menu's actions and closing the window.
#include "main_window_fixture.h"

#include <about_window/window2.h>

#include <framework/menu.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>

namespace {

using fw::testing::refreshCount;

struct ClearCase {
    const char* name;
    bool projecting;
    friend void PrintTo(const ClearCase& c, std::ostream* out) { *out << c.name; }
};

class ClearTest : public MainWindowTest, public ::testing::WithParamInterface<ClearCase> {};

TEST_P(ClearTest, ClearEmptiesAndDisablesTheReadOutPanel)
{
    auto canvas = window->Canvas1();
    if (GetParam().projecting) {
        fw::testing::mousePress(*canvas, 372, 328);
        fw::testing::mouseRelease(*canvas, 372, 328);
        paint();
        ASSERT_EQ(window->TextField2()->Value(), "3.00 m");
    }
    auto before = refreshCount(*window);
    auto caption = window->GroupBox7()->Caption();

    fw::testing::click(*window->PushButton4());
    for (auto field : {window->TextField2(), window->TextField3(), window->TextField4(), window->TextField5()})
        EXPECT_EQ(field->Value(), "");
    EXPECT_FALSE(window->GroupBox7()->Enabled());
    EXPECT_FALSE(window->PushButton4()->isEnabledOnScreen()); // inside the disabled panel
    EXPECT_TRUE(window->GroupBox7()->Visible());
    EXPECT_EQ(window->GroupBox7()->Caption(), caption);
    EXPECT_FALSE(Globals::inProjectingMode);
    EXPECT_EQ(refreshCount(*window) - before, 1);

    fw::testing::mousePress(*canvas, 400, 300); // the next projecting click enables it again
    fw::testing::mouseRelease(*canvas, 400, 300);
    EXPECT_TRUE(window->GroupBox7()->Enabled());
    EXPECT_TRUE(window->PushButton4()->isEnabledOnScreen());
}

INSTANTIATE_TEST_SUITE_P(MainWindow, ClearTest,
                         ::testing::Values(ClearCase{"WhileTheMeetingIsShown", true},
                                           ClearCase{"WithNoMeetingShown", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, QuitButtonQuitsWithStatusZero)
{
    fw::testing::click(*window->PushButton3());
    EXPECT_EQ(fw::quitRequested(), 0);
}

TEST_F(MainWindowTest, ClosingTheWindowQuitsWithStatusZero)
{
    window->Close();
    EXPECT_EQ(fw::quitRequested(), 0);
    EXPECT_FALSE(window->isOpen());
}

TEST_F(MainWindowTest, AboutFromTheButtonAndTheMenuShowsOneWindow)
{
    fw::testing::click(*window->PushButton5());
    auto about = fw::GetImplicitWindow("Window2.Window2");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isOpen());

    EXPECT_FALSE(window->_aboutItem_Action());
    EXPECT_EQ(fw::GetImplicitWindow("Window2.Window2"), about);
    fw::testing::click(*window->PushButton5());
    EXPECT_EQ(fw::GetImplicitWindow("Window2.Window2"), about);
    EXPECT_TRUE(window->isOpen()); // modeless: the main window stays
}

// The File menu's items the main window meets, on the application's menu bar.
void useFileMenu()
{
    if (fw::app())
        return;
    auto file = std::make_shared<fw::MenuItem>();
    file->setName("FileMenu");
    auto add = [&file](std::shared_ptr<fw::MenuItem> item, const char* name) {
        item->setName(name);
        file->AddMenu(std::move(item));
    };
    add(std::make_shared<fw::PrefsMenuItem>(), "aboutItem");
    add(std::make_shared<fw::QuitMenuItem>(), "FileQuit");
    add(std::make_shared<fw::MenuItem>(), "FilePageSetup");
    add(std::make_shared<fw::MenuItem>(), "FilePrint");
    auto bar = std::make_shared<fw::MenuBar>();
    bar->AddMenu(file);
    auto application = std::make_shared<fw::Application>();
    application->setMenuBar(bar);
    fw::RegisterApplication(application);
}

TEST_F(MainWindowTest, TheFileMenusExitQuitsWithStatusZero)
{
    useFileMenu();
    fw::ChooseMenuItem(*window, "FileQuit");
    EXPECT_EQ(fw::quitRequested(), 0);
}

TEST_F(MainWindowTest, TheFileMenusAboutReachesTheMainWindowsAction)
{
    useFileMenu();
    fw::ChooseMenuItem(*window, "aboutItem");
    EXPECT_NE(fw::GetImplicitWindow("Window2.Window2"), nullptr);
    EXPECT_EQ(fw::quitRequested(), std::nullopt);
}

std::size_t pagesIn(const std::filesystem::path& pdf)
{
    std::ifstream in(pdf, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const std::string bytes = text.str();
    std::size_t pages = 0;
    for (std::size_t at = bytes.find("/Type /Page"); at != std::string::npos; at = bytes.find("/Type /Page", at + 1))
        if (bytes.compare(at, 12, "/Type /Pages") != 0)
            ++pages;
    return pages;
}

enum class Command { PrintButton, MenuPageSetup, MenuPrint, ChosenFromTheMenu };

// What the dialogs were asked and answered, with the page printed, if any.
struct DialogLog {
    int pageSetupShown = 0;
    int printShown = 0;
    std::optional<const fw::PrinterSetup*> setupHandedToPrint;
};

class PrintingTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        pdf = std::filesystem::temp_directory_path()
            / ("tovalin-print-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-"
               + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".pdf");
        std::filesystem::remove(pdf);
    }
    void TearDown() override
    {
        std::filesystem::remove(pdf);
        MainWindowTest::TearDown();
    }

    // Runs the command with the dialogs answering as given; returns whether it printed a page.
    bool run(Command command, bool confirmPageSetup, bool confirmPrint)
    {
        std::filesystem::remove(pdf);
        fw::setPrintDialogs({
            [this, confirmPageSetup](fw::PrinterSetup&) {
                ++log.pageSetupShown;
                return confirmPageSetup;
            },
            [this, confirmPrint](const fw::PrinterSetup* setup) -> std::optional<std::filesystem::path> {
                ++log.printShown;
                log.setupHandedToPrint = setup;
                if (!confirmPrint)
                    return std::nullopt;
                return pdf;
            },
        });
        switch (command) {
        case Command::PrintButton: fw::testing::click(*window->PushButton6()); break;
        case Command::MenuPageSetup: EXPECT_FALSE(window->FilePageSetup_Action()); break;
        case Command::MenuPrint: EXPECT_FALSE(window->FilePrint_Action()); break;
        case Command::ChosenFromTheMenu: fw::ChooseMenuItem(*window, "FilePrint"); break;
        }
        return std::filesystem::exists(pdf);
    }

    std::filesystem::path pdf;
    DialogLog log;
};

TEST_F(PrintingTest, PrintButtonWithBothDialogsConfirmedPrintsOnePage)
{
    EXPECT_TRUE(run(Command::PrintButton, true, true));
    EXPECT_EQ(pagesIn(pdf), 1u);
    EXPECT_EQ(log.pageSetupShown, 1);
    EXPECT_EQ(log.printShown, 1);
    EXPECT_EQ(log.setupHandedToPrint, Globals::myPrinterSetup.get());
    EXPECT_TRUE(Globals::printerSetupDone);
}

TEST_F(PrintingTest, PrintButtonWithBothDialogsCancelledPrintsNothing)
{
    EXPECT_FALSE(run(Command::PrintButton, false, false));
    EXPECT_EQ(log.pageSetupShown, 1);
    EXPECT_EQ(log.printShown, 1); // a cancelled page setup does not stop the print dialog
    EXPECT_EQ(log.setupHandedToPrint, nullptr);
    EXPECT_FALSE(Globals::printerSetupDone);
}

TEST_F(PrintingTest, AConfirmedSetupStaysInForceAfterACancelledPrint)
{
    EXPECT_FALSE(run(Command::PrintButton, true, false));
    EXPECT_TRUE(Globals::printerSetupDone);

    EXPECT_FALSE(run(Command::MenuPageSetup, false, true)); // cancelled: the earlier setup stays
    EXPECT_TRUE(Globals::printerSetupDone);

    EXPECT_TRUE(run(Command::MenuPrint, false, true));
    EXPECT_EQ(log.setupHandedToPrint, Globals::myPrinterSetup.get());
}

TEST_F(PrintingTest, MenuPrintUsesTheDefaultSetupUntilAPageSetupIsConfirmed)
{
    EXPECT_TRUE(run(Command::MenuPrint, true, true));
    EXPECT_EQ(log.pageSetupShown, 0); // the menu's Print shows only the print dialog
    EXPECT_EQ(log.setupHandedToPrint, nullptr);
    EXPECT_EQ(pagesIn(pdf), 1u);

    EXPECT_FALSE(run(Command::MenuPageSetup, true, true));
    EXPECT_EQ(log.pageSetupShown, 1);
    EXPECT_EQ(log.printShown, 1); // the menu's Page Setup shows only its own dialog
    EXPECT_TRUE(Globals::printerSetupDone);

    EXPECT_TRUE(run(Command::MenuPrint, true, true));
    EXPECT_EQ(log.setupHandedToPrint, Globals::myPrinterSetup.get());
}

TEST_F(PrintingTest, TheMenusPrintItemPrintsThroughTheMainWindow)
{
    useFileMenu();
    EXPECT_TRUE(run(Command::ChosenFromTheMenu, true, true));
    EXPECT_EQ(log.pageSetupShown, 0);
    EXPECT_EQ(pagesIn(pdf), 1u);
}

TEST_F(PrintingTest, PrintingTheMeetingRewritesTheReadOutPanel)
{
    auto canvas = window->Canvas1();
    fw::testing::mousePress(*canvas, 372, 328);
    fw::testing::mouseRelease(*canvas, 372, 328);
    window->TextField2()->setValue("");
    EXPECT_TRUE(run(Command::MenuPrint, true, true));
    EXPECT_EQ(window->TextField2()->Value(), "3.00 m"); // written by the page's drawing
}

} // namespace
