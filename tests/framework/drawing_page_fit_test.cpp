// Where a canvas's drawing lies on the printable area of a page.
#include <framework/page_fit.h>

#include <gtest/gtest.h>

#include <string>

namespace {

struct PlacementCase {
    const char* name;
    double drawingWidth, drawingHeight;
    double printableWidth, printableHeight, dotsPerInch;
    fw::page::Placement expected;
};

class PagePlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PagePlacement, CentresTheDrawingAtItsCanvasScale)
{
    const auto& c = GetParam();
    const auto at = fw::page::placeDrawing(c.drawingWidth, c.drawingHeight, c.printableWidth, c.printableHeight,
                                           c.dotsPerInch);
    EXPECT_DOUBLE_EQ(at.left, c.expected.left);
    EXPECT_DOUBLE_EQ(at.top, c.expected.top);
    EXPECT_DOUBLE_EQ(at.dotsPerPixel, c.expected.dotsPerPixel);
}

// The canvas is 636 x 553 pixels; at 96 per inch that is 6.625 x 5.760 inches.
INSTANTIATE_TEST_SUITE_P(
    Page, PagePlacement,
    ::testing::Values(
        // 8 x 10 inches printable at 72 dpi: 576 x 720 dots; the drawing 477 x 414.75 dots.
        PlacementCase{"canvas_on_8_by_10_inches_at_72_dpi", 636, 553, 576, 720, 72, {49.5, 152.625, 0.75}},
        // The same area at 1200 dpi: 9600 x 12000 dots; the drawing 7950 x 6912.5 dots.
        PlacementCase{"canvas_on_8_by_10_inches_at_1200_dpi", 636, 553, 9600, 12000, 1200, {825, 2543.75, 12.5}},
        // Landscape: 10 x 8 inches at 96 dpi, the drawing at one dot per pixel.
        PlacementCase{"canvas_on_10_by_8_inches_at_96_dpi", 636, 553, 960, 768, 96, {162, 107.5, 1}},
        // A drawing exactly as large as the area fills it.
        PlacementCase{"area_the_size_of_the_canvas", 636, 553, 636, 553, 96, {0, 0, 1}},
        // 4 x 3 inches at 96 dpi, 384 x 288 dots: too small for the canvas. The height limits it to
        // 288 / 553 dots per pixel, and its 331.2 dots of width lie in the middle.
        PlacementCase{"area_narrower_and_lower_than_the_canvas", 636, 553, 384, 288, 96,
                      {(384 - 636 * (288.0 / 553)) / 2, 0, 288.0 / 553}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
