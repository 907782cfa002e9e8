// Start-up in its fixed order, from the main routine to the default window.
#include <shell/app.h>
#include <shell/menu_bar1.h>
#include <shell/startup.h>

#include <main_window/window1.h>

#include <framework/application.h>

#include <exception>
#include <memory>

void Main()
{
    try {
        if (auto pending = fw::runtime::TakePendingException())
            std::rethrow_exception(pending);
        fw::runtime::SetExceptionHelper(&fw::runtime::CallFunctionWithExceptionHandling);
        fw::runtime::DeclareFrameworkVersion(2019.03);
        EarlyStartup();
        fw::runtime::InitialiseFramework(&LateStartup);
        fw::runtime::RunEventLoop();
    } catch (...) {
        fw::runtime::ReportUnhandledException(std::current_exception());
    }
}

void EarlyStartup()
{
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
}

void InitFileTypes() {}

// The same empty routine under the second hook's name.
void ApplicationAddMenuHandlers()
{
    InitFileTypes();
}

void NewAppInstance()
{
    std::shared_ptr<fw::Application> app = std::make_shared<shell::App>();
    app->Constructor();
    app->_x_SetVersionData(1, 0, 0, 0, 0, "", "", "");
    app->setMenuBar(MenuBar1());
    fw::RegisterApplication(std::move(app));
}

void LateStartup()
{
    MakeDefaultView();
}

void MakeDefaultView()
{
    Window1(); // the framework holds the open main window; the reference is not needed
}
