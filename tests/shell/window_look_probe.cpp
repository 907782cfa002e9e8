// Starts the toolkit as the program does, on whatever desktop the environment sets up, and renders
// both windows into main.png and about.png in the folder given. With --toolkit-settings the
// desktop's dark palette, large font and other style are already set on the toolkit when the
// program starts, as a desktop's platform theme sets them.
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
        std::cerr << "usage: window_look_probe FOLDER [--toolkit-settings]\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    if (argc > 2 && std::string_view(argv[2]) == "--toolkit-settings")
        setDesktopSettings(argv[0]);
    fw::runtime::Start(1, argv);
    fw::SetResourceFolders({TOVALIN_SHELL_RESOURCES});
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
