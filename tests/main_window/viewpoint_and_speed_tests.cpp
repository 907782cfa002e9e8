// Choosing the viewer and the speed: slider, text field and model kept in step, typed values checked.
#include "main_window_fixture.h"

#include <framework/text.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

using fw::testing::refreshCount;

TEST_F(MainWindowTest, ChoosingRedAtStartMirrorsTheSpeed)
{
    auto canvas = window->Canvas1();
    fw::testing::click(*window->RadioButton2());
    EXPECT_EQ(Globals::ourSystem, 1);
    EXPECT_DOUBLE_EQ(Globals::sinPhi, -0.6);
    EXPECT_EQ(window->TextField1()->Value(), "-0.6");
    EXPECT_EQ(window->SpeedSlider()->Value(), 8); // 40 - 32, not recomputed from the speed
    EXPECT_FALSE(window->GroupBox7()->Visible());
    EXPECT_FALSE(Globals::speedEditFlag);
    EXPECT_EQ(refreshCount(*canvas), 1); // the echoes of both writes asked for nothing

    fw::testing::click(*window->RadioButton2()); // the viewer already: nothing happens
    EXPECT_DOUBLE_EQ(Globals::sinPhi, -0.6);
    EXPECT_EQ(window->SpeedSlider()->Value(), 8);
    EXPECT_EQ(refreshCount(*canvas), 1);

    fw::testing::click(*window->RadioButton1());
    EXPECT_EQ(Globals::ourSystem, 0);
    EXPECT_DOUBLE_EQ(Globals::sinPhi, 0.6);
    EXPECT_EQ(window->TextField1()->Value(), "0.6");
    EXPECT_EQ(window->SpeedSlider()->Value(), 32);
    EXPECT_EQ(refreshCount(*canvas), 2);
}

TEST_F(MainWindowTest, AViewerChangeMirrorsTheSliderOffsetLeftByATypedSpeed)
{
    fw::testing::clearText(*window->TextField1());
    fw::testing::typeText(*window->TextField1(), "0.6");
    EXPECT_DOUBLE_EQ(Globals::sinPhi, 0.6);
    EXPECT_EQ(window->SpeedSlider()->Value(), 31); // Round(20 + 19 x 0.6), not 32

    fw::testing::click(*window->RadioButton2());
    EXPECT_DOUBLE_EQ(Globals::sinPhi, -0.6);
    EXPECT_EQ(window->SpeedSlider()->Value(), 9);
}

TEST_F(MainWindowTest, ChoosingTheOtherViewerInProjectingModeShowsItsView)
{
    auto canvas = window->Canvas1();
    fw::testing::mousePress(*canvas, 372, 328);
    fw::testing::mouseRelease(*canvas, 372, 328);
    fw::testing::click(*window->RadioButton2());
    EXPECT_FALSE(window->GroupBox7()->Visible()); // hidden until the repaint draws the new view
    paint();
    EXPECT_TRUE(window->GroupBox7()->Visible());
    EXPECT_EQ(window->GroupBox7()->Caption(), "Red's view of the meeting of the black clock Q with the red clock P");
}

TEST_F(MainWindowTest, TheSliderSetsTheSpeedAndRewritesTheField)
{
    const struct {
        std::int64_t position;
        double speed;
        const char* text;
    } positions[] = {
        {20, 0.0, "0"}, {1, -0.95, "-0.95"}, {39, 0.95, "0.95"}, {33, 0.65, "0.65"},
    };
    for (const auto& row : positions) {
        SCOPED_TRACE(row.position);
        auto before = refreshCount(*window->Canvas1());
        fw::testing::dragSlider(*window->SpeedSlider(), row.position);
        EXPECT_NEAR(Globals::sinPhi, row.speed, 1e-12);
        EXPECT_EQ(window->TextField1()->Value(), row.text);
        EXPECT_EQ(window->SpeedSlider()->Value(), row.position); // the field's echo moved nothing
        EXPECT_EQ(refreshCount(*window->Canvas1()) - before, 1);
        EXPECT_FALSE(Globals::speedEditFlag);
    }
}

TEST_F(MainWindowTest, MovingTheSliderReplacesATypedText)
{
    fw::testing::clearText(*window->TextField1());
    fw::testing::typeText(*window->TextField1(), "0.333");
    fw::testing::dragSlider(*window->SpeedSlider(), 25);
    EXPECT_EQ(window->TextField1()->Value(), "0.25");
    EXPECT_DOUBLE_EQ(Globals::sinPhi, 0.25);
}

