// Windows: their record, their construction through the class's hooks, controls, menu handlers
// and the registry of open windows.
#include <framework/window.h>

#include "desktop.h"
#include "edit_command.h"
#include "menu_bar_builder.h"
#include "qt_convert.h"
#include "ui_thread.h"
#include "window_widget.h"

#include <framework/application.h>
#include <framework/menu.h>
#include <framework/screen_fit.h>

#include <QApplication>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>

#include <algorithm>
#include <limits>
#include <map>
#include <optional>
#include <utility>

namespace fw {

namespace {

constexpr std::array<std::string_view, kWindowEventCount> kWindowEventNames = {
    "Activate", "AddMenuHandlers", "CancelClose", "Close", "ConstructContextualMenu", "ContentsChanged",
    "ContextualMenuAction", "CreateControls", "Deactivate", "DragEnter", "DragExit", "DragOver", "DropObject",
    "EnableMenuItems", "KeyDown", "KeyUp", "Layout", "Maximize", "Minimize", "MouseDown", "MouseDrag",
    "MouseEnter", "MouseExit", "MouseMove", "MouseUp", "MouseWheel", "Moved", "Open", "Paint", "Resized",
    "Resizing", "Restore", "ScaleFactorChanged", "SetupBindings",
};

// Every open window, from its construction until it is closed. Never destroyed, so that no window
// is torn down while the toolkit itself is being torn down at exit.
std::vector<std::shared_ptr<Window>>& openWindows()
{
    static auto* windows = new std::vector<std::shared_ptr<Window>>;
    return *windows;
}

int toInt(std::int64_t value)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, 0, QWIDGETSIZE_MAX));
}

// What a window manager's frame usually adds: a title bar and a thin border.
constexpr fit::Frame kUsualFrame{2, 30, 2, 2};

fit::Frame frameOf(const QWidget& window)
{
    const QRect outer = window.frameGeometry(), inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

std::shared_ptr<MenuItem> findItem(const MenuItem& parent, std::string_view name)
{
    for (const auto& child : parent.children()) {
        if (child->Name() == name)
            return child;
        if (auto found = findItem(*child, name))
            return found;
    }
    return nullptr;
}

} // namespace

std::string_view windowEventName(WindowEvent event)
{
    return kWindowEventNames.at(static_cast<std::size_t>(event));
}

struct Window::Impl {
    QPointer<WindowWidget> widget;
    std::optional<WindowEventTable> events;
    bool constructed = false;
    bool controlsCreated = false; // from then on every control's record rearranges the Tab order
    bool open = false;
    std::string title;
    std::int64_t width = 300, height = 300;
    std::int64_t minimumWidth = 64, minimumHeight = 64;
    std::int64_t maximumWidth = 32000, maximumHeight = 32000;
    bool resizeable = true;
    bool hasCloseButton = true, hasMinimizeButton = true, hasMaximizeButton = true;
    bool visible = true;
    // Where the window first appears: 1 centred over the window in front, 2 centred on the
    // screen, anything else where the window manager puts it.
    std::int64_t defaultLocation = 0;
    bool menuBarVisible = false;
    double scale = 1.0;
    bool shownBefore = false;
    bool hasBackgroundColor = false;
    Color backgroundColor = RGB(255, 255, 255);
    std::map<std::string, std::function<bool()>, std::less<>> menuHandlers;

    ~Impl()
    {
        // Without a toolkit there is nothing left to delete the widget with.
        if (widget && QApplication::instance())
            delete widget.data();
    }

    // The class's window-event table, asked for once.
    const WindowEventTable& eventTable(Window& window)
    {
        if (!events)
            events.emplace(window.windowEvents());
        return *events;
    }

    void applySize()
    {
        const auto shown = [this](std::int64_t length) { return toInt(fit::scaleSpan(0, length, scale).length); };
        widget->setContentSize(QSize(shown(width), shown(height)), resizeable,
                               QSize(toInt(minimumWidth), toInt(minimumHeight)),
                               QSize(toInt(maximumWidth), toInt(maximumHeight)));
    }

    void applyTitleBar()
    {
        Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
        if (hasCloseButton)
            flags |= Qt::WindowCloseButtonHint;
        if (hasMinimizeButton)
            flags |= Qt::WindowMinimizeButtonHint;
        if (hasMaximizeButton && resizeable)
            flags |= Qt::WindowMaximizeButtonHint;
        const bool shown = widget->isVisible();
        widget->setWindowFlags(flags);
        if (shown)
            widget->show();
    }

