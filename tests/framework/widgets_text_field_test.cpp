// Text fields: TextChange once per edit, by the user or by code, also when a handler rewrites the text.
#include "widgets_fixture.h"

#include <QLineEdit>

namespace widgets_test {
namespace {

inline constexpr auto kSpeedField = fw::record::encode([] { return textFieldEntries({"Speed", 10, 10, 80, 22}, "0.6", true); });
inline constexpr auto kReadOut = fw::record::encode([] { return textFieldEntries({"ReadOut", 10, 40, 99, 22}, "", false); });
inline constexpr auto kReadOnly =
    fw::record::encode([] { return textFieldEntries({"ReadOnly", 10, 70, 99, 22}, "fixed", true, true); });
inline constexpr auto kShort =
    fw::record::encode([] { return textFieldEntries({"Short", 10, 100, 99, 22}, "", true, false, 3); });

class TextFieldTest : public WidgetsTest {
protected:
    void SetUp() override
    {
        window = buildWith([](FakeWindow& w) {
            w.createControl<fw::TextField>("Speed", kSpeedField);
            w.createControl<fw::TextField>("ReadOut", kReadOut);
            w.createControl<fw::TextField>("ReadOnly", kReadOnly);
            w.createControl<fw::TextField>("Short", kShort);
        });
        for (const char* name : {"Speed", "ReadOut", "ReadOnly", "Short"})
            window->controlAs<fw::TextField>(name)->TextChange.bind(
                [this](fw::TextField& f) { seen.push_back(f.Name() + ":" + f.Value()); });
        field = window->controlAs<fw::TextField>("Speed");
    }

    static QLineEdit& lineOf(const fw::TextField& f) { return *static_cast<QLineEdit*>(f.widget()); }

    std::shared_ptr<FakeWindow> window;
    std::shared_ptr<fw::TextField> field;
    std::vector<std::string> seen;
};

TEST_F(TextFieldTest, TheRecordsTextRaisesNothing)
{
    EXPECT_EQ(field->Value(), "0.6");
    EXPECT_EQ(lineOf(*field).text().toStdString(), "0.6");
    EXPECT_TRUE(seen.empty());
}

TEST_F(TextFieldTest, TypingRaisesTextChangeForEveryKeyWithTheTextAsItStands)
{
    fw::testing::clearText(*field);
    fw::testing::typeText(*field, "-0.5");
    EXPECT_EQ(seen, (std::vector<std::string>{"Speed:", "Speed:-", "Speed:-0", "Speed:-0.", "Speed:-0.5"}));
    EXPECT_EQ(field->Value(), "-0.5");
}

TEST_F(TextFieldTest, BackspaceAndPasteAreOneEditEach)
{
    fw::testing::typeText(*field, "\b");
    fw::testing::pasteText(*field, "25");
    EXPECT_EQ(seen, (std::vector<std::string>{"Speed:0.", "Speed:0.25"}));
}

TEST_F(TextFieldTest, ClearingAnEmptyFieldIsNoEdit)
{
    fw::testing::clearText(*field);
    fw::testing::clearText(*field);
    EXPECT_EQ(seen, std::vector<std::string>{"Speed:"});
}

TEST_F(TextFieldTest, CodeRaisesTextChangeInsideTheSetterOnlyWhenTheTextChanges)
{
    field->setValue("0.6");
    EXPECT_TRUE(seen.empty());
    field->setValue("-0.6");
    EXPECT_EQ(seen, std::vector<std::string>{"Speed:-0.6"});
    EXPECT_EQ(lineOf(*field).text().toStdString(), "-0.6");
}

// A handler that turns away speeds of 1 and more writes the last good text back, as the speed
// field's handler does: the write raises TextChange once more, inside the handler.
TEST_F(TextFieldTest, AHandlerRewritingTheTextRunsOnceMoreAndLeavesTheCursorAtTheEnd)
{
    field->TextChange.bind([this](fw::TextField& f) {
        seen.push_back(f.Value());
        if (f.Value() == "1" || f.Value() == "1.5")
            f.setValue("0.6");
    });
    fw::testing::clearText(*field);
    fw::testing::typeText(*field, "1");
    EXPECT_EQ(seen, (std::vector<std::string>{"", "1", "0.6"}));
    EXPECT_EQ(field->Value(), "0.6");
    EXPECT_EQ(lineOf(*field).text().toStdString(), "0.6");
    EXPECT_EQ(lineOf(*field).cursorPosition(), 3);

    seen.clear();
    fw::testing::typeText(*field, "5");
    EXPECT_EQ(seen, std::vector<std::string>{"0.65"}) << "typing goes on after the rewritten text";

    seen.clear();
    fw::testing::clearText(*field);
    fw::testing::pasteText(*field, "1.5");
    EXPECT_EQ(seen, (std::vector<std::string>{"", "1.5", "0.6"}));
}

TEST_F(TextFieldTest, ADisabledFieldTakesNoTypingWhileCodeStillSetsIt)
{
    auto readOut = window->controlAs<fw::TextField>("ReadOut");
    fw::testing::typeText(*readOut, "12");
    fw::testing::pasteText(*readOut, "34");
    EXPECT_EQ(readOut->Value(), "");
    EXPECT_TRUE(seen.empty());
    readOut->setValue("0.25 ns");
    EXPECT_EQ(readOut->Value(), "0.25 ns");
    EXPECT_EQ(lineOf(*readOut).text().toStdString(), "0.25 ns");
    EXPECT_EQ(seen, std::vector<std::string>{"ReadOut:0.25 ns"});
}

TEST_F(TextFieldTest, AReadOnlyFieldTakesNoTyping)
{
    auto readOnly = window->controlAs<fw::TextField>("ReadOnly");
    fw::testing::typeText(*readOnly, "x");
    fw::testing::clearText(*readOnly);
    EXPECT_EQ(readOnly->Value(), "fixed");
    EXPECT_TRUE(seen.empty());
}

TEST_F(TextFieldTest, ALimitedFieldHoldsNoMoreThanItsLimit)
{
    auto limited = window->controlAs<fw::TextField>("Short");
    fw::testing::typeText(*limited, "abcd");
    EXPECT_EQ(limited->Value(), "abc");
    EXPECT_EQ(seen, (std::vector<std::string>{"Short:a", "Short:ab", "Short:abc"}));
    limited->setValue("wxyz");
    EXPECT_EQ(limited->Value(), "wxy");
    EXPECT_EQ(lineOf(*field).maxLength(), 32767) << "0 is no limit";
}

} // namespace
} // namespace widgets_test
