// The print dialogs answered by the stand-ins a test has set.
#include "desktop.h"
#include "printer_setup_impl.h"
#include "qt_convert.h"

#include <framework/testing/print_dialogs.h>

#include <QPrinter>

namespace fw {

namespace {

PrintDialogs& printDialogs()
{
    static PrintDialogs dialogs;
    return dialogs;
}

} // namespace

void setPrintDialogs(PrintDialogs dialogs)
{
    printDialogs() = std::move(dialogs);
}

namespace desktop {

bool pageSetupDialog(PrinterSetup& setup, Window*)
{
    const auto& answer = printDialogs().pageSetup;
    if (!answer)
        return false;
    // The stand-in chooses on a copy, so a cancelled dialog leaves the setup as it was.
    PrinterSetup choice;
    choice.impl().layout = setup.impl().layout;
    if (!answer(choice))
        return false;
    setup.impl().layout = choice.impl().layout;
    return true;
}

bool printDialog(QPrinter& printer, const PrinterSetup* setup, Window*)
{
    const auto& answer = printDialogs().print;
    if (!answer)
        return false;
    const auto file = answer(setup);
    if (!file)
        return false;
    const QPageLayout layout = printer.pageLayout();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pathToQString(*file));
    printer.setPageLayout(layout); // a change of output format may reset the paper
    return true;
}

} // namespace desktop

} // namespace fw
