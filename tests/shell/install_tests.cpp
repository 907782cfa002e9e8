// The installed tree: where a Linux desktop and the program itself look for each file.
#include "child_process.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <unistd.h>

namespace shell_tests {
namespace {

namespace fs = std::filesystem;

TEST(Install, PutsProgramResourcesDesktopEntryIconsAndMetadataInTheirPlaces)
{
    const fs::path prefix = fs::temp_directory_path() / ("tovalin-install-" + std::to_string(::getpid()));
    int status = 0;
    const auto output = runCommand(std::string("'") + CMAKE_COMMAND + "' --install '" + TOVALIN_BUILD_DIR
                                   + "' --prefix '" + prefix.string() + "' 2>&1", &status);
    ASSERT_EQ(status, 0) << output;

    // The program finds its resources in share/tovalin-diagram beside its bin folder.
    const char* files[] = {
        "bin/tovalin-diagram",
        "share/tovalin-diagram/Vumo2020.jpg",
        "share/tovalin-diagram/tovalin-diagram.png",
        "share/applications/tovalin-diagram.desktop",
        "share/metainfo/tovalin-diagram.metainfo.xml",
        "share/icons/hicolor/16x16/apps/tovalin-diagram.png",
        "share/icons/hicolor/32x32/apps/tovalin-diagram.png",
        "share/icons/hicolor/48x48/apps/tovalin-diagram.png",
        "share/icons/hicolor/64x64/apps/tovalin-diagram.png",
        "share/icons/hicolor/128x128/apps/tovalin-diagram.png",
        "share/icons/hicolor/256x256/apps/tovalin-diagram.png",
    };
    for (const char* file : files)
        EXPECT_TRUE(fs::is_regular_file(prefix / file)) << file;
    EXPECT_NE(fs::status(prefix / "bin/tovalin-diagram").permissions() & fs::perms::owner_exec, fs::perms::none);
    fs::remove_all(prefix);
}

} // namespace
} // namespace shell_tests
