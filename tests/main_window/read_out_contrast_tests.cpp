// The read-out values stand out from their fields as ordinary text does (WCAG's 4.5:1), while the
// fields stay disabled.
#include "main_window_fixture.h"

#include <framework/color.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <string>

namespace {

// WCAG 2 relative luminance of an sRGB colour.
double luminance(fw::Color c)
{
    auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(fw::redOf(c)) + 0.7152 * linear(fw::greenOf(c)) + 0.0722 * linear(fw::blueOf(c));
}

double contrast(fw::Color a, fw::Color b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Contrast of the darkest text pixel against the control's background (its most frequent colour),
// both read inside a field's frame.
double valueContrast(fw::RectControl& control)
{
    const auto image = fw::testing::renderControl(control);
    constexpr int kInsideFrame = 3;
    std::map<fw::Color, int> counts;
    fw::Color darkest = fw::RGB(255, 255, 255);
    for (int y = kInsideFrame; y < image->height() - kInsideFrame; ++y) {
        for (int x = kInsideFrame; x < image->width() - kInsideFrame; ++x) {
            const fw::Color c = image->pixel(x, y);
            ++counts[c];
            if (luminance(c) < luminance(darkest))
                darkest = c;
        }
    }
    const auto background = std::ranges::max_element(counts, {}, [](const auto& entry) { return entry.second; });
    return contrast(darkest, background->first);
}

TEST_F(MainWindowTest, ReadOutValuesReachFourAndAHalfToOneAgainstTheirDisabledFields)
{
    fw::testing::mousePress(*window->Canvas1(), 450, 150); // a projecting click fills the read-outs
    fw::testing::mouseRelease(*window->Canvas1(), 450, 150);
    paint();
    for (const auto& field : {window->TextField2(), window->TextField3(), window->TextField4(), window->TextField5()}) {
        SCOPED_TRACE(field->Name() + " \"" + field->Value() + "\"");
        ASSERT_FALSE(field->Value().empty());
        EXPECT_GE(valueContrast(*field), 4.5);
        // Still disabled: no focus, so no caret and no typing.
        EXPECT_FALSE(field->isEnabledOnScreen());
        fw::testing::giveFocus(*field);
        EXPECT_NE(fw::testing::focusedControlName(*window), field->Name());
    }
}

// Only the fields' values are kept dark: a label of the panel greys out with "clear" as before.
TEST_F(MainWindowTest, ALabelOfTheDisabledPanelStillLooksDisabled)
{
    paint();
    const double enabled = valueContrast(*window->StaticText7());
    fw::testing::click(*window->PushButton4()); // "clear" disables the panel
    paint();
    EXPECT_GE(enabled, 4.5);
    EXPECT_LT(valueContrast(*window->StaticText7()), enabled / 2);
}

} // namespace
