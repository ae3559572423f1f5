// The toolbar, printing, the link program and the help windows.

#include "canvas/CanvasView.h"
#include "platform/Messages.h"
#include "pagesetup/PageSetupDialog.h"
#include "printing/PrintInput.h"
#include "printing/PrintJob.h"
#include "shell/AboutWindow.h"
#include "shell/HelpWindow.h"
#include "shell/LinkLauncher.h"
#include "shell/MainWindow.h"
#include "shell/TextBox.h"

void MainWindow::Toolbar1_ButtonClick(const QString &key)
{
    const FileMenuState &state = m_document.menus;
    if (key == QStringLiteral("Open")) {
        if (state.openEnabled)
            miOpen_click();
        else
            m_services.messages.warn(QStringLiteral("Current image not saved. Save it or clear it."), kTitle);
    } else if (key == QStringLiteral("Save")) {
        if (!state.saveEnabled && !state.saveAsEnabled)
            m_services.messages.warn(QStringLiteral("Nothing to save."), kTitle);
        else if (!CurrentFile.isEmpty())
            miSave_click();
        else
            miSaveAs_Click();
    } else if (key == QStringLiteral("Print")) {
        if (state.printEnabled)
            miPrint_click();
        else
            m_services.messages.warn(QStringLiteral("Nuttin' to print."), kTitle);
    } else if (key == QStringLiteral("Help")) {
        miInstructions_click();
    }
}

PrintInput MainWindow::printInput() const
{
    PrintInput input;
    input.width = Picture1->scaleWidth();
    input.height = Picture1->scaleHeight();
    input.pixels = m_document.Pixels;
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
    host.pictureSize = [this] { return QSize(m_document.PicWidth, m_document.PicHeight); };
    host.printEnabled = [this] { return m_document.menus.printEnabled; };
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

void MainWindow::miAbout_Click()
{
    if (!frmAbout)
        frmAbout = new AboutWindow(m_services.desktop, this);
    frmAbout->exec();
}
