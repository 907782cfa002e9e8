// URLs go to whatever handles them on this desktop.
#include "desktop.h"

#include <framework/url.h>

namespace fw {

void ShowURL(std::string_view url)
{
    desktop::openUrl(url);
}

} // namespace fw
