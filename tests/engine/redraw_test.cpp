// The whole diagram: background, circles, both systems and both rods, from the model and the
// main window's rod controls.
#include "engine_test_support.h"
#include "fake_main_window.h"

#include <engine/koord_sys.h>
#include <engine/thing.h>

#include <framework/color.h>
#include <framework/runtime.h>

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace engine_test {
namespace {

using fw::DrawCall;

class RedrawTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        Globals::InitGlobals();
    }
    OpenMainWindow window;
};

// Draw calls of one kind from the recording, in order.
std::vector<const DrawCall*> callsOf(const fw::RecordingGraphics& g, DrawCall::Kind kind)
{
    std::vector<const DrawCall*> calls;
    for (const auto& call : g.calls())
        if (call.kind == kind)
            calls.push_back(&call);
    return calls;
}

// At start: white background over the canvas, ten grey circles, 84 calls of the upright black
// system (2 axes, 40 ticks with labels, 2 names) and 4 of the tilted red one; no rod.
TEST_F(RedrawTest, StartDiagramIsBackgroundCirclesThenBothSystems)
{
    fw::RecordingGraphics g;
    Globals::redraw(g);
    const auto& calls = g.calls();
    ASSERT_EQ(calls.size(), 1u + 10u + 84u + 4u);

    EXPECT_EQ(calls[0].kind, DrawCall::Kind::FillRect);
    EXPECT_EQ(lineOf(calls[0]), (Line{0, 0, 636, 553}));
    EXPECT_EQ(calls[0].color, fw::RGB(255, 255, 255));
    for (std::int64_t i = 1; i <= 10; ++i) {
        const DrawCall& oval = calls[static_cast<std::size_t>(i)];
        SCOPED_TRACE("circle of radius " + std::to_string(i));
        EXPECT_EQ(oval.kind, DrawCall::Kind::Oval);
        const double r = 72.0 * static_cast<double>(i);
        EXPECT_EQ(lineOf(oval), (Line{300 - r, 400 - r, 2 * r, 2 * r}));
        EXPECT_EQ(oval.color, fw::RGB(220, 220, 220));
        EXPECT_EQ(oval.penSize, 1.0); // a fresh surface's pen
    }
    EXPECT_EQ(lineOf(calls[11]), (Line{300, 1400, 300, -600}));
    EXPECT_EQ(calls[11].color, fw::RGB(0, 0, 0));
    EXPECT_EQ(lineOf(calls[95]), (Line{-300, 1200, 900, -400}));
    EXPECT_EQ(calls[95].color, fw::RGB(255, 0, 0));
    EXPECT_EQ(calls.back().text, "Space");
}

TEST_F(RedrawTest, CirclesUseThePenTheSurfaceCameWith)
{
    fw::RecordingGraphics g;
    g.setPenSize(2.5);
    Globals::redraw(g);
    for (const DrawCall* oval : callsOf(g, DrawCall::Kind::Oval))
        EXPECT_EQ(oval->penSize, 2.5);
}

TEST_F(RedrawTest, CirclesFollowTheDraggedOrigin)
{
    Globals::Nx = 100;
    Globals::Ny = 50;
    fw::RecordingGraphics g;
    Globals::redraw(g);
    const auto ovals = callsOf(g, DrawCall::Kind::Oval);
    ASSERT_EQ(ovals.size(), 10u);
    EXPECT_EQ(lineOf(*ovals.front()), (Line{28, -22, 144, 144}));
    EXPECT_EQ(lineOf(*ovals.back()), (Line{-620, -670, 1440, 1440}));
}

struct TiltRow {
    const char* name;
    std::int64_t ourSystem;
    double sinPhi;
    double blackTilt, redTilt;
};

