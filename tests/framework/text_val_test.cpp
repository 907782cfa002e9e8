// Reading numbers from the speed field's text, whatever it holds.
#include "scoped_locale.h"

#include <framework/text.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr double kLargest = std::numeric_limits<double>::max();

struct ValCase {
    const char* name;
    const char* text;
    double expected;
};

class ValTest : public ::testing::TestWithParam<ValCase> {};

TEST_P(ValTest, ReadsTheLeadingNumber)
{
    const double value = fw::Val(GetParam().text);
    EXPECT_EQ(value, GetParam().expected) << GetParam().name;
    EXPECT_TRUE(std::isfinite(value)) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(TypedSpeeds, ValTest, ::testing::Values(
    ValCase{"start text", "0.6", 0.6},
    ValCase{"negative speed", "-0.6", -0.6},
    ValCase{"explicit plus", "+0.99", 0.99},
    ValCase{"blanks before the number", " \t 0.5", 0.5},
    ValCase{"no digit before the point", ".5", 0.5},
    ValCase{"negative without digit before the point", "-.5", -0.5},
    ValCase{"text after the number is ignored", "0.6 c", 0.6},
    ValCase{"a second point ends the number", "1.2.3", 1.2},
    ValCase{"exponent", "2E3", 2000.0},
    ValCase{"negative exponent", "15e-1", 1.5}));

// Classes that write a decimal comma: one comma is the decimal separator, as the point is.
INSTANTIATE_TEST_SUITE_P(DecimalComma, ValTest, ::testing::Values(
    ValCase{"decimal comma", "0,8", 0.8},
    ValCase{"negative decimal comma", "-0,35", -0.35},
    ValCase{"beyond 1 with a comma, as 1.5", "1,5", 1.5},
    ValCase{"no digit before the comma", ",5", 0.5},
    ValCase{"a second comma ends the number, as a second point does", "0,5,5", 0.5},
    ValCase{"a comma is no thousands separator", "1,000", 1.0},
    ValCase{"a point after the comma ends the number", "1,2.3", 1.2},
    ValCase{"a comma after the point ends the number", "1.2,3", 1.2},
    ValCase{"comma and exponent", "15,5e-1", 1.55},
    ValCase{"too large for a double with a comma", "-1,5e999", -kLargest},
    ValCase{"too small for a double with a comma", "0,0001e-330", 0.0}));

// The texts the field passes through while the user types, and texts that are no number.
INSTANTIATE_TEST_SUITE_P(NoNumber, ValTest, ::testing::Values(
    ValCase{"empty field", "", 0.0},
    ValCase{"lone minus sign", "-", 0.0},
    ValCase{"lone point", ".", 0.0},
    ValCase{"number ending in its point", "0.", 0.0},
    ValCase{"lone comma", ",", 0.0},
    ValCase{"number ending in its comma", "0,", 0.0},
    ValCase{"exponent mark without digits", "1e", 1.0},
    ValCase{"exponent sign without digits", "1e+", 1.0},
    ValCase{"two signs", "--1", 0.0},
    ValCase{"hexadecimal is not read", "0x10", 0.0},
    ValCase{"nan", "nan", 0.0},
    ValCase{"inf", "inf", 0.0},
    ValCase{"negative infinity", "-infinity", 0.0},
    ValCase{"letters", "abc", 0.0}));

INSTANTIATE_TEST_SUITE_P(OutOfRange, ValTest, ::testing::Values(
    ValCase{"far too large", "1e999", kLargest},
    ValCase{"far too large, negative", "-1e999", -kLargest},
    ValCase{"just above the largest double's rounding limit", "1.7976931348623159e308", kLargest},
    ValCase{"the largest double itself", "1.7976931348623157e308", kLargest},
    ValCase{"exponent beyond any integer", "1e99999999999999999999999999", kLargest},
    ValCase{"far too small", "1e-999", 0.0},
    ValCase{"smallest subnormal", "4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
    ValCase{"zero with a huge exponent", "0e99999999999", 0.0},
    ValCase{"zeros after the point before a digit, huge exponent", "0.0001e400", kLargest},
    ValCase{"zeros after the point before a digit, exponent just short", "0.0001e-330", 0.0}));

// The result never depends on how many digits the text spells the number with.
struct LongCase {
    const char* name;
    std::string text;
    double expected;
};

TEST(ValLongText, ReadsHundredThousandDigits)
{
    const std::string zeros(100'000, '0');
    const std::string threes(100'000, '3');
    const LongCase cases[] = {
        {"a one followed by 100000 zeros", "1" + zeros, kLargest},
        {"the same with a negative exponent of its length", "1" + zeros + "e-100000", 1.0},
        {"100000 zeros after the point before a one", "0." + zeros + "1", 0.0},
        {"100000 leading zeros before a value", zeros + "0.25", 0.25},
        {"a third with 100000 decimals", "0." + threes, 1.0 / 3},
        {"the same after a decimal comma", "0," + threes, 1.0 / 3},
        {"100000 threes and a negative exponent", threes + "e-100000", 1.0 / 3},
    };
    for (const LongCase& c : cases)
        EXPECT_EQ(fw::Val(c.text), c.expected) << c.name;
}

// A locale with a decimal comma changes nothing: both separators read as everywhere, the point is
// written, and "1.000", a thousand as German groups it, stays 1.
TEST(ValLocale, ReadsAndWritesTheSameUnderADecimalCommaLocale)
{
    // Linux's names, then the one Windows's C runtime knows.
    const framework_tests::ScopedLocale locale(
        {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR", "German_Germany.1252"});
    const char* chosen = locale.chosen();
    if (!chosen)
        GTEST_SKIP() << "no locale with a decimal comma is installed";

    EXPECT_EQ(fw::Val("0.6"), 0.6) << chosen;
    EXPECT_EQ(fw::Val("0,6"), 0.6) << chosen;
    EXPECT_EQ(fw::Val("1.000"), 1.0) << chosen;
    EXPECT_EQ(fw::Str(0.6), "0.6") << chosen;
    EXPECT_EQ(fw::Format(-69.444, "-###.00"), "-69.44") << chosen;
}

} // namespace
