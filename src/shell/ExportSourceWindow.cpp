// File > Export Source... in the main window: the command made on first use, with the
// window's own dialog unless the services bring a question.

#include "shell/EditCommands.h"
#include "shell/ExportSourceCommand.h"
#include "shell/ExportSourceDialog.h"
#include "shell/MainWindow.h"

void MainWindow::miExportSource_Click()
{
    takeTexts();
    if (!m_exportSource) {
        ExportSourceQuestion *question = m_services.exportSource;
        if (!question) {
            m_exportSourceDialogs = std::make_unique<ExportSourceDialogs>();
            m_exportSourceDialogs->setParent(this);
            question = m_exportSourceDialogs.get();
        }
        m_exportSource = std::make_unique<ExportSourceCommand>(
            ExportSourceCommand::Desk{*question, m_services.dialogs, m_services.files, m_services.messages});
    }
    m_exportSource->run(document(), m_tools.selection(), m_session.document().texts().name, m_edit->tileSize());
}
