// The layout records of the About window and its four controls, one row per entry.
#pragma once

#include "about_links.h"

#include <framework/layout_record.h>

#include <array>
#include <string_view>

namespace shell::about {

// Four lines joined by CR LF; the double blanks are part of the text.
inline constexpr std::string_view kAboutText =
    "Windows  64 bit  version 1.6\r\n"
    "created with Orvo  Feb 2020\r\n"
    "\r\n"
    "zavik quenzlar";

inline constexpr auto kWindowRecord = fw::record::encode([] {
    using namespace fw::record;
    return std::array{
        Integer("Width", 545),
        Integer("Height", 328),
        Integer("MinimumWidth", 64),
        Integer("MinimumHeight", 64),
        Integer("MaximumWidth", 32000),
        Integer("MaximumHeight", 32000),
        Enumeration("Type", 0),
        Text("Title", "about Tovalin"),
        Boolean("HasCloseButton", true),
        Boolean("HasMaximizeButton", false),
        Boolean("HasMinimizeButton", false),
        Boolean("HasFullScreenButton", false),
        Boolean("Resizeable", false),
        Boolean("Composite", false),
        Integer("MacProcID", 0),
        Boolean("FullScreen", false),
        Enumeration("DefaultLocation", 1),
        Boolean("Visible", true),
        Boolean("HasBackgroundColor", false),
        Colour("BackgroundColor", 0x00FFFFFF),
        Boolean("MenuBarVisible", true),
        Boolean("LiveResize", true),
    };
});

inline constexpr auto kRectangle1Record = fw::record::encode([] {
    using namespace fw::record;
    return std::array{
        Text("Name", "Rectangle1"),
        Integer("Index", -2147483648),
        Integer("Left", 43),
        Integer("Top", 36),
        Integer("Width", 203),
        Integer("Height", 251),
        Boolean("LockLeft", false),
        Boolean("LockTop", false),
        Boolean("LockRight", false),
        Boolean("LockBottom", false),
        Integer("TabIndex", 0),
        Integer("TabPanelIndex", 0),
        Boolean("AllowAutoDeactivate", true),
        Double("BorderThickness", 1.0),
        Colour("BottomRightColor", 0x00000000),
        Boolean("Enabled", true),
        Colour("FillColor", 0x00FFFFFF),
        Text("Tooltip", ""),
        Colour("TopLeftColor", 0x00000000),
        Boolean("Transparent", true),
        Boolean("Visible", true),
        Text("InitialParent", ""),
    };
});

inline constexpr auto kStaticText1Record = fw::record::encode([] {
    using namespace fw::record;
    return std::array{
        Text("Name", "StaticText1"),
        Integer("Index", -2147483648),
        Integer("Left", 55),
        Integer("Top", 43),
        Integer("Width", 171),
        Integer("Height", 83),
        Boolean("LockLeft", false),
        Boolean("LockTop", false),
        Boolean("LockRight", false),
        Boolean("LockBottom", false),
        Integer("TabIndex", 0),
        Integer("TabPanelIndex", 0),
        Boolean("TabStop", true),
        Boolean("AllowAutoDeactivate", true),
        Boolean("Enabled", true),
        Text("Tooltip", ""),
        Boolean("Multiline", true),
        Boolean("Selectable", false),
        Enumeration("TextAlignment", 0),
        Colour("TextColor", 0x00000000),
        Boolean("Transparent", false),
        Text("Value", kAboutText),
        Boolean("Visible", true),
        Boolean("Bold", false),
        Boolean("Italic", false),
        Text("FontName", "Arial"),
        Boolean("Underline", false),
        Single("FontSize", 12.0f),
        ByteEnumeration("FontUnit", 0),
        Text("DataSource", ""),
        Text("DataField", ""),
        Text("InitialParent", "Rectangle1"),
    };
});

inline constexpr auto kStaticText2Record = fw::record::encode([] {
    using namespace fw::record;
    return std::array{
        Text("Name", "StaticText2"),
        Integer("Index", -2147483648),
        Integer("Left", 55),
        Integer("Top", 228),
        Integer("Width", 87),
        Integer("Height", 27),
        Boolean("LockLeft", false),
        Boolean("LockTop", false),
        Boolean("LockRight", false),
        Boolean("LockBottom", false),
        Integer("TabIndex", 1),
        Integer("TabPanelIndex", 0),
        Boolean("TabStop", true),
        Boolean("AllowAutoDeactivate", true),
        Boolean("Enabled", true),
        Text("Tooltip", ""),
        Boolean("Multiline", false),
        Boolean("Selectable", false),
        Enumeration("TextAlignment", 0),
        Colour("TextColor", 0x00004080),
        Boolean("Transparent", false),
        Text("Value", kWebSiteHost),
        Boolean("Visible", true),
        Boolean("Bold", false),
        Boolean("Italic", false),
        Text("FontName", "Arial"),
        Boolean("Underline", true),
        Single("FontSize", 12.0f),
        ByteEnumeration("FontUnit", 0),
        Text("DataSource", ""),
        Text("DataField", ""),
        Text("InitialParent", "Rectangle1"),
    };
});

// No backdrop here: the picture is set from the cache just before this record is applied.
inline constexpr auto kCanvas1Record = fw::record::encode([] {
    using namespace fw::record;
    return std::array{
        Text("Name", "Canvas1"),
        Integer("Index", -2147483648),
        Integer("Left", 304),
        Integer("Top", 36),
        Integer("Width", 194),
        Integer("Height", 251),
        Boolean("LockLeft", false),
        Boolean("LockTop", false),
        Boolean("LockRight", false),
        Boolean("LockBottom", false),
        Integer("TabIndex", 1),
        Integer("TabPanelIndex", 0),
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
        Text("InitialParent", ""),
    };
});

} // namespace shell::about
