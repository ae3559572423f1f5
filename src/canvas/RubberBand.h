#pragma once

#include "canvas/Shapes.h"
#include "canvas/Tool.h"

class DrawingSurface;

// The outline a shape drag shows from its first move until the release: a line for Line,
// a rectangle for Box and Bar (bars are previewed as outlines too), a circle or ellipse
// around the press position. It is XOR-ed onto the surface, so drawing the same outline
// again removes it; every move replaces it that way, and the release removes it before the
// shape is plotted. The drag values it works from are the tools' (picture units).
class RubberBand
{
public:
    explicit RubberBand(DrawingSurface &surface) : m_surface(surface) {}

    // Draws the outline of `shape` for the drag values, or removes the one drawn with them.
    void draw(Tool shape, const ShapeDrag &drag);

    // One left-button move to (X, Y): removes the previous outline (there is none before
    // the first move of a drag), takes the new end (EndX/EndY, or Radius for circles and
    // ellipses) and draws the new outline.
    void move(Tool shape, ShapeDrag &drag, float X, float Y);

private:
    DrawingSurface &m_surface;
};
