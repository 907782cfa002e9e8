// The application object.
#include <shell/app.h>

namespace shell {

void App::Constructor() {}

bool App::IsEventImplemented(std::string_view eventName) const
{
    return fw::RuntimeIsEventHandled(*this, "App", eventName, true);
}

} // namespace shell
