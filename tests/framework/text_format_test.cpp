// Number masks as the read-outs and the time label use them.
#include <framework/text.h>

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

namespace {

struct FormatCase {
    const char* name;
    double value;
    const char* mask;
    const char* expected;
};

class FormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, WritesTheMaskedText)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(fw::Format(c.value, c.mask), c.expected) << c.name;
}

// Values of the read-outs at the start units (3 m, 10 ns) for the click 72 right and 72 above the
// origin at speed 0.6: 3, 14, 10 and 0.6 in the panel.
INSTANTIATE_TEST_SUITE_P(ReadOuts, FormatTest, ::testing::Values(
    FormatCase{"x-coordinate, one grid unit of 3 m", 3.0 * 72 / 72, "-##.00", "3.00"},
    FormatCase{"my clocks, t = 100.8 pixels of 10 ns", 10.0 * 100.8 / 72, "-##.00", "14.00"},
    FormatCase{"other clock's position, a = 14.4 pixels of 3 m", 3.0 * 14.4 / 72, "-##.00", "0.60"},
    FormatCase{"negative value below one keeps its leading zero", -0.6, "-##.00", "-0.60"},
    FormatCase{"a value rounding to zero shows no minus sign", -0.001, "-##.00", "0.00"},
    FormatCase{"negative zero shows no minus sign", -0.0, "-##.00", "0.00"},
    FormatCase{"-0.005 is stored just above the half and rounds away", -0.005, "-##.00", "-0.01"},
    FormatCase{"3000 km per grid unit, dx near 600 pixels", 3000.0 * 600 / 72, "-##.00", "25000.00"},
    FormatCase{"99.995 is stored above the half and carries into a third digit", 99.995, "-##.00", "100.00"}));

INSTANTIATE_TEST_SUITE_P(TimeLabel, FormatTest, ::testing::Values(
    FormatCase{"time slider at 500: time 0", 0.0, "-###.00", "0.00"},
    FormatCase{"time slider at 0, 10 ms per grid unit", -500.0 / 72 * 10, "-###.00", "-69.44"},
    FormatCase{"time slider at 1000, 100 ns per grid unit", 500.0 / 72 * 100, "-###.00", "694.44"},
    FormatCase{"start time, one grid unit of 10 ns", 72.0 / 72 * 10, "-###.00", "10.00"}));

// Exact halves round away from zero (half to even would give 0.62, 2 and -2); decimal texts that
// are stored below the half round down (the stored values were checked with exact decimal
// expansions).
INSTANTIATE_TEST_SUITE_P(Rounding, FormatTest, ::testing::Values(
    FormatCase{"0.125 is an exact half", 0.125, "-##.00", "0.13"},
    FormatCase{"0.625 is an exact half", 0.625, "-##.00", "0.63"},
    FormatCase{"-0.625 is an exact half", -0.625, "-##.00", "-0.63"},
    FormatCase{"2.5 to whole numbers", 2.5, "-#", "3"},
    FormatCase{"-2.5 to whole numbers", -2.5, "-#", "-3"},
    FormatCase{"2.675 is stored as 2.67499999...", 2.675, "-##.00", "2.67"},
    FormatCase{"1.005 is stored as 1.00499999...", 1.005, "-##.00", "1.00"},
    FormatCase{"0.285 is stored as 0.28499999...", 0.285, "-##.00", "0.28"},
    FormatCase{"9.995 is stored as 9.99499999...", 9.995, "-##.00", "9.99"},
    FormatCase{"carry through every nine", 999.996, "-##.00", "1000.00"},
    FormatCase{"the largest double keeps all its digits",
               DBL_MAX, "-##.00",
               "179769313486231570814527423731704356798070567525844996598917476803157260780028538760589558"
               "632766878171540458953514382464234321326889464182768467546703537516986049910576551282076245"
               "490090389328944075868508455133942304583236903222948165808559332123348274797826204144723168"
               "738177180919299881250404026184124858368.00"},
    FormatCase{"the smallest subnormal rounds to zero", -std::numeric_limits<double>::denorm_min(), "-##.00", "0.00"}));

INSTANTIATE_TEST_SUITE_P(Masks, FormatTest, ::testing::Values(
    FormatCase{"zeros before the point fill their places", 5.25, "0000.0", "0005.3"},
    FormatCase{"a '#' before the first '0' stays optional", 5.0, "#0.00", "5.00"},
    FormatCase{"'#' after the point still fixes a decimal", 0.5, "-#.##", "0.50"},
    FormatCase{"a mask without '-' shows no sign", -1.5, "##.00", "1.50"},
    FormatCase{"a mask without point shows no decimals", 12.5, "-###", "13"},
    FormatCase{"characters around the field stand as they are", -0.6, "(-##.00 m)", "(-0.60 m)"}));

INSTANTIATE_TEST_SUITE_P(NotANumber, FormatTest, ::testing::Values(
    FormatCase{"NaN", std::nan(""), "-##.00", "nan"},
    FormatCase{"positive infinity", HUGE_VAL, "-##.00", "inf"},
    FormatCase{"negative infinity", -HUGE_VAL, "-###.00", "-inf"}));

} // namespace
