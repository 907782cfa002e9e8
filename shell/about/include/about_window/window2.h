// The About window: version text, a picture and two links.
#pragma once

#include <framework/controls.h>
#include <framework/window.h>

#include <cstdint>
#include <memory>
#include <string_view>

namespace shell {

class Window2 : public fw::Window {
public:
    static constexpr std::string_view kClassName = "Window2.Window2";

    Window2();

    // The window's controls by name; nothing is cached.
    std::shared_ptr<fw::Rectangle> Rectangle1();
    std::shared_ptr<fw::Label> StaticText1();
    std::shared_ptr<fw::Label> StaticText2();
    std::shared_ptr<fw::Canvas> Canvas1();

    // Asks the framework whether the window's own code handles the named window event.
    bool IsEventImplemented(std::string_view eventName);

protected:
    fw::WindowEventTable windowEvents() override;

    // The construction hooks: the window's record, then its four controls.
    void Layout();
    void CreateControls();
    void CreateControls0();

    // The link label opens the web site, the picture a new e-mail; both show the finger while the
    // pointer is over them. The cursor and mouse-down routines serve both controls.
    void StaticText2_MouseEnter(fw::RectControl& sender);
    void StaticText2_MouseExit(fw::RectControl& sender);
    bool StaticText2_MouseDown(fw::RectControl& sender, std::int64_t x, std::int64_t y);
    void StaticText2_MouseUp(fw::Label& sender, std::int64_t x, std::int64_t y);
    void Canvas1_MouseEnter(fw::Canvas& sender) { StaticText2_MouseEnter(sender); }
    bool Canvas1_MouseDown(fw::Canvas& sender, std::int64_t x, std::int64_t y) { return StaticText2_MouseDown(sender, x, y); }
    void Canvas1_MouseExit(fw::Canvas& sender) { StaticText2_MouseExit(sender); }
    void Canvas1_MouseUp(fw::Canvas& sender, std::int64_t x, std::int64_t y);
};

} // namespace shell

// The open About window, built when there is none; at most one exists.
std::shared_ptr<shell::Window2> Window2();
