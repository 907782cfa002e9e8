// URLs handed to the handler a test has set instead of the system's.
#include "desktop.h"

#include <framework/testing/url_handler.h>

namespace fw {

namespace {

std::function<void(const std::string&)>& urlHandler()
{
    static std::function<void(const std::string&)> handler;
    return handler;
}

} // namespace

void setUrlHandler(std::function<void(const std::string&)> handler)
{
    urlHandler() = std::move(handler);
}

void desktop::openUrl(std::string_view url)
{
    if (urlHandler())
        urlHandler()(std::string(url));
}

} // namespace fw
