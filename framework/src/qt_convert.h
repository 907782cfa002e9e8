// Conversions between the framework's texts, paths and colours and the toolkit's.
#pragma once

#include <framework/color.h>

#include <QColor>
#include <QString>

#include <filesystem>
#include <string>
#include <string_view>

namespace fw {

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string fromQString(const QString& text)
{
    return text.toStdString();
}

// Through UTF-16 both ways: a path's narrow text is in the system's code page on Windows.
inline QString pathToQString(const std::filesystem::path& path)
{
    return QString::fromStdU16String(path.u16string());
}

inline std::filesystem::path qStringToPath(const QString& text)
{
    return std::filesystem::path(text.toStdU16String());
}

// The top byte of a Color counts transparency, so 0 is opaque.
inline QColor toQColor(Color c)
{
    return QColor(redOf(c), greenOf(c), blueOf(c), 255 - static_cast<int>((c >> 24) & 0xFF));
}

} // namespace fw
