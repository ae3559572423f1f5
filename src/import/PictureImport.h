#pragma once

#include <QImage>
#include <QRgb>
#include <QString>

#include <functional>

// Placement of an imported picture on the calculator's 160 x 77 graph screen: centred
// where the picture is smaller, cut at the right and bottom where it is larger. Source
// pixel (j, i) lands on screen pixel (columnOffset + j, rowOffset + i) for
// i = 0..lastRow, j = 0..lastColumn (a last index of -1 means nothing is taken).
struct ImportPlacement
{
    int lastRow = -1;
    int rowOffset = 0;
    int lastColumn = -1;
    int columnOffset = 0;
};

ImportPlacement importPlacement(int width, int height);

// Whether a source pixel becomes a black picture pixel: its packed colour
// red + 256 * green + 65536 * blue is below mid grey's 8421504, so blue decides first, then
// green, then red. Translucent pixels are seen over white (fully transparent = white).
bool isDarkImportPixel(QRgb colour);

// Channel value (0..255) of a pixel with the given alpha (0..255) composed over white.
int overWhite(int channel, int alpha);

// Plots every dark pixel of the placed picture, row by row, through `plot` (screen
// column, screen row); light pixels are skipped, so what the picture held there stays.
// Positions beyond the current picture reach `plot`, which drops them.
void importPicture(const QImage &picture, const std::function<void(int x, int y)> &plot);

// The confirmation asked before importing `fileName`: the name, a blank line and
// "     ...this picture?".
QString importQuestion(const QString &fileName);
