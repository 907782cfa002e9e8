// Hands a URL to the system's handler for it.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace fw {

void ShowURL(std::string_view url);

// Replaces the system's handler, for tests; an empty function restores it.
void setUrlHandler(std::function<void(const std::string&)> handler);

} // namespace fw
