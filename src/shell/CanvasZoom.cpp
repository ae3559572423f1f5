#include "shell/CanvasZoom.h"

#include "canvas/CanvasGeometry.h"
#include "canvas/CanvasView.h"

#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>

CanvasZoom::CanvasZoom(CanvasView &canvas, QScrollArea &frame) : m_canvas(canvas), m_frame(frame)
{
    canvas.setOpeningZoom([this](int width, int height) {
        m_follow = &CanvasGeometry::openingZoom;
        return CanvasGeometry::openingZoom(width, height, m_frame.width(), m_frame.height());
    });
    frame.installEventFilter(this);
}

// A picture shown fitted stays fitted while the window grows or shrinks, until the user
// zooms it otherwise.
bool CanvasZoom::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_frame && event->type() == QEvent::Resize && m_follow)
        m_canvas.setZoom(m_follow(m_canvas.scaleWidth(), m_canvas.scaleHeight(), m_frame.width(), m_frame.height()));
    return false;
}

double CanvasZoom::smallestZoom() const
{
    return CanvasGeometry::smallestZoom(m_canvas.scaleWidth(), m_canvas.scaleHeight(), m_frame.width(),
                                        m_frame.height());
}

void CanvasZoom::zoomIn() { zoomAtCentre(CanvasGeometry::zoomedIn(m_canvas.zoom())); }

void CanvasZoom::zoomOut() { zoomAtCentre(CanvasGeometry::zoomedOut(m_canvas.zoom(), smallestZoom())); }

void CanvasZoom::actualSize() { zoomAtCentre(1.0); }

void CanvasZoom::fit()
{
    zoomAtCentre(CanvasGeometry::fitZoom(m_canvas.scaleWidth(), m_canvas.scaleHeight(), m_frame.width(),
                                         m_frame.height()));
    m_follow = &CanvasGeometry::fitZoom;
}

void CanvasZoom::wheel(int steps, QPointF picture, QPointF screen)
{
    double zoom = m_canvas.zoom();
    for (; steps > 0; --steps)
        zoom = CanvasGeometry::zoomedIn(zoom);
    for (; steps < 0; ++steps)
        zoom = CanvasGeometry::zoomedOut(zoom, smallestZoom());
    zoomAround(zoom, picture, m_canvas.mapTo(m_frame.viewport(), screen).toPoint());
}

// The menu's zoom keeps the picture point in the middle of the frame where it was.
void CanvasZoom::zoomAtCentre(double zoom)
{
    const QPoint centre = m_frame.viewport()->rect().center();
    zoomAround(zoom, m_canvas.toPicture(m_canvas.mapFrom(m_frame.viewport(), QPointF(centre))), centre);
}

// Zooms the canvas and scrolls it so `picture` (picture units) is at `frameAt`.
void CanvasZoom::zoomAround(double zoom, QPointF picture, QPoint frameAt)
{
    m_follow = nullptr;
    m_canvas.setZoom(zoom);
    const QPointF at = m_canvas.toScreen(picture);
    m_frame.horizontalScrollBar()->setValue(qRound(at.x() - frameAt.x()));
    m_frame.verticalScrollBar()->setValue(qRound(at.y() - frameAt.y()));
}
