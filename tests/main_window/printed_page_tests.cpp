// The printed page shows the diagram the canvas shows, at one canvas pixel per 1/96 inch.
#include "child_process.h"
#include "main_window_fixture.h"

#include <framework/color.h>
#include <framework/image.h>
#include <framework/printing.h>

#include <QRgb>
#include <QImage>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

bool dark(QRgb c)
{
    return qRed(c) < 80 && qGreen(c) < 80 && qBlue(c) < 80;
}

// The column and the row with the most dark pixels: on the page, the black upright time axis and
// the black level space axis, both drawn across the whole diagram.
std::optional<QPoint> blackAxesCrossing(const QImage& page)
{
    int bestColumn = -1, bestColumnCount = 0, bestRow = -1, bestRowCount = 0;
    for (int x = 0; x < page.width(); ++x) {
        int count = 0;
        for (int y = 0; y < page.height(); ++y)
            count += dark(page.pixel(x, y));
        if (count > bestColumnCount)
            bestColumn = x, bestColumnCount = count;
    }
    for (int y = 0; y < page.height(); ++y) {
        int count = 0;
        for (int x = 0; x < page.width(); ++x)
            count += dark(page.pixel(x, y));
        if (count > bestRowCount)
            bestRow = y, bestRowCount = count;
    }
    if (bestColumn < 0 || bestRow < 0)
        return std::nullopt;
    return QPoint(bestColumn, bestRow);
}

bool inked(QRgb c)
{
    return qRed(c) < 250 || qGreen(c) < 250 || qBlue(c) < 250;
}

