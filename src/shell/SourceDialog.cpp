#include "shell/SourceDialog.h"

#include "shell/Chooser.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTreeWidget>

namespace {
constexpr int kPreviewSide = 192; // screen pixels: a 16 x 16 sprite at 12, a 32 x 32 one at 6

// The sprite as large as fits the preview in whole steps; a long sheet made smaller to fit.
QPixmap preview(const QImage &image)
{
    if (image.isNull())
        return {};
    if (image.width() > kPreviewSide || image.height() > kPreviewSide)
        return QPixmap::fromImage(image.scaled(kPreviewSide, kPreviewSide, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    const int scale = std::max(1, std::min(kPreviewSide / image.width(), kPreviewSide / image.height()));
    return QPixmap::fromImage(image.scaled(image.width() * scale, image.height() * scale));
}

QTreeWidget *spriteList(const std::vector<SpriteChoice> &choices)
{
    auto *list = new QTreeWidget;
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setHeaderLabels({SourceDialog::tr("Array"), SourceDialog::tr("Element"), SourceDialog::tr("Length"),
                           SourceDialog::tr("Sprite")});
    for (const SpriteChoice &choice : choices) {
        auto *item = new QTreeWidgetItem(list, {choice.name, choice.elementSize, choice.length, choice.shape});
        item->setToolTip(3, choice.shape);
        if (!choice.sprite)
            item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
    }
    for (int column = 0; column < 3; ++column)
        list->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    list->header()->setStretchLastSection(true);
    return list;
}
} // namespace

std::optional<int> SourceDialog::chooseSprite(const QString &path, const std::vector<SpriteChoice> &choices,
                                              const SpritePreview &previewOf)
{
    Chooser chooser(m_parent, tr("Open from C Source"), spriteList(choices), QSize(kPreviewSide, kPreviewSide));
    auto *notes = new QLabel;
    notes->setWordWrap(true);
    notes->setTextFormat(Qt::PlainText);
    QTreeWidget *list = chooser.list();
    QObject::connect(list, &QTreeWidget::currentItemChanged, &chooser.dialog(), [&, list, notes] {
        const int at = list->indexOfTopLevelItem(list->currentItem());
        const bool sprite = at >= 0 && choices[size_t(at)].sprite;
        chooser.preview()->setPixmap(sprite ? preview(previewOf(at)) : QPixmap());
        notes->setText(sprite ? choices[size_t(at)].notes.join(u'\n') : QString());
        chooser.buttons()->button(QDialogButtonBox::Ok)->setEnabled(sprite);
    });
    const auto first = std::find_if(choices.begin(), choices.end(), [](const SpriteChoice &c) { return c.sprite; });
    list->setCurrentItem(list->topLevelItem(int(first - choices.begin())));
    const std::optional<int> chosen =
        chooser.run(tr("&Open which sprite of %1?").arg(QFileInfo(path).fileName()), notes, QSize(760, 360));
    if (!chosen || !choices[size_t(*chosen)].sprite)
        return std::nullopt;
    return chosen;
}
