// The toolkit for test programs: one QApplication with the program's look, on an offscreen screen
// of the test program's own, whatever platform and scaling the environment names.
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

// What Qt reads from the environment to scale a screen's pixels and fonts.
constexpr const char* kScalingVariables[] = {
    "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI", "QT_USE_PHYSICAL_DPI",
    "QT_ENABLE_HIGHDPI_SCALING", "QT_SCALE_FACTOR_ROUNDING_POLICY", "QT_DPI_ADJUSTMENT_POLICY",
    "QT_WIDGETS_HIGHDPI_DOWNSCALE", "QT_HIGHDPI_DISABLE_2X_IMAGE_LOADING",
};

bool watchedOnADisplay()
{
    return !qgetenv(kTestPlatformVariable).isEmpty();
}

// A packager's QT_QPA_PLATFORM, or a desktop session's, must not change what the tests see; only a
// developer who names a platform for the tests, to watch them on a display, gets it.
QByteArray testPlatform(std::int64_t screenWidth, std::int64_t screenHeight)
{
    return watchedOnADisplay() ? qgetenv(kTestPlatformVariable) : offscreenScreen(screenWidth, screenHeight);
}

// Nor must a HiDPI desktop's scaling, which the tests measure in pixels: it goes from the
// environment, so that the programs the tests start see none of it either. A test that scales a
// program hands the setting to that program itself; a developer watching keeps the desktop's.
void ignoreDesktopScaling()
{
    if (watchedOnADisplay())
        return;
    for (const char* name : kScalingVariables)
        qunsetenv(name);
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
        ignoreDesktopScaling();
        new QApplication(argc, argv); // lives to the end of the test program
        countCanvasPaints();
    }
    // The program's own look, as the program's start gives it, so tests see what users see.
    look::applyLook();
}

} // namespace fw::testing
