// The tests' private X server.
#include "x_session.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <stdexcept>

#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <unistd.h>

namespace shell_tests {

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

bool answers(const std::string& display)
{
    int status = 0;
    runCommand("DISPLAY=" + display + " xdotool getdisplaygeometry >/dev/null 2>&1", &status);
    return status == 0;
}

// The process id an X server's lock file holds, written as text; -1 while there is none.
int lockHolder(const fs::path& lock)
{
    std::ifstream in(lock);
    int pid = -1;
    in >> pid;
    return pid;
}

// A connection of the test's own to the display, closed when it goes.
struct DisplayConnection {
    explicit DisplayConnection(const std::string& name) : display(XOpenDisplay(name.c_str()))
    {
        // Xlib's own handler ends the process on an error, such as a window that has gone.
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    }
    ~DisplayConnection()
    {
        if (display)
            XCloseDisplay(display);
    }
    DisplayConnection(const DisplayConnection&) = delete;
    DisplayConnection& operator=(const DisplayConnection&) = delete;
    Display* display;
};

} // namespace

bool XSession::available()
{
    return haveTool("Xvfb") && haveTool("xdotool");
}

XSession::XSession(const std::string& screenSize)
{
    // A display is free when it has no lock file and nothing answers on it: a server elsewhere can
    // hold a display's abstract socket without any file here, and clients would reach that one.
    // A server that loses a race for the number ends at once, and the next number is tried; the
    // winner's lock file holds its process id.
    for (int n = 100 + static_cast<int>(::getpid() % 400), tries = 0; tries < 50 && display_.empty(); ++n, ++tries) {
        // ':' as a char: GCC 12 at -O3 warns falsely on a string literal + std::string (its -Wrestrict
        // bug 105329 / 105651).
        const std::string candidate = ':' + std::to_string(n);
        const fs::path lock = "/tmp/.X" + std::to_string(n) + "-lock";
        if (fs::exists(lock) || answers(candidate))
            continue;
        auto server = std::make_unique<ChildProcess>(
            "Xvfb", std::vector<std::string>{candidate, "-nolisten", "tcp", "-screen", "0", screenSize + "x24"},
            toolEnvironment());
        const auto ours = [&] { return lockHolder(lock) == server->pid() && answers(candidate); };
        if (waitUntil([&] { return !server->running() || ours(); }, 20s) && server->running()) {
            server_ = std::move(server);
            display_ = candidate;
        }
    }
    if (display_.empty())
        throw std::runtime_error("no X server could be started");
    if (haveTool("openbox")) {
        // Openbox runs its start-up command only once it manages windows; a window mapped before
        // then may be left unmapped.
        const fs::path ready = fs::temp_directory_path() / ("tovalin-openbox-" + display_.substr(1) + "-ready");
        fs::remove(ready);
        windowManager_ = std::make_unique<ChildProcess>(
            "openbox", std::vector<std::string>{"--sm-disable", "--startup", "touch " + ready.string()},
            toolEnvironment({"DISPLAY=" + display_}));
        if (!waitUntil([&] { return fs::exists(ready); }, 20s))
            throw std::runtime_error("openbox did not start on " + display_);
        fs::remove(ready);
    }
}

XSession::~XSession()
{
    windowManager_.reset();
    server_.reset();
}

std::vector<std::string> XSession::environment() const
{
    return {"DISPLAY=" + display_, "QT_QPA_PLATFORM=xcb"};
}

std::string XSession::xdotool(const std::string& arguments, int* status) const
{
    return runCommand("DISPLAY=" + display_ + " xdotool " + arguments + " 2>/dev/null", status);
}

std::optional<std::string> XSession::waitForWindow(const std::string& title, std::chrono::milliseconds deadline) const
{
    std::string id;
    const bool found = waitUntil(
        [&] {
            const auto output = xdotool("search --onlyvisible --name '^" + title + "$'");
            if (output.empty())
                return false;
            id = output.substr(0, output.find('\n'));
            return true;
        },
        deadline);
    if (!found)
        return std::nullopt;
    return id;
}

WindowGeometry XSession::geometry(const std::string& windowId) const
{
    // "Position: 10,20 (screen: 0)" and "Geometry: 894x840"
    const auto text = xdotool("getwindowgeometry " + windowId);
    std::smatch m;
    WindowGeometry g;
    if (std::regex_search(text, m, std::regex(R"(Position: (-?\d+),(-?\d+))"))) {
        g.x = std::stol(m[1]);
        g.y = std::stol(m[2]);
    }
    if (std::regex_search(text, m, std::regex(R"(Geometry: (\d+)x(\d+))"))) {
        g.width = std::stol(m[1]);
        g.height = std::stol(m[2]);
    }
    return g;
}

WindowGeometry XSession::frame(const std::string& windowId) const
{
    // "Absolute upper-left X:  282" ... "Width: 801" of the window itself, and the frame's
    // "_NET_FRAME_EXTENTS(CARDINAL) = 1, 1, 20, 1": left, right, top, bottom.
    const auto info = runCommand("DISPLAY=" + display_ + " xwininfo -id " + windowId + " 2>/dev/null");
    const auto extents = runCommand("DISPLAY=" + display_ + " xprop -id " + windowId + " _NET_FRAME_EXTENTS 2>/dev/null");
    auto number = [](const std::string& text, const std::string& pattern) {
        std::smatch m;
        return std::regex_search(text, m, std::regex(pattern)) ? std::stol(m[1]) : 0L;
    };
    long left = 0, right = 0, top = 0, bottom = 0;
    std::smatch m;
    if (std::regex_search(extents, m, std::regex(R"(= (\d+), (\d+), (\d+), (\d+))"))) {
        left = std::stol(m[1]);
        right = std::stol(m[2]);
        top = std::stol(m[3]);
        bottom = std::stol(m[4]);
    }
    return {number(info, R"(Absolute upper-left X:\s+(-?\d+))") - left,
            number(info, R"(Absolute upper-left Y:\s+(-?\d+))") - top,
            number(info, R"(Width:\s+(\d+))") + left + right, number(info, R"(Height:\s+(\d+))") + top + bottom};
}

