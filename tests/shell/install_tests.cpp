// The installed tree: where a Linux desktop and the program itself look for each file, with the
// default data folder and with another one, as packagers choose.
#include "child_process.h"
#include "installed_program.h"
#include "x_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>
#include <string>

#include <unistd.h>

namespace shell_tests {
namespace {

namespace fs = std::filesystem;

fs::path freshFolder(const std::string& stem)
{
    const fs::path folder = fs::temp_directory_path() / (stem + "-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

// Under a hardened root's umask, too, every user reads what the install puts below the prefix.
TEST(Install, PutsProgramResourcesDesktopEntryIconsAndMetadataInTheirPlacesOpenToAllUsers)
{
    const fs::path prefix = freshFolder("tovalin-install");
    int status = 0;
    const auto output = runCommand("umask 077; " + shellQuoted(CMAKE_COMMAND) + " --install "
                                       + shellQuoted(TOVALIN_BUILD_DIR) + " --prefix " + shellQuoted(prefix) + " 2>&1",
                                   &status);
    ASSERT_EQ(status, 0) << output;

    const auto layout = configuredLayout();
    for (const auto& file : installedFiles(layout))
        EXPECT_TRUE(fs::is_regular_file(prefix / file)) << file;
    constexpr auto open = fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec
                        | fs::perms::others_read | fs::perms::others_exec;
    constexpr auto readable = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read
                            | fs::perms::others_read;
    for (const auto& entry : fs::recursive_directory_iterator(prefix)) {
        const auto mode = entry.status().permissions();
        if (entry.is_directory())
            EXPECT_EQ(mode, open) << entry.path();
        else
            EXPECT_TRUE(mode == readable || mode == open) << entry.path();
    }
    EXPECT_EQ(fs::status(prefix / layout.binaries / "tovalin-diagram").permissions(), open);
    fs::remove_all(prefix);
}

struct IconSource {
    const char* name;
    bool themeHasIcon;
};

// A tree configured with the data folder "data" must be built on its own, so one test builds only
// the program, installs it and checks everything of that tree. Its other folders are this tree's.
TEST(Install, WithAnotherDataFolderTheProgramFindsItsPictureAndIconAndTheTreeValidates)
{
    const fs::path root = freshFolder("tovalin-data-folder");
    const fs::path build = root / "build", prefix = root / "prefix";
    auto layout = configuredLayout();
    layout.data = "data";
    int status = 0;
    auto output = runCommand(shellQuoted(CMAKE_COMMAND) + " -S " + shellQuoted(TOVALIN_SOURCE_DIR) + " -B " + shellQuoted(build)
                             + " -G " + shellQuoted(CMAKE_GENERATOR) + " -DCMAKE_CXX_COMPILER=" + shellQuoted(CMAKE_CXX_COMPILER)
                             + " -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=OFF -DTOVALIN_BENCHMARKS=OFF"
                             + " -DCMAKE_INSTALL_BINDIR=" + shellQuoted(layout.binaries) + " -DCMAKE_INSTALL_DATADIR=" + shellQuoted(layout.data)
                             + " -DCMAKE_INSTALL_MANDIR=" + shellQuoted(layout.manual) + " -DCMAKE_INSTALL_DOCDIR=" + shellQuoted(layout.documents)
                             + " 2>&1",
                             &status);
    ASSERT_EQ(status, 0) << output;
    output = runCommand(shellQuoted(CMAKE_COMMAND) + " --build " + shellQuoted(build) + " --target tovalin-diagram 2>&1", &status);
    ASSERT_EQ(status, 0) << output;
    output = runCommand(shellQuoted(CMAKE_COMMAND) + " --install " + shellQuoted(build) + " --prefix " + shellQuoted(prefix) + " 2>&1",
                        &status);
    ASSERT_EQ(status, 0) << output;

    for (const auto& file : installedFiles(layout))
        EXPECT_TRUE(fs::is_regular_file(prefix / file)) << file;

    if (haveTool("appstreamcli")) {
        output = runCommand("appstreamcli validate-tree --no-net " + shellQuoted(prefix) + " 2>&1", &status);
        EXPECT_EQ(status, 0) << output;
    }
    if (haveTool("desktop-file-validate")) {
        output = runCommand("desktop-file-validate " + shellQuoted(prefix / layout.data / "applications/tovalin-diagram.desktop") + " 2>&1",
                            &status);
        EXPECT_EQ(status, 0) << output;
        EXPECT_EQ(output, "");
    }

    if (XSession::available()) {
        // The icon theme reads the tree's icons when the desktop's data folders include the tree's
        // (and the system's, which describe the theme); with no icon theme at all the program falls
        // back to its own copy of the largest icon. The user's own data folder is an empty one, so
        // an icon installed there, or by the package under /usr, cannot stand in.
        const fs::path emptyData = root / "empty-data";
        fs::create_directories(emptyData);
        for (const auto& source : {IconSource{"icon_theme", true}, IconSource{"resource_file", false}}) {
            SCOPED_TRACE(source.name);
            const std::string dataFolders
                = source.themeHasIcon ? (prefix / layout.data).string() + ":/usr/share" : emptyData.string();
            const auto shown = showProgram(prefix / layout.binaries / "tovalin-diagram",
                                           {"XDG_DATA_HOME=" + emptyData.string(), "XDG_DATA_DIRS=" + dataFolders});
            ASSERT_TRUE(shown.mainWindow) << shown.errors;
            EXPECT_TRUE(shown.aboutWindow) << shown.errors;
            EXPECT_TRUE(shown.aboutPicture) << "the About picture is missing";
            if (source.themeHasIcon)
                EXPECT_GT(shown.iconSizes.size(), 1u) << "the theme's icon comes in several sizes";
            else
                EXPECT_EQ(shown.iconSizes, std::vector<std::string>{"256x256"});
        }
    }
    fs::remove_all(root);
}

} // namespace
} // namespace shell_tests
