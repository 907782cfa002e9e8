// The menu bar: a File and an Edit menu, built once and never changed.
#pragma once

#include <framework/menu.h>

#include <memory>
#include <string_view>

namespace shell {

class MenuBar1 : public fw::MenuBar {
public:
    std::string_view className() const override { return "MenuBar1.MenuBar1"; }

    // Builds both menus: File through Untitled0, then Edit through Untitled1.
    virtual void Constructor();
    virtual void Untitled0();
    virtual void Untitled1();
};

} // namespace shell

// The one menu bar, built on the first call; a failed build keeps nothing.
std::shared_ptr<shell::MenuBar1> MenuBar1();
