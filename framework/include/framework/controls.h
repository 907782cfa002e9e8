// The control classes, each a RectControl with its own properties and events.
//
// A value set from code raises the control's change event at once, inside the setter, when it
// changes the value; setting the value a control already has raises nothing. A record's values
// raise nothing, since handlers are bound only after the record is applied.
#pragma once

#include <framework/event.h>
#include <framework/graphics.h>
#include <framework/picture.h>
#include <framework/rect_control.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace fw {

struct Rect {
    double left, top, width, height;
};

// A frame: BorderThickness, FillColor, TopLeftColor, BottomRightColor, Transparent.
class Rectangle : public RectControl {
public:
    explicit Rectangle(Window& window);
};

// A drawing area. Paint hands the handler a surface for the whole canvas; MouseDrag and MouseUp
// follow only a MouseDown whose handler returned true.
class Canvas : public RectControl {
public:
    explicit Canvas(Window& window);

    const std::shared_ptr<Picture>& Backdrop() const { return backdrop_; }
    void setBackdrop(std::shared_ptr<Picture> picture);

    Event<void(Canvas&, Graphics&, const std::vector<Rect>&)> Paint;
    Event<bool(Canvas&, std::int64_t, std::int64_t)> MouseDown;
    Event<void(Canvas&, std::int64_t, std::int64_t)> MouseDrag;
    Event<void(Canvas&, std::int64_t, std::int64_t)> MouseUp;
    Event<void(Canvas&, std::int64_t, std::int64_t)> MouseMove;
    Event<void(Canvas&)> MouseEnter;
    Event<void(Canvas&)> MouseExit;

private:
    std::shared_ptr<Picture> backdrop_;
};

class GroupBox : public RectControl {
public:
    explicit GroupBox(Window& window);
    std::string Caption() const;
    void setCaption(const std::string& caption);

private:
    std::string caption_;
};

class Label : public RectControl {
public:
    explicit Label(Window& window);
    std::string Value() const;
    void setValue(const std::string& text);
    Color TextColor() const;

    Event<void(Label&)> MouseEnter;
    Event<void(Label&)> MouseExit;
    Event<bool(Label&, std::int64_t, std::int64_t)> MouseDown;
    Event<void(Label&, std::int64_t, std::int64_t)> MouseUp;

private:
    std::string text_;
    Color textColor_ = 0x00000000;
};

// A slider's Value stays within MinimumValue..MaximumValue; a record may write Value before its
// range, and the slider ends the record holding that Value inside the record's range. A value set
// from code outside the range is limited to it.
class Slider : public RectControl {
public:
    explicit Slider(Window& window);
    std::int64_t Value() const { return value_; }
    void setValue(std::int64_t value);
    std::int64_t MinimumValue() const { return minimum_; }
    std::int64_t MaximumValue() const { return maximum_; }
    std::int64_t LineStep() const { return lineStep_; }
    std::int64_t PageStep() const { return pageStep_; }

    Event<void(Slider&)> ValueChanged;

protected:
    void recordApplied() override;

private:
    void showValue();
    std::int64_t value_ = 0, minimum_ = 0, maximum_ = 100, lineStep_ = 1, pageStep_ = 10;
};

// A disabled text field takes no typing, while code can still set its text.
class TextField : public RectControl {
public:
    explicit TextField(Window& window);
    std::string Value() const;
    void setValue(const std::string& text);

    Event<void(TextField&)> TextChange;

private:
    void showText(const std::string& text);
    std::string text_;
};

class CheckBox : public RectControl {
public:
    explicit CheckBox(Window& window);
    std::string Caption() const;
    bool Value() const;
    void setValue(bool checked);

    Event<void(CheckBox&)> Action;

private:
    void showValue(bool checked);
    std::string caption_;
    bool checked_ = false;
};

class RadioButton : public RectControl {
public:
    explicit RadioButton(Window& window);
    std::string Caption() const;
    bool Value() const;
    void setValue(bool selected);

    Event<void(RadioButton&)> Action;

protected:
    void recordApplied() override;

private:
    void selectAmongNeighbours(bool selected);
    std::string caption_;
    bool selected_ = false;
};

class PushButton : public RectControl {
public:
    explicit PushButton(Window& window);
    std::string Caption() const;
    // Raises Action as a click does.
    void Push();

    Event<void(PushButton&)> Action;

private:
    std::string caption_;
};

} // namespace fw
