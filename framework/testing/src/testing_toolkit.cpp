// The toolkit for test programs: one QApplication, offscreen unless a platform was chosen.
#include "repaint_counts.h"

#include <framework/testing.h>

#include <QApplication>

namespace fw::testing {

void startToolkit()
{
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tovalin-tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv); // lives to the end of the test program
    countCanvasPaints();
}

} // namespace fw::testing
