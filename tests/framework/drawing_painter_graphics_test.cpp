// Drawing onto an offscreen image: pixels where the primitives and the surface state put them.
#include <framework/image.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using Pixel = std::pair<int, int>;
constexpr fw::Color kWhite = fw::RGB(255, 255, 255);

std::string where(const Pixel& p)
{
    return "(" + std::to_string(p.first) + ", " + std::to_string(p.second) + ")";
}

// The rows of the image that hold any ink.
std::pair<int, int> inkedRows(const fw::Image& image)
{
    int top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kWhite) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return {top, bottom};
}

struct ShapeCase {
    const char* name;
    std::function<void(fw::Graphics&)> draw;
    fw::Color color;         // the exact colour of every inked pixel
    std::vector<Pixel> inked;
    std::vector<Pixel> blank;
};

class ShapePixels : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(ShapePixels, InkWhereTheShapeLiesAndNowhereNear)
{
    const auto& c = GetParam();
    fw::Image image(60, 60);
    {
        auto g = image.newGraphics();
        c.draw(*g);
    }
    for (const auto& p : c.inked)
        EXPECT_EQ(image.pixel(p.first, p.second), c.color) << "expected ink at " << where(p);
    for (const auto& p : c.blank)
        EXPECT_EQ(image.pixel(p.first, p.second), kWhite) << "expected white at " << where(p);
}