    // The layout at the factor that fits the screen's free area inside a frame of these margins;
    // true when the factor changed. A window the user can resize keeps its layout's size.
    bool fitScreen(Window& owner, const fit::Frame& frame)
    {
        const QRect free = widget->screen()->availableGeometry();
        const double wanted = resizeable ? 1.0
                                         : fit::scaleToFit(width, height, widget->menuBarHeight(), frame,
                                                           {free.x(), free.y(), free.width(), free.height()});
        if (wanted == scale)
            return false;
        scale = wanted;
        applySize();
        for (const auto& control : owner.controls_)
            control->layoutScaled();
        return true;
    }

    // Moves the window, whose frame has these margins, to its place: centred where its
    // DefaultLocation asks for it, and in any case with the whole frame on the screen's free area.
    void place(const fit::Frame& frame, bool centre)
    {
        widget->adjustSize();
        QRect outer(widget->pos(), widget->size().grownBy(QMargins(toInt(frame.left), toInt(frame.top),
                                                                    toInt(frame.right), toInt(frame.bottom))));
        if (centre && (defaultLocation == 1 || defaultLocation == 2)) {
            QWidget* over = defaultLocation == 1 ? QApplication::activeWindow() : nullptr;
            if (over == widget.data())
                over = nullptr;
            outer.moveCenter(over ? over->frameGeometry().center() : widget->screen()->availableGeometry().center());
        }
        const QRect free = widget->screen()->availableGeometry();
        const fit::Area kept = fit::keepOnScreen({outer.x(), outer.y(), outer.width(), outer.height()},
                                                 {free.x(), free.y(), free.width(), free.height()});
        const QPoint target(static_cast<int>(kept.left), static_cast<int>(kept.top));
        if (target != widget->pos())
            widget->move(target); // a window's position is its frame's
    }

    // Before the first show the frame is not known yet: that of a window already shown is the best
    // guess, else a usual title bar and border. Once the window manager has framed the window, it
    // is fitted again with the frame it really has. A window that fits is placed as its layout
    // alone asks.
    void fitAndPlaceForFirstShow(Window& owner)
    {
        fit::Frame frame = kUsualFrame;
        for (QWidget* other : QApplication::topLevelWidgets())
            if (other != widget.data() && other->isVisible() && other->frameGeometry() != other->geometry()) {
                frame = frameOf(*other);
                break;
            }
        fitScreen(owner, frame);
        if (defaultLocation == 1 || defaultLocation == 2)
            place(scale < 1.0 ? frame : fit::Frame{}, true);
        widget->whenFramed([this, &owner] {
            const fit::Frame real = frameOf(*widget);
            const bool rescaled = fitScreen(owner, real);
            place(real, rescaled || scale < 1.0);
        });
    }

    void applyBackground()
    {
        QWidget* content = widget->content();
        content->setAutoFillBackground(hasBackgroundColor);
        if (hasBackgroundColor) {
            QPalette palette = content->palette();
            palette.setColor(QPalette::Window, toQColor(backgroundColor));
            content->setPalette(palette);
        }
    }
};

