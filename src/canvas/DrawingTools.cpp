#include "canvas/DrawingTools.h"

#include <utility>

#include "canvas/DrawingSurface.h"
#include "document/Rounding.h"

#include <algorithm>

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
    if (tool != Tool::Select && m_selection.active()) {
        landSelection();
        m_selection.deselect();
    }
    CurrentTool = tool;
    check(tool);
}

bool DrawingTools::landSelection()
{
    if (!m_selection.commit())
        return false;
    m_document.drawn();
    if (menusChanged)
        menusChanged();
    if (historyChanged)
        historyChanged();
    return true;
}

void DrawingTools::parkTool()
{
    SavedTool = CurrentTool == Tool::None ? Tool::Pen : CurrentTool;
    CurrentTool = Tool::None;
    check(SavedTool);
}

void DrawingTools::setInk(int level)
{
    if (level < 0 || level > 3 || level == m_ink)
        return;
    m_ink = level;
    if (inkChanged)
        inkChanged();
}

void DrawingTools::armPickLevel()
{
    if (!m_document.isGrey() || m_pickArmed)
        return;
    m_pickArmed = true;
    if (checksChanged)
        checksChanged();
}

void DrawingTools::PlotPixel(int x, int y)
{
    // The limits are compared in single precision, as the canvas scale is.
    if (x < 0 || y < 0 || static_cast<float>(x) > static_cast<float>(m_document.width()) - 1
        || static_cast<float>(y) > static_cast<float>(m_document.height()) - 1)
        return;
    if (isFreehand(CurrentTool))
        m_document.setPixel(x, y, CurrentTool == Tool::Pen ? blackInk() : 0);
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
    if (m_pickArmed && button == 1) {
        m_pickArmed = false;
        m_pickDrag = true;
        const int x = roundDown(X), y = roundDown(Y);
        if (m_document.isGrey() && m_document.pixels().contains(x, y) && x < m_document.width() && y < m_document.height())
            setInk(m_document.pixels().at(x, y));
        if (checksChanged)
            checksChanged();
        return;
    }
    if (button == 2) {
        if (popUpTools)
            popUpTools();
        return;
    }
    endChange(); // a drag whose release never came ends here
    m_selectDrag = SelectDrag::None;
    if (CurrentTool == Tool::Select)
        return pressSelect(X, Y);
    landSelection(); // a press of another tool lands what floats
    if (CurrentTool == Tool::Text) {
        if (startText)
            startText(roundDown(X), roundDown(Y));
        return;
    }
    if (!m_document.menus().pictureShown)
        m_document.freshScreenGrid();
    m_document.drawn();
    if (menusChanged)
        menusChanged();
    m_drag.EndX = m_drag.StartX;
    m_drag.EndY = m_drag.StartY;
    m_drag.Radius = 0;
    if (isFreehand(CurrentTool))
        PlotPixel(roundDown(X), roundDown(Y));
    if (isFill(CurrentTool))
        pressFill();
    if (CurrentTool == Tool::None) {
        CurrentTool = SavedTool;
        check(CurrentTool);
    }
}

void DrawingTools::Picture1_MouseMove(int button, float X, float Y)
{
    if (showCoordinates)
        showCoordinates(QStringLiteral("(%1, %2)").arg(roundDown(X)).arg(roundDown(Y)));
    if (button != 1 || m_pickDrag)
        return;
    if (CurrentTool == Tool::Select)
        return dragSelect(X, Y);
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
    if (std::exchange(m_pickDrag, false))
        return;
    if (m_xorMode && isShape(CurrentTool))
        finishShape();
    m_xorMode = false;
    // A click of the Select tool that selected no more than its pixel selects nothing.
    if (m_selectDrag == SelectDrag::Selecting && m_selection.rect().width <= 1 && m_selection.rect().height <= 1)
        m_selection.deselect();
    m_selectDrag = SelectDrag::None;
    endChange();
}

// A press inside the selection takes it along with the moves; anywhere else it lands what
// floats and starts a new selection there.
void DrawingTools::pressSelect(float X, float Y)
{
    const int x = roundDown(X), y = roundDown(Y);
    const PixelRect &rect = m_selection.rect();
    m_selectX = x;
    m_selectY = y;
    if (m_selection.active() && x >= rect.x && y >= rect.y && x < rect.x + rect.width && y < rect.y + rect.height) {
        m_selectDrag = SelectDrag::Moving;
        return;
    }
    landSelection();
    m_selection.select({x, y, 1, 1});
    m_selectDrag = SelectDrag::Selecting;
}

void DrawingTools::dragSelect(float X, float Y)
{
    const int x = roundDown(X), y = roundDown(Y);
    if (m_selectDrag == SelectDrag::Moving) {
        if (x != m_selectX || y != m_selectY)
            m_selection.moveBy(x - m_selectX, y - m_selectY);
        m_selectX = x;
        m_selectY = y;
    } else if (m_selectDrag == SelectDrag::Selecting) {
        const int left = std::min(x, m_selectX), top = std::min(y, m_selectY);
        m_selection.select({left, top, std::max(x, m_selectX) - left + 1, std::max(y, m_selectY) - top + 1});
    }
}

void DrawingTools::pressFill()
{
    if (m_document.floodFill(roundDown(m_drag.StartX), roundDown(m_drag.StartY), CurrentTool == Tool::Fill ? blackInk() : 0)
        && historyChanged)
        historyChanged();
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
