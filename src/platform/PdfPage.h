#pragma once

#include "platform/PrinterPage.h"

#include <QByteArray>
#include <QString>

// A printer page that becomes a PDF document in memory instead of going to a printer. Each
// page is used for one document.
class PdfPage : public PrinterPage
{
public:
    // The document's title, shown by PDF viewers; set before EndDocument().
    virtual void setTitle(const QString &title) = 0;
    // The whole PDF file once EndDocument() succeeded; empty before, and after a failure.
    virtual QByteArray document() const = 0;
};
