#include "shell/Chooser.h"

#include "shell/DialogLayout.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

Chooser::Chooser(QWidget *parent, const QString &caption, QTreeWidget *list, QSize previewSize)
    : m_parent(parent), m_dialog(parent), m_list(list), m_preview(new QLabel), m_buttons(okCancel(m_dialog))
{
    m_dialog.setWindowTitle(caption);
    m_list->setParent(&m_dialog);
    m_preview->setFixedSize(previewSize + QSize(8, 8));
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameShape(QFrame::StyledPanel);
    QObject::connect(m_list, &QTreeWidget::itemActivated, &m_dialog, &QDialog::accept);
}

std::optional<int> Chooser::run(const QString &question, QWidget *below, QSize size)
{
    auto *label = new QLabel(question);
    label->setBuddy(m_list);
    auto *row = new QHBoxLayout;
    row->addWidget(m_list, 1);
    row->addWidget(m_preview, 0, Qt::AlignTop);
    auto *layout = new QVBoxLayout(&m_dialog);
    layout->addWidget(label);
    layout->addLayout(row, 1);
    if (below)
        layout->addWidget(below);
    layout->addWidget(m_buttons);
    m_dialog.resize(size);
    const bool accepted = m_dialog.exec() == QDialog::Accepted && m_list->currentItem();
    if (m_parent)
        m_parent->activateWindow();
    if (!accepted)
        return std::nullopt;
    return m_list->indexOfTopLevelItem(m_list->currentItem());
}
