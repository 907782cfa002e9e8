// The toolkit for test programs: one QApplication with the program's look, offscreen unless a
// platform was chosen.
#include "look.h"
#include "repaint_counts.h"

#include <framework/testing.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryFile>

#include <string>

namespace fw::testing {

namespace {

// The offscreen platform reads its one screen's size from a file that lives as long as the program.
// The file lies in the working folder and is named relatively: the platform's arguments are
// separated by colons, which rules out a path with a Windows drive letter.
void chooseOffscreenScreen(std::int64_t width, std::int64_t height)
{
    static QTemporaryFile config(QStringLiteral("tovalin-offscreen-XXXXXX.json"));
    if (!config.open())
        return; // the platform's own screen then
    const std::string json = R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": )" + std::to_string(width)
                           + R"(, "height": )" + std::to_string(height) + "}]}";
    config.write(json.data(), static_cast<qint64>(json.size()));
    config.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QDir::current().relativeFilePath(config.fileName()).toUtf8());
}

} // namespace

void startToolkit(std::int64_t screenWidth, std::int64_t screenHeight)
{
    if (!QApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            chooseOffscreenScreen(screenWidth, screenHeight);
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
