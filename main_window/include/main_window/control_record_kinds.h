// The entries of a control record by the control's kind, with the values every control of a kind shares.
#pragma once

#include <framework/layout_record.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace main_window::records {

// What every record varies by: the control's name, where it stands and what contains it.
struct Place {
    std::string_view name;
    std::int64_t left, top, width, height, tabIndex;
    std::string_view parent; // empty: directly on the window
};

struct SliderValues {
    std::int64_t value, minimum, maximum, pageStep, tickMarkStyle;
};

struct ButtonStyle {
    bool cancel, transparent;
};
inline constexpr ButtonStyle kPlainButton{false, true};
inline constexpr ButtonStyle kCancelButton{true, false};

namespace detail {

using fw::record::Entry;
using fw::record::join;

// The entries every record begins with, up to TabPanelIndex.
constexpr std::array<Entry, 12> placed(const Place& p)
{
    using namespace fw::record;
    return {
        Text("Name", p.name),
        Integer("Index", -2147483648LL),
        Integer("Left", p.left),
        Integer("Top", p.top),
        Integer("Width", p.width),
        Integer("Height", p.height),
        Boolean("LockLeft", true),
        Boolean("LockTop", true),
        Boolean("LockRight", false),
        Boolean("LockBottom", false),
        Integer("TabIndex", p.tabIndex),
        Integer("TabPanelIndex", 0),
    };
}

constexpr std::array<Entry, 1> parented(const Place& p)
{
    return {fw::record::Text("InitialParent", p.parent)};
}

} // namespace detail

constexpr auto rectangle(const Place& p)
{
    using namespace fw::record;
    return detail::join(detail::placed(p),
                        std::array{
                            Boolean("AllowAutoDeactivate", true),
                            Double("BorderThickness", 1.0),
                            Colour("BottomRightColor", 0x00000000),
                            Boolean("Enabled", true),
                            Colour("FillColor", 0x00FFFFFF),
                            Text("Tooltip", ""),
                            Colour("TopLeftColor", 0x00000000),
                            Boolean("Transparent", true),
                            Boolean("Visible", true),
                        },
                        detail::parented(p));
}

constexpr auto canvas(const Place& p)
{
    using namespace fw::record;
    return detail::join(detail::placed(p),
                        std::array{
                            Boolean("TabStop", true),
                            Boolean("AllowAutoDeactivate", true),
                            Boolean("Enabled", true),
                            Text("Tooltip", ""),
                            Boolean("AllowFocusRing", true),
                            Boolean("Visible", true),
                            Boolean("AllowFocus", false),
                            Boolean("AllowTabs", false),
                            Boolean("Transparent", true),
                            Boolean("DoubleBuffer", false),
                            Boolean("Transparent", true),
                        },
                        detail::parented(p));
}

constexpr auto groupBox(const Place& p, std::string_view caption)
{
    using namespace fw::record;
    return detail::join(detail::placed(p),
                        std::array{
                            Boolean("TabStop", true),
                            Boolean("AllowAutoDeactivate", true),
                            Text("Caption", caption),
                            Boolean("Enabled", true),
                            Text("Tooltip", ""),
                            Boolean("Transparent", true),
                            Boolean("Visible", true),
                            Boolean("Bold", false),
                            Boolean("Italic", false),
                            Text("FontName", "System"),
                            Boolean("Underline", false),
                            Single("FontSize", 0.0f),
                            ByteEnumeration("FontUnit", 0),
                        },
                        detail::parented(p));
}

constexpr auto radioButton(const Place& p, std::string_view caption, bool value)
{
    using namespace fw::record;
    return detail::join(detail::placed(p),
                        std::array{
                            Boolean("TabStop", true),
                            Boolean("AllowAutoDeactivate", true),
                            Text("Caption", caption),
                            Boolean("Enabled", true),
                            Text("Tooltip", ""),
                            Boolean("Transparent", true),
                            Boolean("Visible", true),
                            Text("FontName", "System"),
                            Single("FontSize", 0.0f),
                            ByteEnumeration("FontUnit", 0),
                            Boolean("Bold", false),
                            Boolean("Italic", false),
                            Boolean("Underline", false),
                            Boolean("Value", value),
                        },
                        detail::parented(p));
}

