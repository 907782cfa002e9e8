// The About window: version text, a picture and two links.
#pragma once

#include <framework/window.h>

#include <memory>

namespace shell {

class Window2 : public fw::Window {
public:
    Window2();

protected:
    fw::WindowEventTable windowEvents() override;
};

} // namespace shell

// The open About window, built when there is none; at most one exists.
std::shared_ptr<shell::Window2> Window2();
