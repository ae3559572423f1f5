// The shape tools' rubber band: one XOR outline on the canvas from the first move of a drag
// until the release, replaced at every move by drawing the old one again (which removes it)
// and then the new one.

#include "canvas/CanvasView.h"
#include "canvas/DrawingTools.h"
#include "canvas/Shapes.h"
#include "document/Rounding.h"



void DrawingTools::drawRubberBand()
{
    switch (CurrentTool) {
    case Line:
    case WhLine:
        m_canvas.xorLine(StartX, StartY, EndX, EndY);
        break;
    case Box:
    case WhBox:
    case Bar:
    case WhBar:
        m_canvas.xorRectangle(StartX, StartY, EndX, EndY);
        break;
    case Circle:
    case WhCircle:
        m_canvas.xorEllipse(StartX, StartY, Radius, Radius);
        break;
    case Ellipse:
    case WhEllipse: {
        const EllipseRadii radii = ellipseRadii(Radius, ellipseAspect(StartX, StartY, EndX, EndY));
        m_canvas.xorEllipse(StartX, StartY, radii.horizontal, radii.vertical);
        break;
    }
    default:
        break;
    }
}

void DrawingTools::moveRubberBand(float X, float Y)
{
    const int x = roundDown(X), y = roundDown(Y);
    switch (CurrentTool) {
    case Circle:
    case WhCircle:
        if (Radius > 0)
            drawRubberBand();
        Radius = shapeRadius(StartX, StartY, x, y);
        drawRubberBand();
        break;
    case Ellipse:
    case WhEllipse:
        // The old outline goes with the old aspect, so remove it before the end moves.
        if (Radius > 0)
            drawRubberBand();
        EndX = X;
        EndY = Y;
        Radius = shapeRadius(StartX, StartY, x, y);
        drawRubberBand();
        break;
    default: // lines, boxes and bars
        if (EndX != StartX || EndY != StartY)
            drawRubberBand();
        EndX = X;
        EndY = Y;
        drawRubberBand();
        break;
    }
}

void DrawingTools::finishShape()
{
    drawRubberBand(); // remove the band: the shape is plotted onto the unmarked picture
    m_canvas.setXorMode(false);
    // Lower the shape tool to its colour tool (1 black, 2 white) for PlotPixel, then back.
    const int shapeTool = CurrentTool;
    CurrentTool = shapeTool % 2 == 1 ? Pen : Erase;
    rasteriseShape(toolFromNumber(shapeTool), ShapeDrag{StartX, StartY, EndX, EndY, Radius},
                   [this](int x, int y) { PlotPixel(x, y); });
    CurrentTool = shapeTool;
}
