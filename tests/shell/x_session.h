// A private X server, with a window manager when one is installed, for tests of the real program.
#pragma once

#include "child_process.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace shell_tests {

// Whether the condition holds within the deadline, asked every 50 ms.
template <class Condition>
bool waitUntil(Condition condition, std::chrono::milliseconds deadline)
{
    const auto until = std::chrono::steady_clock::now() + deadline;
    while (std::chrono::steady_clock::now() < until) {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return condition();
}

struct WindowGeometry {
    long x = 0, y = 0, width = 0, height = 0;
    bool operator==(const WindowGeometry&) const = default;
};

class XSession {
public:
    // Whether the tools the session needs are installed: Xvfb and xdotool.
    static bool available();

    // Starts Xvfb on a free display with one screen of that size, then openbox if installed.
    explicit XSession(const std::string& screenSize = "1400x1100");
    ~XSession();

    const std::string& display() const { return display_; }
    bool hasWindowManager() const { return windowManager_ != nullptr; }
    // The environment for a program shown on this display through Qt's X11 platform.
    std::vector<std::string> environment() const;

    // Runs xdotool on this display with the given arguments; its standard output.
    std::string xdotool(const std::string& arguments, int* status = nullptr) const;
    // The id of the visible window with exactly this title, once it exists.
    std::optional<std::string> waitForWindow(const std::string& title, std::chrono::milliseconds deadline) const;
    // The window's size; its position as xdotool reports it, which a window manager's frame skews.
    WindowGeometry geometry(const std::string& windowId) const;
    // The window with the window manager's frame around it, in screen pixels.
    WindowGeometry frame(const std::string& windowId) const;
    // The screen's size.
    WindowGeometry screen() const;
    // Clicks the left button at a point of the window's own pixels.
    void clickInWindow(const std::string& windowId, long x, long y) const;
    // Brings the window to the front and types the keys into it, e.g. "alt+f".
    void keys(const std::string& windowId, const std::string& keys) const;
    // Whether a menu of some program shows on the screen.
    bool menuIsOpen() const;
    // Opens a menu of the window with its key ("alt+f") and, once it shows, chooses an item with
    // the item's key ("Return", "x"). Whether the menu showed within seconds.
    bool chooseFromMenu(const std::string& windowId, const std::string& menuKey, const std::string& itemKey) const;
    // Minimises the window as its title bar's button does.
    void minimize(const std::string& windowId) const;
    // Whether the window is on the screen: mapped, so neither minimised nor closed.
    bool isViewable(const std::string& windowId) const;
    // Whether the window manager stacks the first window above the second.
    bool isAbove(const std::string& upperId, const std::string& lowerId) const;
    // Writes the whole screen to a PNG file with ImageMagick's import, when it is installed.
    bool screenshot(const std::string& pngFile) const;
    // Whether some client of this display owns the clipboard (the CLIPBOARD selection).
    bool clipboardHasOwner() const;
    // The window's own pixels in the rectangle, row by row; empty when they cannot be read.
    std::vector<unsigned long> pixels(const std::string& windowId, const WindowGeometry& rectangle) const;

private:
    std::unique_ptr<ChildProcess> server_;
    std::unique_ptr<ChildProcess> windowManager_;
    std::string display_;
};

} // namespace shell_tests
