// Offscreen images: a white QImage painted through the common surface.
#include "image_impl.h"
#include "painter_graphics.h"
#include "qt_convert.h"

#include <QPainter>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace fw {

Image::Image(int width, int height) : impl_(std::make_unique<Impl>())
{
    impl_->image = QImage(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    impl_->image.fill(Qt::white);
}

Image::~Image() = default;

int Image::width() const { return impl_->image.width(); }
int Image::height() const { return impl_->image.height(); }

std::unique_ptr<Graphics> Image::newGraphics()
{
    return std::make_unique<PainterGraphics>(std::make_unique<QPainter>(&impl_->image), nullptr);
}

Color Image::pixel(int x, int y) const
{
    // A read outside the image would silently give black, which looks like ink.
    if (!impl_->image.valid(x, y))
        throw std::out_of_range("pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") is outside the image");
    const QRgb p = impl_->image.pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

bool Image::save(const std::filesystem::path& file) const
{
    return impl_->image.save(pathToQString(file));
}

} // namespace fw
