// The framework's text alignments as the toolkit's: 0 default (left), 1 left, 2 centre, 3 right.
#pragma once

#include <Qt>

#include <cstdint>

namespace fw {

inline Qt::Alignment horizontalAlignment(std::int64_t alignment)
{
    switch (alignment) {
    case 2: return Qt::AlignHCenter;
    case 3: return Qt::AlignRight;
    default: return Qt::AlignLeft;
    }
}

} // namespace fw
