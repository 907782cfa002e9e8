// The buttons "clear", "Quit", "About ..." and "Print ...", and the File menu's actions.
#include <main_window/window1.h>

#include <about_window/window2.h>
#include <engine/globals.h>
#include <framework/application.h>
#include <framework/printing.h>
#include <framework/runtime.h>

#include <functional>

namespace main_window {

namespace {

fw::PrinterSetup& printerSetup()
{
    if (!Globals::myPrinterSetup)
        throw fw::NilObjectException("the page setup does not exist before the main window opens");
    return *Globals::myPrinterSetup;
}

} // namespace

void Window1::PushButton4_Action(fw::PushButton&)
{
    TextField2()->setValue("");
    TextField3()->setValue("");
    TextField4()->setValue("");
    TextField5()->setValue("");
    GroupBox7()->setEnabled(false);
    Globals::inProjectingMode = false;
    ::Window1()->Refresh(true);
}

void Window1::PushButton3_Action(fw::PushButton&)
{
    fw::Quit(0);
}

void Window1::PushButton5_Action(fw::PushButton&)
{
    ::Window2()->Show();
}

void Window1::PushButton6_Action(fw::PushButton&)
{
    // Cancelling the page setup does not stop the print dialog.
    pageSetupStep();
    printStep();
}

void Window1::pageSetupStep()
{
    if (printerSetup().PageSetupDialog(nullptr))
        Globals::printerSetupDone = true;
}

void Window1::printStep()
{
    fw::PrinterSetup* setup = Globals::printerSetupDone ? &printerSetup() : nullptr;
    // The page shows the canvas's area; it is output when its surface goes at the end of this call.
    std::unique_ptr<fw::Graphics> page = fw::OpenPrinterDialog(setup, nullptr, static_cast<double>(Globals::gw),
                                                               static_cast<double>(Globals::gh));
    if (page)
        Globals::redraw(*page);
}

void Window1::AddMenuHandlers(fw::Window& w)
{
    auto window = fw::checkedCast<Window1>(w.shared_from_this(), "window");
    // The handlers live in the window itself, so they hold it without a counted reference.
    window->AddMenuHandler("aboutItem", std::bind_front(&Window1::_aboutItem_Action, window.get()));
    window->AddMenuHandler("FilePageSetup", std::bind_front(&Window1::FilePageSetup_Action, window.get()));
    window->AddMenuHandler("FilePrint", std::bind_front(&Window1::FilePrint_Action, window.get()));
}

bool Window1::_aboutItem_Action()
{
    ::Window2()->Show();
    return false;
}

bool Window1::FilePageSetup_Action()
{
    pageSetupStep();
    return false;
}

bool Window1::FilePrint_Action()
{
    printStep();
    return false;
}

} // namespace main_window
