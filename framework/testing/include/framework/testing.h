// Driving windows as a user would, without a person, for tests and benchmarks under the offscreen
// platform; with it come the stand-ins for the desktop's dialogs and URL handler, and the quit probe.
#pragma once

#include <framework/image.h>
#include <framework/testing/print_dialogs.h>
#include <framework/testing/quit_request.h>
#include <framework/testing/url_handler.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace fw {
class Canvas;
class Label;
class PushButton;
class RectControl;
class Slider;
class TextField;
class CheckBox;
class RadioButton;
class Window;
} // namespace fw

namespace fw::testing {

// Starts the toolkit for a test program, once, and from then on counts the canvases' paints. It runs
// offscreen on one screen of the given size, whose whole area is free for windows (by default a
// desktop monitor that every window of the program fits), whatever QT_QPA_PLATFORM says, and at
// scale 1: Qt's scaling variables (QT_SCALE_FACTOR, QT_FONT_DPI and the rest) are removed from the
// environment, for the test program and the programs it starts. Only the variable below, set to a
// platform's name ("xcb", say), runs the tests there instead, as the desktop scales them, to be watched.
// Throws std::runtime_error when the screen cannot be configured.
inline constexpr const char* kTestPlatformVariable = "TOVALIN_TEST_PLATFORM";
void startToolkit(std::int64_t screenWidth = 1920, std::int64_t screenHeight = 1200);
// Delivers pending events and repaints.
void processEvents();

// Mouse gestures in the control's own pixels, delivered through the toolkit. A control that is not
// on the screen receives nothing; the toolkit itself keeps disabled controls from reacting.
void mousePress(RectControl& control, std::int64_t x, std::int64_t y);
void mouseMove(RectControl& control, std::int64_t x, std::int64_t y); // button held after a press
void mouseRelease(RectControl& control, std::int64_t x, std::int64_t y);
void mouseEnter(RectControl& control);
void mouseLeave(RectControl& control);
// Press and release at the centre; on a check box or radio button, on its box.
void click(RectControl& control);

// Gives the control the keyboard focus, as clicking into it does; a disabled or hidden control
// takes none.
void giveFocus(RectControl& control);

// Keyboard input into a text field, one key at a time, as typed; '\b' is the backspace key.
void typeText(TextField& field, std::string_view text);
void clearText(TextField& field); // select all, delete
void pasteText(TextField& field, std::string_view text); // replaces the selection

// Presses Tab (Shift+Tab when backwards) in the window, where its keyboard focus is.
void pressTab(Window& window, bool backwards = false);
// The name of the window's control that has the keyboard focus; empty when none has it.
std::string focusedControlName(const Window& window);
// The system clipboard's text; setting the empty text clears the clipboard.
void setClipboardText(std::string_view text);
std::string clipboardText();

// Moves a slider as the user drags its thumb.
void dragSlider(Slider& slider, std::int64_t value);

// Opens the menu that holds the named item on the window's own menu bar, as the user does, and
// says whether the item is enabled there. NilObjectException when the bar has no such item.
bool menuItemEnabled(Window& window, std::string_view itemName);
// Opens that menu and clicks the item; a disabled item does nothing.
void chooseFromMenuBar(Window& window, std::string_view itemName);

// Paints the window now (every pending repaint), and returns how its content area below the menu
// bar looks, in window coordinates.
std::unique_ptr<Image> renderWindow(Window& window);
// Paints a control now into an image of its size.
std::unique_ptr<Image> renderControl(RectControl& control);
// How many times the canvas has been painted so far.
std::int64_t paintCount(const Canvas& canvas);
// How many times code has asked the control, or the whole window, to repaint with Refresh.
std::int64_t refreshCount(const RectControl& control);
std::int64_t refreshCount(const Window& window);

} // namespace fw::testing
