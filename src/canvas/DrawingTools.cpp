#include "canvas/DrawingTools.h"

#include "canvas/DrawingSurface.h"
#include "document/Rounding.h"

DrawingTools::DrawingTools(PictureDocument &document, DrawingSurface &surface)
    : m_document(document), m_surface(surface)
{
}

void DrawingTools::check(Tool tool)
{
    m_checkedTool = tool;
    if (checksChanged)
        checksChanged();
}

void DrawingTools::miTool_Click(Tool tool)
{
    CurrentTool = tool;
    check(tool);
}

void DrawingTools::parkTool()
{
    SavedTool = CurrentTool == Tool::None ? Tool::Pen : CurrentTool;
    CurrentTool = Tool::None;
    check(SavedTool);
}

void DrawingTools::PlotPixel(int x, int y)
{
    // The limits are compared in single precision, as the canvas scale is.
    if (x < 0 || y < 0 || static_cast<float>(x) > static_cast<float>(m_document.width()) - 1
        || static_cast<float>(y) > static_cast<float>(m_document.height()) - 1)
        return;
    if (isFreehand(CurrentTool))
        m_document.setPixel(x, y, CurrentTool == Tool::Pen ? 1 : 0);
}

void DrawingTools::endChange()
{
    if (m_document.endChange() && historyChanged)
        historyChanged();
}

void DrawingTools::PlotLineTo(int x, int y)
{
    if (!rasterisePenSegment(m_drag.StartX, m_drag.StartY, x, y, [this](int px, int py) { PlotPixel(px, py); }))
        return; // the same point: the pen point stays
    m_drag.StartX = static_cast<float>(x);
    m_drag.StartY = static_cast<float>(y);
}

void DrawingTools::Picture1_MouseDown(int button, float X, float Y)
{
    m_drag.StartX = X;
    m_drag.StartY = Y;
    if (button == 2) {
        if (popUpTools)
            popUpTools();
        return;
    }
    endChange(); // a drag whose release never came ends here
    if (!m_document.menus.pictureShown)
        m_document.freshScreenGrid();
    m_document.menus.drawingPress();
    if (menusChanged)
        menusChanged();
    m_drag.EndX = m_drag.StartX;
    m_drag.EndY = m_drag.StartY;
    m_drag.Radius = 0;
    if (isFreehand(CurrentTool))
        PlotPixel(roundDown(X), roundDown(Y));
    if (CurrentTool == Tool::None) {
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
    m_xorMode = true;
    if (isFreehand(CurrentTool)) {
        m_xorMode = false;
        PlotLineTo(roundDown(X), roundDown(Y));
    } else if (isShape(CurrentTool)) {
        m_band.move(CurrentTool, m_drag, X, Y);
    }
}

// The release position is not used: a shape ends where the last move left the drag.
// Whatever the drag drew is one step of the history.
void DrawingTools::Picture1_MouseUp(int, float, float)
{
    if (m_xorMode && isShape(CurrentTool))
        finishShape();
    m_xorMode = false;
    endChange();
}

void DrawingTools::finishShape()
{
    m_band.draw(CurrentTool, m_drag); // remove the band: the shape is plotted onto the unmarked picture
    m_xorMode = false;
    // Lower the shape tool to its colour tool for PlotPixel, then back.
    const Tool shape = CurrentTool;
    CurrentTool = colourTool(shape);
    rasteriseShape(shape, m_drag, [this](int x, int y) { PlotPixel(x, y); });
    CurrentTool = shape;
}
