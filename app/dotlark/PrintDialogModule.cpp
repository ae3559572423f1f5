// The module the editor loads at its first print (shell/DeferredPrintDialog.h): the Print
// dialog and, with it, Qt's print support, which the editor's start then does without.
#include "qtdialogs/QtPrintDialog.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT PrintDialog *dotlarkMakePrintDialog(QWidget *parent)
{
    return new QtPrintDialog(parent);
}
