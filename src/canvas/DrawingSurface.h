#pragma once

// What the drawing tools show on the canvas besides the picture: the rubber band of a
// shape being dragged. Positions are picture units (origin top-left, x to the right, y
// downwards; pixel (x, y) owns the cell (x, y) to (x + 1, y + 1)). The picture's pixels are
// the document's business; the canvas shows them from there.
class DrawingSurface
{
public:
    virtual ~DrawingSurface() = default;

    // Rubber-band outlines, one screen pixel wide, XOR-ed onto the surface: black over the
    // background, background over black, and drawing the same outline a second time
    // restores the surface exactly.
    virtual void xorLine(float x1, float y1, float x2, float y2) = 0;
    virtual void xorRectangle(float x1, float y1, float x2, float y2) = 0;
    // Centre (cx, cy), horizontal and vertical radius in picture units.
    virtual void xorEllipse(float cx, float cy, double radiusX, double radiusY) = 0;
};
