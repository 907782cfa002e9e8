// A small window class whose hooks each test sets, and layout records for the control kinds.
#pragma once

#include <framework/controls.h>
#include <framework/layout_record.h>
#include <framework/testing.h>
#include <framework/window.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <ostream>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace widgets_test {

using fw::record::Entry;

// Table rows print as their names in the test output; each test file brings this in beside its rows.
template <class Row>
    requires requires(const Row& row) { std::string_view(row.name); }
void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.name;
}

using fw::record::join;

struct Place {
    std::string_view name;
    std::int64_t left, top, width, height;
    std::string_view parent = {}; // empty: directly on the window
};

// The entries every control record begins with.
constexpr std::array<Entry, 12> placed(const Place& p)
{
    using namespace fw::record;
    return {Text("Name", p.name),          Integer("Index", -2147483648LL), Integer("Left", p.left),
            Integer("Top", p.top),          Integer("Width", p.width),        Integer("Height", p.height),
            Boolean("LockLeft", true),      Boolean("LockTop", true),         Boolean("LockRight", false),
            Boolean("LockBottom", false),   Integer("TabIndex", 0),           Integer("TabPanelIndex", 0)};
}

constexpr std::array<Entry, 1> parented(const Place& p)
{
    return {fw::record::Text("InitialParent", p.parent)};
}

// Bold, Italic, FontName, Underline, FontSize, FontUnit with the system's font.
constexpr std::array<Entry, 6> systemFont()
{
    using namespace fw::record;
    return {Boolean("Bold", false),      Boolean("Italic", false), Text("FontName", "System"),
            Boolean("Underline", false), Single("FontSize", 0.0f), ByteEnumeration("FontUnit", 0)};
}

constexpr auto windowEntries(std::int64_t width, std::int64_t height, bool resizeable, bool menuBarVisible)
{
    using namespace fw::record;
    return std::array{
        Integer("Width", width),
        Integer("Height", height),
        Integer("MinimumWidth", 64),
        Integer("MinimumHeight", 64),
        Integer("MaximumWidth", 32000),
        Integer("MaximumHeight", 32000),
        Enumeration("Type", 0),
        Text("Title", "widgets under test"),
        Boolean("HasCloseButton", true),
        Boolean("HasMaximizeButton", false),
        Boolean("HasMinimizeButton", true),
        Boolean("HasFullScreenButton", false),
        Boolean("Resizeable", resizeable),
        Boolean("Composite", true),
        Integer("MacProcID", 0),
        Boolean("FullScreen", false),
        Enumeration("DefaultLocation", 2),
        Boolean("Visible", true),
        Boolean("HasBackgroundColor", false),
        Colour("BackgroundColor", 0x00FFFFFF),
        Boolean("MenuBarVisible", menuBarVisible),
        Boolean("LiveResize", true),
    };
}

constexpr auto groupBoxEntries(const Place& p, std::string_view caption)
{
    using namespace fw::record;
    return join(placed(p),
                std::array{Boolean("TabStop", true), Boolean("AllowAutoDeactivate", true), Text("Caption", caption),
                           Boolean("Enabled", true), Text("Tooltip", ""), Boolean("Transparent", true),
                           Boolean("Visible", true)},
                systemFont(), parented(p));
}

constexpr auto rectangleEntries(const Place& p, fw::Color fill, fw::Color topLeft, fw::Color bottomRight)
{
    using namespace fw::record;
    return join(placed(p),
                std::array{Boolean("AllowAutoDeactivate", true), Double("BorderThickness", 1.0),
                           Colour("BottomRightColor", bottomRight), Boolean("Enabled", true),
                           Colour("FillColor", fill), Text("Tooltip", ""), Colour("TopLeftColor", topLeft),
                           Boolean("Transparent", true), Boolean("Visible", true)},
                parented(p));
}

constexpr auto canvasEntries(const Place& p)
{
    using namespace fw::record;
    return join(placed(p),
                std::array{Boolean("TabStop", true), Boolean("AllowAutoDeactivate", true), Boolean("Enabled", true),
                           Text("Tooltip", ""), Boolean("AllowFocusRing", true), Boolean("Visible", true),
                           Boolean("AllowFocus", false), Boolean("AllowTabs", false), Boolean("Transparent", true),
                           Boolean("DoubleBuffer", false), Boolean("Transparent", true)},
                parented(p));
}

constexpr auto labelEntries(const Place& p, std::string_view text, bool multiline, std::string_view font,
                            float size, bool underline, fw::Color colour)
{
    using namespace fw::record;
    return join(placed(p),
                std::array{Boolean("TabStop", true), Boolean("AllowAutoDeactivate", true), Boolean("Enabled", true),
                           Text("Tooltip", ""), Boolean("Multiline", multiline), Boolean("Selectable", false),
                           Enumeration("TextAlignment", 0), Colour("TextColor", colour),
                           Boolean("Transparent", false), Text("Value", text), Boolean("Visible", true),
                           Boolean("Bold", false), Boolean("Italic", false), Text("FontName", font),
                           Boolean("Underline", underline), Single("FontSize", size), ByteEnumeration("FontUnit", 0),
                           Text("DataSource", ""), Text("DataField", "")},
                parented(p));
}

