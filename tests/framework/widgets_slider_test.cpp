// Sliders: the record's value within the record's range, and ValueChanged once per change.
#include "widgets_fixture.h"

#include <QSlider>

namespace widgets_test {
namespace {

using widgets_test::PrintTo;

// The time slider of the main window: 572 written before its range 0 to 1000.
inline constexpr auto kTimeSlider = fw::record::encode([] { return sliderEntries({"TimeSlider", 10, 10, 244, 16}, 572, 0, 1000); });
inline constexpr auto kAboveRange = fw::record::encode([] { return sliderEntries({"Above", 10, 40, 100, 16}, 1500, 0, 1000); });
inline constexpr auto kBelowRange = fw::record::encode([] { return sliderEntries({"Below", 10, 70, 100, 16}, -3, 1, 39); });
inline constexpr auto kReleaseOnly =
    fw::record::encode([] { return sliderEntries({"ReleaseOnly", 10, 100, 100, 16}, 5, 0, 9, false); });

class SliderTest : public WidgetsTest {
protected:
    void SetUp() override
    {
        window = buildWith([](FakeWindow& w) {
            w.createControl<fw::Slider>("TimeSlider", kTimeSlider);
            w.createControl<fw::Slider>("Above", kAboveRange);
            w.createControl<fw::Slider>("Below", kBelowRange);
            w.createControl<fw::Slider>("ReleaseOnly", kReleaseOnly);
        });
        slider = window->controlAs<fw::Slider>("TimeSlider");
        slider->ValueChanged.bind([this](fw::Slider& s) {
            seen.push_back(s.Value());
            raisedInsideSetter.push_back(insideSetter);
        });
    }

    static int shown(const fw::Slider& s) { return static_cast<QSlider*>(s.widget())->value(); }

    std::shared_ptr<FakeWindow> window;
    std::shared_ptr<fw::Slider> slider;
    std::vector<std::int64_t> seen;
    std::vector<bool> raisedInsideSetter;
    bool insideSetter = false;
};

struct RecordCase {
    const char* name;
    std::string_view slider;
    std::int64_t value, minimum, maximum;
};

class SliderRecordTest : public SliderTest, public ::testing::WithParamInterface<RecordCase> {};

TEST_P(SliderRecordTest, EndsTheRecordHoldingItsValueWithinItsRange)
{
    auto s = window->controlAs<fw::Slider>(GetParam().slider);
    EXPECT_EQ(s->Value(), GetParam().value);
    EXPECT_EQ(s->MinimumValue(), GetParam().minimum);
    EXPECT_EQ(s->MaximumValue(), GetParam().maximum);
    EXPECT_EQ(shown(*s), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Records, SliderRecordTest,
    ::testing::Values(RecordCase{"TimeSlider572Of0To1000", "TimeSlider", 572, 0, 1000},
                      RecordCase{"ValueAboveTheRangeEndsAtItsTop", "Above", 1000, 0, 1000},
                      RecordCase{"ValueBelowTheRangeEndsAtItsBottom", "Below", 1, 1, 39}),
    [](const auto& info) { return std::string(info.param.name); });

struct SetCase {
    const char* name;
    std::int64_t set;
    std::int64_t expected;
    bool raised;
};

class SliderSetTest : public SliderTest, public ::testing::WithParamInterface<SetCase> {};

TEST_P(SliderSetTest, CodeRaisesValueChangedInsideTheSetterOnlyWhenTheValueChanges)
{
    insideSetter = true;
    slider->setValue(GetParam().set);
    insideSetter = false;
    fw::testing::processEvents();
    EXPECT_EQ(slider->Value(), GetParam().expected);
    EXPECT_EQ(shown(*slider), GetParam().expected);
    if (GetParam().raised) {
        EXPECT_EQ(seen, std::vector<std::int64_t>{GetParam().expected}) << "once, with the new value";
        EXPECT_EQ(raisedInsideSetter, std::vector<bool>{true});
    } else {
        EXPECT_TRUE(seen.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Values, SliderSetTest,
                         ::testing::Values(SetCase{"OneStepAhead", 573, 573, true},
                                           SetCase{"SameValue", 572, 572, false},
                                           SetCase{"AboveTheRangeLimitedToTheTop", 5000, 1000, true},
                                           SetCase{"BelowTheRangeLimitedToTheBottom", -1, 0, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SliderTest, AValueLimitedToWhereTheSliderStandsRaisesNothing)
{
    slider->setValue(1000);
    seen.clear();
    slider->setValue(1001);
    EXPECT_TRUE(seen.empty());
}

TEST_F(SliderTest, AHandlerThatSetsTheSliderAgainSeesEachChangeOnce)
{
    slider->ValueChanged.bind([this](fw::Slider& s) {
        seen.push_back(s.Value());
        if (s.Value() == 600)
            s.setValue(601);
    });
    slider->setValue(600);
    EXPECT_EQ(seen, (std::vector<std::int64_t>{600, 601}));
    EXPECT_EQ(slider->Value(), 601);
}

TEST_F(SliderTest, DraggingTheThumbRaisesValueChangedOncePerChange)
{
    fw::testing::dragSlider(*slider, 500);
    fw::testing::dragSlider(*slider, 500);
    fw::testing::dragSlider(*slider, 24);
    EXPECT_EQ(seen, (std::vector<std::int64_t>{500, 24}));
    EXPECT_EQ(slider->Value(), 24);
}

TEST_F(SliderTest, WithoutLiveScrollingTheChangeComesWhenTheThumbIsLetGo)
{
    auto s = window->controlAs<fw::Slider>("ReleaseOnly");
    std::vector<std::int64_t> values;
    s->ValueChanged.bind([&values](fw::Slider& changed) { values.push_back(changed.Value()); });
    fw::testing::dragSlider(*s, 8);
    EXPECT_EQ(values, std::vector<std::int64_t>{8});
}

TEST_F(SliderTest, ADisabledSliderCannotBeDraggedButCodeStillSetsIt)
{
    slider->setEnabled(false);
    fw::testing::dragSlider(*slider, 10);
    EXPECT_EQ(slider->Value(), 572);
    slider->setValue(10);
    EXPECT_EQ(seen, std::vector<std::int64_t>{10});
}

} // namespace
} // namespace widgets_test
