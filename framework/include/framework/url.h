// Hands a URL to the system's handler for it.
#pragma once

#include <string_view>

namespace fw {

void ShowURL(std::string_view url);

} // namespace fw
