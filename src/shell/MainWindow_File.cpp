// File > Open, Save, Save As (with the bitmap export) and files dropped on the canvas.

#include "canvas/CanvasView.h"
#include "document/Picture89i.h"
#include "platform/ByteConversions.h"
#include "platform/CalcCharset.h"
#include "platform/FileDialogs.h"
#include "platform/FileStore.h"
#include "platform/Messages.h"
#include "shell/FileNames.h"
#include "shell/MainWindow.h"
#include "shell/NameChecks.h"
#include "shell/TextBox.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>

namespace {
// Pictures beyond this many pixels a side are not shown: the magnified canvas would need
// hundreds of megabytes. Calculator pictures are far smaller (160 x 77 on the TI-89).
constexpr int kLargestShownSide = 1024;

QString nativePath(const QString &path) { return QDir::toNativeSeparators(path); }
} // namespace

std::string MainWindow::boxBytes(const TextBox *box) const { return CalcCharset::fromUnicode(box->text()); }

void MainWindow::setBoxBytes(TextBox *box, const std::string &bytes) { box->setText(CalcCharset::toUnicode(bytes)); }

void MainWindow::refuseFile(const QString &path, const QString &reason)
{
    m_services.messages.warn(QStringLiteral("Can't open ") + nativePath(path) + u'\r' + reason, kTitle);
}

bool MainWindow::OpenFile(const QString &path, const QString &title)
{
    // Everything is read and checked before the document changes, so a refused file leaves
    // the picture, the canvas and the current file exactly as they were.
    QByteArray bytes;
    const FileStore::Result read = m_services.files.readAll(path, bytes);
    if (!read.ok) {
        refuseFile(path, read.reason);
        return false;
    }
    DecodeResult decoded = decode89i(asBytes(bytes));
    if (decoded.error != Picture89iError::None) {
        refuseFile(path, QString::fromStdString(errorText(decoded.error)));
        return false;
    }
    CalcPicture &picture = decoded.picture;
    if (picture.width > kLargestShownSide || picture.height > kLargestShownSide) {
        refuseFile(path, QStringLiteral("The picture is %1 x %2 pixels; DOTLARK shows pictures of at most %3 x %3.")
                             .arg(picture.width).arg(picture.height).arg(kLargestShownSide));
        return false;
    }
    CurrentFile = path;
    CurrentFileTitle = title;
    m_document.menus.fileRead();
    updateActions();
    setBoxBytes(Text1, picture.comment);
    setBoxBytes(Text3, picture.folder);
    setBoxBytes(Text2, picture.name);
    Picture1->SizeCanvas(picture.width, picture.height);
    m_document.PicHeight = picture.height;
    m_document.PicWidth = picture.width;
    m_document.Pixels = std::move(picture.pixels);
    m_tools.parkTool();
    setStatusFileName(CurrentFileTitle);
    Picture1_Paint();
    return true;
}

bool MainWindow::SaveFile(QString *failure)
{
    const EncodeResult encoded = encode89i(boxBytes(Text3), boxBytes(Text2), boxBytes(Text1), Picture1->scaleWidth(),
                                           Picture1->scaleHeight(), m_document.Pixels);
    if (encoded.error != Picture89iError::None) {
        if (failure)
            *failure = QString::fromStdString(errorText(encoded.error));
        return false;
    }
    const QByteArray bytes = asByteArray(encoded.bytes);
    // Written as a new file that then replaces the old one: a failure leaves it intact.
    const FileStore::Result written = m_services.files.writeAll(CurrentFile, bytes);
    if (!written.ok) {
        if (failure)
            *failure = written.reason;
        return false;
    }
    m_document.menus.fileWritten();
    updateActions();
    return true;
}

void MainWindow::miOpen_click()
{
    FileDialogs::Request request;
    request.title = QStringLiteral("TI-89 DOTLARK: Open File");
    request.filter = QStringLiteral("Readable Images (89i)|*.89i");
    request.mustExist = true;
    const auto choice = m_services.dialogs.openFile(request);
    if (!choice)
        return;
    if (!hasPictureEnding(choice->path)) {
        m_services.messages.warn(QStringLiteral("Not a valid filename!"), kTitle);
        return;
    }
    if (OpenFile(choice->path, choice->title))
        UpdateRecent();
}

