// Where the About window's two links lead.
#pragma once

#include <string_view>

namespace shell::about {

inline constexpr std::string_view kWebSiteHost = "tovalin.test"; // shown by the link label
inline constexpr std::string_view kMailAddress = "zavik@tovalin.test";

} // namespace shell::about
