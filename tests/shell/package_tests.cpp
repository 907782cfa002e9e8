// The Debian package made from the build tree: its files, its control data, and the program in it.
#include "child_process.h"
#include "installed_program.h"
#include "x_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace shell_tests {
namespace {

namespace fs = std::filesystem;

// Makes the package with cpack into a folder of its own and unpacks it there, as dpkg would
// install it under /.
class DebianPackage : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!haveTool("dpkg-deb") || !haveTool("dpkg-shlibdeps"))
            GTEST_SKIP() << "dpkg-deb or dpkg-shlibdeps (dpkg-dev) is not installed";
        root_ = fs::temp_directory_path() / ("tovalin-package-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        int status = 0;
        // Under a hardened root's umask, which must not reach the package's modes.
        const auto output = runCommand("umask 077; " + shellQuoted(CPACK_COMMAND) + " -G DEB --config "
                                       + shellQuoted(fs::path(TOVALIN_BUILD_DIR) / "CPackConfig.cmake") + " -B "
                                       + shellQuoted(root_ / "out") + " 2>&1", &status);
        ASSERT_EQ(status, 0) << output;
        for (const auto& entry : fs::directory_iterator(root_ / "out"))
            if (entry.path().extension() == ".deb")
                package_ = entry.path();
        ASSERT_EQ(package_.filename().string().rfind("tovalin-diagram_1.0.0_", 0), 0u) << output;
        unpacked_ = root_ / "unpacked";
        const auto errors = runCommand("dpkg-deb -x " + shellQuoted(package_) + " " + shellQuoted(unpacked_) + " 2>&1", &status);
        ASSERT_EQ(status, 0) << errors;
    }
    void TearDown() override
    {
        if (!root_.empty())
            fs::remove_all(root_);
    }

    std::string field(const std::string& name) const
    {
        auto value = runCommand("dpkg-deb -f " + shellQuoted(package_) + " " + name + " 2>&1");
        while (!value.empty() && value.back() == '\n')
            value.pop_back();
        return value;
    }

    fs::path root_, package_, unpacked_;
};

// The package holds what the tree installs, in the tree's layout: the program inside finds its
// resources by the path from its own folder that the tree was configured with.
TEST_F(DebianPackage, HoldsEveryFileInItsPlaceUnderUsrAndNothingElse)
{
    const auto layout = configuredLayout();
    const auto files = installedFiles(layout);
    for (const auto& file : files)
        EXPECT_TRUE(fs::is_regular_file(unpacked_ / "usr" / file)) << file;
    std::size_t regularFiles = 0;
    for (const auto& entry : fs::recursive_directory_iterator(unpacked_))
        regularFiles += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(regularFiles, files.size());
    EXPECT_NE(fs::status(unpacked_ / "usr" / layout.binaries / "tovalin-diagram").permissions() & fs::perms::others_exec,
              fs::perms::none);
}

// Every user reads the program's resources: folders are 0755, files 0644 or, the program, 0755.
TEST_F(DebianPackage, OpensEveryFolderAndFileToAllUsers)
{
    int status = 0;
    const auto listing = runCommand("dpkg-deb -c " + shellQuoted(package_) + " 2>&1", &status);
    ASSERT_EQ(status, 0) << listing;
    std::istringstream lines(listing);
    std::size_t folders = 0;
    for (std::string line; std::getline(lines, line);) {
        const std::string mode = line.substr(0, line.find(' '));
        if (mode.front() == 'd') {
            ++folders;
            EXPECT_EQ(mode, "drwxr-xr-x") << line;
        } else {
            EXPECT_TRUE(mode == "-rw-r--r--" || mode == "-rwxr-xr-x") << line;
        }
    }
    EXPECT_GT(folders, 0u) << listing;
}

// Debian's policy places each kind of file in one folder under /usr; a tree configured with other
// folders makes a package that departs from it by choice, and lintian would say just that.
TEST_F(DebianPackage, FollowsDebianPolicyWithNeitherErrorsNorWarningsFromLintian)
{
    const auto layout = configuredLayout();
    if (layout.binaries != "bin" || layout.data != "share" || layout.manual != "share/man"
        || layout.documents != "share/doc/tovalin-diagram")
        GTEST_SKIP() << "the tree's layout is not Debian's";
    if (!haveTool("lintian"))
        GTEST_SKIP() << "lintian is not installed";
    int status = 0;
    const auto tags = runCommand("lintian --fail-on error,warning " + shellQuoted(package_) + " 2>/dev/null", &status);
    EXPECT_EQ(status, 0) << tags;
}

TEST_F(DebianPackage, ControlDataNamesThePackageAndTheLibrariesAndFontItNeeds)
{
    EXPECT_EQ(field("Package"), "tovalin-diagram");
    EXPECT_EQ(field("Version"), "1.0.0");
    EXPECT_EQ(field("Section"), "science");
    EXPECT_NE(field("Maintainer"), "");
    const auto depends = ", " + field("Depends") + ",";
    auto named = [&depends](const std::string& dependency) { // with or without a version
        return depends.find(", " + dependency + " ") != std::string::npos
               || depends.find(", " + dependency + ",") != std::string::npos;
    };
    // The libraries, as dpkg-shlibdeps finds them, and the font of the windows and the diagram.
    for (const std::string dependency : {"libqt6widgets6", "libqt6gui6", "libqt6core6", "libqt6printsupport6",
                                         "libstdc++6", "libc6", "fonts-liberation"})
        EXPECT_TRUE(named(dependency)) << dependency << " missing from: " << depends;
}

TEST_F(DebianPackage, UnpackedProgramShowsItsWindowIconAndAboutPicture)
{
    if (!XSession::available())
        GTEST_SKIP() << "Xvfb or xdotool is not installed";
    const auto shown = showProgram(unpacked_ / "usr" / configuredLayout().binaries / "tovalin-diagram", {});
    ASSERT_TRUE(shown.mainWindow) << shown.errors;
    EXPECT_FALSE(shown.iconSizes.empty());
    EXPECT_TRUE(shown.aboutWindow) << shown.errors;
    EXPECT_TRUE(shown.aboutPicture) << "the About picture is missing";
}

} // namespace
} // namespace shell_tests
