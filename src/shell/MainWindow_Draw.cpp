// File > New, Draw > ClrDraw, the canvas repaint, and the handlers of File > Import,
// Import Scaled... and the zoom.

#include "canvas/CanvasView.h"
#include "platform/Questions.h"
#include "shell/CanvasZoom.h"
#include "shell/ImportCommands.h"
#include "shell/MainWindow.h"

void MainWindow::miNew_Click()
{
    const std::optional<NewPicture> asked = m_services.questions.askNewSize();
    if (!asked || asked->size.height() <= 0)
        return; // cancelled: the picture stays as it is
    // Undoable with the texts and the file: the old picture is kept. The canvas fits itself
    // to the new one.
    m_session.document().newPicture(asked->size.width(), asked->size.height(), asked->levels);
    pictureStateChanged();
}

void MainWindow::miCls_Click()
{
    // No confirmation: the blanking, with the texts and the file forgotten, is one step of
    // the history, undone like any other.
    m_session.document().clearDrawing();
    pictureStateChanged();
}

// The imports and the zoom run in their own classes; the window gives them the sizes it shows.
void MainWindow::miImport_Click()
{
    // Only the top-left 160 x 77 is placed, and the window shows no more of it than its own size.
    m_import->importPicture(size().expandedTo(QSize(PictureDocument::kScreenWidth, PictureDocument::kScreenHeight)));
}

// The target is the picture on the canvas, which is where File > Import plots too: 160 x 77
// at start-up and after ClrDraw on the screen, the picture's size otherwise.
void MainWindow::miImportScaled_Click() { m_import->importScaled(QSize(document().width(), document().height())); }

void MainWindow::miZoomIn_Click() { m_zoom->zoomIn(); }

void MainWindow::miZoomOut_Click() { m_zoom->zoomOut(); }

void MainWindow::miActualSize_Click() { m_zoom->actualSize(); }

void MainWindow::miFit_Click() { m_zoom->fit(); }

void MainWindow::Picture1_ZoomWheel(int steps, QPointF picture, QPointF screen) { m_zoom->wheel(steps, picture, screen); }
