#pragma once

#include "canvas/DrawingSurface.h"
#include "document/PixelGrid.h"

#include <QList>
#include <QPoint>

#include <algorithm>
#include <map>
#include <utility>

// A drawing surface that keeps what the tools showed instead of painting it: the colour
// every cell shows, each cell fill in order, and the XOR outlines as the screen would hold
// them (drawing an outline that is showing removes it).
class RecordingSurface : public DrawingSurface
{
public:
    struct Outline
    {
        enum Kind { Line, Rectangle, Ellipse } kind;
        double a, b, c, d; // line/rectangle: the two corners; ellipse: centre and radii
        bool operator==(const Outline &) const = default;
    };

    int width = 160; // the scale, in picture pixels
    int height = 77;
    QList<QPoint> fills;    // every cell filled, black or background, in order
    int outlinesDrawn = 0;
    QList<Outline> showing; // the outlines on screen now

    int scaleWidth() const override { return width; }
    int scaleHeight() const override { return height; }
    void fillCell(int x, int y, Cell colour) override
    {
        fills << QPoint(x, y);
        m_cells[{y, x}] = colour;
    }
    void xorLine(float x1, float y1, float x2, float y2) override { xorOutline({Outline::Line, x1, y1, x2, y2}); }
    void xorRectangle(float x1, float y1, float x2, float y2) override
    {
        xorOutline({Outline::Rectangle, x1, y1, x2, y2});
    }
    void xorEllipse(float cx, float cy, double radiusX, double radiusY) override
    {
        xorOutline({Outline::Ellipse, cx, cy, radiusX, radiusY});
    }

    // The cells showing black, row by row.
    QList<QPoint> blackCells() const
    {
        QList<QPoint> black;
        for (const auto &[at, colour] : m_cells)
            if (colour == Cell::Black)
                black << QPoint(at.second, at.first);
        return black;
    }

private:
    void xorOutline(const Outline &outline)
    {
        ++outlinesDrawn;
        if (!showing.removeOne(outline))
            showing << outline;
    }

    std::map<std::pair<int, int>, Cell> m_cells; // (row, column) -> colour shown
};

// The black pixels of a grid, row by row.
inline QList<QPoint> blackPixels(const PixelGrid &pixels)
{
    QList<QPoint> black;
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            if (pixels.at(x, y))
                black << QPoint(x, y);
    return black;
}