// The smallest rectangle that holds every inked pixel of the page.
QRect inkBounds(const QImage& page)
{
    QRect bounds;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (inked(page.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

class PrintedPageTest : public MainWindowTest {
protected:
    void TearDown() override
    {
        fs::remove_all(folder);
        MainWindowTest::TearDown();
    }

    // Prints through the "Print ..." button with both dialogs confirmed, the page setup choosing the
    // page when given, and rasterises the page at 96 dots per inch, so that one canvas pixel is one
    // pixel of the page.
    QImage printAndRasterise(std::optional<fw::testing::PageChoice> page = std::nullopt)
    {
        fs::create_directories(folder);
        const fs::path pdf = folder / "page.pdf";
        fw::setPrintDialogs({[page](fw::PrinterSetup& choice) {
                                 if (page)
                                     fw::testing::choosePage(choice, *page);
                                 return true;
                             },
                             [pdf](const fw::PrinterSetup*) -> std::optional<fs::path> { return pdf; }});
        fw::testing::click(*window->PushButton6());
        int status = 0;
        shell_tests::runCommand("pdftoppm -r 96 -png -singlefile " + shell_tests::shellQuoted(pdf) + " "
                                    + shell_tests::shellQuoted(folder / "page"),
                                &status);
        if (status != 0)
            return {};
        return QImage(QString::fromStdString((folder / "page.png").string())).convertToFormat(QImage::Format_RGB32);
    }

    fs::path folder = fs::temp_directory_path() / ("tovalin-printed-page-" + std::to_string(::getpid()));
};

TEST_F(PrintedPageTest, ThePageShowsTheCanvasDiagramUnscaled)
{
    if (!shell_tests::haveTool("pdftoppm"))
        GTEST_SKIP() << "pdftoppm is not installed";
    // The busiest diagram: both rods with traces and shadows, and the meeting construction.
    for (auto box : {window->CheckBox1(), window->CheckBox2(), window->CheckBox3(), window->CheckBox4(),
                     window->CheckBox5(), window->CheckBox6()})
        box->setValue(true);
    fw::testing::mousePress(*window->Canvas1(), 372, 328);
    fw::testing::mouseRelease(*window->Canvas1(), 372, 328);
    paint();
    auto canvas = fw::testing::renderControl(*window->Canvas1());

    const QImage page = printAndRasterise();
    ASSERT_FALSE(page.isNull()) << "the printed PDF could not be rasterised";
    const auto crossing = blackAxesCrossing(page);
    ASSERT_TRUE(crossing);
    // The axes cross at the origin handle, (300, 400) in canvas pixels.
    const QPoint topLeft = *crossing - QPoint(300, 400);
    ASSERT_GE(topLeft.x(), 1);
    ASSERT_GE(topLeft.y(), 1);
    ASSERT_LT(topLeft.x() + canvas->width(), page.width()) << "the diagram is not at its canvas size";
    ASSERT_LT(topLeft.y() + canvas->height(), page.height()) << "the diagram is not at its canvas size";

    // Nearly every inked pixel of each is matched in the other, allowing one pixel for the
    // rasteriser's smoothing of text and line edges (a pixel matches when the other image has a
    // pixel of its colour at most one pixel away). A page drawn 5% too large leaves a third unmatched.
    auto canvasAt = [&](int x, int y) {
        const fw::Color c = canvas->pixel(x, y);
        return qRgb(fw::redOf(c), fw::greenOf(c), fw::blueOf(c));
    };
    auto pageAt = [&](int x, int y) { return page.pixel(topLeft.x() + x, topLeft.y() + y); };
    auto close = [](QRgb a, QRgb b) {
        return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                         std::abs(qBlue(a) - qBlue(b))})
            <= 96;
    };
    auto unmatchedInk = [&](auto from, auto in, long& ink) {
        long unmatched = 0;
        for (int y = 1; y + 1 < canvas->height(); ++y)
            for (int x = 1; x + 1 < canvas->width(); ++x) {
                const QRgb c = from(x, y);
                if (close(c, qRgb(255, 255, 255)))
                    continue;
                ++ink;
                bool matched = false;
                for (int dy = -1; dy <= 1 && !matched; ++dy)
                    for (int dx = -1; dx <= 1 && !matched; ++dx)
                        matched = close(c, in(x + dx, y + dy));
                unmatched += !matched;
            }
        return unmatched;
    };
    long canvasInk = 0, pageInk = 0;
    const long missingOnPage = unmatchedInk(canvasAt, pageAt, canvasInk);
    const long extraOnPage = unmatchedInk(pageAt, canvasAt, pageInk);
    EXPECT_LT(missingOnPage, canvasInk / 10) << missingOnPage << " of " << canvasInk << " inked canvas pixels";
    EXPECT_LT(extraOnPage, pageInk / 10) << extraOnPage << " of " << pageInk << " inked page pixels";

    // The red time axis, 100 px up its tilt of 0.6 from the origin, is red in both.
    const QRgb printedAxis = page.pixel(topLeft.x() + 360, topLeft.y() + 320);
    EXPECT_EQ(canvas->pixel(360, 320), fw::RGB(255, 0, 0));
    EXPECT_GT(qRed(printedAxis), 200);
    EXPECT_LT(qGreen(printedAxis), 80);
    EXPECT_LT(qBlue(printedAxis), 80);
}

using Paper = fw::testing::PageChoice::Paper;

struct PageCase {
    const char* name;
    fw::testing::PageChoice page;
    double paperWidthMm, paperHeightMm; // as the paper lies: A4 210 x 297, Letter 8.5 x 11 in
};

class PrintedPageOnPaper : public PrintedPageTest, public ::testing::WithParamInterface<PageCase> {};

// The margins differ on every side, so a drawing centred on the paper instead of in the printable
// area, or placed from a corner, misses by millimetres.
TEST_P(PrintedPageOnPaper, ShowsOnlyTheCanvasAreaInTheMiddleOfThePrintableArea)
{
    if (!shell_tests::haveTool("pdftoppm"))
        GTEST_SKIP() << "pdftoppm is not installed";
    const PageCase& c = GetParam();
    // The meeting construction and both rods with traces and shadows reach far beyond the canvas.
    for (auto box : {window->CheckBox1(), window->CheckBox2(), window->CheckBox3(), window->CheckBox4(),
                     window->CheckBox5(), window->CheckBox6()})
        box->setValue(true);
    fw::testing::mousePress(*window->Canvas1(), 40, 60);
    fw::testing::mouseRelease(*window->Canvas1(), 40, 60);

    const QImage page = printAndRasterise(c.page);
    ASSERT_FALSE(page.isNull()) << "the printed PDF could not be rasterised";
    constexpr double kPixelsPerMm = 96.0 / 25.4;
    EXPECT_NEAR(page.width(), c.paperWidthMm * kPixelsPerMm, 1.0);
    EXPECT_NEAR(page.height(), c.paperHeightMm * kPixelsPerMm, 1.0);

    // The canvas's 636 x 553 pixels in the middle of the paper inside its margins.
    const double printableLeft = c.page.leftMm * kPixelsPerMm, printableTop = c.page.topMm * kPixelsPerMm;
    const double printableWidth = (c.paperWidthMm - c.page.leftMm - c.page.rightMm) * kPixelsPerMm;
    const double printableHeight = (c.paperHeightMm - c.page.topMm - c.page.bottomMm) * kPixelsPerMm;
    const double areaLeft = printableLeft + (printableWidth - 636) / 2;
    const double areaTop = printableTop + (printableHeight - 553) / 2;

    // All ink lies in the area and its one-pixel frame, which the ink therefore fills exactly. The
    // PDF holds the page and its margins in whole points, and the rasteriser puts a thin line on
    // whole pixels: together they move an edge by up to a pixel and a half.
    const QRect ink = inkBounds(page);
    constexpr double kRasterSlack = 1.5;
    EXPECT_NEAR(ink.left(), areaLeft - 1, kRasterSlack);
    EXPECT_NEAR(ink.top(), areaTop - 1, kRasterSlack);
    EXPECT_NEAR(ink.right(), areaLeft + 636, kRasterSlack);
    EXPECT_NEAR(ink.bottom(), areaTop + 553, kRasterSlack);

    // The black axes cross at the origin handle, (300, 400) of the canvas; the axes are two pixels
    // wide, so either of their columns and rows may be the darkest.
    const auto crossing = blackAxesCrossing(page);
    ASSERT_TRUE(crossing);
    EXPECT_NEAR(crossing->x(), areaLeft + 300, kRasterSlack + 1);
    EXPECT_NEAR(crossing->y(), areaTop + 400, kRasterSlack + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Paper, PrintedPageOnPaper,
    ::testing::Values(PageCase{"A4Portrait", {Paper::A4, false, 30, 20, 10, 40}, 210, 297},
                      PageCase{"A4Landscape", {Paper::A4, true, 12, 25, 35, 8}, 297, 210},
                      PageCase{"LetterPortrait", {Paper::Letter, false, 6, 40, 25, 15}, 215.9, 279.4},
                      PageCase{"LetterLandscape", {Paper::Letter, true, 40, 10, 5, 30}, 279.4, 215.9}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
