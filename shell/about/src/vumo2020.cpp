// The About picture's cache.
#include <about_window/vumo2020.h>

namespace {

std::shared_ptr<fw::Picture> cachedPicture;

} // namespace

std::shared_ptr<fw::Picture> Vumo2020()
{
    if (!cachedPicture)
        cachedPicture = fw::Picture::FromResources("Vumo2020.jpg");
    return cachedPicture;
}
