// The toolkit menu bar that shows the application's menu tree in one window.
#pragma once

class QMenuBar;
class QWidget;

namespace fw {

class MenuItem;
class Window;

// Builds the bar from the tree under root; choosing an item chooses it for window.
QMenuBar* buildMenuBar(Window& window, const MenuItem& root, QWidget* parent);

} // namespace fw
