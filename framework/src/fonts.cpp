// Which font the toolkit really draws with, and the fonts a program brings in its resources.
#include <framework/fonts.h>

#include <framework/ascii_case.h>
#include <framework/picture.h>

#include "qt_convert.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

#include <algorithm>
#include <filesystem>

namespace fw {

namespace {

bool isFontFile(const std::filesystem::path& file)
{
    return equalsIgnoringAsciiCase(file.extension().string(), ".ttf");
}

} // namespace

FontResolution ResolveFontFamily(std::string_view family)
{
    const QString asked = toQString(family);
    // Only a family of that very name counts: the toolkit would quietly draw with another.
    if (QFontDatabase::families().contains(asked, Qt::CaseInsensitive))
        return {std::string(family), {}};
    const std::string standIn = fromQString(QFontInfo(QFont(QStringLiteral("Arial"))).family());
    return {standIn, "the font \"" + std::string(family) + "\" is not installed; \"" + standIn
                         + "\" stands in for it, in which some texts may not fit their controls"};
}

std::vector<std::string> RegisterResourceFonts()
{
    std::vector<std::string> families;
    for (const auto& folder : resourceFolders()) {
        std::vector<std::filesystem::path> files;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder / "fonts", error))
            if (entry.is_regular_file(error) && isFontFile(entry.path()))
                files.push_back(entry.path());
        std::ranges::sort(files);
        for (const auto& file : files) {
            const int id = QFontDatabase::addApplicationFont(QString::fromStdU16String(file.u16string()));
            for (const QString& family : QFontDatabase::applicationFontFamilies(id))
                families.push_back(fromQString(family));
        }
    }
    return families;
}

} // namespace fw