// Lines are aliased with square caps: a pen of p covers the end points and reaches at most p/2
// beyond them; an even pen straddles the line's coordinate (pen 2 at y = 10 covers rows 9 and 10).
INSTANTIATE_TEST_SUITE_P(
    Primitives, ShapePixels,
    ::testing::Values(
        ShapeCase{"PenOneHorizontalLineCoversBothEnds",
                  [](fw::Graphics& g) { g.DrawLine(5, 5, 15, 5); }, fw::RGB(0, 0, 0),
                  {{5, 5}, {10, 5}, {15, 5}}, {{4, 5}, {16, 5}, {10, 4}, {10, 6}}},
        ShapeCase{"PenOneDiagonalLineRunsCornerToCorner",
                  [](fw::Graphics& g) { g.DrawLine(25, 5, 35, 15); }, fw::RGB(0, 0, 0),
                  {{25, 5}, {30, 10}, {35, 15}}, {{24, 4}, {36, 16}, {30, 11}}},
        ShapeCase{"PenTwoHorizontalLineIsTwoRowsThick",
                  [](fw::Graphics& g) { g.setPenSize(2); g.DrawLine(5, 10, 15, 10); }, fw::RGB(0, 0, 0),
                  {{5, 9}, {5, 10}, {10, 9}, {10, 10}, {15, 9}, {15, 10}},
                  {{10, 8}, {10, 11}, {3, 10}, {17, 10}}},
        ShapeCase{"PenTwoVerticalLineIsTwoColumnsThick",
                  [](fw::Graphics& g) { g.setPenSize(2); g.DrawLine(20, 5, 20, 15); }, fw::RGB(0, 0, 0),
                  {{19, 5}, {20, 5}, {19, 10}, {20, 10}, {20, 15}}, {{18, 10}, {21, 10}, {20, 3}, {20, 17}}},
        ShapeCase{"LineInTheDrawingColour",
                  [](fw::Graphics& g) { g.setDrawingColor(fw::RGB(255, 0, 0)); g.DrawLine(5, 30, 50, 30); },
                  fw::RGB(255, 0, 0), {{5, 30}, {27, 30}, {50, 30}}, {{27, 29}, {27, 31}}},
        ShapeCase{"FilledRectCoversItsBoxOnly",
                  [](fw::Graphics& g) { g.setDrawingColor(fw::RGB(0, 128, 0)); g.FillRect(5, 20, 4, 3); },
                  fw::RGB(0, 128, 0), {{5, 20}, {8, 20}, {5, 22}, {8, 22}},
                  {{4, 20}, {9, 20}, {5, 19}, {5, 23}}},
        // A circle in the box (20, 20, 21, 21): the outline touches the middle of each side
        // and leaves the corners and the centre white.
        ShapeCase{"OvalIsTheOutlineInsideItsBox",
                  [](fw::Graphics& g) { g.setDrawingColor(fw::RGB(0, 0, 255)); g.DrawOval(20, 20, 21, 21); },
                  fw::RGB(0, 0, 255), {{30, 20}, {20, 30}, {40, 30}, {30, 40}},
                  {{30, 19}, {19, 30}, {41, 30}, {30, 41}, {30, 30}, {30, 22}, {20, 20}, {40, 40}}},
        ShapeCase{"PenTwoOvalIsTwoPixelsThickInsideItsBox",
                  [](fw::Graphics& g) { g.setPenSize(2); g.DrawOval(20, 20, 21, 21); }, fw::RGB(0, 0, 0),
                  {{30, 20}, {30, 21}, {20, 30}, {21, 30}}, {{30, 19}, {19, 30}, {30, 23}, {30, 30}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Surface, StateSetOnceStaysForLaterCalls)
{
    fw::Image image(40, 40);
    {
        auto g = image.newGraphics();
        g->setDrawingColor(fw::RGB(255, 0, 0));
        g->setPenSize(2);
        g->DrawLine(5, 5, 30, 5);
        // Text uses the painter's pen for its colour; the next line must still get the 2 px pen.
        g->DrawString("T", 5, 25);
        g->DrawLine(5, 35, 30, 35);
    }
    for (int row : {34, 35})
        EXPECT_EQ(image.pixel(15, row), fw::RGB(255, 0, 0)) << "row " << row;
    EXPECT_EQ(image.pixel(15, 33), kWhite);
    EXPECT_EQ(image.pixel(15, 36), kWhite);
}

TEST(Surface, FreshImageIsWhite)
{
    fw::Image image(7, 5);
    EXPECT_EQ(image.width(), 7);
    EXPECT_EQ(image.height(), 5);
    for (const Pixel& p : std::vector<Pixel>{{0, 0}, {6, 0}, {3, 2}, {0, 4}, {6, 4}})
        EXPECT_EQ(image.pixel(p.first, p.second), kWhite) << where(p);
}

TEST(Surface, ReadingOutsideTheImageRaisesRatherThanLookingInked)
{
    fw::Image image(10, 10);
    EXPECT_THROW(image.pixel(10, 0), std::out_of_range);
    EXPECT_THROW(image.pixel(0, -1), std::out_of_range);
}

TEST(Surface, ASecondSurfaceDrawsAfterTheFirstIsReleased)
{
    fw::Image image(20, 20);
    image.newGraphics()->DrawLine(2, 2, 17, 2);
    image.newGraphics()->DrawLine(2, 12, 17, 12);
    EXPECT_EQ(image.pixel(10, 2), fw::RGB(0, 0, 0));
    EXPECT_EQ(image.pixel(10, 12), fw::RGB(0, 0, 0));
}

struct TextCase {
    const char* name;
    const char* font;
    float size;
    double baseline;
};

class TextPlacement : public ::testing::TestWithParam<TextCase> {};

// The text sits on its baseline: all its ink lies between y - size and the baseline row.
TEST_P(TextPlacement, InkSitsOnTheBaselineWithinTheFontSize)
{
    const auto& c = GetParam();
    fw::Image image(120, 60);
    {
        auto g = image.newGraphics();
        g->setFontName(c.font);
        g->setFontSize(c.size);
        g->DrawString("Time", 10, c.baseline);
    }
    const double size = c.size > 0 ? c.size : 12; // a size of 0 draws at 12 px
    const auto [top, bottom] = inkedRows(image);
    ASSERT_GE(bottom, 0) << "no ink at all";
    EXPECT_GE(top, c.baseline - size);
    EXPECT_LE(bottom, c.baseline);
    EXPECT_GE(bottom, c.baseline - 2) << "the letters should reach down to the baseline";
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, TextPlacement,
    ::testing::Values(TextCase{"AxisNameNearTheTopEdge", "Arial", 10, 8},
                      TextCase{"AxisNameInTheMiddle", "Arial", 10, 30},
                      TextCase{"LargeArial", "Arial", 24, 40},
                      TextCase{"SystemFontAtItsDefaultSize", "System", 0, 30}),
    [](const auto& info) { return std::string(info.param.name); });

std::unique_ptr<fw::Image> textImage(const char* font, float size, const char* text = "Time", double wrap = 0)
{
    auto image = std::make_unique<fw::Image>(120, 80);
    auto g = image->newGraphics();
    g->setFontName(font);
    g->setFontSize(size);
    g->DrawString(text, 4, 20, wrap);
    return image;
}

bool sameImage(const fw::Image& a, const fw::Image& b)
{
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return false;
    return true;
}

TEST(Text, SizeZeroIsTheDefaultTwelvePixels)
{
    EXPECT_TRUE(sameImage(*textImage("System", 0), *textImage("System", 12)));
    EXPECT_FALSE(sameImage(*textImage("System", 0), *textImage("System", 16)));
}

TEST(Text, FontSizeSetsTheHeightOfTheLetters)
{
    const auto small = inkedRows(*textImage("Arial", 10));
    const auto large = inkedRows(*textImage("Arial", 20));
    EXPECT_GT(large.second - large.first, small.second - small.first + 4);
}

TEST(Text, InkIsInTheDrawingColour)
{
    fw::Image image(60, 30);
    {
        auto g = image.newGraphics();
        g->setDrawingColor(fw::RGB(0, 0, 255));
        g->setFontSize(16);
        g->DrawString("TIME", 2, 20);
    }
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const fw::Color p = image.pixel(x, y);
            if (p == kWhite)
                continue;
            ++inked;
            EXPECT_EQ(fw::blueOf(p), 255) << "smoothing blends blue into white only";
            EXPECT_EQ(fw::redOf(p), fw::greenOf(p));
        }
    EXPECT_GT(inked, 10);
}

TEST(Text, WrapWidthZeroKeepsOneLineAndAWrapWidthBreaksIt)
{
    const char* text = "Time and Space and Time";
    const auto oneLine = inkedRows(*textImage("Arial", 10, text));
    EXPECT_LE(oneLine.second, 22);
    const auto wrapped = inkedRows(*textImage("Arial", 10, text, 40));
    EXPECT_GT(wrapped.second, 28) << "a 40 px wrap width should need more than one line";
    EXPECT_GE(wrapped.first, 10) << "the first line still sits on the baseline";
}

} // namespace
