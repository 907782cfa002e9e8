// The toolkit for test programs: one QApplication with the program's look, offscreen unless a
// platform was chosen.
#include "look.h"
#include "repaint_counts.h"

#include <framework/testing.h>

#include <QApplication>

namespace fw::testing {

void startToolkit()
{
    if (!QApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        look::ignoreDesktopSettings();
        static int argc = 1;
        static char name[] = "tovalin-tests";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv); // lives to the end of the test program
        countCanvasPaints();
    }
    // The program's own look, as the program's start gives it, so tests see what users see.
    look::applyLook();
}

} // namespace fw::testing
