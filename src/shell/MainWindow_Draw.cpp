// File > New, Draw > ClrDraw, File > Import and the canvas repaint.

#include "canvas/CanvasView.h"
#include "import/PictureImport.h"
#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/PictureLoader.h"
#include "shell/MainWindow.h"
#include "shell/NewPictureDialog.h"

#include <QLabel>

void MainWindow::Picture1_Paint()
{
    // Only a picture that is shown (Save As enabled) has pixels to draw.
    if (m_document.menus.saveAsEnabled)
        Picture1->paintPixels(m_document.Pixels);
}

void MainWindow::miNew_Click()
{
    m_document.PicHeight = 0;
    m_document.PicWidth = 0;
    if (!frmNew)
        frmNew = new NewPictureDialog(m_services.messages, this);
    if (const std::optional<QSize> size = frmNew->ask()) {
        m_document.PicWidth = size->width();
        m_document.PicHeight = size->height();
    }
    if (m_document.PicHeight > 0) {
        Picture1->SizeCanvas(m_document.PicWidth, m_document.PicHeight);
        m_document.Pixels.redimension(m_document.PicWidth, m_document.PicHeight);
        m_document.menus.newPicture();
        updateActions();
        resetTexts();
        CurrentFile.clear();
        setStatusFileName(CurrentFile);
    } else {
        // Cancelled: the sizes describe the picture on the canvas again.
        m_document.PicHeight = Picture1->scaleHeight();
        m_document.PicWidth = Picture1->scaleWidth();
    }
}

void MainWindow::miCls_Click()
{
    m_document.Pixels.redimension(m_document.PicWidth, m_document.PicHeight);
    Picture1->ClearCanvas();
    m_document.menus.clearDrawing();
    updateActions();
    setStatusFileName(QString());
    resetTexts();
    CurrentFile.clear();
}

void MainWindow::miImport_Click()
{
    FileDialogs::Request request;
    request.title = QStringLiteral("Import a picture");
    request.filter = QStringLiteral("BMP, ICO, RLE, WMF,JPG,GIF|*.BMP;*.ICO;*.RLE;*.WMF;*.JPG;*.GIF");
    request.defaultExtension = QStringLiteral("BMP");
    request.mustExist = true;
    const auto choice = m_services.dialogs.openFile(request);
    if (!choice)
        return;
    const std::optional<QImage> picture = m_services.pictures.load(choice->path);
    if (!picture)
        return; // a file that cannot be loaded ends the import without a word
    Picture2->setPixmap(QPixmap::fromImage(*picture));
    Picture2->resize(picture->size());
    Picture2->raise();
    Picture2->show();
    const Messages::Answer answer =
        m_services.messages.show(importQuestion(choice->path), QStringLiteral("Import..."), Messages::Icon::None,
                                 Messages::Buttons::YesNo);
    if (answer == Messages::Answer::Yes) {
        CurrentFile.clear();
        m_document.menus.imported();
        updateActions();
        // The import draws black with the Pen, and the Pen stays the tool: the menu shows it.
        m_tools.miTool_Click(DrawingTools::Pen);
        importPicture(*picture, [this](int x, int y) { m_tools.PlotPixel(x, y); });
    }
    Picture2->hide();
    Picture2->clear();
}
