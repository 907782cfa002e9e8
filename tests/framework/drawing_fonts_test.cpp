// Which family the toolkit really draws with, and the fonts a program brings in its resources.
#include <framework/fonts.h>
#include <framework/picture.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

bool hasArialMetrics(const std::string& family)
{
    return family == "Arial" || family == "Liberation Sans";
}

TEST(FontResolution, TheSystemFontIsInstalledUnderItsOwnName)
{
    const fw::FontResolution resolved = fw::ResolveFontFamily(fw::kSystemFontFamily);
    EXPECT_EQ(resolved.family, fw::kSystemFontFamily);
    EXPECT_EQ(resolved.warning, "");
}

// The diagram's labels ask for "Arial": on Linux a font with its metrics stands in.
TEST(FontResolution, TheDiagramsArialHasArialsMetrics)
{
    EXPECT_TRUE(hasArialMetrics(fw::ResolveFontFamily("Arial").family)) << fw::ResolveFontFamily("Arial").family;
}

// A missing family is not quietly replaced: the warning names it, and Arial's metrics stand in.
TEST(FontResolution, AMissingFamilyIsNamedInAWarningAndArialsMetricsStandIn)
{
    const fw::FontResolution resolved = fw::ResolveFontFamily("Tovalin Missing Sans");
    EXPECT_TRUE(hasArialMetrics(resolved.family)) << resolved.family;
    EXPECT_NE(resolved.warning.find("\"Tovalin Missing Sans\" is not installed"), std::string::npos) << resolved.warning;
}

// Two resource folders, as an installed program has; a package for a system without the font
// puts it into one of them.
class ResourceFonts : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = fs::temp_directory_path() / ("tovalin-fonts-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "first");
        fs::create_directories(root_ / "second/fonts");
        fw::SetResourceFolders({root_ / "first", root_ / "second"});
    }
    void TearDown() override
    {
        fw::SetResourceFolders({});
        fs::remove_all(root_);
    }
    fs::path root_;
};

TEST_F(ResourceFonts, TrueTypeFilesInTheFontsFolderAreRegistered)
{
    fs::copy_file(TOVALIN_TEST_LIBERATION_SANS, root_ / "second/fonts/Shipped.TTF");
    std::ofstream(root_ / "second/fonts/notes.txt") << "not a font";
    EXPECT_EQ(fw::RegisterResourceFonts(), std::vector<std::string>{"Liberation Sans"});
}

TEST_F(ResourceFonts, NoFontsFolderRegistersNothing)
{
    EXPECT_TRUE(fw::RegisterResourceFonts().empty());
}

} // namespace
