// Creates the model's objects once the main window is open.
#include <engine/globals.h>

#include <engine/koord_sys.h>
#include <engine/thing.h>

#include "main_window_access.h"

#include <framework/color.h>
#include <framework/controls.h>
#include <framework/printing.h>

namespace Globals {

void InitGlobals()
{
    myBlackSys = std::make_unique<engine::KoordSys>();
    myBlackSys->cl = fw::RGB(0, 0, 0);
    myBlackSys->sinPhiTime = 0.0;
    myBlackSys->sinPhiSpace = 0.0;

    myRedSys = std::make_unique<engine::KoordSys>();
    myRedSys->cl = fw::RGB(255, 0, 0);
    myRedSys->sinPhiTime = 0.6;
    myRedSys->sinPhiSpace = 0.6;

    calcUnits();

    myPrinterSetup = std::make_unique<fw::PrinterSetup>();

    myBlackThing = std::make_unique<engine::Thing>();
    myBlackThing->index = 0;
    myBlackThing->cl = fw::RGB(100, 100, 100);
    myBlackThing->position = 2;
    myBlackThing->length = 144;
    myBlackThing->isVisible = false;
    myBlackThing->hasShadow = false;
    myBlackThing->hasTrace = false;

    myRedThing = std::make_unique<engine::Thing>();
    myRedThing->index = 1;
    myRedThing->cl = fw::RGB(200, 0, 0);
    myRedThing->position = 0;
    myRedThing->length = 144;
    myRedThing->isVisible = false;
    myRedThing->hasShadow = false;
    myRedThing->hasTrace = false;

    gw = engine::mainWindowControl<fw::Canvas>("Canvas1")->Width();
    gh = engine::mainWindowControl<fw::Canvas>("Canvas1")->Height();
}

} // namespace Globals
