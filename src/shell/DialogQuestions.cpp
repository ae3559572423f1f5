#include "shell/DialogQuestions.h"

#include "shell/ExitDialog.h"
#include "shell/ImportScaledDialog.h"
#include "shell/NewPictureDialog.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

DialogQuestions::~DialogQuestions() = default; // the windows belong to their parent

std::optional<NewPicture> DialogQuestions::askNewSize()
{
    if (!frmNew)
        frmNew = new NewPictureDialog(m_messages, m_parent);
    const std::optional<QSize> size = frmNew->ask();
    if (!size)
        return std::nullopt;
    return NewPicture(*size, frmNew->levels());
}

Questions::ExitChoice DialogQuestions::askExit()
{
    if (!frmExit)
        frmExit = new ExitDialog(m_parent);
    return frmExit->ask() == ExitDialog::Choice::Quit ? ExitChoice::Quit : ExitChoice::ContinueWorking;
}

// Escape and the close box answer Later, which loses nothing.
Questions::RecoverChoice DialogQuestions::askRecover(const QString &question)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("TI-89 DOTLARK Plus"), question, QMessageBox::NoButton, m_parent);
    QPushButton *recover = box.addButton(tr("Recover"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(tr("Discard"), QMessageBox::DestructiveRole);
    QPushButton *later = box.addButton(tr("Later"), QMessageBox::RejectRole);
    recover->setObjectName(QStringLiteral("Recover"));
    discard->setObjectName(QStringLiteral("Discard"));
    later->setObjectName(QStringLiteral("Later"));
    box.setDefaultButton(recover);
    box.setEscapeButton(later);
    box.exec();
    if (box.clickedButton() == recover)
        return RecoverChoice::Recover;
    return box.clickedButton() == discard ? RecoverChoice::Discard : RecoverChoice::Later;
}

std::optional<int> DialogQuestions::popUpMenu(const QStringList &items, int checked, QPoint at)
{
    QCoreApplication::processEvents(); // let pending window events run first
    QMenu menu(m_parent);
    for (int i = 0; i < items.size(); ++i) {
        QAction *item = menu.addAction(items[i]);
        item->setCheckable(true);
        item->setChecked(i == checked);
        item->setData(i);
    }
    const QAction *chosen = menu.exec(at);
    if (!chosen)
        return std::nullopt;
    return chosen->data().toInt();
}

std::optional<ScaledImportAnswer> DialogQuestions::askScaledImport(const ScaleSource &source, const QString &path, const PixelGrid &beneath,
                                                                   int beneathLevels, const ScaledImportChoice &initial)
{
    ImportScaledDialog dialog(source, path, beneath, beneathLevels, m_parent);
    dialog.setChoice(initial);
    return dialog.ask();
}
