// The model's start values and the unit scales.
#include "engine_test_support.h"

#include <engine/units_table.h>

#include <cstdint>
#include <iterator>
#include <string>

namespace engine_test {
namespace {

struct UnitsCase {
    const char* name;
    std::int64_t row;
    std::int64_t x_Val;
    std::string x_units;
    std::int64_t y_val;
    std::string y_units;
};

// Rows from the table of unit scales; light crosses the space in the time of each row.
TEST(CalcUnits, AppliesTheRowOfStUnits)
{
    const UnitsCase rows[] = {
        {"finest scale, row 0", 0, 3, " mm", 10, " ps"},
        {"start scale, row 3", 3, 3, " m", 10, " ns"},
        {"coarsest scale, row 9", 9, 3000, " km", 10, " ms"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Globals::resetToStartValues();
        Globals::stUnits = row.row;
        Globals::calcUnits();
        EXPECT_EQ(Globals::x_Val, row.x_Val);
        EXPECT_EQ(Globals::x_units, row.x_units);
        EXPECT_EQ(Globals::y_val, row.y_val);
        EXPECT_EQ(Globals::y_units, row.y_units);
    }
    Globals::resetToStartValues();
}

TEST(CalcUnits, RowOutsideTheTableChangesNothing)
{
    for (std::int64_t row : {std::int64_t{-1}, std::int64_t{10}, INT64_MIN, INT64_MAX}) {
        SCOPED_TRACE(row);
        Globals::stUnits = 5;
        Globals::calcUnits();
        Globals::stUnits = row;
        Globals::calcUnits();
        EXPECT_EQ(Globals::x_Val, 300);
        EXPECT_EQ(Globals::x_units, " m");
        EXPECT_EQ(Globals::y_val, 1);
        EXPECT_EQ(Globals::y_units, " us");
    }
    Globals::resetToStartValues();
}

// The ten scales as the program states them, text for text: a row that is consistent with the
// speed of light but names the wrong scale is caught here.
TEST(UnitsTable, HoldsTheTenScalesInOrder)
{
    const UnitsCase rows[] = {
        {"row 0", 0, 3, " mm", 10, " ps"},
        {"row 1", 1, 3, " cm", 100, " ps"},
        {"row 2", 2, 30, " cm", 1, " ns"},
        {"row 3", 3, 3, " m", 10, " ns"},
        {"row 4", 4, 30, " m", 100, " ns"},
        {"row 5", 5, 300, " m", 1, " us"},
        {"row 6", 6, 3, " km", 10, " us"},
        {"row 7", 7, 30, " km", 100, " us"},
        {"row 8", 8, 300, " km", 1, " ms"},
        {"row 9", 9, 3000, " km", 10, " ms"},
    };
    ASSERT_EQ(Globals::unitsTable.size(), std::size(rows));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto& actual = Globals::unitsTable[static_cast<std::size_t>(row.row)];
        EXPECT_EQ(actual.x_Val, row.x_Val);
        EXPECT_EQ(actual.x_units, row.x_units);
        EXPECT_EQ(actual.y_val, row.y_val);
        EXPECT_EQ(actual.y_units, row.y_units);
    }
}

// One grid unit of space is the distance light travels in one grid unit of time (3e8 m/s).
TEST(UnitsTable, EverySpaceIsLightsWayInItsTime)
{
    auto metres = [](std::string_view unit) {
        if (unit == " mm") return 1e-3;
        if (unit == " cm") return 1e-2;
        if (unit == " m") return 1.0;
        return unit == " km" ? 1e3 : 0.0;
    };
    auto seconds = [](std::string_view unit) {
        if (unit == " ps") return 1e-12;
        if (unit == " ns") return 1e-9;
        if (unit == " us") return 1e-6;
        return unit == " ms" ? 1e-3 : 0.0;
    };
    for (const auto& row : Globals::unitsTable) {
        SCOPED_TRACE(std::string(row.x_units) + " /" + std::string(row.y_units));
        const double speed = static_cast<double>(row.x_Val) * metres(row.x_units)
                           / (static_cast<double>(row.y_val) * seconds(row.y_units));
        EXPECT_NEAR(speed, 3e8, 1e-3);
    }
}

TEST(ModelState, ResetPutsEveryVariableBackToItsStartValue)
{
    Globals::Nx = 1;
    Globals::Ny = 2;
    Globals::Mx = 3;
    Globals::My = 4;
    Globals::gw = 5;
    Globals::gh = 6;
    Globals::sinPhi = -0.3;
    Globals::ourSystem = 1;
    Globals::theTime = -7;
    Globals::stUnits = 8;
    Globals::calcUnits();
    Globals::inKoordDragMode = true;
    Globals::inProjectingMode = true;
    Globals::speedEditFlag = true;
    Globals::printerSetupDone = true;

    Globals::resetToStartValues();

    EXPECT_EQ(Globals::Nx, 300);
    EXPECT_EQ(Globals::Ny, 400);
    EXPECT_EQ(Globals::Mx, 0);
    EXPECT_EQ(Globals::My, 0);
    EXPECT_EQ(Globals::gw, 0);
    EXPECT_EQ(Globals::gh, 0);
    EXPECT_EQ(Globals::sinPhi, 0.6);
    EXPECT_EQ(Globals::ourSystem, 0);
    EXPECT_EQ(Globals::theTime, 72);
    EXPECT_EQ(Globals::stUnits, 3);
    EXPECT_EQ(Globals::x_Val, 0);
    EXPECT_EQ(Globals::x_units, "");
    EXPECT_EQ(Globals::y_val, 0);
    EXPECT_EQ(Globals::y_units, "");
    EXPECT_FALSE(Globals::inKoordDragMode);
    EXPECT_FALSE(Globals::inProjectingMode);
    EXPECT_FALSE(Globals::speedEditFlag);
    EXPECT_FALSE(Globals::printerSetupDone);
    EXPECT_EQ(Globals::myPrinterSetup, nullptr);
    EXPECT_EQ(Globals::myBlackSys, nullptr);
    EXPECT_EQ(Globals::myRedSys, nullptr);
    EXPECT_EQ(Globals::myBlackThing, nullptr);
    EXPECT_EQ(Globals::myRedThing, nullptr);
}

} // namespace
} // namespace engine_test
