// Draw > Undo and Redo: the picture's history.

#include "canvas/CanvasView.h"
#include "shell/MainWindow.h"

#include <QAction>

void MainWindow::updateEditActions()
{
    const History &history = m_session.document().history();
    m_menus.miUndo->setEnabled(history.canUndo());
    m_menus.miRedo->setEnabled(history.canRedo());
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