WindowGeometry XSession::screen() const
{
    // "1024 768"
    const auto text = xdotool("getdisplaygeometry");
    WindowGeometry g;
    std::smatch m;
    if (std::regex_search(text, m, std::regex(R"((\d+) (\d+))"))) {
        g.width = std::stol(m[1]);
        g.height = std::stol(m[2]);
    }
    return g;
}

void XSession::clickInWindow(const std::string& windowId, long x, long y) const
{
    // Without --sync: it waits for a move that never comes when the pointer is there already. The
    // server handles the move before the click all the same.
    xdotool("mousemove --window " + windowId + " " + std::to_string(x) + " " + std::to_string(y) + " sleep 0.1 click 1");
}

void XSession::keys(const std::string& windowId, const std::string& keys) const
{
    // Activating needs a window manager; without one, focusing the window does.
    const std::string front = hasWindowManager() ? "windowactivate --sync " : "windowfocus --sync ";
    xdotool(front + windowId + " key --clearmodifiers " + keys);
}

bool XSession::menuIsOpen() const
{
    // A menu is a window of its own, straight on the root window, with a menu's window type.
    const DisplayConnection connection(display_);
    Display* const display = connection.display;
    if (!display)
        return false;
    const Atom windowType = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
    const Atom menuTypes[] = {XInternAtom(display, "_NET_WM_WINDOW_TYPE_DROPDOWN_MENU", False),
                              XInternAtom(display, "_NET_WM_WINDOW_TYPE_POPUP_MENU", False)};
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return false;
    bool open = false;
    for (unsigned i = 0; i < count && !open; ++i) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, children[i], &attributes) || attributes.map_state != IsViewable)
            continue;
        Atom actualType = 0;
        int format = 0;
        unsigned long types = 0, remaining = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, children[i], windowType, 0, 16, False, XA_ATOM, &actualType, &format,
                               &types, &remaining, &data) == Success && data) {
            const auto* atoms = reinterpret_cast<const Atom*>(data);
            open = std::find_first_of(atoms, atoms + types, std::begin(menuTypes), std::end(menuTypes))
                   != atoms + types;
            XFree(data);
        }
    }
    if (children)
        XFree(children);
    return open;
}

bool XSession::chooseFromMenu(const std::string& windowId, const std::string& menuKey, const std::string& itemKey) const
{
    // A key that comes while the window manager is still busy with the window can be lost: the
    // menu's key goes again until the menu shows. The item's key goes to the open menu alone.
    const auto until = std::chrono::steady_clock::now() + 20s;
    while (std::chrono::steady_clock::now() < until) {
        keys(windowId, menuKey);
        if (waitUntil([&] { return menuIsOpen(); }, 5s)) {
            xdotool("key --clearmodifiers " + itemKey);
            return true;
        }
    }
    return false;
}

void XSession::minimize(const std::string& windowId) const
{
    xdotool("windowminimize --sync " + windowId);
}

bool XSession::isViewable(const std::string& windowId) const
{
    const auto text = runCommand("DISPLAY=" + display_ + " xwininfo -id " + windowId + " 2>/dev/null");
    return text.find("Map State: IsViewable") != std::string::npos;
}

bool XSession::isAbove(const std::string& upperId, const std::string& lowerId) const
{
    // "_NET_CLIENT_LIST_STACKING(WINDOW): window id # 0x1a00007, 0x1c00007", bottom first; the
    // ids of xdotool are the same windows in decimal.
    const auto text = runCommand("DISPLAY=" + display_ + " xprop -root _NET_CLIENT_LIST_STACKING 2>/dev/null");
    std::vector<unsigned long> stack;
    const std::regex hex("0x[0-9a-fA-F]+");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), hex); it != std::sregex_iterator(); ++it)
        stack.push_back(std::stoul(it->str(), nullptr, 16));
    const auto upper = std::ranges::find(stack, std::stoul(upperId));
    const auto lower = std::ranges::find(stack, std::stoul(lowerId));
    return upper != stack.end() && lower != stack.end() && upper > lower;
}

bool XSession::screenshot(const std::string& pngFile) const
{
    if (!haveTool("import"))
        return false;
    int status = 0;
    runCommand("DISPLAY=" + display_ + " import -window root " + shellQuoted(pngFile), &status);
    return status == 0;
}

bool XSession::clipboardHasOwner() const
{
    const DisplayConnection connection(display_);
    return connection.display
        && XGetSelectionOwner(connection.display, XInternAtom(connection.display, "CLIPBOARD", False)) != None;
}

std::vector<unsigned long> XSession::pixels(const std::string& windowId, const WindowGeometry& rectangle) const
{
    const DisplayConnection connection(display_);
    if (!connection.display)
        return {};
    XImage* image = XGetImage(connection.display, std::stoul(windowId), static_cast<int>(rectangle.x),
                              static_cast<int>(rectangle.y), static_cast<unsigned>(rectangle.width),
                              static_cast<unsigned>(rectangle.height), AllPlanes, ZPixmap);
    if (!image)
        return {};
    std::vector<unsigned long> pixels;
    pixels.reserve(static_cast<std::size_t>(rectangle.width * rectangle.height));
    for (int y = 0; y < image->height; ++y)
        for (int x = 0; x < image->width; ++x)
            pixels.push_back(XGetPixel(image, x, y));
    XDestroyImage(image);
    return pixels;
}

} // namespace shell_tests
