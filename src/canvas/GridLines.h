#pragma once

#include <QColor>

class QPainter;
class QRect;

// Lines between the cells of the canvas: the pixel grid (View > Pixel Grid) between every
// cell once cells are large enough to leave room for them. A line takes the last device
// pixel of a cell, the gap after its square, so it never hides a pixel's colour.
struct GridLines
{
    // Cells narrower than this (device pixels) show no pixel grid: the lines would crowd
    // out the squares.
    static constexpr double kSmallestCell = 8.0;
    // A mid blue: it shows over the light background, black and both greys alike.
    static inline const QColor kPixelColour{64, 128, 230};
    // The tile grid's: a strong magenta, apart from the pixel grid's blue.
    static inline const QColor kTileColour{220, 0, 160};

    // The lines after every `everyX` cells across and `everyY` down of a grid of
    // columns x rows cells of cellWidth x cellHeight device pixels, within `area` (device
    // pixels); none at the picture's outer edges.
    static void paint(QPainter &painter, const QRect &area, double cellWidth, double cellHeight, int columns,
                      int rows, const QColor &colour, int everyX = 1, int everyY = 1);
};