// Value stands before the range, as in every slider record of the program.
constexpr auto sliderEntries(const Place& p, std::int64_t value, std::int64_t minimum, std::int64_t maximum,
                             bool liveScrolling = true)
{
    using namespace fw::record;
    return join(placed(p),
                std::array{Boolean("TabStop", true), Boolean("AllowAutoDeactivate", true), Boolean("Enabled", true),
                           Text("Tooltip", ""), Boolean("Transparent", true), Boolean("Visible", true),
                           Integer("Value", value), Integer("MinimumValue", minimum),
                           Integer("MaximumValue", maximum), Integer("LineStep", 1),
                           Boolean("AllowLiveScrolling", liveScrolling), Integer("PageStep", 10),
                           Enumeration("TickMarkStyle", 2)},
                parented(p));
}

constexpr auto textFieldEntries(const Place& p, std::string_view text, bool enabled, bool readOnly = false,
                                std::int64_t maximumCharacters = 0)
{
    using namespace fw::record;
    return join(placed(p),
                std::array{Boolean("TabStop", true), Boolean("AllowAutoDeactivate", true),
                           Colour("BackgroundColor", 0x00FFFFFF), Boolean("HasBorder", true),
                           Boolean("Enabled", enabled), Text("Format", ""), Text("Tooltip", ""),
                           Boolean("Password", false), Colour("TextColor", 0x00000000), Boolean("Transparent", true),
                           Boolean("AllowFocusRing", true), Boolean("Visible", true), Text("FontName", "System"),
                           Single("FontSize", 0.0f), ByteEnumeration("FontUnit", 0), Boolean("Bold", false),
                           Boolean("Italic", false), Boolean("Underline", false), Text("Hint", ""),
                           Text("Value", text), Boolean("AllowTabs", false), Enumeration("TextAlignment", 0),
                           Boolean("AllowSpellChecking", false),
                           Integer("MaximumCharactersAllowed", maximumCharacters), Text("ValidationMask", ""),
                           Boolean("ReadOnly", readOnly), Text("DataSource", ""), Text("DataField", "")},
                parented(p));
}

constexpr auto checkBoxEntries(const Place& p, std::string_view caption, bool value)
{
    using namespace fw::record;
    return join(placed(p),
                std::array{Boolean("TabStop", true), Boolean("AllowAutoDeactivate", true), Text("Caption", caption),
                           Boolean("Enabled", true), Text("Tooltip", ""), Boolean("Transparent", true),
                           Boolean("Visible", true)},
                systemFont(),
                std::array{Enumeration("VisualState", 0), Boolean("Value", value), Text("DataField", ""),
                           Text("DataSource", "")},
                parented(p));
}

constexpr auto radioButtonEntries(const Place& p, std::string_view caption, bool value)
{
    using namespace fw::record;
    return join(placed(p),
                std::array{Boolean("TabStop", true), Boolean("AllowAutoDeactivate", true), Text("Caption", caption),
                           Boolean("Enabled", true), Text("Tooltip", ""), Boolean("Transparent", true),
                           Boolean("Visible", true)},
                systemFont(), std::array{Boolean("Value", value)}, parented(p));
}

constexpr auto pushButtonEntries(const Place& p, std::string_view caption)
{
    using namespace fw::record;
    return join(placed(p),
                std::array{Boolean("TabStop", true), Boolean("AllowAutoDeactivate", true),
                           Enumeration("MacButtonStyle", 0), Boolean("Cancel", false), Text("Caption", caption),
                           Boolean("Default", false), Boolean("Enabled", true), Text("Tooltip", ""),
                           Boolean("Transparent", true), Boolean("Visible", true)},
                systemFont(), parented(p));
}

inline constexpr auto kWindowRecord = fw::record::encode([] { return windowEntries(400, 300, false, false); });

inline constexpr std::string_view kClassName = "TestWindow.TestWindow";

// A window whose hooks are what the test sets before building it.
class FakeWindow : public fw::Window {
public:
    explicit FakeWindow(std::string className = std::string(kClassName)) : fw::Window(std::move(className))
    {
        hooks[fw::WindowEvent::Layout] = [this] { fw::SetProperties(*this, kWindowRecord); };
    }

    std::map<fw::WindowEvent, std::function<void()>> hooks;
    int timesAsked = 0; // how often the framework asked for the window-event table

protected:
    fw::WindowEventTable windowEvents() override
    {
        ++timesAsked;
        fw::WindowEventTable table;
        for (const auto& [event, hook] : hooks)
            table[static_cast<std::size_t>(event)] = hook;
        return table;
    }
};

// Builds windows for a test and closes whatever is still open when the test ends.
class WidgetsTest : public ::testing::Test {
protected:
    std::shared_ptr<FakeWindow> build(const std::function<void(FakeWindow&)>& setUp = {})
    {
        auto window = std::make_shared<FakeWindow>();
        if (setUp)
            setUp(*window);
        windows_.push_back(window);
        window->Constructor();
        return window;
    }

    // A window built from the default record whose CreateControls runs create.
    std::shared_ptr<FakeWindow> buildWith(const std::function<void(FakeWindow&)>& create)
    {
        return build([&create](FakeWindow& w) { w.hooks[fw::WindowEvent::CreateControls] = [&w, create] { create(w); }; });
    }

    void TearDown() override
    {
        for (const auto& window : windows_)
            window->Close();
        windows_.clear();
        fw::testing::processEvents();
    }

private:
    std::vector<std::shared_ptr<FakeWindow>> windows_;
};

} // namespace widgets_test
