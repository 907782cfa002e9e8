// The About picture's cache.
#include <about_window/vumo2020.h>

namespace {

bool cacheStarted = false;
std::shared_ptr<fw::Picture> cachedPicture;

} // namespace

std::shared_ptr<fw::Picture> Vumo2020()
{
    if (!cacheStarted) {
        cacheStarted = true;
        cachedPicture.reset();
    }
    if (!cachedPicture)
        cachedPicture = fw::Picture::FromResources("Vumo2020.jpg");
    return cachedPicture;
}
