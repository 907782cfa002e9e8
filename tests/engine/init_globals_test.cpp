// The model's objects, created when the main window opens.
#include "engine_test_support.h"
#include "fake_main_window.h"

#include <engine/koord_sys.h>
#include <engine/thing.h>

#include <framework/color.h>
#include <framework/printing.h>
#include <framework/runtime.h>

namespace engine_test {
namespace {

TEST(InitGlobals, CreatesTheObjectsAppliesRowThreeAndReadsTheCanvas)
{
    Globals::resetToStartValues();
    OpenMainWindow window;
    Globals::InitGlobals();

    ASSERT_NE(Globals::myBlackSys, nullptr);
    EXPECT_EQ(Globals::myBlackSys->cl, fw::RGB(0, 0, 0));
    EXPECT_EQ(Globals::myBlackSys->sinPhiTime, 0.0);
    EXPECT_EQ(Globals::myBlackSys->sinPhiSpace, 0.0);
    ASSERT_NE(Globals::myRedSys, nullptr);
    EXPECT_EQ(Globals::myRedSys->cl, fw::RGB(255, 0, 0));
    EXPECT_EQ(Globals::myRedSys->sinPhiTime, 0.6);
    EXPECT_EQ(Globals::myRedSys->sinPhiSpace, 0.6);

    struct RodRow {
        const char* name;
        const engine::Thing* rod;
        std::int64_t index;
        fw::Color cl;
        std::int64_t position;
    };
    const RodRow rods[] = {
        {"black rod: grey, right of its time axis", Globals::myBlackThing.get(), 0, fw::RGB(100, 100, 100), 2},
        {"red rod: dark red, left of its time axis", Globals::myRedThing.get(), 1, fw::RGB(200, 0, 0), 0},
    };
    for (const auto& row : rods) {
        SCOPED_TRACE(row.name);
        ASSERT_NE(row.rod, nullptr);
        EXPECT_EQ(row.rod->index, row.index);
        EXPECT_EQ(row.rod->cl, row.cl);
        EXPECT_EQ(row.rod->position, row.position);
        EXPECT_EQ(row.rod->length, 144);
        EXPECT_FALSE(row.rod->isVisible);
        EXPECT_FALSE(row.rod->hasShadow);
        EXPECT_FALSE(row.rod->hasTrace);
    }

    EXPECT_NE(Globals::myPrinterSetup, nullptr);
    EXPECT_EQ(Globals::x_Val, 3);
    EXPECT_EQ(Globals::x_units, " m");
    EXPECT_EQ(Globals::y_val, 10);
    EXPECT_EQ(Globals::y_units, " ns");
    EXPECT_EQ(Globals::gw, 636);
    EXPECT_EQ(Globals::gh, 553);
    Globals::resetToStartValues();
}

// Without the main window the canvas size cannot be read; what was created stays.
TEST(InitGlobals, WithoutTheMainWindowRaisesNilObjectAtTheCanvas)
{
    Globals::resetToStartValues();
    EXPECT_THROW(Globals::InitGlobals(), fw::NilObjectException);
    EXPECT_NE(Globals::myRedThing, nullptr);
    EXPECT_EQ(Globals::x_units, " m");
    EXPECT_EQ(Globals::gw, 0);
    Globals::resetToStartValues();
}

} // namespace
} // namespace engine_test
