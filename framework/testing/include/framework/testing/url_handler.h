// A stand-in for the system's URL handler, so that tests see the URLs the program shows.
#pragma once

#include <functional>
#include <string>

namespace fw {

// Receives every URL that ShowURL hands on; with an empty function, URLs go nowhere.
void setUrlHandler(std::function<void(const std::string&)> handler);

} // namespace fw
