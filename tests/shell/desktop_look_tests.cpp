// Both windows look the same whatever the desktop's colour scheme, font and style, and on a system
// without the font when the program brings it: each rendering equals the rendering with no desktop
// settings at all, pixel for pixel, on a system that has that font.
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

// Settings and arguments may name the test's folder as {root}. The plain rendering it is compared
// with runs on the system as it is, unless the desktop names another system for it.
struct Desktop {
    const char* name;
    std::vector<std::string> environment;
    std::vector<std::string> probeArguments;
    bool needsQt6ct = false;
    std::vector<std::string> plainEnvironment = {};
};

std::string inFolder(std::string text, const fs::path& root)
{
    const std::string placeholder = "{root}";
    if (const auto at = text.find(placeholder); at != std::string::npos)
        text.replace(at, placeholder.size(), root.string());
    return text;
}

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

// A system whose fonts are those in the folders, with the usual rules for choosing among fonts.
std::string fontconfig(const std::vector<fs::path>& fontFolders, const fs::path& cache)
{
    std::string text = "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n<fontconfig>\n";
    for (const fs::path& folder : fontFolders)
        text += "  <dir>" + folder.string() + "</dir>\n";
    text += "  <cachedir>" + cache.string() + "</cachedir>\n";
    text += "  <include ignore_missing=\"yes\">/etc/fonts/conf.d</include>\n</fontconfig>\n";
    return text;
}

const fs::path kDejaVuFonts = "/usr/share/fonts/truetype/dejavu";

// The font's files, as the build took them from the system. A system with the font is compared
// with a program that brings it through these same files: the system's own fontconfig may choose
// another release of the font, whose pixels differ.
const fs::path kFontFiles = TOVALIN_TEST_FONTS;

const Desktop kDesktops[] = {
    {"qt6ct with a dark scheme, a 12-point font and the Windows style", {"QT_QPA_PLATFORMTHEME=qt6ct"}, {}, true},
    {"the Windows style forced by QT_STYLE_OVERRIDE", {"QT_STYLE_OVERRIDE=Windows"}, {}},
    {"a dark palette, a 16-point font and the Windows style set before the program starts", {},
     {"--toolkit-settings"}},
    {.name = "a system without the font, which the program brings in its resources",
     .environment = {"FONTCONFIG_FILE={root}/without-the-font.conf"},
     .probeArguments = {"--resources={root}/shipped"},
     .plainEnvironment = {"FONTCONFIG_FILE={root}/with-the-font.conf"}},
};

class DesktopLook : public ::testing::TestWithParam<Desktop> {
protected:
    void SetUp() override
    {
        root_ = fs::temp_directory_path() / ("tovalin-look-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "config/qt6ct");
        std::ofstream(root_ / "config/qt6ct/qt6ct.conf") << kQt6ctConfiguration;
        std::ofstream(root_ / "without-the-font.conf") << fontconfig({kDejaVuFonts}, root_ / "fontconfig-cache");
        std::ofstream(root_ / "with-the-font.conf") << fontconfig({kDejaVuFonts, kFontFiles}, root_ / "fontconfig-cache");
        fs::create_directories(root_ / "shipped/fonts");
        fs::copy(kFontFiles, root_ / "shipped/fonts");
    }
    void TearDown() override { fs::remove_all(root_); }

    // Renders both windows into the folder; no desktop settings but those given. Standard error
    // in *errors.
    void render(const fs::path& folder, const std::vector<std::string>& desktopEnvironment,
                const std::vector<std::string>& probeArguments, std::string* errors = nullptr)
    {
        fs::create_directories(folder);
        std::map<std::string, std::string> settings = {{"QT_QPA_PLATFORM", "offscreen"},
                                                       {"QT_QPA_PLATFORMTHEME", ""},
                                                       {"QT_STYLE_OVERRIDE", ""},
                                                       {"XDG_CONFIG_HOME", (root_ / "config").string()}};
        for (const std::string& entry : desktopEnvironment) {
            const auto equals = entry.find('=');
            settings[entry.substr(0, equals)] = inFolder(entry.substr(equals + 1), root_);
        }
        std::vector<std::string> arguments = {folder.string()};
        for (const std::string& argument : probeArguments)
            arguments.push_back(inFolder(argument, root_));
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
    ASSERT_NO_FATAL_FAILURE(render(root_ / "plain", desktop.plainEnvironment, {}));
    std::string errors;
    ASSERT_NO_FATAL_FAILURE(render(root_ / "desktop", desktop.environment, desktop.probeArguments, &errors));
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
    std::string errors;
    ASSERT_NO_FATAL_FAILURE(render(root_ / "desktop", {"FONTCONFIG_FILE={root}/without-the-font.conf"}, {}, &errors));
    EXPECT_NE(errors.find("the font \"Liberation Sans\" is not installed"), std::string::npos) << errors;
    EXPECT_TRUE(fs::exists(root_ / "desktop/main.png"));
}

} // namespace
} // namespace shell_tests
