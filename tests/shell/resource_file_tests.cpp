// The files that go with the program: desktop entry, AppStream data, icons and Windows resources.
#include "child_process.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace shell_tests {
namespace {

namespace fs = std::filesystem;

const fs::path kResources = TOVALIN_SHELL_RESOURCES;

std::string readFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(DesktopEntry, PassesTheValidator)
{
    if (!haveTool("desktop-file-validate"))
        GTEST_SKIP() << "desktop-file-validate is not installed";
    int status = 0;
    const auto output = runCommand("desktop-file-validate " + shellQuoted(kResources / "tovalin-diagram.desktop") + " 2>&1", &status);
    EXPECT_EQ(status, 0) << output;
    EXPECT_EQ(output.find("error"), std::string::npos) << output;
    EXPECT_EQ(output.find("warning"), std::string::npos) << output;
}

TEST(DesktopEntry, StartsTheInstalledProgramWithItsIcon)
{
    const auto entry = readFile(kResources / "tovalin-diagram.desktop");
    // The program is installed to bin as tovalin-diagram, its icons as hicolor's tovalin-diagram.png.
    EXPECT_NE(entry.find("\nExec=tovalin-diagram\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("\nIcon=tovalin-diagram\n"), std::string::npos) << entry;
}

TEST(AppStreamData, PassesTheValidatorAndLaunchesTheDesktopEntry)
{
    const auto metainfo = readFile(kResources / "example.tovalin.diagram.metainfo.xml");
    EXPECT_NE(metainfo.find("<launchable type=\"desktop-id\">tovalin-diagram.desktop</launchable>"), std::string::npos);
    if (!haveTool("appstreamcli"))
        GTEST_SKIP() << "appstreamcli is not installed";
    int status = 0;
    const auto output = runCommand("appstreamcli validate --no-net " + shellQuoted(kResources / "example.tovalin.diagram.metainfo.xml") + " 2>&1", &status);
    EXPECT_EQ(status, 0) << output;
}

class HicolorIcon : public ::testing::TestWithParam<int> {};

// A desktop trusts the folder name: an icon in 48x48 must be 48 by 48.
TEST_P(HicolorIcon, IsASquarePngOfItsSize)
{
    if (!haveTool("identify"))
        GTEST_SKIP() << "ImageMagick's identify is not installed";
    const int size = GetParam();
    const auto file = kResources / "icons" / ("tovalin-diagram-" + std::to_string(size) + ".png");
    const auto output = runCommand("identify -format '%m %wx%h' " + shellQuoted(file) + " 2>&1");
    EXPECT_EQ(output, "PNG " + std::to_string(size) + "x" + std::to_string(size));
}

INSTANTIATE_TEST_SUITE_P(Sizes, HicolorIcon, ::testing::Values(16, 32, 48, 64, 128, 256));

struct IcoImage {
    int size;
    int bitsPerPixel;
};

// The application icon's seven images in the order Windows lists them.
const std::vector<IcoImage> kIcoImages = {{48, 8}, {32, 8}, {16, 8}, {256, 32}, {48, 32}, {32, 32}, {16, 32}};

std::uint32_t littleEndian(const std::string& bytes, std::size_t at, std::size_t count)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count; ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes.at(at + i))) << (8 * i);
    return value;
}

// Reads the icon's directory and each image's own header, which is what Windows picks an image by.
TEST(WindowsIcon, HoldsSevenImagesOfTheRightSizesAndDepths)
{
    const auto ico = readFile(kResources / "tovalin-diagram.ico");
    ASSERT_GE(ico.size(), 6u);
    EXPECT_EQ(littleEndian(ico, 2, 2), 1u) << "type 1 is an icon";
    ASSERT_EQ(littleEndian(ico, 4, 2), kIcoImages.size());
    for (std::size_t i = 0; i < kIcoImages.size(); ++i) {
        SCOPED_TRACE("image " + std::to_string(i + 1));
        const std::size_t entry = 6 + 16 * i;
        const auto expected = kIcoImages[i];
        EXPECT_EQ(littleEndian(ico, entry, 1), static_cast<std::uint32_t>(expected.size % 256)) << "256 is written 0";
        EXPECT_EQ(littleEndian(ico, entry + 1, 1), static_cast<std::uint32_t>(expected.size % 256));
        EXPECT_EQ(littleEndian(ico, entry + 6, 2), static_cast<std::uint32_t>(expected.bitsPerPixel));
        const auto length = littleEndian(ico, entry + 8, 4);
        const auto offset = littleEndian(ico, entry + 12, 4);
        ASSERT_LE(std::size_t{offset} + length, ico.size());
        if (ico.compare(offset, 4, "\x89PNG") == 0) {
            EXPECT_EQ(expected.size, 256) << "only the largest image is stored as PNG";
            EXPECT_EQ(littleEndian(ico, offset + 16, 4), 0x00010000u) << "PNG width, big-endian 256";
            continue;
        }
        // A bitmap header holds twice the height: the colour image, then its transparency mask.
        EXPECT_EQ(littleEndian(ico, offset, 4), 40u);
        EXPECT_EQ(littleEndian(ico, offset + 4, 4), static_cast<std::uint32_t>(expected.size));
        EXPECT_EQ(littleEndian(ico, offset + 8, 4), static_cast<std::uint32_t>(2 * expected.size));
        EXPECT_EQ(littleEndian(ico, offset + 14, 2), static_cast<std::uint32_t>(expected.bitsPerPixel));
        const std::size_t palette = expected.bitsPerPixel == 8 ? 256 * 4 : 0;
        const std::size_t rowBytes = (expected.size * expected.bitsPerPixel / 8 + 3) / 4 * 4;
        const std::size_t maskBytes = (expected.size + 31) / 32 * 4;
        EXPECT_EQ(length, 40 + palette + expected.size * (rowBytes + maskBytes));
    }
}

