// The toolkit for test programs: one QApplication with the program's look, on an offscreen screen
// of the test program's own, whatever platform the environment names.
#include "look.h"
#include "repaint_counts.h"

#include <framework/testing.h>

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QTemporaryFile>

#include <stdexcept>
#include <string>

namespace fw::testing {

namespace {

// The offscreen platform reads its one screen's size from a file that lives as long as the program.
// The file lies in the working folder and is named relatively: the platform's arguments are
// separated by colons, which rules out a path with a Windows drive letter.
QByteArray offscreenScreen(std::int64_t width, std::int64_t height)
{
    static QTemporaryFile config(QStringLiteral("tovalin-offscreen-XXXXXX.json"));
    if (!config.open())
        throw std::runtime_error("the tests cannot write their screen's configuration into the working folder "
                                 + QDir::currentPath().toStdString());
    const std::string json = R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": )" + std::to_string(width)
                           + R"(, "height": )" + std::to_string(height) + "}]}";
    config.write(json.data(), static_cast<qint64>(json.size()));
    config.flush();
    return "offscreen:configfile=" + QDir::current().relativeFilePath(config.fileName()).toUtf8();
}

// A packager's QT_QPA_PLATFORM, or a desktop session's, must not change what the tests see; only a
// developer who names a platform for the tests, to watch them on a display, gets it.
QByteArray testPlatform(std::int64_t screenWidth, std::int64_t screenHeight)
{
    const QByteArray chosen = qgetenv(kTestPlatformVariable);
    return chosen.isEmpty() ? offscreenScreen(screenWidth, screenHeight) : chosen;
}

} // namespace

void startToolkit(std::int64_t screenWidth, std::int64_t screenHeight)
{
    if (!QApplication::instance()) {
        // The platform goes in as the toolkit's -platform argument, which overrules
        // QT_QPA_PLATFORM and leaves the environment that the tests' child processes inherit as it is.
        static QByteArray platform = testPlatform(screenWidth, screenHeight);
        static char name[] = "tovalin-tests";
        static char platformOption[] = "-platform";
        static char* argv[] = {name, platformOption, platform.data(), nullptr};
        static int argc = 3;
        look::ignoreDesktopSettings();
        new QApplication(argc, argv); // lives to the end of the test program
        countCanvasPaints();
    }
    // The program's own look, as the program's start gives it, so tests see what users see.
    look::applyLook();
}

} // namespace fw::testing
