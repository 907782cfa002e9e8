// Counting repaint requests and paints per widget, so that tests can see which repaints code asked
// for and which paints followed.
#pragma once

#include <QWidget>

#include <cstdint>

namespace fw::testing {

// From now on, counts every paint of a canvas.
void countCanvasPaints();

std::int64_t refreshCountOf(const QWidget& widget);
std::int64_t paintCountOf(const QWidget& widget);

} // namespace fw::testing
