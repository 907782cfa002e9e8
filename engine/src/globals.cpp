// The model's variables, given their start values by one routine.
#include <engine/globals.h>

#include <engine/koord_sys.h>
#include <engine/thing.h>

#include <framework/printing.h>

namespace Globals {

std::int64_t Nx, Ny;
std::int64_t Mx, My;
std::int64_t gw, gh;
double sinPhi;
std::int64_t ourSystem;
std::int64_t theTime;
std::int64_t stUnits;
std::int64_t x_Val;
std::string x_units;
std::int64_t y_val;
std::string y_units;
bool inKoordDragMode;
bool inProjectingMode;
bool speedEditFlag;
bool printerSetupDone;

std::unique_ptr<fw::PrinterSetup> myPrinterSetup;
std::unique_ptr<engine::KoordSys> myBlackSys, myRedSys;
std::unique_ptr<engine::Thing> myBlackThing, myRedThing;

// The start values stand here only; they match the main window's controls at start: speed slider
// 32 gives 0.6, time slider 572 gives 72, unit slider 3 gives row 3.
void resetToStartValues()
{
    Nx = 300;
    Ny = 400;
    Mx = 0;
    My = 0;
    gw = 0;
    gh = 0;
    sinPhi = 0.6;
    ourSystem = 0;
    theTime = 72;
    stUnits = 3;
    x_Val = 0;
    x_units.clear();
    y_val = 0;
    y_units.clear();
    inKoordDragMode = false;
    inProjectingMode = false;
    speedEditFlag = false;
    printerSetupDone = false;
    myPrinterSetup.reset();
    myBlackSys.reset();
    myRedSys.reset();
    myBlackThing.reset();
    myRedThing.reset();
}

namespace {
// Runs after the definitions above, before the program's main routine.
[[maybe_unused]] const bool startValuesSet = (resetToStartValues(), true);
} // namespace

} // namespace Globals
