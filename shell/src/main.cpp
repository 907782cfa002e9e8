// The process entry: the runtime's start, initialisers, main routine, finalisers and exit status.
#include <shell/program_identity.h>
#include <shell/startup.h>

#include <engine/globals.h>

#include <framework/application.h>

namespace {

int runProcess(int argc, char** argv)
{
    fw::runtime::Start(argc, argv);
    shell::SetUpProgramIdentity();
    fw::runtime::AddInitialiser(&Globals::resetToStartValues);
    fw::runtime::Initialise();
    try {
        Main();
    } catch (...) {
        // Only the report of an unhandled exception can fail here, and the runtime counts the
        // run as failed already: the finalisers and the status are all that is left to do.
    }
    fw::runtime::RunFinalisers();
    return fw::runtime::Shutdown();
}

} // namespace

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#define NOGDI // its RGB macro would hide fw::RGB
#include <windows.h>

// The Windows entry: its arguments change nothing, so the runtime gets the program's name only.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    static char name[] = "tovalin-diagram";
    char* argv[] = {name, nullptr};
    return runProcess(1, argv);
}
#else
int main(int argc, char** argv)
{
    return runProcess(argc, argv);
}
#endif
