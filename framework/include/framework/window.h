// Windows: built through their class's hooks, holding controls registered by name.
#pragma once

#include <framework/property_sheet.h>
#include <framework/rect_control.h>
#include <framework/runtime.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace fw {

class MenuItem;

// The events a window class can handle, in the framework's order.
enum class WindowEvent {
    Activate, AddMenuHandlers, CancelClose, Close, ConstructContextualMenu, ContentsChanged,
    ContextualMenuAction, CreateControls, Deactivate, DragEnter, DragExit, DragOver, DropObject,
    EnableMenuItems, KeyDown, KeyUp, Layout, Maximize, Minimize, MouseDown, MouseDrag, MouseEnter,
    MouseExit, MouseMove, MouseUp, MouseWheel, Moved, Open, Paint, Resized, Resizing, Restore,
    ScaleFactorChanged, SetupBindings,
};
inline constexpr std::size_t kWindowEventCount = static_cast<std::size_t>(WindowEvent::SetupBindings) + 1;
std::string_view windowEventName(WindowEvent event);

// One place per window event: the class's handler, or empty.
using WindowEventTable = std::array<std::function<void()>, kWindowEventCount>;

// A window's record declares Width, Height, the Minimum and Maximum sizes, Type, Title, the title
// bar buttons, Resizeable, Composite, MacProcID, FullScreen, DefaultLocation, Visible,
// HasBackgroundColor, BackgroundColor, MenuBarVisible and LiveResize. Width and Height are the
// content area below the menu bar.
class Window : public PropertySheet, public std::enable_shared_from_this<Window> {
public:
    explicit Window(std::string className); // e.g. "Window1.Window1"
    ~Window() override;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const std::string& className() const { return className_; }

    // Builds the window: raises Layout and CreateControls, then AddMenuHandlers, registers the
    // window as the open implicit instance of its class, raises Open, and shows it when its
    // record made it Visible. Open always comes before a canvas's first Paint.
    void Constructor();
    // Shows the window modelessly and brings it to the front, restored if it was minimised.
    void Show();
    // Closes the window as its close box does: raises Close, then the window is no longer open.
    void Close();
    bool isOpen() const;
    // Asks for an asynchronous repaint of the whole window.
    void Refresh(bool eraseBackground = true);

    std::string Title() const;
    std::int64_t Width() const;
    std::int64_t Height() const;
    bool Resizeable() const;
    // The factor at which the window's layout is shown: 1 wherever the window fits the free area
    // of its screen, frame included; smaller for a window of fixed size that does not, which is
    // then shown whole, every control and font scaled by it. Controls keep their Left, Top, Width
    // and Height in the layout's pixels, and a canvas draws and reports the mouse in them.
    double scaleFactor() const;

    // A new control of class C in this window (not yet registered).
    template <class C>
    std::shared_ptr<C> New()
    {
        return std::shared_ptr<C>(new C(*this));
    }
    // Registers the control under its name; the window owns it from then on.
    void AddControl(const std::string& name, std::shared_ptr<RectControl> control);
    // The control registered under that name, or nullptr.
    std::shared_ptr<RectControl> ControlByName(std::string_view name) const;
    // The control of that name cast to C: NilObjectException when there is none,
    // IllegalCastException when it is of another class.
    template <class C>
    std::shared_ptr<C> controlAs(std::string_view name) const
    {
        return checkedCast<C>(ControlByName(name), "control");
    }
    // Makes a control of class C, registers it under name and applies its record to it as fetched
    // back by that name. prepare, when given, runs on the registered control just before the
    // record. Handlers are bound by the caller afterwards, so the record raises none of them.
    template <class C>
    std::shared_ptr<C> createControl(std::string_view name, std::span<const std::uint8_t> record,
                                     const std::function<void(C&)>& prepare = {})
    {
        AddControl(std::string(name), New<C>());
        auto control = controlAs<C>(name);
        if (prepare)
            prepare(*control);
        SetProperties(*control, record);
        return control;
    }
    // The registered controls in creation order.
    const std::vector<std::shared_ptr<RectControl>>& controls() const { return controls_; }

    // Registers a handler for the menu item of that name; it is run when the item is chosen while
    // this window is in front, and its result true means the item's default action is skipped.
    void AddMenuHandler(const std::string& itemName, std::function<bool()> handler);
    bool hasMenuHandler(std::string_view itemName) const;

    // Whether the class's own code handles the named window event.
    bool handlesEvent(std::string_view eventName);

    QWidget* widget() const;

protected:
    // The class's window-event table; asked for once, when the window is built.
    virtual WindowEventTable windowEvents() = 0;

private:
    friend void ChooseMenuItem(Window& window, std::string_view itemName);
    friend class RectControl;
    // A control's record has been applied: its TabIndex, container or focus may have changed.
    void controlRecordApplied();
    // Keyboard focus moves through each container's controls in TabIndex order, creation order
    // breaking ties, and through a container's own controls right after the container.
    void arrangeTabOrder();
    struct Impl;
    std::string className_;
    std::unique_ptr<Impl> impl_;
    std::vector<std::shared_ptr<RectControl>> controls_;
};

// The open window registered as the implicit instance of that class, or nullptr.
std::shared_ptr<Window> GetImplicitWindow(std::string_view className);

// Whether the object of class className handles the event in its own code. Raises
// RuntimeException when the object is not of that class.
bool RuntimeIsEventHandled(Window& object, std::string_view className, std::string_view eventName,
                           bool ownCodeOnly);

// Chooses the menu item of that name as the user would with window in front: runs the window's
// handler for it and, unless that returned true, the item's editing command on the window's
// focused text field and the item's default action.
void ChooseMenuItem(Window& window, std::string_view itemName);

} // namespace fw
