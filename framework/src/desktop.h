// What the framework asks of the desktop and of the toolkit's repaints. The program links the real
// answers (framework_desktop); test programs link stand-ins instead, which never block on a modal
// dialog nor open a browser.
#pragma once

#include <string_view>

class QPrinter;
class QWidget;

namespace fw {
class PrinterSetup;
class Window;
} // namespace fw

namespace fw::desktop {

// Lets the user change the setup's page layout; true when confirmed. A cancelled dialog leaves the
// setup as it was.
bool pageSetupDialog(PrinterSetup& setup, Window* parent);
// Lets the user choose where to print the page laid out on printer (for setup, or the default setup
// when nullptr); true when confirmed, with printer ready for that destination.
bool printDialog(QPrinter& printer, const PrinterSetup* setup, Window* parent);
// Hands a URL to the system's handler for it.
void openUrl(std::string_view url);
// Asks the toolkit to repaint the widget at its next chance.
void repaint(QWidget& widget);

} // namespace fw::desktop
