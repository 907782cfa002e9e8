// The process entry: the runtime's start, initialisers, main routine, finalisers and exit status.
#include <shell/program_identity.h>
#include <shell/startup.h>

#include <engine/globals.h>

#include <framework/application.h>

#include <exception>

namespace {

int runProcess(int argc, char** argv)
{
    fw::runtime::Start(argc, argv);
    shell::SetUpProgramIdentity();
    fw::runtime::AddInitialiser(&Globals::resetToStartValues);
    fw::runtime::Initialise();
    std::exception_ptr escaped; // only when reporting an unhandled exception failed itself
    try {
        Main();
    } catch (...) {
        escaped = std::current_exception();
    }
    fw::runtime::RunFinalisers();
    const int status = fw::runtime::Shutdown();
    if (escaped)
        std::rethrow_exception(escaped); // nothing reported it: let the C++ runtime end the process
    return status;
}

} // namespace

#ifdef _WIN32
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
