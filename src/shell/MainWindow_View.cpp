// Draw > Undo and Redo: the picture's history.

#include "canvas/CanvasView.h"
#include "shell/MainWindow.h"

#include <QAction>

void MainWindow::updateEditActions()
{
    const History &history = m_session.document().history;
    m_menus.miUndo->setEnabled(history.canUndo());
    m_menus.miRedo->setEnabled(history.canRedo());
}

void MainWindow::miUndo_Click() { showRevision(m_session.document().undo()); }

void MainWindow::miRedo_Click() { showRevision(m_session.document().redo()); }

// Shows what an undo or redo changed, and the File menu as the document now has it.
void MainWindow::showRevision(const Revision &revision)
{
    PictureDocument &document = m_session.document();
    if (revision.kind == Revision::Kind::WholePicture) {
        if (document.PicWidth != Picture1->scaleWidth() || document.PicHeight != Picture1->scaleHeight())
            Picture1->SizeCanvas(document.PicWidth, document.PicHeight);
        Picture1->ClearCanvas();
        Picture1->paintPixels(document.Pixels);
    }
    for (const PixelChange &change : revision.pixels)
        Picture1->fillCell(change.x, change.y, document.Pixels.at(change.x, change.y) ? DrawingSurface::Cell::Black
                                                                                       : DrawingSurface::Cell::Background);
    updateActions();
}
