#pragma once

#include "document/PixelGrid.h"

#include <QStringList>

// Small pictures written as rows of text in tests: '#' black, '.' white.
inline PixelGrid gridOf(const QStringList &rows)
{
    PixelGrid pixels(rows.isEmpty() ? 0 : int(rows.first().size()), int(rows.size()));
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x)
            pixels.set(x, y, rows[y][x] == u'#');
    return pixels;
}

// The top-left width x height of a grid as rows of text (all of it when not given).
inline QStringList rowsOf(const PixelGrid &pixels, int width = -1, int height = -1)
{
    QStringList rows;
    for (int y = 0; y < (height < 0 ? pixels.height() : height); ++y) {
        QString row;
        for (int x = 0; x < (width < 0 ? pixels.width() : width); ++x)
            row += pixels.at(x, y) ? u'#' : u'.';
        rows << row;
    }
    return rows;
}
