// Conversions between the framework's texts and colours and the toolkit's.
#pragma once

#include <framework/color.h>

#include <QColor>
#include <QString>

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

// The top byte of a Color counts transparency, so 0 is opaque.
inline QColor toQColor(Color c)
{
    return QColor(redOf(c), greenOf(c), blueOf(c), 255 - static_cast<int>((c >> 24) & 0xFF));
}

} // namespace fw
