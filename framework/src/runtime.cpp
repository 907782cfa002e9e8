// The runtime's lifecycle: toolkit start, initialisers, the event loop, failures and exit status.
#include "qt_convert.h"
#include "runtime_state.h"

#include <framework/application.h>
#include <framework/picture.h>
#include <framework/runtime.h>

#include <QApplication>
#include <QIcon>
#include <QString>

#include <iostream>
#include <utility>
#include <vector>

namespace fw {

namespace {

// The exit status of a run that ended because an exception went unhandled.
constexpr int kFailureStatus = 1;

void describe(std::exception_ptr exception, std::string& kind, std::string& message)
{
    try {
        std::rethrow_exception(std::move(exception));
    } catch (const RuntimeException& e) {
        kind = e.kind();
        message = e.what();
    } catch (const std::exception& e) {
        kind = "std::exception";
        message = e.what();
    } catch (...) {
        kind = "unknown exception";
    }
}

} // namespace

namespace runtime {

State& state()
{
    static State s;
    return s;
}

void Start(int argc, char** argv)
{
    if (QCoreApplication::instance())
        return;
    // Only the program's name reaches the toolkit, so no argument can change what it does.
    static std::string name = argc > 0 && argv && argv[0] ? argv[0] : "";
    static char* arguments[] = {name.data(), nullptr};
    static int count = 1;
    new QApplication(count, arguments); // lives to the end of the process, past the last window
    // The program decides when it ends: closing a window ends the run only through Quit.
    QApplication::setQuitOnLastWindowClosed(false);
}

void SetDesktopIdentity(const std::string& desktopFileName, const std::string& iconName)
{
    QGuiApplication::setDesktopFileName(QString::fromStdString(desktopFileName));
    // Installed, the icon theme has the icon in every size; elsewhere only the resource file does.
    QIcon fallback;
    for (const auto& folder : resourceFolders()) {
        const auto file = folder / (iconName + ".png");
        std::error_code error;
        if (std::filesystem::is_regular_file(file, error)) {
            fallback = QIcon(pathToQString(file));
            break;
        }
    }
    QGuiApplication::setWindowIcon(QIcon::fromTheme(QString::fromStdString(iconName), fallback));
}

void AddInitialiser(std::function<void()> initialiser)
{
    state().initialisers.push_back(std::move(initialiser));
}

void Initialise()
{
    auto initialisers = std::exchange(state().initialisers, {});
    try {
        for (const auto& initialiser : initialisers)
            initialiser();
    } catch (...) {
        state().pending = std::current_exception();
    }
}

std::exception_ptr TakePendingException()
{
    return std::exchange(state().pending, nullptr);
}

void SetExceptionHelper(ExceptionHelper helper)
{
    state().helper = helper;
}

void CallFunctionWithExceptionHandling(const std::function<void()>& fn)
{
    try {
        fn();
    } catch (...) {
        ReportUnhandledException(std::current_exception());
        if (state().loopRunning)
            QCoreApplication::exit(kFailureStatus);
    }
}

void callHandler(const std::function<void()>& fn)
{
    if (state().helper)
        state().helper(fn);
    else
        fn();
}

void DeclareFrameworkVersion(double version)
{
    state().frameworkVersion = version;
}

double FrameworkVersion()
{
    return state().frameworkVersion;
}

void InitialiseFramework(const std::function<void()>& lateStartup)
{
    if (!QCoreApplication::instance())
        throw RuntimeException("the toolkit has not been started");
    if (lateStartup)
        lateStartup();
}

void RunEventLoop()
{
    auto& s = state();
    if (!QCoreApplication::instance())
        throw RuntimeException("the toolkit has not been started");
    // A quit asked for, or a failure, before the loop ends the run without entering it.
    if (s.quitStatus || s.failed)
        return;
    struct Running {
        bool& flag;
        explicit Running(bool& f) : flag(f) { flag = true; }
        ~Running() { flag = false; }
    } running(s.loopRunning);
    const int code = QApplication::exec();
    if (!s.quitStatus)
        s.quitStatus = code;
}

void ReportUnhandledException(std::exception_ptr exception)
{
    if (!exception)
        return;
    // A run that lost an exception must not end as a success, even when this report fails.
    state().failed = true;
    std::string kind, message;
    describe(std::move(exception), kind, message);
    std::cerr << "Unhandled " << kind;
    if (!message.empty())
        std::cerr << ": " << message;
    std::cerr << std::endl;
}

void AddFinaliser(std::function<void()> finaliser)
{
    state().finalisers.push_back(std::move(finaliser));
}

void RunFinalisers()
{
    // The last one added undoes the latest set-up, so it runs first.
    auto finalisers = std::exchange(state().finalisers, {});
    for (auto it = finalisers.rbegin(); it != finalisers.rend(); ++it)
        CallFunctionWithExceptionHandling(*it);
}

int Shutdown()
{
    const auto& s = state();
    RegisterApplication(nullptr);
    if (s.failed)
        return s.quitStatus && *s.quitStatus != 0 ? *s.quitStatus : kFailureStatus;
    return s.quitStatus.value_or(0);
}

} // namespace runtime

void Quit(int status)
{
    auto& s = runtime::state();
    s.quitStatus = status;
    if (s.loopRunning)
        QCoreApplication::exit(status);
}

} // namespace fw
