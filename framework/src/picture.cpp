// Pictures read from the resource folders the program names.
#include "picture_impl.h"
#include "qt_convert.h"

#include <QCoreApplication>

namespace fw {

namespace {

std::vector<std::filesystem::path>& configuredFolders()
{
    static std::vector<std::filesystem::path> folders;
    return folders;
}

// Only a bare file name may be looked up, so no caller reaches outside the resource folders. A colon
// goes too: on Windows "C:name" is a file in the working folder of another drive.
bool isPlainFileName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\:") == std::string_view::npos
        && name.find('\0') == std::string_view::npos;
}

} // namespace

Picture::Picture(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Picture::~Picture() = default;

int Picture::Width() const { return impl_->image.width(); }
int Picture::Height() const { return impl_->image.height(); }

std::shared_ptr<Picture> Picture::FromResources(std::string_view fileName)
{
    if (!isPlainFileName(fileName))
        return nullptr;
    for (const auto& folder : resourceFolders()) {
        const auto file = folder / std::filesystem::path(std::string(fileName));
        std::error_code error;
        if (!std::filesystem::is_regular_file(file, error))
            continue;
        QImage image;
        if (image.load(pathToQString(file)))
            return std::make_shared<Picture>(std::make_unique<Impl>(Impl{std::move(image)}));
    }
    return nullptr;
}

void SetResourceFolders(std::vector<std::filesystem::path> folders)
{
    configuredFolders() = std::move(folders);
}

std::vector<std::filesystem::path> resourceFolders()
{
    std::vector<std::filesystem::path> folders;
    for (const auto& folder : configuredFolders()) {
        if (folder.is_absolute()) {
            folders.push_back(folder);
            continue;
        }
        // A relative folder lies beside the executable, whose folder is known once the toolkit runs.
        if (QCoreApplication::instance())
            folders.push_back(qStringToPath(QCoreApplication::applicationDirPath()) / folder);
    }
    return folders;
}

} // namespace fw
