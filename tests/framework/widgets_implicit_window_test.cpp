// The one open window of a class, found by name or built on demand, and a control made from its record.
#include "widgets_fixture.h"

#include <framework/implicit_window.h>
#include <framework/runtime.h>

namespace widgets_test {
namespace {

// A window class whose controls fail to build while failing is set.
class FlakyWindow : public FakeWindow {
public:
    static inline bool failing = false;
    FlakyWindow()
    {
        hooks[fw::WindowEvent::CreateControls] = [] {
            if (failing)
                throw fw::NilObjectException("no controls");
        };
    }
};

// Another class registered under the same class name.
class LookAlikeWindow : public FakeWindow {};

class ImplicitWindowTest : public WidgetsTest {
protected:
    void TearDown() override
    {
        FlakyWindow::failing = false;
        while (auto window = fw::GetImplicitWindow(kClassName))
            window->Close();
        WidgetsTest::TearDown();
    }
};

TEST_F(ImplicitWindowTest, TheFirstCallBuildsTheWindowAndLaterCallsFindIt)
{
    const auto first = fw::implicitInstance<FakeWindow>(kClassName);
    EXPECT_TRUE(first->isOpen());
    EXPECT_EQ(fw::GetImplicitWindow(kClassName), first);
    const auto second = fw::implicitInstance<FakeWindow>(kClassName);
    EXPECT_EQ(second, first);
    EXPECT_EQ(first->timesAsked, 1) << "built once";
}

TEST_F(ImplicitWindowTest, AnOpenWindowOfAnotherClassFailsTheCastAndNoSecondIsBuilt)
{
    const auto open = fw::implicitInstance<FakeWindow>(kClassName);
    EXPECT_THROW(fw::implicitInstance<LookAlikeWindow>(kClassName), fw::IllegalCastException);
    EXPECT_EQ(fw::GetImplicitWindow(kClassName), open);
}

TEST_F(ImplicitWindowTest, AFailedBuildLeavesNothingOpenAndTheNextCallBuildsAnew)
{
    FlakyWindow::failing = true;
    EXPECT_THROW(fw::implicitInstance<FlakyWindow>(kClassName), fw::NilObjectException);
    EXPECT_EQ(fw::GetImplicitWindow(kClassName), nullptr);

    FlakyWindow::failing = false;
    const auto built = fw::implicitInstance<FlakyWindow>(kClassName);
    EXPECT_TRUE(built->isOpen());
    EXPECT_EQ(fw::GetImplicitWindow(kClassName), built);
}

inline constexpr auto kCanvasRecord = fw::record::encode([] { return canvasEntries({"Canvas1", 10, 20, 100, 80}); });

// What prepare finds: the control registered under its name, its record not applied yet.
TEST_F(ImplicitWindowTest, CreateControlPreparesTheRegisteredControlBeforeItsRecord)
{
    bool registeredInPrepare = false, recordBeforePrepare = true;
    std::shared_ptr<fw::Canvas> created;
    buildWith([&](FakeWindow& w) {
        created = w.createControl<fw::Canvas>("Canvas1", kCanvasRecord, [&](fw::Canvas& canvas) {
            registeredInPrepare = w.ControlByName("Canvas1").get() == &canvas;
            recordBeforePrepare = canvas.storedProperty("Left") != nullptr;
        });
    });
    EXPECT_TRUE(registeredInPrepare);
    EXPECT_FALSE(recordBeforePrepare);
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->Left(), 10);
    EXPECT_EQ(created->Top(), 20);
}

} // namespace
} // namespace widgets_test
