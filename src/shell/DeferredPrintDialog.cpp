#include "shell/DeferredPrintDialog.h"

#include "platform/Messages.h"
#include "session/AppInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

DeferredPrintDialog::DeferredPrintDialog(QString modulePath, Messages &messages)
    : m_modulePath(std::move(modulePath)), m_messages(messages)
{
}

DeferredPrintDialog::~DeferredPrintDialog() = default;

std::unique_ptr<PrinterPage> DeferredPrintDialog::choosePrinter()
{
    if (!m_dialog) {
        // Loaded for the rest of the run: the dialog it makes is kept.
        QLibrary module(m_modulePath);
        const auto make = reinterpret_cast<Make>(module.resolve(kMakeName));
        if (!make) {
            m_messages.warn(QCoreApplication::translate("DeferredPrintDialog",
                                                        "The Print dialog cannot be loaded from %1:\r%2")
                                .arg(QDir::toNativeSeparators(m_modulePath), module.errorString()),
                            AppInfo::title);
            return nullptr;
        }
        m_dialog.reset(make(m_parent));
    }
    return m_dialog->choosePrinter();
}
