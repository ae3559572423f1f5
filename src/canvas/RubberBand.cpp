#include "canvas/RubberBand.h"

#include "canvas/DrawingSurface.h"
#include "document/Rounding.h"

void RubberBand::draw(Tool shape, const ShapeDrag &d)
{
    switch (shape) {
    case Tool::Line:
    case Tool::WhLine:
        m_surface.xorLine(d.StartX, d.StartY, d.EndX, d.EndY);
        break;
    case Tool::Box:
    case Tool::WhBox:
    case Tool::Bar:
    case Tool::WhBar:
        m_surface.xorRectangle(d.StartX, d.StartY, d.EndX, d.EndY);
        break;
    case Tool::Circle:
    case Tool::WhCircle:
        m_surface.xorEllipse(d.StartX, d.StartY, d.Radius, d.Radius);
        break;
    case Tool::Ellipse:
    case Tool::WhEllipse: {
        const EllipseRadii radii = ellipseRadii(d.Radius, ellipseAspect(d.StartX, d.StartY, d.EndX, d.EndY));
        m_surface.xorEllipse(d.StartX, d.StartY, radii.horizontal, radii.vertical);
        break;
    }
    default:
        break;
    }
}

void RubberBand::move(Tool shape, ShapeDrag &d, float X, float Y)
{
    // Circles and ellipses take their radius from the mouse position rounded down.
    const int x = roundDown(X), y = roundDown(Y);
    switch (shape) {
    case Tool::Circle:
    case Tool::WhCircle:
        if (d.Radius > 0)
            draw(shape, d);
        d.Radius = shapeRadius(d.StartX, d.StartY, x, y);
        draw(shape, d);
        break;
    case Tool::Ellipse:
    case Tool::WhEllipse:
        // The old outline goes with the old aspect, so remove it before the end moves.
        if (d.Radius > 0)
            draw(shape, d);
        d.EndX = X;
        d.EndY = Y;
        d.Radius = shapeRadius(d.StartX, d.StartY, x, y);
        draw(shape, d);
        break;
    default: // lines, boxes and bars
        if (d.EndX != d.StartX || d.EndY != d.StartY)
            draw(shape, d);
        d.EndX = X;
        d.EndY = Y;
        draw(shape, d);
        break;
    }
}
