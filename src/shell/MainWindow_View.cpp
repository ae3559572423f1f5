// Draw > Undo and Redo (the picture's history) and the zoom: Zoom In, Zoom Out, Actual
// Size, Fit, and Ctrl with the wheel over the canvas.

#include "canvas/CanvasGeometry.h"
#include "canvas/CanvasView.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>

void MainWindow::createEditActions()
{
    const auto keys = [](std::initializer_list<const char *> names) {
        QList<QKeySequence> sequences;
        for (const char *name : names)
            sequences << QKeySequence(QString::fromLatin1(name));
        return sequences;
    };
    miZoomIn = menuItem(QStringLiteral("miZoomIn"), QStringLiteral("Zoom In"), keys({"Ctrl++", "Ctrl+="}),
                        &MainWindow::miZoomIn_Click);
    miZoomOut = menuItem(QStringLiteral("miZoomOut"), QStringLiteral("Zoom Out"), keys({"Ctrl+-"}),
                         &MainWindow::miZoomOut_Click);
    miActualSize = menuItem(QStringLiteral("miActualSize"), QStringLiteral("Actual Size"), keys({"Ctrl+0"}),
                            &MainWindow::miActualSize_Click);
    miFit = menuItem(QStringLiteral("miFit"), QStringLiteral("Fit"), {}, &MainWindow::miFit_Click);
    miUndo = menuItem(QStringLiteral("miUndo"), QStringLiteral("Undo"), keys({"Ctrl+Z"}), &MainWindow::miUndo_Click);
    miRedo = menuItem(QStringLiteral("miRedo"), QStringLiteral("Redo"), keys({"Ctrl+Y", "Ctrl+Shift+Z"}),
                      &MainWindow::miRedo_Click);
}

// After the designed items: the zoom, then the history.
void MainWindow::addEditItems(QMenu *draw)
{
    draw->addSeparator();
    draw->addActions({miZoomIn, miZoomOut, miActualSize, miFit});
    draw->addSeparator();
    draw->addActions({miUndo, miRedo});
}

void MainWindow::updateEditActions()
{
    const History &history = m_session.document().history();
    miUndo->setEnabled(history.canUndo());
    miRedo->setEnabled(history.canRedo());
}

// The canvas shows what the step changed; the menus follow the document.
void MainWindow::miUndo_Click()
{
    m_session.document().undo();
    updateActions();
}

void MainWindow::miRedo_Click()
{
    m_session.document().redo();
    updateActions();
}

double MainWindow::smallestZoom() const
{
    return CanvasGeometry::smallestZoom(Picture1->scaleWidth(), Picture1->scaleHeight(), m_canvasArea->width(),
                                        m_canvasArea->height());
}

void MainWindow::miZoomIn_Click() { zoomAtCentre(CanvasGeometry::zoomedIn(Picture1->zoom())); }

void MainWindow::miZoomOut_Click() { zoomAtCentre(CanvasGeometry::zoomedOut(Picture1->zoom(), smallestZoom())); }

void MainWindow::miActualSize_Click() { zoomAtCentre(1.0); }

void MainWindow::miFit_Click()
{
    zoomAtCentre(CanvasGeometry::fitZoom(Picture1->scaleWidth(), Picture1->scaleHeight(), m_canvasArea->width(),
                                         m_canvasArea->height()));
}

void MainWindow::Picture1_ZoomWheel(int steps, QPointF picture, QPointF screen)
{
    double zoom = Picture1->zoom();
    for (; steps > 0; --steps)
        zoom = CanvasGeometry::zoomedIn(zoom);
    for (; steps < 0; ++steps)
        zoom = CanvasGeometry::zoomedOut(zoom, smallestZoom());
    zoomAround(zoom, picture, Picture1->mapTo(m_canvasArea->viewport(), screen).toPoint());
}

// The menu's zoom keeps the picture point in the middle of the frame where it was.
void MainWindow::zoomAtCentre(double zoom)
{
    const QPoint centre = m_canvasArea->viewport()->rect().center();
    zoomAround(zoom, Picture1->toPicture(Picture1->mapFrom(m_canvasArea->viewport(), QPointF(centre))), centre);
}

// Zooms the canvas and scrolls it so `picture` (picture units) is at `viewportAt`.
void MainWindow::zoomAround(double zoom, QPointF picture, QPoint viewportAt)
{
    Picture1->setZoom(zoom);
    const QPointF at = Picture1->toScreen(picture);
    m_canvasArea->horizontalScrollBar()->setValue(qRound(at.x() - viewportAt.x()));
    m_canvasArea->verticalScrollBar()->setValue(qRound(at.y() - viewportAt.y()));
}
