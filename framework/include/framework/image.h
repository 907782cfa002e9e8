// An offscreen picture to draw into through Graphics and to read back pixel by pixel.
#pragma once

#include <framework/color.h>
#include <framework/graphics.h>

#include <filesystem>
#include <memory>

namespace fw {

class Image {
public:
    Image(int width, int height); // filled white
    ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    int width() const;
    int height() const;
    // A surface on the image; what it draws is in the image once the surface is released.
    std::unique_ptr<Graphics> newGraphics();
    Color pixel(int x, int y) const;
    bool save(const std::filesystem::path& file) const; // format by the file's ending

    struct Impl;
    Impl& impl() const { return *impl_; }

private:
    std::unique_ptr<Impl> impl_;
};

} // namespace fw
