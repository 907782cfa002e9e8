// Pictures found by file name among the resource folders, and only there.
#include <framework/image.h>
#include <framework/picture.h>
#include <framework/testing.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#define NOGDI // its RGB macro would hide fw::RGB
#ifndef NOMINMAX // libstdc++ defines it for mingw-w64
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace {

namespace fs = std::filesystem;

// The running test program's folder, asked of the system rather than of the toolkit.
fs::path executableFolder()
{
#ifdef _WIN32
    std::wstring name(32768, L'\0');
    name.resize(GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size())));
    return fs::path(name).parent_path();
#else
    return fs::read_symlink("/proc/self/exe").parent_path();
#endif
}

fs::path freshFolder(const std::string& stem)
{
    std::random_device random;
    const fs::path folder = fs::temp_directory_path() / (stem + "-" + std::to_string(random()));
    fs::create_directories(folder);
    return folder;
}

void writeJpeg(const fs::path& file, int width, int height)
{
    fw::Image image(width, height);
    image.newGraphics()->FillRect(0, 0, width / 2.0, height);
    ASSERT_TRUE(image.save(file)) << file;
}

class ResourcePictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = freshFolder("tovalin-pictures");
        resources = root / "resources";
        fs::create_directories(resources);
        fw::SetResourceFolders({resources});
    }
    void TearDown() override
    {
        fw::SetResourceFolders({});
        fs::remove_all(root);
    }
    fs::path root, resources;
};

TEST_F(ResourcePictures, MissingThenPresent)
{
    EXPECT_EQ(fw::Picture::FromResources("Vumo2020.jpg"), nullptr);
    writeJpeg(resources / "Vumo2020.jpg", 194, 251);
    const auto picture = fw::Picture::FromResources("Vumo2020.jpg");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 194);
    EXPECT_EQ(picture->Height(), 251);
}

// A folder name beyond ASCII reaches the toolkit intact on every platform.
TEST_F(ResourcePictures, AFolderNamedBeyondAsciiGivesItsPicture)
{
    const fs::path folder = root / fs::path(u8"Bilder-\u00e4\u00f6\u00fc-\u03c0");
    fs::create_directories(folder);
    writeJpeg(folder / "Vumo2020.jpg", 12, 4);
    fw::SetResourceFolders({folder});
    const auto picture = fw::Picture::FromResources("Vumo2020.jpg");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 12);
}

TEST_F(ResourcePictures, UnreadableFileGivesNothing)
{
    std::ofstream(resources / "Vumo2020.jpg") << "not a picture";
    EXPECT_EQ(fw::Picture::FromResources("Vumo2020.jpg"), nullptr);
}

struct UnsafeName {
    const char* name;
    std::string fileName;
};

class UnsafeNames : public ResourcePictures, public ::testing::WithParamInterface<UnsafeName> {};

// Each name would reach a real picture outside the resource folder if it were followed.
TEST_P(UnsafeNames, AreRefusedEvenWhereAPictureLies)
{
    writeJpeg(root / "outside.jpg", 4, 4);
    fs::create_directories(resources / "sub");
    writeJpeg(resources / "sub" / "inner.jpg", 4, 4);
#ifndef _WIN32
    writeJpeg(resources / "C:inner.jpg", 4, 4); // only the refusal keeps this one from being read
#endif
    std::string fileName = GetParam().fileName;
    if (fileName == "<absolute>")
        fileName = (root / "outside.jpg").string();
    EXPECT_EQ(fw::Picture::FromResources(fileName), nullptr) << fileName;
}

INSTANTIATE_TEST_SUITE_P(
    Names, UnsafeNames,
    ::testing::Values(UnsafeName{"ParentFolder", "../outside.jpg"}, UnsafeName{"SubFolder", "sub/inner.jpg"},
                      UnsafeName{"BackslashSeparator", "sub\\inner.jpg"}, UnsafeName{"AbsolutePath", "<absolute>"},
                      UnsafeName{"DotDotAlone", ".."}, UnsafeName{"Empty", ""},
                      UnsafeName{"WindowsDriveRelative", "C:inner.jpg"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ResourcePictures, TheFirstFolderThatHoldsTheFileGivesThePicture)
{
    const fs::path second = root / "second";
    fs::create_directories(second);
    writeJpeg(second / "Vumo2020.jpg", 8, 4);
    fw::SetResourceFolders({resources, second});
    EXPECT_EQ(fw::Picture::FromResources("Vumo2020.jpg")->Width(), 8) << "missing in the first folder";
    writeJpeg(resources / "Vumo2020.jpg", 6, 4);
    EXPECT_EQ(fw::Picture::FromResources("Vumo2020.jpg")->Width(), 6);
}

TEST(ResourceFolders, RelativeOnesLieBesideTheExecutableAbsoluteOnesAsGiven)
{
    const fs::path exeFolder = executableFolder();
    const fs::path absolute = fs::temp_directory_path() / "tovalin-absolute-resources";
    fw::SetResourceFolders({"resources", "../data/program", absolute});
    const auto folders = fw::resourceFolders();
    fw::SetResourceFolders({});
    ASSERT_EQ(folders.size(), 3u);
    EXPECT_EQ(fs::weakly_canonical(folders[0]), fs::weakly_canonical(exeFolder / "resources"));
    EXPECT_EQ(fs::weakly_canonical(folders[1]), fs::weakly_canonical(exeFolder.parent_path() / "data" / "program"));
    EXPECT_EQ(folders[2], absolute);
}

// A relative folder read from the working folder would find this picture.
TEST(ResourceFolders, TheWorkingFolderIsNeverSearched)
{
    const fs::path working = freshFolder("tovalin-working");
    fs::create_directories(working / "resources");
    writeJpeg(working / "resources" / "only-in-the-working-folder.jpg", 4, 4);
    fw::SetResourceFolders({"resources", "."});
    const fs::path before = fs::current_path();
    fs::current_path(working);
    const auto picture = fw::Picture::FromResources("only-in-the-working-folder.jpg");
    fs::current_path(before);
    fw::SetResourceFolders({});
    fs::remove_all(working);
    EXPECT_EQ(picture, nullptr);
}

} // namespace
