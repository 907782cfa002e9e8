// The toolkit for test programs: one QApplication, offscreen unless a platform was chosen.
#include "repaint_counts.h"

#include <framework/testing.h>

#include <QApplication>
#include <QFont>

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
#ifdef Q_OS_WIN
    // There the offscreen platform knows only the fonts in QT_QPA_FONTDIR: Liberation Sans, with
    // Arial's metrics, stands in for Arial as fontconfig has it do on Linux.
    QFont::insertSubstitution("Arial", "Liberation Sans");
#endif
    countCanvasPaints();
}

} // namespace fw::testing
