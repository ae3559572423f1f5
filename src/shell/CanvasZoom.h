#pragma once

#include <QObject>
#include <QPointF>

class CanvasView;
class QScrollArea;

// The canvas's zoom inside the frame that scrolls it: Zoom In, Zoom Out, Actual Size, Fit
// and Ctrl with the wheel. Each keeps a point of the picture where it was on the screen:
// the menu's the middle of the frame, the wheel's the one under the mouse. A picture opened
// or made smaller than the frame is shown fitted to it in whole cells; fitted, it follows the
// frame's size until the user zooms.
class CanvasZoom : public QObject
{
public:
    CanvasZoom(CanvasView &canvas, QScrollArea &frame);

    void zoomIn();
    void zoomOut(); // down to a quarter, or further where only that shows the whole picture
    void actualSize();
    void fit();
    // Zooms by `steps` of the wheel, keeping `picture` (picture units) under `screen`
    // (canvas coordinates).
    void wheel(int steps, QPointF picture, QPointF screen);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    double smallestZoom() const;
    void zoomAtCentre(double zoom);
    void zoomAround(double zoom, QPointF picture, QPoint frameAt);

    CanvasView &m_canvas;
    QScrollArea &m_frame;
    // The zoom the canvas keeps to while the frame changes size (opening or fitted), if any.
    double (*m_follow)(int pictureWidth, int pictureHeight, int frameWidth, int frameHeight) = nullptr;
};
