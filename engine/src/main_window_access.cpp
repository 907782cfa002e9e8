// Reaching the main window through the framework keeps the engine free of a link to it.
#include "main_window_access.h"

namespace engine {

std::shared_ptr<fw::Window> mainWindow()
{
    auto window = fw::GetImplicitWindow("Window1.Window1");
    if (!window)
        throw fw::NilObjectException("the main window is not open");
    return window;
}

} // namespace engine
