#pragma once

#include "canvas/RubberBand.h"
#include "canvas/Shapes.h"
#include "canvas/Tool.h"
#include "document/PictureDocument.h"
#include "document/Selection.h"

#include <QString>
#include <functional>

class DrawingSurface;

// The drawing tools and the canvas's mouse protocol: press, move, release. The canvas
// widget hands its mouse events here as plain values; the tools change the picture through
// the document, which the canvas shows, and draw their rubber bands on the drawing surface,
// never through a widget.
//
// Positions are picture units as the canvas reports them (fractions kept); buttons are
// 1 left, 2 right, 4 middle, summed. CurrentTool None means "none until the next press",
// which then takes SavedTool.
class DrawingTools
{
public:
    DrawingTools(PictureDocument &document, DrawingSurface &surface);

    // What the window shows of the tools' work.
    std::function<void()> menusChanged;                   // document.menus changed
    std::function<void()> checksChanged;                  // checkedTool changed
    std::function<void()> popUpTools;                     // right button: the tool menu
    std::function<void(const QString &)> showCoordinates; // the status bar readout
    std::function<void()> historyChanged;                 // a step was added to the history
    std::function<void(int x, int y)> startText;          // the Text tool clicked at pixel (x, y)
    std::function<void()> inkChanged;                     // ink() changed

    void miTool_Click(Tool tool);
    // After a file was read: park the active tool until the next press.
    void parkTool();
    // The tool PlotPixel draws with, without touching the menu's check marks.
    void setCurrentTool(Tool tool) { CurrentTool = tool; }

    void Picture1_MouseDown(int button, float X, float Y);
    void Picture1_MouseMove(int button, float X, float Y);
    void Picture1_MouseUp(int button, float X, float Y);

    // The grey level the black tools draw in a grey picture: 0 white, 1 light grey, 2 dark
    // grey, 3 black (the default). A black-and-white picture takes black whatever it is.
    int ink() const { return m_ink; }
    void setInk(int level);
    // The cell value the black tools draw now: 1, or ink() in a grey picture.
    int blackInk() const { return m_document.isGrey() ? m_ink : 1; }
    // Picking a level in a grey picture (K, or Alt with the click): the next left press
    // makes the ink the level of the pixel under it, draws nothing and leaves the tool as it
    // was. Nothing in a black-and-white picture.
    void armPickLevel();
    bool pickingLevel() const { return m_pickArmed; }

    // Sets one picture pixel by the current tool (Pen the ink, Erase white, others nothing),
    // dropping positions outside the picture.
    void PlotPixel(int x, int y);
    // Ends the change being recorded in the document's history (the stroke or shape of a
    // drag, an import): everything PlotPixel changed since becomes one step.
    void endChange();
    // Pen and Erase: the segment from the previous pen point (StartX, StartY) to (x, y),
    // which then becomes the pen point.
    void PlotLineTo(int x, int y);

    // The selection the Select tool makes and moves; paste and text float pixels in it.
    Selection &selection() { return m_selection; }
    // Whatever floats lands on the picture (Enter, a click elsewhere, another command): true
    // when the picture changed, which then counts as drawn on.
    bool landSelection();

    Tool currentTool() const { return CurrentTool; }
    Tool savedTool() const { return SavedTool; }
    Tool checkedTool() const { return m_checkedTool; } // None: no item carries the check mark
    // XOR mode from the first left-button move of a drag until the release, while a
    // rubber band may be on the surface; copy mode at all other times.
    bool xorMode() const { return m_xorMode; }
    const ShapeDrag &drag() const { return m_drag; }

private:
    void check(Tool tool);
    void finishShape();
    void pressSelect(float X, float Y);
    void dragSelect(float X, float Y);
    void pressFill();

    PictureDocument &m_document;
    DrawingSurface &m_surface;
    RubberBand m_band{m_surface};
    Tool CurrentTool = Tool::None;
    Tool SavedTool = Tool::Pen;
    Tool m_checkedTool = Tool::Pen; // the menu as designed shows Pen checked
    ShapeDrag m_drag;               // StartX, StartY, EndX, EndY, Radius
    bool m_xorMode = false;
    int m_ink = 3;
    bool m_pickArmed = false; // the next left press picks the ink
    bool m_pickDrag = false;  // the press picked: its moves and release do nothing
    Selection m_selection{m_document};
    enum class SelectDrag { None, Selecting, Moving } m_selectDrag = SelectDrag::None;
    int m_selectX = 0; // the pixel the selecting drag started at, or the moving drag is at
    int m_selectY = 0;
};
