// The main window as a class: its one instance, its accessors, its window events and its record.
#include "main_window_fixture.h"

#include <main_window/window1_record.h>

#include <framework/image.h>
#include <framework/runtime.h>

#include <set>
#include <string>

namespace {

using main_window::Window1;

TEST_F(MainWindowTest, LaterCallsReturnTheSameWindowAndBuildNothing)
{
    auto again = ::Window1();
    EXPECT_EQ(again, window);
    EXPECT_EQ(window->controls().size(), 46u);
    EXPECT_EQ(fw::GetImplicitWindow("Window1.Window1"), window);
}

// The engine's start-up in Open reaches the canvas through the implicit instance, so the window
// must already be that instance: the canvas size proves it found this window, not a new one.
TEST_F(MainWindowTest, OpenFindsTheWindowBeingOpened)
{
    EXPECT_EQ(Globals::gw, 636);
    EXPECT_EQ(Globals::gh, 553);
    EXPECT_NE(Globals::myBlackSys, nullptr);
    EXPECT_NE(Globals::myPrinterSetup, nullptr);
    EXPECT_EQ(Globals::x_units, " m");
    EXPECT_EQ(Globals::y_units, " ns");
}

TEST_F(MainWindowTest, AfterCloseTheNextCallBuildsANewWindow)
{
    window->Close();
    EXPECT_EQ(fw::GetImplicitWindow("Window1.Window1"), nullptr);
    fw::clearQuitRequest();
    window = ::Window1();
    EXPECT_TRUE(window->isOpen());
    EXPECT_EQ(window->controls().size(), 46u);
}

TEST_F(MainWindowTest, AnAccessorLooksItsControlUpAfresh)
{
    EXPECT_EQ(window->Canvas1(), window->Canvas1());
    EXPECT_EQ(window->Canvas1().get(), window->ControlByName("Canvas1").get());
}

TEST(Window1Accessors, AControlOfAnotherClassFailsTheCast)
{
    auto bare = std::make_shared<Window1>(); // not built: holds only what the test registers
    bare->AddControl("Canvas1", bare->New<fw::Label>());
    EXPECT_THROW(bare->Canvas1(), fw::IllegalCastException);
    EXPECT_THROW(bare->SpeedSlider(), fw::NilObjectException);
}

TEST(Window1Accessors, AFailedCastEndsTheHandlerAndKeepsEarlierChanges)
{
    Globals::resetToStartValues();
    auto bare = std::make_shared<Window1>();
    bare->AddControl("Canvas1", bare->New<fw::Canvas>());
    bare->AddControl("GroupBox7", bare->New<fw::Label>());
    auto canvas = bare->Canvas1();
    EXPECT_THROW(bare->Canvas1_MouseDown(*canvas, 100, 100), fw::IllegalCastException);
    EXPECT_TRUE(Globals::inProjectingMode);   // set before the panel was reached
    EXPECT_EQ(Globals::Mx, 0);                // set after it: never reached
    Globals::resetToStartValues();
}

// A failure in the first half of the creation stops it there: what exists stays registered, and
// the second half never runs.
TEST(Window1Creation, AFailureInTheFirstHalfLeavesTheSecondUnbuilt)
{
    auto bare = std::make_shared<Window1>();
    bare->AddControl("PushButton1", bare->New<fw::PushButton>()); // the last of the first half clashes
    EXPECT_THROW(bare->CreateControls(), fw::RuntimeException);
    EXPECT_EQ(bare->controls().size(), 30u); // the clashing one and controls 1 to 29
    EXPECT_NE(bare->ControlByName("TimeSlider"), nullptr);
    EXPECT_TRUE(bare->TimeSlider()->ValueChanged.isBound());
    for (const char* name : {"PushButton2", "Label1", "GroupBox7", "PushButton4", "PushButton6"})
        EXPECT_EQ(bare->ControlByName(name), nullptr) << name;
    EXPECT_FALSE(bare->PushButton1()->Action.isBound());
}

TEST_F(MainWindowTest, FiveWindowEventsAreHandledAndNoOther)
{
    const std::set<std::string> handled = {"AddMenuHandlers", "Close", "CreateControls", "Layout", "Open"};
    for (std::size_t i = 0; i < fw::kWindowEventCount; ++i) {
        std::string name(fw::windowEventName(static_cast<fw::WindowEvent>(i)));
        SCOPED_TRACE(name);
        EXPECT_EQ(window->IsEventImplemented(name), handled.contains(name));
    }
}

TEST_F(MainWindowTest, TheMenuActionsAreRegisteredUnderTheItemNames)
{
    EXPECT_TRUE(window->hasMenuHandler("aboutItem"));
    EXPECT_TRUE(window->hasMenuHandler("FilePageSetup"));
    EXPECT_TRUE(window->hasMenuHandler("FilePrint"));
    EXPECT_FALSE(window->hasMenuHandler("FileQuit")); // the quit item brings its own action
}

class OtherWindow : public fw::Window {
public:
    OtherWindow() : fw::Window("Other.Other") {}

protected:
    fw::WindowEventTable windowEvents() override { return {}; }
};

TEST_F(MainWindowTest, MenuActionsAreNotRegisteredOnAnotherKindOfWindow)
{
    auto other = std::make_shared<OtherWindow>();
    EXPECT_THROW(window->AddMenuHandlers(*other), fw::IllegalCastException);
    EXPECT_FALSE(other->hasMenuHandler("aboutItem"));
}

// The test programs' screen is a desktop monitor of 1920 x 1200, which the window fits.
TEST_F(MainWindowTest, OnAScreenItFitsTheWindowIsShownAtItsLayoutSize)
{
    fw::testing::processEvents(); // once framed, the window is fitted again
    EXPECT_EQ(window->scaleFactor(), 1.0);
    auto content = fw::testing::renderWindow(*window);
    EXPECT_EQ(content->width(), 894);
    EXPECT_EQ(content->height(), 813);
    EXPECT_EQ(fw::testing::renderControl(*window->Canvas1())->width(), 636);
}

TEST_F(MainWindowTest, TheWindowRecordShapesTheWindow)
{
    EXPECT_EQ(window->Title(), "Tovalin Diagram");
    EXPECT_EQ(window->Width(), 894);
    EXPECT_EQ(window->Height(), 813);
    EXPECT_FALSE(window->Resizeable());
    const struct {
        const char* property;
        fw::PropertyValue value;
    } expected[] = {
        {"HasCloseButton", true},
        {"HasMaximizeButton", false},
        {"HasMinimizeButton", true},
        {"HasFullScreenButton", false},
        {"DefaultLocation", std::int64_t{2}},
        {"HasBackgroundColor", false},
        {"BackgroundColor", fw::Color{0x00FFFFFF}},
        {"MenuBarVisible", true},
        {"MaximumWidth", std::int64_t{32000}},
    };
    for (const auto& row : expected) {
        SCOPED_TRACE(row.property);
        const fw::PropertyValue* stored = window->storedProperty(row.property);
        ASSERT_NE(stored, nullptr);
        EXPECT_EQ(*stored, row.value);
    }
}

// Bytes as the record format lays them out: the first entry, and the title with its byte count.
TEST(Window1Record, BytesOfTheFirstEntryAndTheTitle)
{
    const auto& bytes = main_window::records::Window1;
    const std::uint8_t width[] = {'W', 'i', 'd', 't', 'h', ' ', 0x7E, 0x03, 0, 0, 0, 0, 0, 0};
    EXPECT_TRUE(std::equal(std::begin(width), std::end(width), bytes.begin()));

    using namespace std::string_literals;
    const std::string all(bytes.begin(), bytes.end());
    EXPECT_NE(all.find("Title \x0F\x00\x00\x00Tovalin Diagram"s), std::string::npos);
    EXPECT_NE(all.find("BackgroundColor \xFF\xFF\xFF\x00"s), std::string::npos);
    EXPECT_TRUE(all.ends_with("LiveResize \x01"s)); // nothing follows the last value
}

} // namespace
