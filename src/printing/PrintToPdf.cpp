#include "printing/PrintToPdf.h"

#include "printing/PrintJob.h"

#include <QGuiApplication>

Done printToPdf(PdfPage &page, FileStore &files, const QString &pdfPath, const PrintInput &input,
                const PageSetup &setup)
{
    // Fonts and their metrics come from the GUI side of Qt.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return Failure{Failure::What::NoPage, pdfPath, QCoreApplication::translate("PrintToPdf", "no display to draw the page with")};
    page.setTitle(input.fileTitle.isEmpty() ? input.variable : input.fileTitle);
    if (!printPicture(page, input, setup))
        return Failure{Failure::What::NoPage, pdfPath, {}};
    return files.writeAll(pdfPath, page.document());
}