constexpr auto label(const Place& p, std::string_view text)
{
    using namespace fw::record;
    return detail::join(detail::placed(p),
                        std::array{
                            Boolean("TabStop", true),
                            Boolean("AllowAutoDeactivate", true),
                            Boolean("Enabled", true),
                            Text("Tooltip", ""),
                            Boolean("Multiline", false),
                            Boolean("Selectable", false),
                            Enumeration("TextAlignment", 0),
                            Colour("TextColor", 0x00000000),
                            Boolean("Transparent", false),
                            Text("Value", text),
                            Boolean("Visible", true),
                            Boolean("Bold", false),
                            Boolean("Italic", false),
                            Text("FontName", "System"),
                            Boolean("Underline", false),
                            Single("FontSize", 0.0f),
                            ByteEnumeration("FontUnit", 0),
                            Text("DataSource", ""),
                            Text("DataField", ""),
                        },
                        detail::parented(p));
}

// Value stands before its range, as the framework's sliders expect.
constexpr auto slider(const Place& p, const SliderValues& v)
{
    using namespace fw::record;
    return detail::join(detail::placed(p),
                        std::array{
                            Boolean("TabStop", true),
                            Boolean("AllowAutoDeactivate", true),
                            Boolean("Enabled", true),
                            Text("Tooltip", ""),
                            Boolean("Transparent", true),
                            Boolean("Visible", true),
                            Integer("Value", v.value),
                            Integer("MinimumValue", v.minimum),
                            Integer("MaximumValue", v.maximum),
                            Integer("LineStep", 1),
                            Boolean("AllowLiveScrolling", true),
                            Integer("PageStep", v.pageStep),
                            Enumeration("TickMarkStyle", v.tickMarkStyle),
                        },
                        detail::parented(p));
}

constexpr auto textField(const Place& p, bool enabled, std::string_view text)
{
    using namespace fw::record;
    return detail::join(detail::placed(p),
                        std::array{
                            Boolean("TabStop", true),
                            Boolean("AllowAutoDeactivate", true),
                            Colour("BackgroundColor", 0x00FFFFFF),
                            Boolean("HasBorder", true),
                            Boolean("Enabled", enabled),
                            Text("Format", ""),
                            Text("Tooltip", ""),
                            Boolean("Password", false),
                            Colour("TextColor", 0x00000000),
                            Boolean("Transparent", true),
                            Boolean("AllowFocusRing", true),
                            Boolean("Visible", true),
                            Text("FontName", "System"),
                            Single("FontSize", 0.0f),
                            ByteEnumeration("FontUnit", 0),
                            Boolean("Bold", false),
                            Boolean("Italic", false),
                            Boolean("Underline", false),
                            Text("Hint", ""),
                            Text("Value", text),
                            Boolean("AllowTabs", false),
                            Enumeration("TextAlignment", 0),
                            Boolean("AllowSpellChecking", false),
                            Integer("MaximumCharactersAllowed", 0),
                            Text("ValidationMask", ""),
                            Boolean("ReadOnly", false),
                            Text("DataSource", ""),
                            Text("DataField", ""),
                        },
                        detail::parented(p));
}

constexpr auto checkBox(const Place& p, std::string_view caption)
{
    using namespace fw::record;
    return detail::join(detail::placed(p),
                        std::array{
                            Boolean("TabStop", true),
                            Boolean("AllowAutoDeactivate", true),
                            Text("Caption", caption),
                            Boolean("Enabled", true),
                            Text("Tooltip", ""),
                            Boolean("Transparent", true),
                            Boolean("Visible", true),
                            Boolean("Bold", false),
                            Boolean("Italic", false),
                            Text("FontName", "System"),
                            Single("FontSize", 0.0f),
                            ByteEnumeration("FontUnit", 0),
                            Boolean("Underline", false),
                            Enumeration("VisualState", 0),
                            Boolean("Value", false),
                            Text("DataField", ""),
                            Text("DataSource", ""),
                        },
                        detail::parented(p));
}

constexpr auto pushButton(const Place& p, std::string_view caption, const ButtonStyle& style)
{
    using namespace fw::record;
    return detail::join(detail::placed(p),
                        std::array{
                            Boolean("TabStop", true),
                            Boolean("AllowAutoDeactivate", true),
                            Enumeration("MacButtonStyle", 0),
                            Boolean("Cancel", style.cancel),
                            Text("Caption", caption),
                            Boolean("Default", false),
                            Boolean("Enabled", true),
                            Text("Tooltip", ""),
                            Boolean("Transparent", style.transparent),
                            Boolean("Visible", true),
                            Text("FontName", "System"),
                            Single("FontSize", 0.0f),
                            ByteEnumeration("FontUnit", 0),
                            Boolean("Bold", false),
                            Boolean("Italic", false),
                            Boolean("Underline", false),
                        },
                        detail::parented(p));
}

} // namespace main_window::records
