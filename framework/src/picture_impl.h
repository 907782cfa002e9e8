// The toolkit side of a picture loaded from the resources.
#pragma once

#include <framework/picture.h>

#include <QImage>

struct fw::Picture::Impl {
    QImage image;
};
