#include "printing/PrintToPdf.h"

#include "qtplatform/QtPrinterPage.h"
#include "printing/PrintJob.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

// Printer dots of the PDF "printer": the frame's 5-dot pen is then 5/600 inch wide, as on
// a common office printer.
constexpr int kDotsPerInch = 600;

} // namespace

bool printToPdf(const QString &pdfPath, const PrintInput &input, const PageSetup &setup)
{
    // Fonts and their metrics come from the GUI side of Qt.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return false;
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(kDotsPerInch);
        writer.setCreator(QStringLiteral("DOTLARK"));
        writer.setTitle(input.fileTitle.isEmpty() ? input.variable : input.fileTitle);
        QtPrinterPage page(writer);
        if (!printPicture(page, input, setup))
            return false;
    }
    QSaveFile file(pdfPath);
    return file.open(QIODevice::WriteOnly) && file.write(pdf.data()) == pdf.size() && file.commit();
}
