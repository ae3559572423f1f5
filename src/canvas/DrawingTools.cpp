#include "canvas/DrawingTools.h"

#include "canvas/CanvasView.h"
#include "canvas/Shapes.h"
#include "document/Rounding.h"

DrawingTools::DrawingTools(PictureDocument &document, CanvasView &canvas)
    : m_document(document), m_canvas(canvas)
{
}

void DrawingTools::check(int tool)
{
    m_checkedTool = tool;
    if (checksChanged)
        checksChanged();
}

void DrawingTools::miTool_Click(int index)
{
    CurrentTool = index;
    check(index);
}

void DrawingTools::parkTool()
{
    SavedTool = CurrentTool == None ? Pen : CurrentTool;
    CurrentTool = None;
    check(SavedTool);
}

void DrawingTools::PlotPixel(int x, int y)
{
    // The limits are compared in single precision, as the canvas scale is.
    if (x < 0 || y < 0 || static_cast<float>(x) > static_cast<float>(m_canvas.scaleWidth()) - 1
        || static_cast<float>(y) > static_cast<float>(m_canvas.scaleHeight()) - 1)
        return;
    if (CurrentTool == Pen) {
        m_canvas.fillCell(x, y, CanvasView::kBlack);
        m_document.Pixels.set(x, y, 1);
    } else if (CurrentTool == Erase) {
        m_canvas.fillCell(x, y, CanvasView::kBackground);
        m_document.Pixels.set(x, y, 0);
    }
}

void DrawingTools::PlotLineTo(int x, int y)
{
    if (!rasterisePenSegment(StartX, StartY, x, y, [this](int px, int py) { PlotPixel(px, py); }))
        return; // the same point: the pen point stays
    StartX = static_cast<float>(x);
    StartY = static_cast<float>(y);
}

void DrawingTools::Picture1_MouseDown(int button, float X, float Y, QPoint globalPosition)
{
    StartX = X;
    StartY = Y;
    if (button == 2) {
        if (popUpTools)
            popUpTools(globalPosition);
        return;
    }
    if (!m_document.menus.printEnabled)
        m_document.freshScreenGrid(m_canvas.scaleWidth(), m_canvas.scaleHeight());
    m_document.menus.drawingPress();
    if (menusChanged)
        menusChanged();
    EndX = StartX;
    EndY = StartY;
    Radius = 0;
    if (CurrentTool == Pen || CurrentTool == Erase)
        PlotPixel(roundDown(X), roundDown(Y));
    if (CurrentTool == None) {
        CurrentTool = SavedTool;
        check(CurrentTool);
    }
}

void DrawingTools::Picture1_MouseMove(int button, float X, float Y)
{
    if (showCoordinates)
        showCoordinates(QStringLiteral("(%1, %2)").arg(roundDown(X)).arg(roundDown(Y)));
    if (button != 1)
        return;
    m_canvas.setXorMode(true);
    if (CurrentTool == Pen || CurrentTool == Erase) {
        m_canvas.setXorMode(false);
        PlotLineTo(roundDown(X), roundDown(Y));
    } else if (CurrentTool >= Line) {
        moveRubberBand(X, Y);
    }
}

void DrawingTools::Picture1_MouseUp(int, float, float)
{
    if (!m_canvas.xorMode())
        return;
    if (CurrentTool >= Line && CurrentTool <= WhEllipse)
        finishShape();
    m_canvas.setXorMode(false);
}
