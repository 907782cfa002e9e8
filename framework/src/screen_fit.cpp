// The arithmetic of showing a window smaller on a small screen.
#include <framework/screen_fit.h>
#include <framework/text.h>

#include <algorithm>
#include <cstdint>

namespace fw::fit {

namespace {

constexpr double kLimit = 2.0e18;

} // namespace

double scaleToFit(std::int64_t contentWidth, std::int64_t contentHeight, std::int64_t menuBarHeight,
                  const Frame& frame, const Area& freeArea)
{
    if (contentWidth <= 0 || contentHeight <= 0)
        return 1.0;
    const double roomAcross = static_cast<double>(freeArea.width - frame.left - frame.right);
    const double roomDown = static_cast<double>(freeArea.height - frame.top - frame.bottom - menuBarHeight);
    const double scale = std::min({1.0, roomAcross / static_cast<double>(contentWidth),
                                   roomDown / static_cast<double>(contentHeight)});
    return std::max(scale, kSmallestScale);
}

Span scaleSpan(std::int64_t begin, std::int64_t length, double scale)
{
    if (scale == 1.0)
        return {begin, length};
    // In doubles, and held within a quarter of the 64-bit range, so that no record's extreme
    // values overflow; rounded as Round rounds, the same on every platform.
    const auto at = [scale](double v) { return static_cast<std::int64_t>(Round(std::clamp(v * scale, -kLimit, kLimit))); };
    const std::int64_t first = at(static_cast<double>(begin));
    return {first, at(static_cast<double>(begin) + static_cast<double>(length)) - first};
}

Area keepOnScreen(const Area& frame, const Area& freeArea)
{
    // Right and bottom first, so that a frame larger than the area ends at its left and top.
    auto place = [](std::int64_t at, std::int64_t size, std::int64_t areaAt, std::int64_t areaSize) {
        return std::max(std::min(at, areaAt + areaSize - size), areaAt);
    };
    return {place(frame.left, frame.width, freeArea.left, freeArea.width),
            place(frame.top, frame.height, freeArea.top, freeArea.height), frame.width, frame.height};
}

} // namespace fw::fit
