#include "qtplatform/QtPdfPage.h"

#include <QPageSize>

namespace {

constexpr int kDotsPerInch = 600;

QPageSize letterPage() { return QPageSize(QPageSize::Letter); }

} // namespace

QtPdfPage::QtPdfPage() : m_writer(&m_pdf)
{
    m_pdf.open(QIODevice::WriteOnly);
    m_writer.setPageSize(letterPage());
    m_writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    m_writer.setResolution(kDotsPerInch);
    m_writer.setCreator(QStringLiteral("DOTLARK"));
    m_page.emplace(m_writer);
}

QSizeF QtPdfPage::pageInches() { return letterPage().size(QPageSize::Inch); }

bool QtPdfPage::EndDocument()
{
    // The writer has put the whole file into the buffer when its painter ends.
    m_done = m_page->EndDocument();
    return m_done;
}
