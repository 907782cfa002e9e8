// Pictures loaded from the application's resources, which lie outside the executable.
#pragma once

#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

namespace fw {

class Picture {
public:
    ~Picture();
    int Width() const;
    int Height() const;

    // The picture of that file name among the application's resources, or nullptr when it is
    // missing or unreadable.
    static std::shared_ptr<Picture> FromResources(std::string_view fileName);

    struct Impl;
    Impl& impl() const { return *impl_; }
    explicit Picture(std::unique_ptr<Impl> impl);

private:
    std::unique_ptr<Impl> impl_;
};

// Where the application's resources are looked for, in order: the folder "resources" beside the
// executable (the build tree), then the installed data folder share/tovalin-diagram beside the
// executable's bin folder. Never the working folder.
std::vector<std::filesystem::path> resourceFolders();

} // namespace fw
