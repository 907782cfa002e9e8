// Check boxes, radio buttons and push buttons: Action once per click or per change from code.
#include "widgets_fixture.h"

#include <QAbstractButton>
#include <QPushButton>

namespace widgets_test {
namespace {

inline constexpr auto kViewers = fw::record::encode([] { return groupBoxEntries({"Viewers", 10, 10, 171, 48}, "we think with"); });
inline constexpr auto kBlack =
    fw::record::encode([] { return radioButtonEntries({"Black", 24, 33, 61, 20, "Viewers"}, "black", true); });
inline constexpr auto kRed = fw::record::encode([] { return radioButtonEntries({"Red", 103, 33, 46, 20, "Viewers"}, "red", false); });
inline constexpr auto kOthers = fw::record::encode([] { return groupBoxEntries({"Others", 10, 70, 171, 48}, "others"); });
inline constexpr auto kOtherOn =
    fw::record::encode([] { return radioButtonEntries({"OtherOn", 24, 93, 61, 20, "Others"}, "on", true); });
inline constexpr auto kTrace = fw::record::encode([] { return checkBoxEntries({"Trace", 200, 10, 100, 20}, "has Trace", false); });
inline constexpr auto kBack = fw::record::encode([] { return pushButtonEntries({"Back", 200, 40, 59, 20}, "back"); });

class ButtonsTest : public WidgetsTest {
protected:
    void SetUp() override
    {
        window = buildWith([](FakeWindow& w) {
            w.createControl<fw::GroupBox>("Viewers", kViewers);
            w.createControl<fw::RadioButton>("Black", kBlack);
            w.createControl<fw::RadioButton>("Red", kRed);
            w.createControl<fw::GroupBox>("Others", kOthers);
            w.createControl<fw::RadioButton>("OtherOn", kOtherOn);
            w.createControl<fw::CheckBox>("Trace", kTrace);
            w.createControl<fw::PushButton>("Back", kBack);
        });
        for (const char* name : {"Black", "Red", "OtherOn"})
            window->controlAs<fw::RadioButton>(name)->Action.bind(
                [this](fw::RadioButton& r) { actions.push_back(r.Name() + (r.Value() ? " on" : " off")); });
        window->controlAs<fw::CheckBox>("Trace")->Action.bind(
            [this](fw::CheckBox& c) { actions.push_back(c.Name() + (c.Value() ? " on" : " off")); });
        window->controlAs<fw::PushButton>("Back")->Action.bind([this](fw::PushButton& b) { actions.push_back(b.Name()); });
    }

    std::shared_ptr<fw::RadioButton> radio(const char* name) const { return window->controlAs<fw::RadioButton>(name); }
    static bool shownOn(const fw::RectControl& c) { return static_cast<QAbstractButton*>(c.widget())->isChecked(); }

    std::shared_ptr<FakeWindow> window;
    std::vector<std::string> actions;
};

TEST_F(ButtonsTest, RecordsSelectOneRadioButtonPerContainerAndRaiseNothing)
{
    EXPECT_TRUE(radio("Black")->Value());
    EXPECT_FALSE(radio("Red")->Value());
    EXPECT_TRUE(radio("OtherOn")->Value()) << "another container has its own selection";
    EXPECT_TRUE(shownOn(*radio("Black")));
    EXPECT_TRUE(shownOn(*radio("OtherOn")));
    EXPECT_EQ(radio("Red")->Caption(), "red");
    EXPECT_TRUE(actions.empty());
}

TEST_F(ButtonsTest, ClickingARadioButtonSelectsItAloneInItsContainer)
{
    fw::testing::click(*radio("Red"));
    EXPECT_EQ(actions, std::vector<std::string>{"Red on"}) << "the button switched off raises nothing";
    EXPECT_TRUE(radio("Red")->Value());
    EXPECT_FALSE(radio("Black")->Value());
    EXPECT_FALSE(shownOn(*radio("Black")));
    EXPECT_TRUE(radio("OtherOn")->Value());
}

TEST_F(ButtonsTest, ClickingTheSelectedRadioButtonRaisesActionAndKeepsItOn)
{
    fw::testing::click(*radio("Black"));
    EXPECT_EQ(actions, std::vector<std::string>{"Black on"});
    EXPECT_TRUE(radio("Black")->Value());
    EXPECT_TRUE(shownOn(*radio("Black")));
}

TEST_F(ButtonsTest, SelectingARadioButtonFromCodeRaisesItsActionOnce)
{
    radio("Red")->setValue(true);
    EXPECT_EQ(actions, std::vector<std::string>{"Red on"});
    EXPECT_FALSE(radio("Black")->Value());
    radio("Red")->setValue(true);
    EXPECT_EQ(actions.size(), 1u) << "no change, no Action";
    radio("Red")->setValue(false);
    EXPECT_EQ(actions.back(), "Red off");
    EXPECT_FALSE(shownOn(*radio("Red")));
}

TEST_F(ButtonsTest, ACheckBoxClickTogglesItAndRaisesActionOnce)
{
    auto trace = window->controlAs<fw::CheckBox>("Trace");
    fw::testing::click(*trace);
    fw::testing::click(*trace);
    EXPECT_EQ(actions, (std::vector<std::string>{"Trace on", "Trace off"}));
    EXPECT_EQ(trace->Caption(), "has Trace");
}

TEST_F(ButtonsTest, ACheckBoxSetFromCodeRaisesActionOnlyOnAChange)
{
    auto trace = window->controlAs<fw::CheckBox>("Trace");
    trace->setValue(false);
    trace->setValue(true);
    trace->setValue(true);
    EXPECT_EQ(actions, std::vector<std::string>{"Trace on"});
    EXPECT_TRUE(shownOn(*trace));
}

TEST_F(ButtonsTest, APushButtonRaisesActionWhenClickedOrPushedButNotWhenDisabled)
{
    auto back = window->controlAs<fw::PushButton>("Back");
    fw::testing::click(*back);
    back->Push();
    back->setEnabled(false);
    fw::testing::click(*back);
    EXPECT_EQ(actions, (std::vector<std::string>{"Back", "Back"}));
    EXPECT_EQ(back->Caption(), "back");
    EXPECT_EQ(static_cast<QPushButton*>(back->widget())->text().toStdString(), "back");
}

} // namespace
} // namespace widgets_test
