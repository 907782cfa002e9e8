// Names compared without regard to case compare the same in a Turkish locale, whose capital I is
// not the capital of i.
#include "scoped_locale.h"

#include <framework/ascii_case.h>

#include <gtest/gtest.h>

#include <string>

namespace {

struct CaseFoldingCase {
    const char* name;
    const char* text;
    const char* lowercase;
};

// The names the framework folds: properties of records, the font family "System", font files' endings.
const CaseFoldingCase kFoldings[] = {
    {"a property with capital I", "MULTILINE", "multiline"},
    {"a property spelt as declared", "FontName", "fontname"},
    {"a property with dotted and dotless i in one name", "InitialParent", "initialparent"},
    {"the font family of the system font", "SYSTEM", "system"},
    {"a font file's ending", ".TTF", ".ttf"},
    {"digits and signs stay", "Slider-1_Value", "slider-1_value"},
    {"letters beyond ASCII stay: capital dotted I, A umlaut", "\xC4\xB0" "\xC3\x84", "\xC4\xB0" "\xC3\x84"},
    {"the empty name", "", ""},
};

struct ComparisonCase {
    const char* name;
    const char* a;
    const char* b;
    bool equal;
};

const ComparisonCase kComparisons[] = {
    {"capital and small I", "Italic", "ITALIC", true},
    {"the system font in small letters", "system", "System", true},
    {"a font file's ending", ".Ttf", ".ttf", true},
    {"dotless i is no i", "\xC4\xB1talic", "Italic", false},
    {"capital dotted I is no I", "\xC4\xB0talic", "Italic", false},
    {"A umlaut and a umlaut differ beyond ASCII", "\xC3\x84", "\xC3\xA4", false},
    {"a prefix is not the name", "Multi", "MultiLine", false},
    {"different names of one length", "Height", "Weight", false},
};

class AsciiCaseInTurkish : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!locale_.chosen())
            GTEST_SKIP() << "no Turkish locale is installed";
    }

    // Linux's names, then the one Windows's C runtime knows.
    framework_tests::ScopedLocale locale_{{"tr_TR.UTF-8", "tr_TR.utf8", "tr_TR", "Turkish_Turkey.1254"}};
};

TEST_F(AsciiCaseInTurkish, LowercasesTheAsciiLettersAlone)
{
    for (const CaseFoldingCase& c : kFoldings)
        EXPECT_EQ(fw::asciiLowercase(c.text), c.lowercase) << c.name << " in " << locale_.chosen();
}

TEST_F(AsciiCaseInTurkish, ComparesNamesWithoutRegardToAsciiCase)
{
    for (const ComparisonCase& c : kComparisons) {
        EXPECT_EQ(fw::equalsIgnoringAsciiCase(c.a, c.b), c.equal) << c.name << " in " << locale_.chosen();
        EXPECT_EQ(fw::equalsIgnoringAsciiCase(c.b, c.a), c.equal) << c.name << ", the other way round";
    }
}

} // namespace
