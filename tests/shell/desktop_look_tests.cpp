// Both windows look the same whatever the desktop's colour scheme, font and style, and on a system
// without the font when the program brings it: each rendering equals the rendering with no desktop
// settings at all, pixel for pixel.
#include "child_process.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLibraryInfo>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include <unistd.h>

namespace shell_tests {
namespace {

namespace fs = std::filesystem;

// Settings and arguments may name the test's folder as {root}.
struct Desktop {
    const char* name;
    std::vector<std::string> environment;
    std::vector<std::string> probeArguments;
    bool needsQt6ct = false;
};

std::string inFolder(std::string text, const fs::path& root)
{
    const std::string placeholder = "{root}";
    if (const auto at = text.find(placeholder); at != std::string::npos)
        text.replace(at, placeholder.size(), root.string());
    return text;
}

// The system's font is where Debian's fonts-liberation puts it.
const fs::path kSystemFontFile = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";

void PrintTo(const Desktop& desktop, std::ostream* os)
{
    *os << desktop.name;
}

// Debian's qt6ct as a desktop set up through it: a dark colour scheme, a 12-point font and the
// Windows style. The configuration is written into the test's own configuration folder.
constexpr const char* kQt6ctConfiguration = R"([Appearance]
color_scheme_path=/usr/share/qt6ct/colors/darker.conf
custom_palette=true
style=Windows

[Fonts]
fixed="DejaVu Sans Mono,12,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
general="DejaVu Sans,12,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
)";

// A system whose only fonts are DejaVu's, with the usual rules for choosing among fonts.
constexpr const char* kFontconfigWithoutTheFont = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts/truetype/dejavu</dir>
  <cachedir>{root}/fontconfig-cache</cachedir>
  <include ignore_missing="yes">/etc/fonts/conf.d</include>
</fontconfig>
)";

const Desktop kDesktops[] = {
    {"qt6ct with a dark scheme, a 12-point font and the Windows style", {"QT_QPA_PLATFORMTHEME=qt6ct"}, {}, true},
    {"the Windows style forced by QT_STYLE_OVERRIDE", {"QT_STYLE_OVERRIDE=Windows"}, {}},
    {"a dark palette, a 16-point font and the Windows style set before the program starts", {},
     {"--toolkit-settings"}},
    {"a system without the font, which the program brings in its resources",
     {"FONTCONFIG_FILE={root}/fonts.conf"}, {"--resources={root}/shipped"}},
};

class DesktopLook : public ::testing::TestWithParam<Desktop> {
protected:
    void SetUp() override
    {
        root_ = fs::temp_directory_path() / ("tovalin-look-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "config/qt6ct");
        std::ofstream(root_ / "config/qt6ct/qt6ct.conf") << kQt6ctConfiguration;
        std::ofstream(root_ / "fonts.conf") << inFolder(kFontconfigWithoutTheFont, root_);
        fs::create_directories(root_ / "shipped/fonts");
        std::error_code error;
        fs::copy_file(kSystemFontFile, root_ / "shipped/fonts" / kSystemFontFile.filename(), error);
    }
    void TearDown() override { fs::remove_all(root_); }

    // Renders both windows into the folder; no desktop settings but those given. Standard error
    // in *errors.
    void render(const fs::path& folder, const Desktop* desktop, std::string* errors = nullptr)
    {
        fs::create_directories(folder);
        std::map<std::string, std::string> settings = {{"QT_QPA_PLATFORM", "offscreen"},
                                                       {"QT_QPA_PLATFORMTHEME", ""},
                                                       {"QT_STYLE_OVERRIDE", ""},
                                                       {"XDG_CONFIG_HOME", (root_ / "config").string()}};
        std::vector<std::string> arguments = {folder.string()};
        if (desktop) {
            for (const std::string& entry : desktop->environment) {
                const auto equals = entry.find('=');
                settings[entry.substr(0, equals)] = inFolder(entry.substr(equals + 1), root_);
            }
            for (const std::string& argument : desktop->probeArguments)
                arguments.push_back(inFolder(argument, root_));
        }
        std::vector<std::string> environment;
        for (const auto& [name, value] : settings)
            environment.push_back(name + "=" + value);
        ChildProcess probe(WINDOW_LOOK_PROBE, arguments, environment);
        const auto result = probe.wait(std::chrono::seconds(60));
        ASSERT_EQ(result.exitStatus, 0) << result.standardError;
        if (errors)
            *errors = result.standardError;
    }

    fs::path root_;
};

TEST_P(DesktopLook, ChangesNothingInEitherWindow)
{
    const Desktop& desktop = GetParam();
    if (desktop.needsQt6ct
        && !fs::exists(fs::path(QLibraryInfo::path(QLibraryInfo::PluginsPath).toStdString())
                       / "platformthemes/libqt6ct.so"))
        GTEST_SKIP() << "qt6ct is not installed";
    ASSERT_TRUE(fs::exists(kSystemFontFile)) << "fonts-liberation is not installed";
    ASSERT_NO_FATAL_FAILURE(render(root_ / "plain", nullptr));
    std::string errors;
    ASSERT_NO_FATAL_FAILURE(render(root_ / "desktop", &desktop, &errors));
    EXPECT_EQ(errors.find("is not installed"), std::string::npos) << errors;
    for (const char* window : {"main.png", "about.png"}) {
        SCOPED_TRACE(window);
        const QImage plain((root_ / "plain" / window).string().c_str());
        const QImage onDesktop((root_ / "desktop" / window).string().c_str());
        ASSERT_FALSE(plain.isNull());
        ASSERT_EQ(onDesktop.size(), plain.size());
        int differing = 0;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x)
                differing += plain.pixel(x, y) != onDesktop.pixel(x, y) ? 1 : 0;
        EXPECT_EQ(differing, 0) << "pixels differ";
    }
}

INSTANTIATE_TEST_SUITE_P(Desktops, DesktopLook, ::testing::ValuesIn(kDesktops));

// Neither installed nor brought along, the font is not quietly replaced: the program says which
// font is missing, and still shows its windows.
TEST_F(DesktopLook, AMissingFontIsNamedOnStandardError)
{
    const Desktop withoutTheFont{"a system without the font", {"FONTCONFIG_FILE={root}/fonts.conf"}, {}};
    std::string errors;
    ASSERT_NO_FATAL_FAILURE(render(root_ / "desktop", &withoutTheFont, &errors));
    EXPECT_NE(errors.find("the font \"Liberation Sans\" is not installed"), std::string::npos) << errors;
    EXPECT_TRUE(fs::exists(root_ / "desktop/main.png"));
}

} // namespace
} // namespace shell_tests