void MainWindow::miSave_click()
{
    if (!checkBothNames(Text2, Text3, m_services.messages))
        return;
    QString failure;
    if (!SaveFile(&failure))
        m_services.messages.warn(QStringLiteral("ERROR in Saving!\r") + nativePath(CurrentFile) + u'\r' + failure,
                                 kTitle);
}

void MainWindow::miSaveAs_Click()
{
    if (!checkBothNames(Text2, Text3, m_services.messages))
        return;
    FileDialogs::Request request;
    request.title = QStringLiteral("TI-89 DOTLARK Save As...");
    request.filter = QStringLiteral("Readable Files (89i)|*.89i|Bitmap (*.bmp)|*.bmp");
    request.confirmOverwrite = true;
    const auto choice = m_services.dialogs.saveFile(request);
    if (!choice)
        return;
    QString name = choice->path;
    if (choice->filterIndex == 2 && !hasBitmapEnding(name))
        name += QStringLiteral(".bmp");
    if (hasBitmapEnding(name)) {
        // The dialog asked about the name as typed; ".bmp" added to it names another file.
        if (name != choice->path && m_services.files.exists(name)
            && m_services.messages.show(nativePath(name) + QStringLiteral(" already exists.\rDo you want to replace it?"),
                                        kTitle, Messages::Icon::Exclamation, Messages::Buttons::YesNo)
                   != Messages::Answer::Yes)
            return;
        exportBitmap(name); // the document, its file and its state stay as they are
        return;
    }
    if (!hasPictureEnding(name)) {
        m_services.messages.warn(QStringLiteral("Invalid Filename: Use *.89i"), QStringLiteral("Filename ERROR!"));
        return;
    }
    // The document takes the new name only once the file is written: a failure keeps the
    // previous file and leaves the picture unsaved.
    const QString previousFile = CurrentFile, previousTitle = CurrentFileTitle;
    CurrentFile = name;
    CurrentFileTitle = choice->title;
    QString failure;
    if (!SaveFile(&failure)) {
        CurrentFile = previousFile;
        CurrentFileTitle = previousTitle;
        m_services.messages.warn(QStringLiteral("Disk write error\r") + nativePath(name) + u'\r' + failure, kTitle);
        return;
    }
    m_document.menus.savedAs();
    updateActions();
    setStatusFileName(CurrentFileTitle);
    UpdateRecent();
}

bool MainWindow::exportBitmap(const QString &path)
{
    // What the canvas shows of the picture, at its logical size: grey background, black
    // squares. A standard 24-bit BMP.
    const QImage shown = m_document.menus.saveAsEnabled ? Picture1->render(m_document.Pixels)
                                                        : Picture1->render(PixelGrid());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(shown.convertToFormat(QImage::Format_RGB888))) {
        m_services.messages.warn(QStringLiteral("Can't write the bitmap ") + nativePath(path) + u'\r'
                                     + writer.errorString(), kTitle);
        return false;
    }
    const FileStore::Result written = m_services.files.writeAll(path, bytes);
    if (!written.ok)
        m_services.messages.warn(QStringLiteral("Can't write the bitmap ") + nativePath(path) + u'\r' + written.reason,
                                 kTitle);
    return written.ok;
}

void MainWindow::Picture1_OLEDragDrop(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    const QString path = nativePath(paths.first()); // further files are ignored
    if (!hasPictureEnding(path)) {
        m_services.messages.warn(QStringLiteral("Oops! The filename must have a '89i' extension."),
                                 QStringLiteral("Drag/Drop Error"));
    } else if (m_document.menus.hasUnsavedDrawing()) {
        // A drop would replace the drawing without a word: ask for it to be saved first.
        m_services.messages.warn(QStringLiteral("Current image not saved. Save it or clear it."), kTitle);
    } else if (OpenFile(path, baseName(path))) {
        UpdateRecent();
    }
    activateWindow();
}