Window::Window(std::string className) : className_(std::move(className)), impl_(std::make_unique<Impl>())
{
    if (!QApplication::instance())
        throw RuntimeException("a window needs the toolkit to be started");
    requireUiThread("building a window");
    impl_->widget = new WindowWidget(*this);
    impl_->applySize();
    impl_->applyTitleBar();

    auto integer = [](std::int64_t& field, auto then) {
        return [&field, then](const PropertyValue& v) { field = std::get<std::int64_t>(v); then(); };
    };
    auto boolean = [](bool& field, auto then) {
        return [&field, then](const PropertyValue& v) { field = std::get<bool>(v); then(); };
    };
    Impl& d = *impl_;
    auto size = [&d] { d.applySize(); };
    auto titleBar = [&d] { d.applyTitleBar(); };
    auto background = [&d] { d.applyBackground(); };
    auto nothing = [] {};

    declare("Width", PropertyKind::Integer, integer(d.width, size));
    declare("Height", PropertyKind::Integer, integer(d.height, size));
    declare("MinimumWidth", PropertyKind::Integer, integer(d.minimumWidth, size));
    declare("MinimumHeight", PropertyKind::Integer, integer(d.minimumHeight, size));
    declare("MaximumWidth", PropertyKind::Integer, integer(d.maximumWidth, size));
    declare("MaximumHeight", PropertyKind::Integer, integer(d.maximumHeight, size));
    declare("Type", PropertyKind::Enumeration);
    declare("Title", PropertyKind::Text, [&d](const PropertyValue& v) {
        d.title = std::get<std::string>(v);
        d.widget->setWindowTitle(toQString(d.title));
    });
    declare("HasCloseButton", PropertyKind::Boolean, boolean(d.hasCloseButton, titleBar));
    declare("HasMaximizeButton", PropertyKind::Boolean, boolean(d.hasMaximizeButton, titleBar));
    declare("HasMinimizeButton", PropertyKind::Boolean, boolean(d.hasMinimizeButton, titleBar));
    declare("HasFullScreenButton", PropertyKind::Boolean);
    declare("Resizeable", PropertyKind::Boolean, [&d](const PropertyValue& v) {
        d.resizeable = std::get<bool>(v);
        d.applySize();
        d.applyTitleBar();
    });
    declare("Composite", PropertyKind::Boolean);
    declare("MacProcID", PropertyKind::Integer);
    declare("FullScreen", PropertyKind::Boolean);
    declare("DefaultLocation", PropertyKind::Enumeration, [&d](const PropertyValue& v) {
        d.defaultLocation = std::get<std::int64_t>(v);
    });
    declare("Visible", PropertyKind::Boolean, boolean(d.visible, nothing));
    declare("HasBackgroundColor", PropertyKind::Boolean, boolean(d.hasBackgroundColor, background));
    declare("BackgroundColor", PropertyKind::Colour, [&d](const PropertyValue& v) {
        d.backgroundColor = std::get<Color>(v);
        d.applyBackground();
    });
    declare("MenuBarVisible", PropertyKind::Boolean, boolean(d.menuBarVisible, nothing));
    declare("LiveResize", PropertyKind::Boolean);
}

Window::~Window()
{
    // The controls go first: their widgets belong to the window's widget.
    controls_.clear();
}

void Window::Constructor()
{
    requireUiThread("building a window");
    if (impl_->constructed)
        throw RuntimeException("the window \"" + className_ + "\" has been built already");
    impl_->constructed = true;

    const WindowEventTable& events = impl_->eventTable(*this);
    auto raise = [&events](WindowEvent event) {
        if (const auto& handler = events[static_cast<std::size_t>(event)])
            handler();
    };
    raise(WindowEvent::Layout);
    raise(WindowEvent::CreateControls);
    impl_->controlsCreated = true;
    arrangeTabOrder();
    raise(WindowEvent::AddMenuHandlers);

    if (impl_->menuBarVisible) {
        const Application* application = app();
        if (application && application->MenuBar())
            impl_->widget->setMenuBar(buildMenuBar(*this, *application->MenuBar(), impl_->widget));
    }

    auto self = shared_from_this();
    openWindows().push_back(self);
    impl_->open = true;
    try {
        raise(WindowEvent::Open);
    } catch (...) {
        impl_->open = false;
        std::erase(openWindows(), self);
        throw;
    }
    if (impl_->visible)
        Show();
}

void Window::Show()
{
    if (!impl_->open)
        throw RuntimeException("the window \"" + className_ + "\" is not open");
    // A window that exists comes back from the task bar as well as from behind other windows.
    QWidget* widget = impl_->widget;
    widget->setWindowState(widget->windowState() & ~Qt::WindowMinimized);
    if (!widget->isVisible()) {
        if (!std::exchange(impl_->shownBefore, true))
            impl_->fitAndPlaceForFirstShow(*this);
        widget->show(); // a window shown for the first time comes up in front
        return;
    }
    widget->raise();
    widget->activateWindow();
}

void Window::Close()
{
    if (!impl_->open)
        return;
    impl_->open = false;
    auto self = shared_from_this();
    // The window leaves the registry even when its Close handler fails.
    struct Release {
        Window& window;
        std::shared_ptr<Window> self;
        ~Release()
        {
            if (window.impl_->widget)
                window.impl_->widget->hide();
            std::erase(openWindows(), self);
            // Closing may run inside one of the window's own toolkit callbacks: the last
            // reference goes once that callback has returned.
            if (QCoreApplication* app = QCoreApplication::instance())
                QMetaObject::invokeMethod(app, [keep = std::move(self)] {}, Qt::QueuedConnection);
        }
    } release{*this, self};
    if (const auto& handler = impl_->eventTable(*this)[static_cast<std::size_t>(WindowEvent::Close)])
        handler();
}

bool Window::isOpen() const
{
    return impl_->open;
}

