#pragma once

#include "canvas/Tool.h"

#include <functional>

// Rasterisers of the tools: the pen's segments and the final pixels of the shape tools
// (Line, Box, Bar, Circle, Ellipse and their white twins). Each function is stateless and sets pixels only through the plot callback; it
// never clips, so positions outside the picture reach the callback and the caller drops
// them. All coordinates are picture pixels (x to the right, y downwards).
//
// The arithmetic mirrors the drawing code the tools were designed with: the drag
// positions are single-precision values with their fractions, the radius is double
// precision, "Int" rounds toward minus infinity and "CInt" rounds halves to even. Loops
// are counted loops: the counter starts at the (possibly fractional) start, steps by whole
// units and runs while it has not passed the end.

using PlotFn = std::function<void(int x, int y)>;

// The drag values of the tools, in picture units: the press position (for Pen and Erase
// afterwards the previous pen point, in whole pixels), the last move's position (both
// unrounded) and the radius of the circle/ellipse rubber band. A shape is finished from them.
struct ShapeDrag
{
    float StartX = 0;
    float StartY = 0;
    float EndX = 0;
    float EndY = 0;
    double Radius = 0;
};

// Rubber-band ellipse radii in picture pixels: aspect < 1 keeps the horizontal radius,
// aspect > 1 keeps the vertical one, aspect 1 is a circle.
struct EllipseRadii
{
    double horizontal = 0;
    double vertical = 0;
};

// Ratio of vertical to horizontal drag extent, |dy / dx| in single precision; 1000 when the
// drag ends exactly on the press's column.
float ellipseAspect(float startX, float startY, float endX, float endY);

EllipseRadii ellipseRadii(double radius, double aspect);

// Radius of the circle/ellipse rubber band: the distance from the unrounded press position
// to the mouse position rounded down to whole pixels (x, y).
double shapeRadius(float startX, float startY, int x, int y);

// Pen and Erase segment from the previous pen point (fromX, fromY) to (x, y): steps along x
// while |slope| <= 1 (so 45 degrees steps along x, unlike the Line), otherwise along y.
// The counter starts at the pen point with its fraction (the first segment of a stroke
// starts at the unrounded press), so a segment's last pixel may be left for the next one.
// Returns false, having plotted nothing, when (x, y) is the pen point itself.
bool rasterisePenSegment(float fromX, float fromY, int x, int y, const PlotFn &plot);

// Line: steps along x while |slope| < 1, otherwise along y (so 45 degrees steps along y).
// Returns false, having plotted nothing, when start and end coincide (no slope).
bool rasteriseLine(float startX, float startY, float endX, float endY, const PlotFn &plot);

// Box outline between the corners rounded down. A drag ending on the press's row gives
// one row, on its column one column, on the press itself nothing.
void rasteriseBox(float startX, float startY, float endX, float endY, const PlotFn &plot);

// Filled bar between the corners rounded half to even, columns outer, rows inner.
void rasteriseBar(float startX, float startY, float endX, float endY, const PlotFn &plot);

// Circle outline around (centreX, centreY); the vertical radius is 1.01 times the
// horizontal one. Returns false, having plotted nothing, for radius 0.
bool rasteriseCircle(float centreX, float centreY, double radius, const PlotFn &plot);

// Ellipse outline around (centreX, centreY) with the larger radius `radius` and the given
// aspect (vertical / horizontal). Returns false, having plotted nothing, for radius 0.
bool rasteriseEllipse(float centreX, float centreY, double radius, float aspect,
                      const PlotFn &plot);

// Finishes the drag of a shape tool, Line to WhEllipse (the colour is the plot callback's
// business). Ellipses take their aspect from the drag's end. Returns
// false when the shape could not be drawn (zero-length line, zero radius) or the tool is
// not a shape tool; whatever was plotted before stays plotted.
bool rasteriseShape(Tool tool, const ShapeDrag &drag, const PlotFn &plot);
