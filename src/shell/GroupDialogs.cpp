#include "shell/GroupDialogs.h"

#include "shell/DialogLayout.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int kPreviewWidth = 240;  // screen pixels: a 160 x 77 picture at 1.5, a 240 x 128 one at 1
constexpr int kPreviewHeight = 128;

// The picture black on white, as large as fits the preview in whole steps (at least 1).
QPixmap preview(const CalcPicture &picture)
{
    if (picture.width <= 0 || picture.height <= 0)
        return {};
    QImage image(picture.width, picture.height, QImage::Format_Mono);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            image.setPixel(x, y, picture.pixels.at(x, y) ? 1 : 0);
    const int scale = std::max(1, std::min(kPreviewWidth / picture.width, kPreviewHeight / picture.height));
    return QPixmap::fromImage(image.scaled(picture.width * scale, picture.height * scale));
}

QTreeWidget *pictureList(const std::vector<GroupChoice> &pictures)
{
    auto *list = new QTreeWidget;
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true); // tens of thousands of rows stay quick
    list->setHeaderLabels({GroupDialogs::tr("Picture"), GroupDialogs::tr("Size")});
    for (const GroupChoice &choice : pictures) {
        auto *item = new QTreeWidgetItem(list, {choice.name, GroupDialogs::tr("%1 bytes").arg(choice.size)});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    return list;
}
} // namespace

std::optional<int> GroupDialogs::choosePicture(const QString &groupPath, const std::vector<GroupChoice> &pictures,
                                               const GroupPreview &previewOf)
{
    QDialog dialog(m_parent);
    dialog.setWindowTitle(tr("Open from Group"));
    QTreeWidget *list = pictureList(pictures);
    auto *shown = new QLabel;
    shown->setFixedSize(kPreviewWidth + 8, kPreviewHeight + 8);
    shown->setAlignment(Qt::AlignCenter);
    shown->setFrameShape(QFrame::StyledPanel);
    shown->setAutoFillBackground(true);
    QObject::connect(list, &QTreeWidget::currentItemChanged, &dialog, [&, list, shown] {
        const int at = list->indexOfTopLevelItem(list->currentItem());
        shown->setPixmap(at >= 0 ? preview(previewOf(at)) : QPixmap());
    });
    QObject::connect(list, &QTreeWidget::itemActivated, &dialog, &QDialog::accept);
    list->setCurrentItem(list->topLevelItem(0));
    auto *label = new QLabel(tr("&Open which picture of %1?").arg(QFileInfo(groupPath).fileName()));
    label->setBuddy(list);
    auto *row = new QHBoxLayout;
    row->addWidget(list, 1);
    row->addWidget(shown, 0, Qt::AlignTop);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addLayout(row);
    layout->addWidget(okCancel(dialog));
    dialog.resize(560, 300);
    const bool accepted = dialog.exec() == QDialog::Accepted && list->currentItem();
    if (m_parent)
        m_parent->activateWindow();
    if (!accepted)
        return std::nullopt;
    return list->indexOfTopLevelItem(list->currentItem());
}
