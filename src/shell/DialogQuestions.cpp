#include "shell/DialogQuestions.h"

#include "platform/IsolatedText.h"
#include "shell/ExitDialog.h"
#include "shell/ImportScaledDialog.h"
#include "shell/NewPictureDialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const QString kCaption = QStringLiteral("TI-89 DOTLARK Plus");

// The answers' buttons, named for the tests that press them.
void nameAnswers(QPushButton *recover, QPushButton *discard, QPushButton *later)
{
    recover->setObjectName(QStringLiteral("Recover"));
    discard->setObjectName(QStringLiteral("Discard"));
    later->setObjectName(QStringLiteral("Later"));
}

// The copies, one row each (the file, the time), the newest selected.
QTreeWidget *copyList(const QList<LeftCopy> &copies, const QStringList &headers)
{
    auto *list = new QTreeWidget;
    list->setObjectName(QStringLiteral("copies"));
    list->setRootIsDecorated(false);
    list->setTextElideMode(Qt::ElideMiddle); // a long path keeps its start and its file name
    list->setHeaderLabels(headers);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    for (const LeftCopy &copy : copies) {
        auto *row = new QTreeWidgetItem(list, {isolated(copy.file), copy.time});
        row->setToolTip(0, isolated(copy.file));
    }
    list->setCurrentItem(list->topLevelItem(0));
    return list;
}
} // namespace

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

// Escape and the close box answer Later, which loses nothing. The names are isolated: a
// right-to-left override in one does not reverse the question around it.
Questions::RecoverAnswer DialogQuestions::askRecover(const QList<LeftCopy> &copies)
{
    if (copies.isEmpty())
        return {};
    return copies.size() == 1 ? askRecoverOne(copies.first()) : askRecoverAmong(copies);
}

Questions::RecoverAnswer DialogQuestions::askRecoverOne(const LeftCopy &copy)
{
    const QString question = tr("Recover the unsaved picture of %1 from %2?").arg(isolated(copy.file), copy.time);
    QMessageBox box(QMessageBox::Question, kCaption, question, QMessageBox::NoButton, m_parent);
    QPushButton *recover = box.addButton(tr("Recover"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(tr("Discard"), QMessageBox::DestructiveRole);
    QPushButton *later = box.addButton(tr("Later"), QMessageBox::RejectRole);
    nameAnswers(recover, discard, later);
    box.setDefaultButton(recover);
    box.setEscapeButton(later);
    box.exec();
    if (box.clickedButton() == recover)
        return {RecoverChoice::Recover, 0};
    return {box.clickedButton() == discard ? RecoverChoice::Discard : RecoverChoice::Later, 0};
}

// The copies in a list, the newest selected; a double click recovers the one clicked.
Questions::RecoverAnswer DialogQuestions::askRecoverAmong(const QList<LeftCopy> &copies)
{
    QDialog dialog(m_parent);
    dialog.setWindowTitle(kCaption);
    auto *text = new QLabel(tr("DOTLARK ended without saving these pictures. Recover the one selected? The others "
                               "are kept for a later start; Discard deletes all of them."));
    text->setWordWrap(true);
    QTreeWidget *list = copyList(copies, {tr("Picture"), tr("Time")});
    auto *buttons = new QDialogButtonBox;
    QPushButton *recover = buttons->addButton(tr("Recover"), QDialogButtonBox::AcceptRole);
    QPushButton *discard = buttons->addButton(tr("Discard"), QDialogButtonBox::DestructiveRole);
    QPushButton *later = buttons->addButton(tr("Later"), QDialogButtonBox::RejectRole);
    nameAnswers(recover, discard, later);
    recover->setDefault(true);
    RecoverChoice choice = RecoverChoice::Later; // Escape and the close box
    const auto answer = [&](RecoverChoice chosen) {
        choice = chosen;
        dialog.accept();
    };
    QObject::connect(recover, &QPushButton::clicked, &dialog, [&] { answer(RecoverChoice::Recover); });
    QObject::connect(discard, &QPushButton::clicked, &dialog, [&] { answer(RecoverChoice::Discard); });
    QObject::connect(later, &QPushButton::clicked, &dialog, &QDialog::reject);
    QObject::connect(list, &QTreeWidget::itemDoubleClicked, recover, &QPushButton::click);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addWidget(list);
    layout->addWidget(buttons);
    dialog.resize(560, 280);
    list->setFocus();
    dialog.exec();
    return {choice, std::max(0, list->indexOfTopLevelItem(list->currentItem()))};
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
