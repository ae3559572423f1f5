#pragma once

// The printer side: a page that records what it is asked to do, one line per call, twips
// to a tenth, and a print dialog that hands out such pages.

#include "platform/PrintDialog.h"
#include "platform/PrinterPage.h"

#include <QColor>
#include <QStringList>
#include <memory>

inline QString num(double v) { return QString::number(v, 'f', 1); }

struct PageLog
{
    QStringList calls;
    int failAt = -1; // index of the call that reports a printer failure
};

class RecordingPage : public PrinterPage
{
public:
    explicit RecordingPage(PageLog &log) : m_log(log) {}
    bool DrawBox(double x1, double y1, double x2, double y2, const QColor &colour, bool filled) override
    {
        return record(QStringLiteral("box %1 %2 %3 %4 %5 %6")
                          .arg(num(x1), num(y1), num(x2), num(y2),
                               colour == Qt::black ? "black" : colour.name(),
                               filled ? "filled" : "outline"));
    }
    bool DrawSquareRow(double x, double y, int count, double side, double pitch, const QColor &colour) override
    {
        return record(QStringLiteral("squares %1 %2 x%3 side %4 pitch %5 %6")
                          .arg(num(x), num(y)).arg(count).arg(num(side), num(pitch),
                                                              colour == Qt::black ? "black" : colour.name()));
    }
    bool SetPenWidth(int dots) override { return record(QStringLiteral("pen %1").arg(dots)); }
    bool SetTextPos(double x, double y) override { return record(QStringLiteral("at %1 %2").arg(num(x), num(y))); }
    bool SetTextX(double x) override { return record(QStringLiteral("x %1").arg(num(x))); }
    bool SetFont(const QString &face, double points) override
    {
        return record(QStringLiteral("font %1 %2").arg(face).arg(points));
    }
    bool PrintText(const QString &text, bool endOfLine) override
    {
        return record(QStringLiteral("text [%1]%2").arg(text, endOfLine ? " eol" : ""));
    }
    bool EndDocument() override { return record(QStringLiteral("end")); }

private:
    bool record(const QString &call)
    {
        const bool fails = m_log.calls.size() == m_log.failAt;
        m_log.calls << call + (fails ? QStringLiteral(" FAILED") : QString());
        return !fails;
    }
    PageLog &m_log;
};

class FakePrintDialog : public PrintDialog
{
public:
    PageLog log;
    bool cancel = false;
    int asked = 0; // how often the dialog was shown
    std::unique_ptr<PrinterPage> choosePrinter() override
    {
        ++asked;
        return cancel ? nullptr : std::make_unique<RecordingPage>(log);
    }
};
