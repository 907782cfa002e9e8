// The About picture while its file is missing, once it is there, and after it is gone again.
#include <about_window/vumo2020.h>
#include <about_window/window2.h>

#include <framework/picture.h>
#include <framework/testing.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The cache lives for the whole process, so the story is told in one test of its own program.
TEST(AboutPicture, MissingFileLeavesTheCanvasEmptyAndEachNewWindowTriesAgainUntilItIsLoaded)
{
    const fs::path folder = fs::temp_directory_path() / ("tovalin-about-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    fw::SetResourceFolders({folder});
    std::vector<std::string> opened;
    fw::setUrlHandler([&](const std::string& url) { opened.push_back(url); });

    // No file: no backdrop, and the empty canvas is still the e-mail link.
    EXPECT_EQ(Vumo2020(), nullptr);
    auto w = Window2();
    EXPECT_EQ(w->Canvas1()->Backdrop(), nullptr);
    fw::testing::click(*w->Canvas1());
    EXPECT_EQ(opened, std::vector<std::string>{"mailto:zavik@tovalin.test"});
    w->Close();

    // The file has arrived: the next About window shows it.
    fs::copy_file(fs::path(TOVALIN_SHELL_RESOURCES) / "Vumo2020.jpg", folder / "Vumo2020.jpg");
    w = Window2();
    const auto picture = w->Canvas1()->Backdrop();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 194);
    EXPECT_EQ(picture->Height(), 251);
    w->Close();

    // Loaded once for the run: later windows show the same picture without reading the file.
    fs::remove(folder / "Vumo2020.jpg");
    w = Window2();
    EXPECT_EQ(w->Canvas1()->Backdrop(), picture);
    EXPECT_EQ(Vumo2020(), picture);
    w->Close();

    fw::setUrlHandler({});
    fw::SetResourceFolders({});
    fs::remove_all(folder);
}

} // namespace
