// The toolbar, printing, the link program and the help windows.

#include "canvas/CanvasView.h"
#include "pagesetup/PageSetupDialog.h"
#include "platform/Messages.h"
#include "printing/PrintInput.h"
#include "printing/PrintJob.h"
#include "session/LinkLauncher.h"
#include "shell/AboutWindow.h"
#include "shell/HelpWindow.h"
#include "shell/MainWindow.h"
#include "shell/TextBox.h"
#include "shell/UserGuideWindow.h"

#include <map>

void MainWindow::Toolbar1_ButtonClick(const QString &key)
{
    using Command = FileSession::Command;
    m_tools.landSelection(); // a save or a print takes what floats with it
    const FileSession::Guarded guarded = m_session.toolbarCommand(key);
    if (!guarded.message.isEmpty())
        m_services.messages.warn(guarded.message, kTitle);
    static const std::map<Command, void (MainWindow::*)()> handlers = {
        {Command::Open, &MainWindow::miOpen_click},   {Command::Save, &MainWindow::miSave_click},
        {Command::SaveAs, &MainWindow::miSaveAs_Click}, {Command::Print, &MainWindow::miPrint_click},
        {Command::Instructions, &MainWindow::miInstructions_click}};
    if (const auto handler = handlers.find(guarded.command); handler != handlers.end())
        (this->*handler->second)();
}

PrintInput MainWindow::printInput() const
{
    PrintInput input;
    const PictureDocument &document = m_session.document();
    input.width = document.width();
    input.height = document.height();
    input.pixels = document.pixels();
    input.grey = document.isGrey();
    input.fileTitle = statusFileName();
    input.folder = Text3->text();
    input.variable = Text2->text();
    input.comment = Text1->text();
    return input;
}

void MainWindow::miPrint_click() { runPrintJob(printInput(), m_pageSetup, m_services.printDialog); }

void MainWindow::mipgset_Click()
{
    PageSetupDialog::Host host;
    host.pictureSize = [this] { return QSize(document().width(), document().height()); };
    host.printEnabled = [this] { return document().menus().pictureShown; };
    host.print = [this] {
        activateWindow();
        miPrint_click();
    };
    PageSetupDialog::showModal(pgset, m_pageSetup, host, this);
}

void MainWindow::Command2_Click() { m_linkLauncher->Command2_Click(); }

void MainWindow::miInstructions_click()
{
    if (!frmHelp)
        frmHelp = new HelpWindow(this);
    frmHelp->exec();
}

void MainWindow::miUserGuide_Click()
{
    if (!frmGuide)
        frmGuide = new UserGuideWindow(QLocale(), this);
    frmGuide->show();
    frmGuide->raise();
    frmGuide->activateWindow();
}

void MainWindow::miAbout_Click()
{
    if (!frmAbout)
        frmAbout = new AboutWindow(m_services.desktop, this);
    frmAbout->exec();
}
