#pragma once

#include <QList>
#include <QRect>

// The two tilings of the frame's browser windows over its client area. The pixels that do
// not divide evenly go one each to the first windows, so the places fill the area exactly.
namespace WindowTiling {

// One above another, each as wide as `area`.
QList<QRect> horizontally(const QRect& area, int count);
// Side by side, each as tall as `area`.
QList<QRect> vertically(const QRect& area, int count);

}  // namespace WindowTiling
