// The diagram's model: module state shared by the main window and the drawing.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace fw {
class Graphics;
class PrinterSetup;
} // namespace fw

namespace engine {
class KoordSys;
class Thing;
} // namespace engine

namespace Globals {

// Positions are whole canvas pixels, origin at the canvas's top left, y growing downwards.
extern std::int64_t Nx, Ny;      // the origin handle, where both observers' axes cross
extern std::int64_t Mx, My;      // the clicked meeting point
extern std::int64_t gw, gh;      // the canvas size, read once when the main window opens
extern double sinPhi;            // the other observer's v/c as the viewer sees it; |sinPhi| < 1
extern std::int64_t ourSystem;   // the viewer: 0 black, 1 red
extern std::int64_t theTime;     // pixels along the time axis, 72 per grid unit
extern std::int64_t stUnits;     // the row of unitsTable in use
extern std::int64_t x_Val;       // space of one grid unit, in x_units
extern std::string x_units;      // e.g. " m"
extern std::int64_t y_val;       // time of one grid unit, in y_units
extern std::string y_units;      // e.g. " ns"
extern bool inKoordDragMode;
extern bool inProjectingMode;
extern bool speedEditFlag;       // keeps the speed slider and text field from echoing each other
extern bool printerSetupDone;

extern std::unique_ptr<fw::PrinterSetup> myPrinterSetup;
extern std::unique_ptr<engine::KoordSys> myBlackSys, myRedSys;
extern std::unique_ptr<engine::Thing> myBlackThing, myRedThing;

// Puts every variable back to its start value and drops the objects, as at program start.
void resetToStartValues();
// Applies row stUnits of unitsTable; a row number outside 0 to 9 changes nothing.
void calcUnits();
// Creates the objects, applies the start units and reads the canvas size of the open main window
// ("Window1.Window1"); fw::NilObjectException when that window is not open.
void InitGlobals();
// Draws the whole diagram, reading the rod controls of the open main window, and in projecting
// mode the meeting construction, writing its read-outs into the window's panel GroupBox7.
void redraw(fw::Graphics& g);

} // namespace Globals
