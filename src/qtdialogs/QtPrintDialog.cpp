#include "qtdialogs/QtPrintDialog.h"

#include "qtplatform/QtPrinterPage.h"

#include <QPrintDialog>
#include <QPrinter>

namespace {

// The page on a printer: the print system may refuse the printer or fail during the job.
class PrinterDevicePage : public QtPrinterPage
{
public:
    explicit PrinterDevicePage(QPrinter &printer) : QtPrinterPage(printer), m_printer(printer) {}

protected:
    bool deviceReady() const override { return m_printer.isValid(); }
    bool deviceFailed() const override { return m_printer.printerState() == QPrinter::Error; }

private:
    QPrinter &m_printer;
};

} // namespace

QtPrintDialog::QtPrintDialog(QWidget *parent) : m_parent(parent) {}

QtPrintDialog::~QtPrintDialog() = default;

std::unique_ptr<PrinterPage> QtPrintDialog::choosePrinter()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(m_printer.get(), m_parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    if (dialog.exec() != QDialog::Accepted || !m_printer->isValid())
        return nullptr;
    // The page is always the whole picture, once.
    m_printer->setPrintRange(QPrinter::AllPages);
    m_printer->setFullPage(false); // coordinates start at the printable area's corner
    return std::make_unique<PrinterDevicePage>(*m_printer);
}
