// The open main window's controls, looked up afresh at every use: nothing is kept between paints.
#pragma once

#include <framework/runtime.h>
#include <framework/window.h>

#include <memory>
#include <string_view>

namespace engine {

// The open main window; NilObjectException when there is none.
std::shared_ptr<fw::Window> mainWindow();

// The main window's control of that name, cast to C.
template <class C>
std::shared_ptr<C> mainWindowControl(std::string_view name)
{
    return mainWindow()->controlAs<C>(name);
}

} // namespace engine