void Window::Refresh(bool)
{
    if (!impl_->widget)
        return;
    desktop::repaint(*impl_->widget);
}

std::string Window::Title() const
{
    return impl_->title;
}

std::int64_t Window::Width() const
{
    return impl_->width;
}

std::int64_t Window::Height() const
{
    return impl_->height;
}

bool Window::Resizeable() const
{
    return impl_->resizeable;
}

double Window::scaleFactor() const
{
    return impl_->scale;
}

void Window::AddControl(const std::string& name, std::shared_ptr<RectControl> control)
{
    requireUiThread("registering a control");
    if (!control)
        throw NilObjectException("no control to register as \"" + name + "\"");
    if (name.empty())
        throw RuntimeException("a control needs a name to be registered");
    if (&control->window() != this)
        throw RuntimeException("the control \"" + name + "\" belongs to another window");
    if (!control->Name().empty())
        throw RuntimeException("the control \"" + control->Name() + "\" is registered already");
    if (ControlByName(name))
        throw RuntimeException("the window has a control named \"" + name + "\" already");
    control->setName(name);
    if (QWidget* widget = control->widget())
        widget->setObjectName(toQString(name));
    controls_.push_back(std::move(control));
}

void Window::controlRecordApplied()
{
    // While the window builds its controls, one arrangement at the end serves them all.
    if (impl_->controlsCreated)
        arrangeTabOrder();
}

void Window::arrangeTabOrder()
{
    std::vector<QWidget*> chain;
    auto visit = [this, &chain](auto& self, const RectControl* container) -> void {
        std::vector<RectControl*> inside;
        for (const auto& control : controls_)
            if (control->parentControl() == container)
                inside.push_back(control.get());
        std::ranges::stable_sort(inside, {}, &RectControl::TabIndex);
        for (RectControl* control : inside) {
            // The toolkit leaves widgets that never take focus out of any order it is given.
            if (QWidget* widget = control->widget(); widget && widget->focusPolicy() != Qt::NoFocus)
                chain.push_back(widget);
            self(self, control);
        }
    };
    visit(visit, nullptr);
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

std::shared_ptr<RectControl> Window::ControlByName(std::string_view name) const
{
    auto found = std::ranges::find_if(controls_, [name](const auto& c) { return c->Name() == name; });
    return found == controls_.end() ? nullptr : *found;
}

void Window::AddMenuHandler(const std::string& itemName, std::function<bool()> handler)
{
    if (!handler)
        throw NilObjectException("no menu handler for \"" + itemName + "\"");
    impl_->menuHandlers.insert_or_assign(itemName, std::move(handler));
}

bool Window::hasMenuHandler(std::string_view itemName) const
{
    return impl_->menuHandlers.find(itemName) != impl_->menuHandlers.end();
}

bool Window::handlesEvent(std::string_view eventName)
{
    auto place = std::ranges::find(kWindowEventNames, eventName);
    if (place == kWindowEventNames.end())
        return false;
    return static_cast<bool>(impl_->eventTable(*this)[static_cast<std::size_t>(place - kWindowEventNames.begin())]);
}

QWidget* Window::widget() const
{
    return impl_->widget;
}

std::shared_ptr<Window> GetImplicitWindow(std::string_view className)
{
    for (const auto& window : openWindows())
        if (window->className() == className && window->isOpen())
            return window;
    return nullptr;
}

bool RuntimeIsEventHandled(Window& object, std::string_view className, std::string_view eventName, bool)
{
    // The framework's own window code handles no event, so the answer is the class's either way.
    if (object.className() != className)
        throw RuntimeException("the window is of class \"" + object.className() + "\", not \""
                               + std::string(className) + "\"");
    return object.handlesEvent(eventName);
}

void ChooseMenuItem(Window& window, std::string_view itemName)
{
    const Application* application = app();
    if (!application)
        throw NilObjectException("there is no application object");
    if (!application->MenuBar())
        throw NilObjectException("the application has no menu bar");
    std::shared_ptr<MenuItem> item = findItem(*application->MenuBar(), itemName);
    if (!item)
        throw NilObjectException("the menu bar has no item named \"" + std::string(itemName) + "\"");
    bool handled = false;
    auto found = window.impl_->menuHandlers.find(itemName);
    if (found != window.impl_->menuHandlers.end()) {
        auto handler = found->second; // the handler may register others while it runs
        handled = handler();
    }
    if (handled)
        return;
    if (QLineEdit* field = editTarget(window))
        edit(item->editCommand(), *field);
    item->defaultAction();
}

} // namespace fw
