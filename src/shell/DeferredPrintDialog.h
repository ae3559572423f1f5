#pragma once

#include "platform/PrintDialog.h"

#include <QString>
#include <memory>

class Messages;
class QWidget;

// The Print dialog, loaded with Qt's print support from a module of ours at the first print.
// Qt's print support library takes about half a millisecond to load and relocate, which the
// main window no longer waits for as the program starts. The module's dialog is made once
// and kept, so each print starts from the printer the user chose last.
class DeferredPrintDialog : public PrintDialog
{
public:
    // The function the module exports, by this name: a Print dialog over the parent window.
    using Make = PrintDialog *(*)(QWidget *parent);
    static constexpr const char *kMakeName = "dotlarkMakePrintDialog";

    DeferredPrintDialog(QString modulePath, Messages &messages);
    ~DeferredPrintDialog() override;
    void setParent(QWidget *parent) { m_parent = parent; }
    // Nothing when the user cancels, or when the module cannot be loaded (said, naming it).
    std::unique_ptr<PrinterPage> choosePrinter() override;

private:
    QString m_modulePath;
    Messages &m_messages;
    QWidget *m_parent = nullptr;
    std::unique_ptr<PrintDialog> m_dialog;
};
