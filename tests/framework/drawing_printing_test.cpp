// Page setup and printing through the dialogs' stand-ins, into PDF files.
#include <framework/printing.h>
#include <framework/testing.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <regex>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Page objects are "/Type /Page"; the page tree is "/Type /Pages".
int pageCount(const std::string& pdf)
{
    static const std::regex page(R"(/Type\s*/Page(?![a-zA-Z]))");
    return static_cast<int>(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

// Width over height of the first page's media box.
double pageAspect(const std::string& pdf)
{
    static const std::regex box(R"(/MediaBox\s*\[\s*([-0-9.]+)\s+([-0-9.]+)\s+([-0-9.]+)\s+([-0-9.]+)\s*\])");
    std::smatch m;
    if (!std::regex_search(pdf, m, box))
        return 0;
    return (std::stod(m[3]) - std::stod(m[1])) / (std::stod(m[4]) - std::stod(m[2]));
}

class Printing : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::random_device random;
        folder = fs::temp_directory_path() / ("tovalin-printing-" + std::to_string(random()));
        fs::create_directories(folder);
    }
    void TearDown() override
    {
        fw::setPrintDialogs({});
        fs::remove_all(folder);
    }
    // The print dialog answers with a PDF file in the test folder, noting which setup it got.
    void printIntoPdf()
    {
        fw::setPrintDialogs({nullptr, [this](const fw::PrinterSetup* setup) {
                                 shownSetup = setup;
                                 ++printDialogsShown;
                                 return std::optional<fs::path>(folder / "page.pdf");
                             }});
    }
    std::string printOnePage(fw::PrinterSetup* setup)
    {
        printIntoPdf();
        auto page = fw::OpenPrinterDialog(setup, nullptr, 636, 553);
        EXPECT_NE(page, nullptr);
        if (!page)
            return {};
        page->setPenSize(2);
        page->DrawLine(300, -600, 300, 1400);
        page->DrawString("Time", 303, 8);
        page.reset();
        return contents(folder / "page.pdf");
    }

    fs::path folder;
    const fw::PrinterSetup* shownSetup = nullptr;
    int printDialogsShown = 0;
};

TEST_F(Printing, OnePageGoesIntoThePdfWhenTheSurfaceIsReleased)
{
    const std::string pdf = printOnePage(nullptr);
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    EXPECT_NE(pdf.find("%%EOF"), std::string::npos);
    EXPECT_EQ(pageCount(pdf), 1);
    EXPECT_EQ(printDialogsShown, 1);
    EXPECT_EQ(shownSetup, nullptr);
}

TEST_F(Printing, CancelledPrintGivesNoSurfaceAndNoFile)
{
    fw::setPrintDialogs({nullptr, [](const fw::PrinterSetup*) { return std::optional<fs::path>(); }});
    EXPECT_EQ(fw::OpenPrinterDialog(nullptr, nullptr, 636, 553), nullptr);
    EXPECT_TRUE(fs::is_empty(folder));
}

// A test that sets no stand-in must never wait on a modal dialog nobody answers.
TEST_F(Printing, WithoutStandInsBothDialogsAreCancelled)
{
    fw::setPrintDialogs({});
    fw::PrinterSetup setup;
    setup.setLandscape(true);
    const std::string before = setup.Settings();
    EXPECT_FALSE(setup.PageSetupDialog());
    EXPECT_EQ(setup.Settings(), before);
    EXPECT_EQ(fw::OpenPrinterDialog(&setup, nullptr, 636, 553), nullptr);
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(Printing, AConfirmedSetupShapesThePrintedPage)
{
    fw::PrinterSetup setup;
    fw::setPrintDialogs({[](fw::PrinterSetup& choice) {
                             choice.setLandscape(true);
                             return true;
                         },
                         nullptr});
    ASSERT_TRUE(setup.PageSetupDialog());
    const std::string pdf = printOnePage(&setup);
    EXPECT_EQ(shownSetup, &setup);
    EXPECT_GT(pageAspect(pdf), 1.0) << "landscape page expected";
}

TEST_F(Printing, TheDefaultSetupPrintsUpright)
{
    EXPECT_LT(pageAspect(printOnePage(nullptr)), 1.0);
}

struct PageSetupCase {
    const char* name;
    bool earlierConfirmedLandscape; // a page setup confirmed before this one
    bool choiceLandscape;
    bool confirm;
    bool expectLandscape;
};

class PageSetup : public ::testing::TestWithParam<PageSetupCase> {
protected:
    void TearDown() override { fw::setPrintDialogs({}); }
};

TEST_P(PageSetup, ChoicesStayOnlyWhenConfirmed)
{
    const auto& c = GetParam();
    fw::PrinterSetup setup;
    if (c.earlierConfirmedLandscape)
        setup.setLandscape(true);
    const std::string before = setup.Settings();
    fw::setPrintDialogs({[&c](fw::PrinterSetup& choice) {
                             choice.setLandscape(c.choiceLandscape);
                             return c.confirm;
                         },
                         nullptr});
    EXPECT_EQ(setup.PageSetupDialog(), c.confirm);
    EXPECT_EQ(setup.Landscape(), c.expectLandscape);
    if (!c.confirm) {
        EXPECT_EQ(setup.Settings(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dialog, PageSetup,
    ::testing::Values(PageSetupCase{"ConfirmedLandscapeIsKept", false, true, true, true},
                      PageSetupCase{"CancelledLandscapeLeavesPortrait", false, true, false, false},
                      PageSetupCase{"CancelAfterAConfirmedSetupKeepsIt", true, false, false, true},
                      PageSetupCase{"ConfirmedPortraitReplacesLandscape", true, false, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrinterSettings, DescribePaperOrientationAndMargins)
{
    fw::PrinterSetup setup;
    EXPECT_NE(setup.Settings().find("portrait"), std::string::npos) << setup.Settings();
    setup.setLandscape(true);
    EXPECT_NE(setup.Settings().find("landscape"), std::string::npos) << setup.Settings();
    EXPECT_NE(setup.Settings().find("mm"), std::string::npos);
}

} // namespace
