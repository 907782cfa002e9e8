// The toolkit side of an offscreen image.
#pragma once

#include <framework/image.h>

#include <QImage>

struct fw::Image::Impl {
    QImage image;
};
