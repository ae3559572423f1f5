// The calculator link (File > Send to Calculator..., Receive from Calculator..., Capture
// Calculator Screen..., Link Settings...) and the hand-off to TiLP (File > Open in TiLP...).
// The window checks and takes the names; CalculatorCommands and SendCommand do the rest.

#include "calc/Tilp.h"
#include "canvas/CanvasView.h"
#include "platform/ProgramRunner.h"
#include "shell/CalculatorCommands.h"
#include "shell/LinkDialogs.h"
#include "shell/MainWindow.h"
#include "shell/NameChecks.h"
#include "shell/SendCommand.h"
#include "shell/TextBox.h"

#include <QAction>

void MainWindow::createCalculatorCommands()
{
    LinkQuestions *questions = m_services.linkQuestions;
    if (!questions) {
        m_linkDialogs = std::make_unique<LinkDialogs>();
        m_linkDialogs->setParent(this);
        questions = m_linkDialogs.get();
    }
    // A picture from the calculator is a new picture without a file, drawn on.
    m_calculator = std::make_unique<CalculatorCommands>(m_services, m_session, *questions, [this] {
        m_tools.selection().deselect();
        showTexts();
        m_tools.parkTool();
        setStatusFileName(QString());
        updateActions();
    });
    m_menus.miOpenInTilp->setVisible(!m_services.programs.find(Tilp::program).isEmpty());
}

// The picture in memory, as the Folder and Pic Var Name boxes name it: no file is needed.
void MainWindow::miSend_Click()
{
    if (!checkBothNames(Text2, Text3, m_services.messages))
        return;
    takeTexts();
    m_calculator->send();
}

void MainWindow::miReceive_Click() { m_calculator->receive(); }

void MainWindow::miCapture_Click() { m_calculator->capture(); }

void MainWindow::miLinkSettings_Click() { m_calculator->linkSettings(); }

// A picture without a file is saved first, through Save As. A picture with one is sent as a
// copy: its file is not written behind the user's back, and what goes is what the window
// shows, texts included.
void MainWindow::miOpenInTilp_Click()
{
    if (!m_send->ready())
        return;
    if (m_session.currentFile().isEmpty()) {
        Toolbar1_ButtonClick(QStringLiteral("Save"));
        if (!m_session.currentFile().isEmpty() && !document().menus().hasUnsavedDrawing())
            m_send->sendFile();
        return;
    }
    if (!checkBothNames(Text2, Text3, m_services.messages))
        return;
    takeTexts();
    m_send->sendCopy(Text2->text());
}
