#include "canvas/GridLines.h"

#include <QPainter>
#include <QRect>
#include <algorithm>
#include <cmath>

namespace {
// The boundaries 1..count-1 that are multiples of `every` and whose line falls in
// [from, to] (device pixels), each the pixel before the next cell.
template <typename Draw> void along(int from, int to, double cell, int count, int every, Draw draw)
{
    const int first = std::max(1, static_cast<int>(std::floor(from / cell)));
    const int last = std::min(count - 1, static_cast<int>(std::ceil((to + 1) / cell)));
    for (int i = (first + every - 1) / every * every; i <= last; i += every) {
        const int at = static_cast<int>(std::lround(i * cell)) - 1;
        if (at >= from && at <= to)
            draw(at);
    }
}
} // namespace

void GridLines::paint(QPainter &painter, const QRect &area, double cellWidth, double cellHeight, int columns, int rows,
                      const QColor &colour, int everyX, int everyY)
{
    const int right = static_cast<int>(std::lround(columns * cellWidth)) - 1;
    const int bottom = static_cast<int>(std::lround(rows * cellHeight)) - 1;
    const QRect inside = area & QRect(0, 0, right + 1, bottom + 1);
    if (inside.isEmpty())
        return;
    along(inside.left(), inside.right(), cellWidth, columns, std::max(1, everyX),
          [&](int x) { painter.fillRect(QRect(x, inside.top(), 1, inside.height()), colour); });
    along(inside.top(), inside.bottom(), cellHeight, rows, std::max(1, everyY),
          [&](int y) { painter.fillRect(QRect(inside.left(), y, inside.width(), 1), colour); });
}