TEST(WindowsIcon, IsReadByImageMagick)
{
    if (!haveTool("identify"))
        GTEST_SKIP() << "ImageMagick's identify is not installed";
    const auto output = runCommand("identify -format '%wx%h\\n' " + shellQuoted(kResources / "tovalin-diagram.ico") + " 2>&1");
    std::string expected;
    for (const auto& image : kIcoImages)
        expected += std::to_string(image.size) + "x" + std::to_string(image.size) + "\n";
    EXPECT_EQ(output, expected);
}

class WindowsResourceScript : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!haveTool("x86_64-w64-mingw32-windres"))
            GTEST_SKIP() << "x86_64-w64-mingw32-windres is not installed";
        const auto res = fs::temp_directory_path() / ("tovalin-" + std::to_string(::getpid()) + ".res");
        // The script includes no SDK header, so the host's C preprocessor serves.
        int status = 0;
        const auto errors = runCommand("cd " + shellQuoted(kResources) + " && x86_64-w64-mingw32-windres --preprocessor=cpp"
                                       " -i tovalin-diagram.rc -O res -o " + shellQuoted(res) + " 2>&1", &status);
        ASSERT_EQ(status, 0) << errors;
        // Decompiled, the resources read back as a script in windres's own spelling.
        decompiled_ = runCommand("x86_64-w64-mingw32-windres -i " + shellQuoted(res) + " -O rc 2>&1", &status);
        fs::remove(res);
        ASSERT_EQ(status, 0) << decompiled_;
    }

    std::string decompiled_;
};

TEST_F(WindowsResourceScript, VersionResourceNamesVersionOneAndTheDevelopmentRelease)
{
    EXPECT_NE(decompiled_.find(" FILEVERSION 1, 0, 0, 0\n"), std::string::npos);
    EXPECT_NE(decompiled_.find(" PRODUCTVERSION 1, 0, 0, 0\n"), std::string::npos);
    EXPECT_NE(decompiled_.find("BLOCK \"040904B0\""), std::string::npos) << "English (United States), UTF-16";
    // windres writes the code page in decimal: 1200 is 0x04B0.
    EXPECT_NE(decompiled_.find("VALUE \"Translation\", 0x409, 1200\n"), std::string::npos)
        << decompiled_.substr(decompiled_.find("VERSIONINFO"));
}

struct VersionString {
    const char* name;
    const char* value;
};

TEST_F(WindowsResourceScript, VersionStringsHoldTheirValuesAndTheOthersAreEmpty)
{
    const VersionString strings[] = {
        {"FileVersion", "1.0.0.0"},
        {"Release", "Development"},
        {"OriginalFilename", "tovalin-diagram.exe"},
        {"LongVersion", ""},
        {"PackageInfo", ""},
        {"CompanyName", ""},
        {"FileDescription", ""},
        {"ProductName", ""},
        {"ProductVersion", ""},
        {"InternalName", ""},
    };
    for (const auto& s : strings) {
        const std::string line = std::string("VALUE \"") + s.name + "\", \"" + s.value + "\"\n";
        EXPECT_NE(decompiled_.find(line), std::string::npos) << "missing " << line;
    }
}

TEST_F(WindowsResourceScript, IconGroupHoldsTheSevenImagesAndTheManifestIsTheExecutables)
{
    EXPECT_NE(decompiled_.find("Has 7 elements"), std::string::npos);
    // Each group entry: "width height colors pad", planes, bits per pixel, ...
    std::vector<std::string> entries;
    const std::regex entry(R"re("\\(\d{3})\\(\d{3})\\000\\000", 1, (\d+),)re");
    for (auto it = std::sregex_iterator(decompiled_.begin(), decompiled_.end(), entry); it != std::sregex_iterator(); ++it)
        entries.push_back(std::to_string(std::stoi((*it)[1], nullptr, 8)) + "/" + (*it)[3].str());
    EXPECT_EQ(entries, (std::vector<std::string>{"48/8", "32/8", "16/8", "0/32", "48/32", "32/32", "16/32"}));

    // Type 24 under id 1 is the manifest the loader reads for an executable.
    const auto manifest = decompiled_.find("1 24 /* RT_MANIFEST */");
    ASSERT_NE(manifest, std::string::npos);
    const auto body = decompiled_.substr(manifest);
    EXPECT_NE(body.find("level=\"\"asInvoker\"\" uiAccess=\"\"false\"\""), std::string::npos);
    EXPECT_NE(body.find("Microsoft.Windows.Common-Controls\"\" version=\"\"6.0.0.0\"\""), std::string::npos);
}

} // namespace
} // namespace shell_tests
