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

// The canvas shows what the step changed; the menus follow the document, and a step that
// replaced the whole picture state (ClrDraw, New, a picture from elsewhere) gives back its
// texts and file too.
void MainWindow::miUndo_Click()
{
    if (m_session.document().undo().stateChanged)
        return pictureStateChanged();
    updateActions();
}

void MainWindow::miRedo_Click()
{
    if (m_session.document().redo().stateChanged)
        return pictureStateChanged();
    updateActions();
}

void MainWindow::pictureStateChanged()
{
    showTexts();
    setStatusFileName(m_session.currentFileTitle());
    updateActions();
}
