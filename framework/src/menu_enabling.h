// Automatic enabling: whether a menu item can act with a given window in front.
#pragma once

namespace fw {

class MenuItem;
class Window;

// True for an item that is not automatically enabled; otherwise whether the window has a
// handler for it, its class brings an action of its own, or its editing command can act on the
// window's focused text field.
bool menuItemEnabled(const Window& window, const MenuItem& item);

} // namespace fw
