// The main window's layout record, one row per entry in record order.
#pragma once

#include <framework/layout_record.h>

namespace main_window::records {

inline constexpr auto Window1 = fw::record::encode([] {
    using namespace fw::record;
    return std::array{
        Integer("Width", 894),
        Integer("Height", 813),
        Integer("MinimumWidth", 64),
        Integer("MinimumHeight", 64),
        Integer("MaximumWidth", 32000),
        Integer("MaximumHeight", 32000),
        Enumeration("Type", 0),
        Text("Title", "Tovalin Diagram"),
        Boolean("HasCloseButton", true),
        Boolean("HasMaximizeButton", false),
        Boolean("HasMinimizeButton", true),
        Boolean("HasFullScreenButton", false),
        Boolean("Resizeable", false),
        Boolean("Composite", true),
        Integer("MacProcID", 0),
        Boolean("FullScreen", false),
        Enumeration("DefaultLocation", 2),
        Boolean("Visible", true),
        Boolean("HasBackgroundColor", false),
        Colour("BackgroundColor", 0x00FFFFFF),
        Boolean("MenuBarVisible", true),
        Boolean("LiveResize", true),
    };
});

} // namespace main_window::records
