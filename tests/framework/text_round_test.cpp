// Rounding to whole numbers as pixel positions and the speed slider use it.
#include <framework/text.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct RoundCase {
    const char* name;
    double value;
    double expected;
};

class RoundTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundTest, RoundsHalvesAwayFromZero)
{
    EXPECT_EQ(fw::Round(GetParam().value), GetParam().expected) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Halves, RoundTest, ::testing::Values(
    RoundCase{"0.5", 0.5, 1.0},
    RoundCase{"-0.5", -0.5, -1.0},
    RoundCase{"1.5", 1.5, 2.0},
    RoundCase{"-1.5", -1.5, -2.0},
    RoundCase{"2.5, where half to even would give 2", 2.5, 3.0},
    RoundCase{"-2.5, where half to even would give -2", -2.5, -3.0},
    RoundCase{"largest double below a half, where adding 0.5 and flooring gives 1",
              std::nextafter(0.5, 0.0), 0.0},
    RoundCase{"the same below minus a half, where subtracting 0.5 and ceiling gives -1",
              std::nextafter(-0.5, 0.0), 0.0},
    RoundCase{"2^52 + 1, where adding 0.5 rounds the sum up to 2^52 + 2",
              4503599627370497.0, 4503599627370497.0},
    RoundCase{"the last half below 2^52: 2^51 + 0.5, whose sum with 0.5 is exact",
              2251799813685248.5, 2251799813685249.0}));

TEST(RoundSigns, ZerosKeepTheirSignAndNonFiniteValuesStay)
{
    EXPECT_TRUE(std::signbit(fw::Round(-0.4))) << "like every other negative value, -0.4 rounds to -0";
    EXPECT_FALSE(std::signbit(fw::Round(0.4)));
    EXPECT_EQ(fw::Round(INFINITY), INFINITY);
    EXPECT_EQ(fw::Round(-INFINITY), -INFINITY);
    EXPECT_TRUE(std::isnan(fw::Round(NAN)));
}

// Slider positions for typed speeds: Round(20 + 19 v).
INSTANTIATE_TEST_SUITE_P(SpeedSlider, RoundTest, ::testing::Values(
    RoundCase{"typed 0.6 puts the slider at 31", 20 + 19 * 0.6, 31.0},
    RoundCase{"typed 0.99 puts the slider at 39", 20 + 19 * 0.99, 39.0},
    RoundCase{"typed -0.99 puts the slider at 1", 20 + 19 * -0.99, 1.0}));

// The foot of the perpendicular for the click 72 right and 72 above at speed 0.6: a = 14.4.
INSTANTIATE_TEST_SUITE_P(PixelPositions, RoundTest, ::testing::Values(
    RoundCase{"a times c", 14.4 * 0.8, 12.0},
    RoundCase{"a times s", 14.4 * 0.6, 9.0},
    RoundCase{"distance from the meeting point to the foot", std::sqrt(60.0 * 60 + 81.0 * 81), 101.0}));

} // namespace
