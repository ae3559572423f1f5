#include "printing/PrintToPdf.h"

#include "qtplatform/QtPrinterPage.h"
#include "qtplatform/WholeFileWriter.h"
#include "printing/PrintJob.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>

namespace {

// Printer dots of the PDF "printer": the frame's 5-dot pen is then 5/600 inch wide, as on
// a common office printer.
constexpr int kDotsPerInch = 600;

QPageSize letterPage() { return QPageSize(QPageSize::Letter); }

} // namespace

QSizeF pdfPageInches() { return letterPage().size(QPageSize::Inch); }

bool printToPdf(const QString &pdfPath, const PrintInput &input, const PageSetup &setup, QString *failure)
{
    // Fonts and their metrics come from the GUI side of Qt.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return false;
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageSize(letterPage());
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(kDotsPerInch);
        writer.setCreator(QStringLiteral("DOTLARK"));
        writer.setTitle(input.fileTitle.isEmpty() ? input.variable : input.fileTitle);
        QtPrinterPage page(writer);
        if (!printPicture(page, input, setup))
            return false;
    }
    const FileStore::Result written = writeWholeFile(pdfPath, pdf.data());
    if (!written.ok && failure)
        *failure = written.reason;
    return written.ok;
}
