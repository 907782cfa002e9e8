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
    // missing or unreadable, or when the name is more than a bare file name (a folder, a drive).
    static std::shared_ptr<Picture> FromResources(std::string_view fileName);

    struct Impl;
    Impl& impl() const { return *impl_; }
    explicit Picture(std::unique_ptr<Impl> impl);

private:
    std::unique_ptr<Impl> impl_;
};

// Tells where the application's resources lie, in the order they are searched. A relative folder
// is taken from the executable's folder, so an installed tree works wherever it is moved; an
// absolute folder is taken as it is. Replaces the folders given before; none at start.
void SetResourceFolders(std::vector<std::filesystem::path> folders);
// The folders the resources are looked for in, in order, each resolved; never the working folder.
std::vector<std::filesystem::path> resourceFolders();

} // namespace fw
