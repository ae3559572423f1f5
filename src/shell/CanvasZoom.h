#pragma once

#include <QPointF>

class CanvasView;
class QScrollArea;

// The canvas's zoom inside the frame that scrolls it: Zoom In, Zoom Out, Actual Size, Fit
// and Ctrl with the wheel. Each keeps a point of the picture where it was on the screen:
// the menu's the middle of the frame, the wheel's the one under the mouse.
class CanvasZoom
{
public:
    CanvasZoom(CanvasView &canvas, QScrollArea &frame) : m_canvas(canvas), m_frame(frame) {}

    void zoomIn();
    void zoomOut(); // not below the size at which the whole picture shows
    void actualSize();
    void fit();
    // Zooms by `steps` of the wheel, keeping `picture` (picture units) under `screen`
    // (canvas coordinates).
    void wheel(int steps, QPointF picture, QPointF screen);

private:
    double smallestZoom() const;
    void zoomAtCentre(double zoom);
    void zoomAround(double zoom, QPointF picture, QPoint frameAt);

    CanvasView &m_canvas;
    QScrollArea &m_frame;
};
