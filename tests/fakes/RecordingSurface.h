#pragma once

#include "canvas/DrawingSurface.h"
#include "document/PixelGrid.h"

#include <QList>
#include <QPoint>

// A drawing surface that keeps the rubber bands the tools showed instead of painting them:
// the XOR outlines as the screen would hold them (drawing an outline that is showing
// removes it).
class RecordingSurface : public DrawingSurface
{
public:
    struct Outline
    {
        enum Kind { Line, Rectangle, Ellipse } kind;
        double a, b, c, d; // line/rectangle: the two corners; ellipse: centre and radii
        bool operator==(const Outline &) const = default;
    };

    int outlinesDrawn = 0;
    QList<Outline> showing; // the outlines on screen now

    void xorLine(float x1, float y1, float x2, float y2) override { xorOutline({Outline::Line, x1, y1, x2, y2}); }
    void xorRectangle(float x1, float y1, float x2, float y2) override
    {
        xorOutline({Outline::Rectangle, x1, y1, x2, y2});
    }
    void xorEllipse(float cx, float cy, double radiusX, double radiusY) override
    {
        xorOutline({Outline::Ellipse, cx, cy, radiusX, radiusY});
    }

private:
    void xorOutline(const Outline &outline)
    {
        ++outlinesDrawn;
        if (!showing.removeOne(outline))
            showing << outline;
    }
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
