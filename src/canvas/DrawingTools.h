#pragma once

#include "document/PictureDocument.h"

#include <QPoint>
#include <QString>
#include <functional>

class CanvasView;

// The drawing tools and the canvas's mouse protocol: press, move, release.
//
// Tools are numbered as in the tool menu: 1 Pen, 2 Erase, 3 Line, 4 WhLine, 5 Box, 6 WhBox,
// 7 Bar, 8 WhBar, 9 Circle, 10 WhCircle, 11 Ellipse, 12 WhEllipse; odd numbers draw black,
// even ones white. CurrentTool 0 means "none until the next press", which then takes
// SavedTool. Positions are picture units as the canvas reports them (fractions kept).
class DrawingTools
{
public:
    enum Tool { None = 0, Pen = 1, Erase = 2, Line = 3, WhLine = 4, Box = 5, WhBox = 6, Bar = 7,
                WhBar = 8, Circle = 9, WhCircle = 10, Ellipse = 11, WhEllipse = 12 };
    static constexpr int kToolCount = 12;

    DrawingTools(PictureDocument &document, CanvasView &canvas);

    // What the window shows of the tools' work.
    std::function<void()> menusChanged;                  // document.menus changed
    std::function<void()> checksChanged;                 // checkedTool changed
    std::function<void(QPoint)> popUpTools;              // right button: the tool menu
    std::function<void(const QString &)> showCoordinates; // the status bar readout

    void miTool_Click(int index);
    // After a file was read: park the active tool until the next press.
    void parkTool();
    // The shape finish sets CurrentTool to 1 or 2 while it plots.
    void setCurrentTool(int tool) { CurrentTool = tool; }

    void Picture1_MouseDown(int button, float X, float Y, QPoint globalPosition = {});
    void Picture1_MouseMove(int button, float X, float Y);
    void Picture1_MouseUp(int button, float X, float Y);

    // Sets one picture pixel by the current tool (1 black, 2 white, others nothing),
    // dropping positions outside the canvas's scale.
    void PlotPixel(int x, int y);
    // Pen and Erase: the segment from the previous pen point to (x, y).
    void PlotLineTo(int x, int y);

    int currentTool() const { return CurrentTool; }
    int savedTool() const { return SavedTool; }
    int checkedTool() const { return m_checkedTool; } // 0: no item carries the check mark

    // The drag values, for the shape finish.
    float StartX = 0, StartY = 0, EndX = 0, EndY = 0;
    double Radius = 0;

private:
    void check(int tool);
    void moveRubberBand(float X, float Y);
    void finishShape();
    void drawRubberBand();

    PictureDocument &m_document;
    CanvasView &m_canvas;
    int CurrentTool = None;
    int SavedTool = Pen;
    int m_checkedTool = Pen; // the menu as designed shows Pen checked
};
