#pragma once

#include "platform/PrintDialog.h"

#include <QPrinter>

class QWidget;

// QPrintDialog over a parent window. The printer it sets up is kept, so the next job
// starts from the user's last choice.
class QtPrintDialog : public PrintDialog
{
public:
    explicit QtPrintDialog(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }
    std::unique_ptr<PrinterPage> choosePrinter() override;

private:
    QWidget *m_parent = nullptr;
    QPrinter m_printer{QPrinter::HighResolution};
};
