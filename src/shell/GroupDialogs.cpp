#include "shell/GroupDialogs.h"

#include "shell/Chooser.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QTreeWidget>

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
    Chooser chooser(m_parent, tr("Open from Group"), pictureList(pictures), QSize(kPreviewWidth, kPreviewHeight));
    QLabel *shown = chooser.preview();
    shown->setAutoFillBackground(true);
    QTreeWidget *list = chooser.list();
    QObject::connect(list, &QTreeWidget::currentItemChanged, &chooser.dialog(), [&, list, shown] {
        const int at = list->indexOfTopLevelItem(list->currentItem());
        shown->setPixmap(at >= 0 ? preview(previewOf(at)) : QPixmap());
    });
    list->setCurrentItem(list->topLevelItem(0));
    return chooser.run(tr("&Open which picture of %1?").arg(QFileInfo(groupPath).fileName()), nullptr, QSize(560, 300));
}
