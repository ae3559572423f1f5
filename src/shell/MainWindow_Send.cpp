// File > Send to Calculator...: the window decides what goes; SendCommand hands it to TiLP.

#include "canvas/CanvasView.h"
#include "shell/MainWindow.h"
#include "shell/NameChecks.h"
#include "shell/SendCommand.h"
#include "shell/TextBox.h"

// A picture without a file is saved first, through Save As. A picture with one is sent as a
// copy: its file is not written behind the user's back, and what goes is what the window
// shows, texts included.
void MainWindow::miSend_Click()
{
    if (!m_send->ready())
        return;
    if (m_session.currentFile().isEmpty()) {
        Toolbar1_ButtonClick(QStringLiteral("Save"));
        if (!m_session.currentFile().isEmpty() && !document().menus.hasUnsavedDrawing())
            m_send->sendFile();
        return;
    }
    if (!checkBothNames(Text2, Text3, m_services.messages))
        return;
    takeTexts();
    m_send->sendCopy(Text2->text());
}
