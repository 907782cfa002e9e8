// The factor and the place of a window on a screen too small for it.
#include <framework/screen_fit.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using fw::fit::Area;
using fw::fit::Frame;

struct ScaleCase {
    const char* name;
    std::int64_t width, height, menuBar;
    Frame frame;
    Area freeArea;
    double expected;
};

class ScaleToFit : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ScaleToFit, ShowsTheWindowWholeOrUnchanged)
{
    const auto& c = GetParam();
    EXPECT_DOUBLE_EQ(fw::fit::scaleToFit(c.width, c.height, c.menuBar, c.frame, c.freeArea), c.expected);
}

// The main window's layout is 894 x 813 below a menu bar; openbox frames it with 1 pixel on three
// sides and a title bar of 20.
constexpr Frame kOpenbox{1, 20, 1, 1};
INSTANTIATE_TEST_SUITE_P(
    Screen, ScaleToFit,
    ::testing::Values(
        ScaleCase{"full_hd_monitor_fits", 894, 813, 24, kOpenbox, {0, 0, 1920, 1080}, 1.0},
        // 768 - 20 - 1 - 24 = 723 pixels for 813 of layout.
        ScaleCase{"laptop_1366_by_768", 894, 813, 24, kOpenbox, {0, 0, 1366, 768}, 723.0 / 813},
        ScaleCase{"projector_1024_by_768", 894, 813, 24, kOpenbox, {0, 0, 1024, 768}, 723.0 / 813},
        // A panel of 32 at the top of a 1440 x 900 screen: 900 - 32 - 46 = 822 fit the 813.
        ScaleCase{"laptop_1440_by_900_with_a_panel", 894, 813, 24, kOpenbox, {0, 32, 1440, 868}, 1.0},
        // Only 840 - 2 = 838 across for 894: the width limits.
        ScaleCase{"narrow_portrait_screen", 894, 813, 24, kOpenbox, {0, 0, 840, 1280}, 838.0 / 894},
        // Exactly as high as the window with frame and menu bar: nothing changes.
        ScaleCase{"exactly_fitting", 894, 813, 24, kOpenbox, {0, 0, 896, 858}, 1.0},
        ScaleCase{"one_pixel_short", 894, 813, 24, kOpenbox, {0, 0, 896, 857}, 812.0 / 813},
        ScaleCase{"no_room_at_all", 894, 813, 24, kOpenbox, {0, 0, 40, 30}, fw::fit::kSmallestScale},
        ScaleCase{"the_about_window_on_a_projector", 545, 328, 24, kOpenbox, {0, 0, 1024, 768}, 1.0}),
    [](const auto& info) { return std::string(info.param.name); });

struct SpanCase {
    const char* name;
    std::int64_t begin, length;
    double scale;
    fw::fit::Span expected;
};

class ScaleSpan : public ::testing::TestWithParam<SpanCase> {};

TEST_P(ScaleSpan, RoundsBothEnds)
{
    const auto& c = GetParam();
    EXPECT_EQ(fw::fit::scaleSpan(c.begin, c.length, c.scale), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Layout, ScaleSpan,
    ::testing::Values(
        SpanCase{"unscaled_is_unchanged", 33, 636, 1.0, {33, 636}},
        // The canvas 33 + 636 at 0.8: 26.4 to 535.2, so 26 to 535.
        SpanCase{"canvas_at_0_8", 33, 636, 0.8, {26, 509}},
        // Two neighbours, 10 + 15 and 25 + 15 at 0.7: 7 to 17.5 and 17.5 to 28 meet at 18.
        SpanCase{"left_neighbour_ends", 10, 15, 0.7, {7, 11}},
        SpanCase{"right_neighbour_begins_there", 25, 15, 0.7, {18, 10}},
        // A record's extremes are held at 2e18, far beyond any screen, without overflowing.
        SpanCase{"extreme_record_values_are_held", INT64_MAX, INT64_MAX, 0.5, {2000000000000000000, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

struct PlaceCase {
    const char* name;
    Area frame, freeArea, expected;
};

class KeepOnScreen : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(KeepOnScreen, MovesTheFrameTheLeast)
{
    const auto& c = GetParam();
    EXPECT_EQ(fw::fit::keepOnScreen(c.frame, c.freeArea), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Screen, KeepOnScreen,
    ::testing::Values(
        PlaceCase{"inside_stays", {100, 50, 800, 700}, {0, 0, 1024, 768}, {100, 50, 800, 700}},
        // Centred on 768 a frame of 880 begins at -56: its title bar would be above the screen.
        PlaceCase{"title_bar_above_the_screen", {72, -56, 880, 700}, {0, 0, 1024, 768}, {72, 0, 880, 700}},
        PlaceCase{"below_the_screen", {72, 300, 880, 700}, {0, 0, 1024, 768}, {72, 68, 880, 700}},
        PlaceCase{"beyond_the_right_edge", {500, 10, 800, 700}, {0, 0, 1024, 768}, {224, 10, 800, 700}},
        PlaceCase{"under_a_top_panel", {0, 0, 800, 700}, {0, 32, 1366, 736}, {0, 32, 800, 700}},
        PlaceCase{"larger_than_the_screen_keeps_title_and_left_edge", {-50, -40, 1200, 900}, {0, 0, 1024, 768},
                  {0, 0, 1200, 900}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
