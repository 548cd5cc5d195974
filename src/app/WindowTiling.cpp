#include "app/WindowTiling.h"

namespace WindowTiling {

namespace {

// The start of each of `count` near-equal parts of `length`, and the end of the last.
QList<int> cuts(int length, int count) {
    QList<int> edges;
    for (int i = 0; i <= count; ++i) {
        const int base = length / count * i;
        edges << base + qMin(i, length % count);
    }
    return edges;
}

}  // namespace

QList<QRect> horizontally(const QRect& area, int count) {
    QList<QRect> places;
    if (count <= 0) return places;
    const QList<int> edges = cuts(area.height(), count);
    for (int i = 0; i < count; ++i) {
        places << QRect(area.left(), area.top() + edges[i], area.width(), edges[i + 1] - edges[i]);
    }
    return places;
}

QList<QRect> vertically(const QRect& area, int count) {
    QList<QRect> places;
    if (count <= 0) return places;
    const QList<int> edges = cuts(area.width(), count);
    for (int i = 0; i < count; ++i) {
        places << QRect(area.left() + edges[i], area.top(), edges[i + 1] - edges[i], area.height());
    }
    return places;
}

}  // namespace WindowTiling
