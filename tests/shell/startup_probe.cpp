// Joins the program's own entry to watch its start-up from outside: a static initialiser, run
// before the program's own, that fails (with standard error refusing the report, if asked) or ends
// the run as soon as the event loop starts, and a finaliser that prints the state.
#include <shell/menu_bar1.h>

#include <engine/globals.h>

#include <framework/application.h>
#include <framework/runtime.h>
#include <framework/window.h>

#include <cstdlib>
#include <iostream>
#include <streambuf>
#include <string_view>

namespace {

void printState()
{
    const fw::Application* app = fw::app();
    std::cout << "finalisers ran\n";
    std::cout << "application: " << (app ? app->className() : "none") << "\n";
    if (app) {
        std::cout << "version: " << app->MajorVersion() << "," << app->MinorVersion() << "," << app->BugVersion()
                  << "," << app->NonReleaseVersion() << "," << app->StageCode() << "\n";
        std::cout << "version texts: [" << app->LongVersion() << "][" << app->ShortVersion() << "]["
                  << app->PackageInfo() << "]\n";
        std::cout << "menu bar is MenuBar1(): " << (app->MenuBar() == MenuBar1() ? "yes" : "no") << "\n";
    }
    std::cout << "main window: " << (fw::GetImplicitWindow("Window1.Window1") ? "open" : "none") << "\n";
    std::cout << "origin: " << Globals::Nx << "," << Globals::Ny << " speed: " << Globals::sinPhi << "\n";
    std::cout << "canvas size: " << Globals::gw << "x" << Globals::gh << "\n";
    std::cout << "framework version: " << fw::runtime::FrameworkVersion() << "\n";
    std::cout.flush();
}

// A standard error that refuses every character, so that reporting to it throws.
struct RefusingBuffer : std::streambuf {};
RefusingBuffer refusing;
std::streambuf* realStandardError = nullptr;

void refuseStandardError()
{
    realStandardError = std::cerr.rdbuf(&refusing);
    std::cerr.exceptions(std::ios::badbit);
}

void restoreStandardError()
{
    if (!realStandardError)
        return;
    std::cerr.exceptions(std::ios::goodbit);
    std::cerr.rdbuf(realStandardError);
}

[[maybe_unused]] const bool registered = [] {
    fw::runtime::AddInitialiser([] {
        const char* mode = std::getenv("STARTUP_PROBE");
        if (mode && std::string_view(mode) == "fail")
            throw fw::RuntimeException("probe initialiser failed");
        if (mode && std::string_view(mode) == "fail-and-report-fails") {
            refuseStandardError();
            throw fw::RuntimeException("probe initialiser failed");
        }
        // Spoilt here, before the program's own initialiser gives the model its start values.
        Globals::Nx = Globals::Ny = -1;
        Globals::sinPhi = 0.1;
        fw::Quit(0); // remembered until the event loop starts, which then returns at once
    });
    fw::runtime::AddFinaliser(printState);
    fw::runtime::AddFinaliser(restoreStandardError); // the last added runs first
    return true;
}();

} // namespace
