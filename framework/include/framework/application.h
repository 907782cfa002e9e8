// The application object, and the runtime's lifecycle from process start to exit status.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace fw {

class MenuBar;

class Application {
public:
    Application() = default;
    virtual ~Application() = default;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    virtual std::string_view className() const { return "Application"; }
    virtual void Constructor() {}
    virtual void _x_SetVersionData(std::int64_t majorVersion, std::int64_t minorVersion,
                                   std::int64_t bugVersion, std::int64_t nonReleaseVersion,
                                   std::int64_t stageCode, std::string longVersion,
                                   std::string shortVersion, std::string packageInfo);
    // Whether the class's own code handles the named application event.
    virtual bool handlesEvent(std::string_view) const { return false; }

    std::int64_t MajorVersion() const { return major_; }
    std::int64_t MinorVersion() const { return minor_; }
    std::int64_t BugVersion() const { return bug_; }
    std::int64_t NonReleaseVersion() const { return nonRelease_; }
    std::int64_t StageCode() const { return stage_; }
    const std::string& LongVersion() const { return longVersion_; }
    const std::string& ShortVersion() const { return shortVersion_; }
    const std::string& PackageInfo() const { return packageInfo_; }

    const std::shared_ptr<fw::MenuBar>& MenuBar() const { return menuBar_; }
    void setMenuBar(std::shared_ptr<fw::MenuBar> bar) { menuBar_ = std::move(bar); }

private:
    std::int64_t major_ = 0, minor_ = 0, bug_ = 0, nonRelease_ = 0, stage_ = 0;
    std::string longVersion_, shortVersion_, packageInfo_;
    std::shared_ptr<fw::MenuBar> menuBar_;
};

// Makes app the application object; the framework holds it to the end of the run.
void RegisterApplication(std::shared_ptr<Application> app);
// The registered application object, or nullptr.
Application* app();

// Whether the application object of class className handles the event in its own code.
bool RuntimeIsEventHandled(const Application& object, std::string_view className,
                           std::string_view eventName, bool ownCodeOnly);

namespace runtime {

// Starts the toolkit, handing it only the program's name: no argument changes behaviour.
void Start(int argc, char** argv);
// Names the program's desktop file (without ".desktop") to the desktop, and gives the windows the
// icon theme's icon of that name, or else the file iconName + ".png" from the resource folders
// when it is there. After Start and SetResourceFolders.
void SetDesktopIdentity(const std::string& desktopFileName, const std::string& iconName);
// Adds a static initialiser; Initialise runs them in order. An exception one of them raises
// stops the rest and stays pending for the main routine.
void AddInitialiser(std::function<void()> initialiser);
void Initialise();
std::exception_ptr TakePendingException();

// The top-level handling of exceptions that reach the toolkit's event loop from a handler: the
// helper runs fn and deals with whatever escapes it. Installed once by the main routine.
using ExceptionHelper = void (*)(const std::function<void()>& fn);
void SetExceptionHelper(ExceptionHelper helper);
// The framework's own helper: reports an escaping exception with its kind and message on
// standard error and ends the event loop with a non-zero status.
void CallFunctionWithExceptionHandling(const std::function<void()>& fn);
// Runs fn through the installed helper (directly when none is installed).
void callHandler(const std::function<void()>& fn);

void DeclareFrameworkVersion(double version);
double FrameworkVersion();

// Initialises the framework, which calls lateStartup on the way.
void InitialiseFramework(const std::function<void()>& lateStartup);
// Runs the event loop until Quit.
void RunEventLoop();
// Writes the kind and message of an exception that nobody handled to standard error; the run
// counts as failed from then on, even when the writing itself fails.
void ReportUnhandledException(std::exception_ptr exception);
void AddFinaliser(std::function<void()> finaliser);
void RunFinalisers();
// Ends the runtime; the result is the process's exit status.
int Shutdown();

} // namespace runtime

// Ends the event loop with that exit status. Outside an event loop the request is remembered.
void Quit(int status = 0);

} // namespace fw