// The field's whole text replaced at once, as a paste over all of it does; speed 0.6 and slider
// 32 before each row.
TEST_F(MainWindowTest, ATextReplacedAtOnceIsTakenOrTurnedAway)
{
    const struct {
        const char* name;
        const char* text;
        double speed;
        std::int64_t slider;
        const char* shown;
    } texts[] = {
        {"just below 1", "0.99", 0.99, 39, "0.99"},
        {"just above -1", "-0.99", -0.99, 1, "-0.99"},
        {"half", "0.5", 0.5, 30, "0.5"},
        {"exactly 1: turned away, the slider follows the kept speed", "1", 0.6, 31, "0.6"},
        {"exactly -1", "-1", 0.6, 31, "0.6"},
        {"beyond 1", "1.5", 0.6, 31, "0.6"},
        {"beyond 1 with a decimal comma", "1,5", 0.6, 31, "0.6"},
        {"a decimal comma", "0,8", 0.8, 35, "0,8"},
        {"too large for a double", "1e999", 0.6, 31, "0.6"},
        {"reads as 1 once rounded to a double", "0.99999999999999999999", 0.6, 31, "0.6"},
        {"a number with trailing text", "0.25 m/s", 0.25, 25, "0.25 m/s"},
        {"no number at all reads as 0", "fast", 0.0, 20, "fast"},
        {"the word nan reads as 0", "nan", 0.0, 20, "nan"},
        {"infinity is no number either", "-inf", 0.0, 20, "-inf"},
        {"empty", "", 0.0, 20, ""},
    };
    for (const auto& row : texts) {
        SCOPED_TRACE(row.name);
        Globals::sinPhi = 0.6;
        window->TextField1()->setValue("0.6");
        window->SpeedSlider()->setValue(32);
        Globals::sinPhi = 0.6;
        auto before = refreshCount(*window->Canvas1());

        window->TextField1()->setValue(row.text);
        EXPECT_DOUBLE_EQ(Globals::sinPhi, row.speed);
        EXPECT_EQ(window->SpeedSlider()->Value(), row.slider);
        EXPECT_EQ(window->TextField1()->Value(), row.shown);
        EXPECT_EQ(refreshCount(*window->Canvas1()) - before, 1); // a rejection repaints once, from the nested run
        EXPECT_FALSE(Globals::speedEditFlag);
    }
}

// Typed key by key into an emptied field: every intermediate text is read as it stands.
TEST_F(MainWindowTest, TypedKeyByKey)
{
    const struct {
        const char* name;
        const char* keys;
        double speed;
        std::int64_t slider;
        const char* shown;
    } typings[] = {
        {"0.99 is accepted", "0.99", 0.99, 39, "0.99"},
        {"-0.99 is accepted", "-0.99", -0.99, 1, "-0.99"},
        {"a lone minus reads as 0", "-", 0.0, 20, "-"},
        {"-1 passes through a lone minus, then the 1 is turned away", "-1", 0.0, 20, "0"},
        {"a number ending in its point", "0.", 0.0, 20, "0."},
        {"a blank before the number", " 0.3", 0.3, 26, " 0.3"},
        // A decimal comma reads as the point; slider Round(20 + 19 x 0.8) = 35, Round(13.35) = 13.
        {"0,8 with a decimal comma", "0,8", 0.8, 35, "0,8"},
        {"-0,35 with a decimal comma", "-0,35", -0.35, 13, "-0,35"},
        // As with 1.5, the 1 alone is turned away and rewritten as "0"; ",5" then follows it.
        {"1,5 typed: the 1 is turned away before the comma arrives", "1,5", 0.5, 30, "0,5"},
        {"a second comma ends the number, the text stays", "0,5,5", 0.5, 30, "0,5,5"},
    };
    for (const auto& row : typings) {
        SCOPED_TRACE(row.name);
        auto field = window->TextField1();
        fw::testing::clearText(*field);
        fw::testing::typeText(*field, row.keys);
        EXPECT_DOUBLE_EQ(Globals::sinPhi, row.speed);
        EXPECT_EQ(window->SpeedSlider()->Value(), row.slider);
        EXPECT_EQ(field->Value(), row.shown);
        EXPECT_FALSE(Globals::speedEditFlag);
    }
}

// A speed a hair below light's survives a viewer change and a turned-away paste: the text written
// back must read as a speed strictly inside (-1, 1).
TEST_F(MainWindowTest, ASpeedJustBelowOneStaysBelowOne)
{
    auto field = window->TextField1();
    field->setValue("0.9999999999999999");
    EXPECT_LT(Globals::sinPhi, 1.0);
    EXPECT_EQ(window->SpeedSlider()->Value(), 39);
    fw::testing::click(*window->RadioButton2());
    field->setValue("2");
    EXPECT_GT(Globals::sinPhi, -1.0);
    EXPECT_LT(Globals::sinPhi, -0.99);
    EXPECT_GT(fw::Val(field->Value()), -1.0);
}

// Whatever is typed, pasted or deleted, the speed stays a number strictly inside (-1, 1) and is
// the value the field's text reads as.
TEST_F(MainWindowTest, NoEditOfTheSpeedFieldBreaksTheSpeed)
{
    const std::vector<std::string> pieces = {
        "0", "1", "9", ".", "-", "+", "e", "E", "5", " ", "x", "1e308", "-1e-400", "99999999999999999999",
        "0x1", "nan", "inf", "1,5", "\xd9\xa3", "\t", "0.999999999999999999", "-.", "e-", "1e", "\b", "\b\b\b",
    };
    std::mt19937 random(20240601); // fixed seed: the same edits on every run
    auto field = window->TextField1();
    for (int step = 0; step < 400; ++step) {
        const std::string& piece = pieces[random() % pieces.size()];
        switch (random() % 4) {
        case 0: fw::testing::typeText(*field, piece); break;
        case 1: fw::testing::pasteText(*field, piece); break;
        case 2: fw::testing::clearText(*field); break;
        case 3: field->setValue(piece); break;
        }
        SCOPED_TRACE("step " + std::to_string(step) + ", text \"" + field->Value() + "\"");
        ASSERT_TRUE(std::isfinite(Globals::sinPhi));
        ASSERT_GT(Globals::sinPhi, -1.0);
        ASSERT_LT(Globals::sinPhi, 1.0);
        ASSERT_EQ(Globals::sinPhi, fw::Val(field->Value()));
        ASSERT_GE(window->SpeedSlider()->Value(), 1);
        ASSERT_LE(window->SpeedSlider()->Value(), 39);
        ASSERT_FALSE(Globals::speedEditFlag);
    }
}

} // namespace
