// Counting repaint requests per widget, so that tests can see which repaints code asked for.
#pragma once

#include <QWidget>

#include <cstdint>

namespace fw {

inline constexpr const char* kRefreshCountProperty = "fwRefreshCount";

inline void countRefresh(QWidget& widget)
{
    widget.setProperty(kRefreshCountProperty, widget.property(kRefreshCountProperty).toLongLong() + 1);
}

inline std::int64_t refreshCountOf(const QWidget& widget)
{
    return widget.property(kRefreshCountProperty).toLongLong();
}

} // namespace fw
