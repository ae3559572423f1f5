#pragma once

#include "platform/PdfPage.h"
#include "qtplatform/QtPrinterPage.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QSizeF>
#include <optional>

// One Letter page of a PDF document whose drawing area is the whole page, drawn with
// QtPrinterPage at 600 dots per inch: the frame's 5-dot pen is then 5/600 inch wide, as on a
// common office printer.
class QtPdfPage : public PdfPage
{
public:
    QtPdfPage();

    // The page in inches: Letter, 8.5 x 11, all of it drawing area.
    static QSizeF pageInches();

    void setTitle(const QString &title) override { m_writer.setTitle(title); }
    QByteArray document() const override { return m_done ? m_pdf.data() : QByteArray(); }

    bool DrawBox(double x1, double y1, double x2, double y2, const QColor &colour, bool filled) override
    {
        return m_page->DrawBox(x1, y1, x2, y2, colour, filled);
    }
    bool DrawSquareRow(double x, double y, int count, double side, double pitch, const QColor &colour) override
    {
        return m_page->DrawSquareRow(x, y, count, side, pitch, colour);
    }
    bool SetPenWidth(int dots) override { return m_page->SetPenWidth(dots); }
    bool SetTextPos(double x, double y) override { return m_page->SetTextPos(x, y); }
    bool SetTextX(double x) override { return m_page->SetTextX(x); }
    bool SetFont(const QString &face, double points) override { return m_page->SetFont(face, points); }
    bool PrintText(const QString &text, bool endOfLine) override { return m_page->PrintText(text, endOfLine); }
    bool EndDocument() override;

private:
    QBuffer m_pdf;
    QPdfWriter m_writer;
    std::optional<QtPrinterPage> m_page; // made once the writer has its resolution
    bool m_done = false;
};
