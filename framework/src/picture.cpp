// Pictures read from the resource folders beside the executable.
#include "picture_impl.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace fw {

namespace {

std::filesystem::path& resourceOverride()
{
    static std::filesystem::path folder;
    return folder;
}

// Only a bare file name may be looked up, so no caller reaches outside the resource folders.
bool isPlainFileName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\") == std::string_view::npos
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
        if (image.load(QString::fromStdString(file.string())))
            return std::make_shared<Picture>(std::make_unique<Impl>(Impl{std::move(image)}));
    }
    return nullptr;
}

std::vector<std::filesystem::path> resourceFolders()
{
    if (!resourceOverride().empty())
        return {resourceOverride()};
    // The executable's folder is known once the toolkit runs.
    if (!QCoreApplication::instance())
        return {};
    const std::filesystem::path exeFolder = QCoreApplication::applicationDirPath().toStdString();
    return {exeFolder / "resources", exeFolder.parent_path() / "share" / "tovalin-diagram"};
}

namespace testing {

void setResourceFolder(const std::filesystem::path& folder)
{
    resourceOverride() = folder;
}

} // namespace testing

} // namespace fw
