#include "printing/PrintToPdf.h"

#include "printing/PrintJob.h"

#include <QGuiApplication>

bool printToPdf(PdfPage &page, FileStore &files, const QString &pdfPath, const PrintInput &input,
                const PageSetup &setup, QString *failure)
{
    // Fonts and their metrics come from the GUI side of Qt.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return false;
    page.setTitle(input.fileTitle.isEmpty() ? input.variable : input.fileTitle);
    if (!printPicture(page, input, setup))
        return false;
    const FileStore::Result written = files.writeAll(pdfPath, page.document());
    if (!written.ok && failure)
        *failure = written.reason;
    return written.ok;
}
