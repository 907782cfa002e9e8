// The common base of every control: a rectangle in a window, configured by its layout record.
#pragma once

#include <framework/cursor.h>
#include <framework/property_sheet.h>

#include <cstdint>
#include <memory>
#include <string>

class QWidget;

namespace fw {

class Window;

// Every control declares Name, Index, Left, Top, Width, Height, the four Lock flags, TabIndex,
// TabPanelIndex, AllowAutoDeactivate, Enabled, Visible, Tooltip and InitialParent; every kind but
// Rectangle adds TabStop.
// Left and Top are window coordinates, also inside a container. InitialParent names the container
// (a group box or rectangle of the same window); a container's Enabled and Visible apply to what
// it contains. TabIndex places the control in its container's keyboard focus order; with TabStop
// false, Tab passes it by while a click still gives it the focus.
class RectControl : public PropertySheet, public std::enable_shared_from_this<RectControl> {
public:
    ~RectControl() override;
    RectControl(const RectControl&) = delete;
    RectControl& operator=(const RectControl&) = delete;

    Window& window() const { return window_; }
    // The name the control was registered under.
    const std::string& Name() const { return name_; }

    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void setVisible(bool visible);
    // Whether the user can reach the control now, containers included.
    bool isEnabledOnScreen() const;
    bool isShownOnScreen() const;

    Cursor MouseCursor() const { return cursor_; }
    void setMouseCursor(Cursor cursor);

    std::int64_t Left() const { return left_; }
    std::int64_t Top() const { return top_; }
    std::int64_t Width() const { return width_; }
    std::int64_t Height() const { return height_; }
    // The container named by InitialParent, or nullptr on the window itself.
    RectControl* parentControl() const { return parent_; }
    std::int64_t TabIndex() const { return tabIndex_; }

    // Asks for an asynchronous repaint.
    void Refresh(bool eraseBackground = true);

    QWidget* widget() const { return widget_; }

protected:
    // Takes the widget into the window's content area.
    RectControl(Window& window, QWidget* widget);
    void recordApplied() override;
    // Declares Bold, Italic, Underline, FontName, FontSize and FontUnit for a kind with a font.
    void declareFontProperties();
    // Declares TabStop, for every kind but Rectangle.
    void declareTabStop();
    // Keeps a control that is no Tab stop out of the Tab order; called again whenever the kind
    // changes whether its widget takes focus.
    void applyTabStop();

private:
    friend class Window;
    void setName(std::string name) { name_ = std::move(name); }
    void setParentControl(const std::string& name);
    void placeWidget();
    void applyFont();
    // The window is shown at another factor: the widget takes its place and font at it.
    void layoutScaled();

    Window& window_;
    QWidget* widget_; // owned by the Qt parent chain, which the window owns; nullptr once gone
    std::string name_;
    bool enabled_ = true;
    bool visible_ = true;
    bool tabStop_ = true;
    bool hasFont_ = false;
    Cursor cursor_ = Cursor::StandardPointer;
    std::int64_t left_ = 0, top_ = 0, width_ = 0, height_ = 0, tabIndex_ = 0;
    RectControl* parent_ = nullptr;
};

} // namespace fw
