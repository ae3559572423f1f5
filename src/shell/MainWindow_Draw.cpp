// File > New, Draw > ClrDraw, File > Import and the canvas repaint (File > Import Scaled...
// is in MainWindow_ImportScaled.cpp).

#include "canvas/CanvasView.h"
#include "import/PictureImport.h"
#include "platform/FailureText.h"
#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/PictureLoader.h"
#include "platform/Questions.h"
#include "shell/MainWindow.h"

#include <QImageReader>
#include <QLabel>

namespace {

// The endings of every kind of picture the loader reads: Qt's image formats as installed
// (the helper reads with the same ones), the metafiles it plays and the other usual names of
// bitmaps, netpbm files and JPEGs.
QString allPicturePatterns()
{
    QStringList patterns{"*.wmf", "*.rle", "*.dib", "*.pnm", "*.jpe", "*.jfif"};
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    patterns.sort();
    patterns.removeDuplicates();
    return patterns.join(u';');
}

} // namespace

// File > Import and File > Import Scaled... ask for the file alike.
FileDialogs::Request MainWindow::importRequest()
{
    FileDialogs::Request request;
    request.title = QStringLiteral("Import a picture");
    // The designed filter stays first and chosen.
    request.filter = QStringLiteral("BMP, ICO, RLE, WMF,JPG,GIF|*.BMP;*.ICO;*.RLE;*.WMF;*.JPG;*.GIF|All pictures|")
                     + allPicturePatterns() + QStringLiteral("|netpbm (PBM, PGM, PPM)|*.pbm;*.pgm;*.ppm;*.pnm|PNG|*.png");
    request.defaultExtension = QStringLiteral("BMP");
    request.mustExist = true;
    return request;
}

void MainWindow::Picture1_Paint()
{
    // Only a picture that is shown (Save As enabled) has pixels to draw.
    const PictureDocument &document = m_session.document();
    if (document.menus.saveAsEnabled)
        Picture1->paintPixels(document.Pixels);
}

void MainWindow::miNew_Click()
{
    PictureDocument &document = m_session.document();
    const PictureSize was{document.PicWidth, document.PicHeight};
    document.PicWidth = document.PicHeight = 0; // no size while the dialog is open
    const std::optional<QSize> size = m_services.questions.askNewSize();
    if (!size || size->height() <= 0) {
        // Cancelled: the sizes describe the picture on the canvas again.
        document.PicHeight = Picture1->scaleHeight();
        document.PicWidth = Picture1->scaleWidth();
        return;
    }
    document.blank(size->width(), size->height(), was); // undoable: the old picture is kept
    Picture1->SizeCanvas(document.PicWidth, document.PicHeight);
    document.menus.newPicture();
    updateActions();
    resetTexts();
    m_session.forgetFile();
    setStatusFileName(QString());
}

void MainWindow::miCls_Click()
{
    PictureDocument &document = m_session.document();
    // No confirmation: the blanking is one step of the history, undone like any other.
    document.blank(document.PicWidth, document.PicHeight, {document.PicWidth, document.PicHeight});
    Picture1->ClearCanvas();
    document.menus.clearDrawing();
    updateActions();
    setStatusFileName(QString());
    resetTexts();
    m_session.forgetFile();
}

void MainWindow::miImport_Click()
{
    const auto choice = m_services.dialogs.openFile(importRequest());
    if (!choice)
        return;
    // Only the top-left 160 x 77 is placed, and the window shows no more of it than its own
    // size: a large JPEG is decoded that far only, the same pixels as a whole read.
    const QSize shown = size().expandedTo(QSize(PictureDocument::kScreenWidth, PictureDocument::kScreenHeight));
    const Outcome<LoadedPicture> loaded = m_services.pictures.loadFor(choice->path, LoadHint{{}, shown});
    if (!loaded)
        return refuseImport(loaded.failure()); // the picture stays as it was
    if (loaded->cutShort && !importCutShort(choice->path))
        return;
    const QImage &picture = loaded->image;
    if (askToImport(choice->path, picture)) {
        m_session.forgetFile();
        m_session.document().menus.imported();
        updateActions();
        // The import draws black with the Pen, and the Pen stays the tool: the menu shows it.
        m_tools.miTool_Click(Tool::Pen);
        importPicture(picture, [this](int x, int y) { m_tools.PlotPixel(x, y); });
        m_tools.endChange(); // the whole import is one step
    }
    Picture2->hide();
    Picture2->clear();
}

void MainWindow::refuseImport(const Failure &failure)
{
    m_services.messages.show(QStringLiteral("Can't import %1: %2").arg(failure.path, describe(failure, Wording::Phrase)),
                             QStringLiteral("Import..."), Messages::Icon::Exclamation, Messages::Buttons::Ok);
}

// Shows the picture over the window's corner while asking; the caller hides it again.
bool MainWindow::askToImport(const QString &path, const QImage &picture)
{
    Picture2->setPixmap(QPixmap::fromImage(picture));
    Picture2->resize(picture.size());
    Picture2->raise();
    Picture2->show();
    return m_services.messages.show(importQuestion(path), QStringLiteral("Import..."), Messages::Icon::None,
                                    Messages::Buttons::YesNo)
           == Messages::Answer::Yes;
}
