#pragma once

// What the drawing tools need of the canvas they draw on. Positions are picture units
// (origin top-left, x to the right, y downwards; pixel (x, y) owns the cell (x, y) to
// (x + 1, y + 1)). The surface only shows: the picture's pixels are the grid's business.
class DrawingSurface
{
public:
    enum class Cell { Background, Black };

    virtual ~DrawingSurface() = default;

    // The surface's scale: the size of the picture it shows, in picture pixels.
    virtual int scaleWidth() const = 0;
    virtual int scaleHeight() const = 0;

    // Shows picture pixel (x, y) black (a square over the top-left 0.8 of its cell) or as
    // background, at once.
    virtual void fillCell(int x, int y, Cell colour) = 0;

    // Rubber-band outlines, one screen pixel wide, XOR-ed onto the surface: black over the
    // background, background over black, and drawing the same outline a second time
    // restores the surface exactly.
    virtual void xorLine(float x1, float y1, float x2, float y2) = 0;
    virtual void xorRectangle(float x1, float y1, float x2, float y2) = 0;
    // Centre (cx, cy), horizontal and vertical radius in picture units.
    virtual void xorEllipse(float cx, float cy, double radiusX, double radiusY) = 0;
};
