// Starts the toolkit as the program does, on whatever desktop the environment sets up, and renders
// both windows into main.png and about.png in the folder given. With --toolkit-settings the
// desktop's dark palette, large font and other style are already set on the toolkit when the
// program starts, as a desktop's platform theme sets them; --resources=FOLDER adds a resource
// folder before the program's own, as a package that brings its fonts has.
#include <about_window/window2.h>
#include <main_window/window1.h>

#include <engine/globals.h>
#include <framework/application.h>
#include <framework/fonts.h>
#include <framework/picture.h>
#include <framework/testing.h>

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QStyleFactory>
#include <QWidget>

#include <filesystem>
#include <iostream>
#include <string_view>
#include <vector>

namespace {

void setDesktopSettings(char* programName)
{
    static int count = 1;
    static char* arguments[] = {programName, nullptr};
    new QApplication(count, arguments);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QPalette dark(QColor(230, 230, 230), QColor(40, 40, 40)); // light text on dark grey
    QApplication::setPalette(dark);
    QFont large = QApplication::font();
    large.setPointSize(16);
    QApplication::setFont(large);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: window_look_probe FOLDER [--toolkit-settings] [--resources=FOLDER]\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::vector<std::filesystem::path> resources = {TOVALIN_SHELL_RESOURCES};
    for (int i = 2; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--toolkit-settings")
            setDesktopSettings(argv[0]);
        else if (option.starts_with("--resources="))
            resources.insert(resources.begin(), option.substr(option.find('=') + 1));
    }
    fw::runtime::Start(1, argv);
    fw::SetResourceFolders(resources);
    fw::RegisterResourceFonts();
    Globals::resetToStartValues();
    const auto main = ::Window1();
    const auto about = ::Window2();
    // A blinking caret would show in one rendering and not in the other.
    if (QWidget* focused = QApplication::focusWidget())
        focused->clearFocus();
    const bool saved = fw::testing::renderWindow(*main)->save(folder / "main.png")
                       && fw::testing::renderWindow(*about)->save(folder / "about.png");
    return saved ? 0 : 1;
}
