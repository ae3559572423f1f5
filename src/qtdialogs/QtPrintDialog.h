#pragma once

#include "platform/PrintDialog.h"

#include <memory>

class QPrinter;
class QWidget;

// QPrintDialog over a parent window. The printer it sets up is kept, so the next job
// starts from the user's last choice.
class QtPrintDialog : public PrintDialog
{
public:
    explicit QtPrintDialog(QWidget *parent = nullptr);
    ~QtPrintDialog() override;
    void setParent(QWidget *parent) { m_parent = parent; }
    std::unique_ptr<PrinterPage> choosePrinter() override;

private:
    QWidget *m_parent = nullptr;
    std::unique_ptr<QPrinter> m_printer; // made at the first print: it asks the print system
};
