// Driving controls through the toolkit's own events, as a user's mouse and keyboard would.
#include <framework/testing.h>

#include "image_impl.h"
#include "qt_convert.h"
#include "repaint_counts.h"
#include "window_widget.h"

#include <framework/controls.h>
#include <framework/runtime.h>
#include <framework/window.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>

#include <algorithm>
#include <limits>
#include <string>
#include <utility>

namespace fw::testing {

namespace {

// Whether the left button is down since the last press, so that moves drag.
bool buttonHeld = false;

QWidget& widgetOf(const RectControl& control)
{
    if (!control.widget())
        throw NilObjectException("the control \"" + control.Name() + "\" has no widget any more");
    return *control.widget();
}

// Only what is on the screen can be pointed at or typed into.
bool reachable(const QWidget& widget)
{
    return widget.isVisible();
}

void sendMouse(QWidget& widget, QEvent::Type type, std::int64_t x, std::int64_t y, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    const QPointF local(static_cast<double>(x), static_cast<double>(y));
    QMouseEvent event(type, local, widget.mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

void sendKey(QWidget& widget, int key, Qt::KeyboardModifiers modifiers, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(&widget, &release);
}

// A check box or radio button takes clicks on its box and caption only: aim at the box.
QPoint clickPoint(const QWidget& widget)
{
    const QPoint centre(widget.width() / 2, widget.height() / 2);
    QStyle::PixelMetric box;
    if (qobject_cast<const QCheckBox*>(&widget))
        box = QStyle::PM_IndicatorWidth;
    else if (qobject_cast<const QRadioButton*>(&widget))
        box = QStyle::PM_ExclusiveIndicatorWidth;
    else
        return centre;
    return {widget.style()->pixelMetric(box, nullptr, &widget) / 2 + 1, centre.y()};
}

int keyOf(char32_t ch)
{
    // Printable ASCII keys carry their upper-case character code.
    if (ch >= 0x20 && ch < 0x7F)
        return static_cast<int>(ch >= 'a' && ch <= 'z' ? ch - 'a' + 'A' : ch);
    return Qt::Key_unknown;
}

// A click into a window brings it to the front before the click itself takes effect.
void activate(QWidget& top)
{
    top.activateWindow();
    processEvents();
}

// The item's action on the window's menu bar, and the menu that holds it.
std::pair<QAction*, QMenu*> menuAction(const Window& window, std::string_view itemName)
{
    QWidget* top = window.widget();
    const QMenuBar* bar = top ? top->findChild<QMenuBar*>() : nullptr;
    if (!bar)
        throw NilObjectException("the window shows no menu bar");
    auto* action = bar->findChild<QAction*>(toQString(itemName));
    auto* menu = action ? qobject_cast<QMenu*>(action->parent()) : nullptr;
    if (!menu)
        throw NilObjectException("the menu bar has no item named \"" + std::string(itemName) + "\"");
    activate(*top);
    return {action, menu};
}

// Opens the menu as the user does, which settles its items' states, and closes it again.
bool enabledInOpenedMenu(QAction& action, QMenu& menu)
{
    menu.popup(QPoint(0, 0));
    const bool enabled = action.isEnabled();
    menu.hide();
    processEvents();
    return enabled;
}

} // namespace

void processEvents()
{
    // Handling one round of events can post the next round (a repaint after a layout).
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

void mousePress(RectControl& control, std::int64_t x, std::int64_t y)
{
    QWidget& widget = widgetOf(control);
    if (!reachable(widget))
        return;
    buttonHeld = true;
    sendMouse(widget, QEvent::MouseButtonPress, x, y, Qt::LeftButton, Qt::LeftButton);
}

void mouseMove(RectControl& control, std::int64_t x, std::int64_t y)
{
    QWidget& widget = widgetOf(control);
    if (!reachable(widget))
        return;
    sendMouse(widget, QEvent::MouseMove, x, y, Qt::NoButton, buttonHeld ? Qt::LeftButton : Qt::NoButton);
}

void mouseRelease(RectControl& control, std::int64_t x, std::int64_t y)
{
    QWidget& widget = widgetOf(control);
    buttonHeld = false;
    if (!reachable(widget))
        return;
    sendMouse(widget, QEvent::MouseButtonRelease, x, y, Qt::LeftButton, Qt::NoButton);
}

void mouseEnter(RectControl& control)
{
    QWidget& widget = widgetOf(control);
    if (!reachable(widget))
        return;
    const QPointF inside(widget.width() / 2.0, widget.height() / 2.0);
    QEnterEvent event(inside, inside, widget.mapToGlobal(inside));
    QApplication::sendEvent(&widget, &event);
}

void mouseLeave(RectControl& control)
{
    QWidget& widget = widgetOf(control);
    if (!reachable(widget))
        return;
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&widget, &event);
}

void click(RectControl& control)
{
    const QPoint at = clickPoint(widgetOf(control));
    mousePress(control, at.x(), at.y());
    mouseRelease(control, at.x(), at.y());
}

void giveFocus(RectControl& control)
{
    QWidget& widget = widgetOf(control);
    if (!reachable(widget) || !widget.isEnabled())
        return;
    activate(*widget.window());
    widget.setFocus(Qt::MouseFocusReason);
}

void typeText(TextField& field, std::string_view text)
{
    QWidget& widget = widgetOf(field);
    if (!reachable(widget))
        return;
    for (char32_t ch : toQString(text).toUcs4()) {
        if (ch == U'\b') {
            sendKey(widget, Qt::Key_Backspace, Qt::NoModifier);
            continue;
        }
        sendKey(widget, keyOf(ch), Qt::NoModifier, QString::fromUcs4(&ch, 1));
    }
}

void clearText(TextField& field)
{
    QWidget& widget = widgetOf(field);
    if (!reachable(widget))
        return;
    sendKey(widget, Qt::Key_A, Qt::ControlModifier);
    sendKey(widget, Qt::Key_Delete, Qt::NoModifier);
}

void pasteText(TextField& field, std::string_view text)
{
    QWidget& widget = widgetOf(field);
    if (!reachable(widget))
        return;
    setClipboardText(text);
    sendKey(widget, Qt::Key_V, Qt::ControlModifier);
}

void pressTab(Window& window, bool backwards)
{
    QWidget* top = window.widget();
    if (!top)
        throw NilObjectException("the window has no widget any more");
    // Keys go where the focus is, as the toolkit delivers them; with none, to the window.
    QWidget* target = top->focusWidget() ? top->focusWidget() : top;
    if (backwards)
        sendKey(*target, Qt::Key_Backtab, Qt::ShiftModifier);
    else
        sendKey(*target, Qt::Key_Tab, Qt::NoModifier);
    processEvents();
}

std::string focusedControlName(const Window& window)
{
    const QWidget* focused = window.widget() ? window.widget()->focusWidget() : nullptr;
    for (const auto& control : window.controls())
        if (focused && control->widget() == focused)
            return control->Name();
    return {};
}

void setClipboardText(std::string_view text)
{
    if (text.empty())
        QGuiApplication::clipboard()->clear();
    else
        QGuiApplication::clipboard()->setText(toQString(text));
}

std::string clipboardText()
{
    return fromQString(QGuiApplication::clipboard()->text());
}

void dragSlider(Slider& slider, std::int64_t value)
{
    auto* widget = static_cast<QSlider*>(&widgetOf(slider));
    if (!reachable(*widget) || !widget->isEnabled())
        return;
    const auto position = static_cast<int>(
        std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    widget->setSliderDown(true);
    widget->setSliderPosition(position);
    widget->setSliderDown(false);
}

bool menuItemEnabled(Window& window, std::string_view itemName)
{
    auto [action, menu] = menuAction(window, itemName);
    return enabledInOpenedMenu(*action, *menu);
}

void chooseFromMenuBar(Window& window, std::string_view itemName)
{
    auto [action, menu] = menuAction(window, itemName);
    if (enabledInOpenedMenu(*action, *menu))
        action->trigger();
}

std::unique_ptr<Image> renderWindow(Window& window)
{
    processEvents();
    auto* top = static_cast<WindowWidget*>(window.widget());
    if (!top)
        throw NilObjectException("the window has no widget any more");
    QWidget* content = top->content();
    auto image = std::make_unique<Image>(content->width(), content->height());
    content->render(&image->impl().image);
    return image;
}

std::unique_ptr<Image> renderControl(RectControl& control)
{
    processEvents();
    QWidget& widget = widgetOf(control);
    auto image = std::make_unique<Image>(widget.width(), widget.height());
    widget.render(&image->impl().image);
    return image;
}

std::int64_t paintCount(const Canvas& canvas)
{
    return paintCountOf(widgetOf(canvas));
}

std::int64_t refreshCount(const RectControl& control)
{
    return refreshCountOf(widgetOf(control));
}

std::int64_t refreshCount(const Window& window)
{
    if (!window.widget())
        throw NilObjectException("the window has no widget any more");
    return refreshCountOf(*window.widget());
}

} // namespace fw::testing