// The viewer's system stands upright, the other one leans by sinPhi.
TEST_F(RedrawTest, ViewerDecidesWhichSystemLeans)
{
    const TiltRow rows[] = {
        {"black viewer at 0.6", 0, 0.6, 0.0, 0.6},
        {"red viewer at -0.6", 1, -0.6, -0.6, 0.0},
        {"speed 0: both upright", 0, 0.0, 0.0, 0.0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Globals::ourSystem = row.ourSystem;
        Globals::sinPhi = row.sinPhi;
        fw::RecordingGraphics g;
        Globals::redraw(g);
        EXPECT_EQ(Globals::myBlackSys->sinPhiTime, row.blackTilt);
        EXPECT_EQ(Globals::myBlackSys->sinPhiSpace, row.blackTilt);
        EXPECT_EQ(Globals::myRedSys->sinPhiTime, row.redTilt);
        EXPECT_EQ(Globals::myRedSys->sinPhiSpace, row.redTilt);
        const std::size_t ticks = (row.blackTilt == 0.0 ? 40u : 0u) + (row.redTilt == 0.0 ? 40u : 0u);
        EXPECT_EQ(callsOf(g, DrawCall::Kind::Line).size(), 4u + ticks);
    }
}

// The check box of a group that carries this caption.
using Group = std::array<const char*, 3>;
constexpr Group kBlackGroup{"CheckBox1", "CheckBox2", "CheckBox3"};
constexpr Group kRedGroup{"CheckBox4", "CheckBox5", "CheckBox6"};

fw::CheckBox& boxCaptioned(FakeMainWindow& window, const Group& group, const std::string& caption)
{
    for (const char* name : group) {
        auto& box = window.control<fw::CheckBox>(name);
        if (box.Caption() == caption)
            return box;
    }
    throw std::runtime_error("no box captioned " + caption);
}

struct RodControlsRow {
    const char* name;
    const char* caption; // the ticked box, in the group of the rod
    bool redGroup;
    std::int64_t lengthSlider, positionSlider;
    bool isVisible, hasTrace, hasShadow;
    std::int64_t length, position;
};

// The rods take their settings from the controls at every drawing, the boxes by caption.
TEST_F(RedrawTest, RodsTakeTheirSettingsFromTheControls)
{
    const RodControlsRow rows[] = {
        {"black \"is visible\"", "is visible", false, 6, 2, true, false, false, 144, 2},
        {"black \"has Trace\"", "has Trace", false, 1, 0, false, true, false, 24, 0},
        {"black \"has Shadow\"", "has Shadow", false, 13, 1, false, false, true, 312, 1},
        {"red \"is visible\"", "is visible", true, 6, 0, true, false, false, 144, 0},
        {"red \"has Trace\" is CheckBox6", "has Trace", true, 2, 1, false, true, false, 48, 1},
        {"red \"has Shadow\" is CheckBox5", "has Shadow", true, 13, 2, false, false, true, 312, 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Group& group = row.redGroup ? kRedGroup : kBlackGroup;
        for (const char* name : group)
            window->control<fw::CheckBox>(name).setValue(false);
        boxCaptioned(*window, group, row.caption).setValue(true);
        window->control<fw::Slider>(row.redGroup ? "RedLengthSlider" : "BlackLengthSlider").setValue(row.lengthSlider);
        window->control<fw::Slider>(row.redGroup ? "RedPosSlider" : "BlackPosSlider").setValue(row.positionSlider);

        fw::RecordingGraphics g;
        Globals::redraw(g);
        const engine::Thing& rod = row.redGroup ? *Globals::myRedThing : *Globals::myBlackThing;
        EXPECT_EQ(rod.isVisible, row.isVisible);
        EXPECT_EQ(rod.hasTrace, row.hasTrace);
        EXPECT_EQ(rod.hasShadow, row.hasShadow);
        EXPECT_EQ(rod.length, row.length);
        EXPECT_EQ(rod.position, row.position);
    }
}

// Ticking CheckBox1 shows the grey black rod over the axes: 144 px right of the time axis.
TEST_F(RedrawTest, TickedRodIsDrawnLastOverTheAxes)
{
    window->control<fw::CheckBox>("CheckBox1").setValue(true);
    fw::RecordingGraphics g;
    Globals::redraw(g);
    const DrawCall& last = g.calls().back();
    EXPECT_EQ(lineOf(last), (Line{300, 328, 444, 328}));
    EXPECT_EQ(last.color, fw::RGB(100, 100, 100));
    EXPECT_EQ(last.penSize, 2);
}

TEST_F(RedrawTest, PanelStaysAsItWasOutsideTheMeetingConstruction)
{
    window->control<fw::TextField>("TextField2").setValue("");
    window->control<fw::GroupBox>("GroupBox7").setVisible(false);
    fw::RecordingGraphics g;
    Globals::redraw(g);
    EXPECT_EQ(window->control<fw::TextField>("TextField2").Value(), "");
    EXPECT_FALSE(window->control<fw::GroupBox>("GroupBox7").Visible());
    EXPECT_EQ(callsOf(g, DrawCall::Kind::String).size(), 40u + 4u); // no letters of the meeting
}

TEST_F(RedrawTest, MissingObjectsEndTheDrawingAfterTheBackground)
{
    Globals::myRedSys.reset();
    fw::RecordingGraphics g;
    EXPECT_THROW(Globals::redraw(g), fw::NilObjectException);
    ASSERT_EQ(g.calls().size(), 1u);
    EXPECT_EQ(g.calls()[0].kind, DrawCall::Kind::FillRect);
}

TEST_F(EngineTest, RedrawWithoutTheMainWindowRaisesNilObject)
{
    Globals::myBlackSys = std::make_unique<engine::KoordSys>();
    Globals::myRedSys = std::make_unique<engine::KoordSys>();
    Globals::myBlackThing = std::make_unique<engine::Thing>();
    Globals::myRedThing = std::make_unique<engine::Thing>();
    fw::RecordingGraphics g;
    EXPECT_THROW(Globals::redraw(g), fw::NilObjectException);
}

} // namespace
} // namespace engine_test
