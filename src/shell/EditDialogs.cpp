#include "shell/EditDialogs.h"

#include "document/Picture89i.h"
#include "shell/DialogLayout.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
struct Preset
{
    const char *caption;
    int width;
    int height;
};
// The calculators' screens, for Canvas Size... to offer.
constexpr Preset kPresets[] = {{QT_TRANSLATE_NOOP("EditDialogs", "TI-89 screen, 160 x 77"), 160, 77},
                               {QT_TRANSLATE_NOOP("EditDialogs", "TI-92 and Voyage 200 screen, 240 x 128"), 240, 128}};

QSpinBox *spin(int from, int to, int value)
{
    auto *box = new QSpinBox;
    box->setRange(from, to);
    box->setValue(value);
    return box;
}

// Nine buttons in three rows: where the old picture stays.
QButtonGroup *anchorButtons(QGridLayout *grid)
{
    auto *group = new QButtonGroup(grid);
    static const char *const kNames[] = {
        QT_TRANSLATE_NOOP("EditDialogs", "Top left"),    QT_TRANSLATE_NOOP("EditDialogs", "Top"),
        QT_TRANSLATE_NOOP("EditDialogs", "Top right"),   QT_TRANSLATE_NOOP("EditDialogs", "Left"),
        QT_TRANSLATE_NOOP("EditDialogs", "Centre"),      QT_TRANSLATE_NOOP("EditDialogs", "Right"),
        QT_TRANSLATE_NOOP("EditDialogs", "Bottom left"), QT_TRANSLATE_NOOP("EditDialogs", "Bottom"),
        QT_TRANSLATE_NOOP("EditDialogs", "Bottom right")};
    for (int i = 0; i < 9; ++i) {
        auto *button = new QPushButton;
        button->setCheckable(true);
        const QString name = QCoreApplication::translate("EditDialogs", kNames[i]);
        button->setToolTip(name);
        button->setAccessibleName(name);
        button->setFixedSize(28, 28);
        group->addButton(button, i);
        grid->addWidget(button, i / 3, i % 3);
    }
    group->button(0)->setChecked(true);
    QObject::connect(group, &QButtonGroup::idToggled, group, [group](int id, bool on) {
        group->button(id)->setText(on ? QStringLiteral("\u25CF") : QString());
    });
    group->button(0)->setText(QStringLiteral("\u25CF"));
    return group;
}
} // namespace

std::optional<CanvasSizeChoice> EditDialogs::askCanvasSize(QSize current)
{
    QDialog dialog(m_parent);
    dialog.setWindowTitle(tr("Canvas Size"));
    auto *presets = new QComboBox;
    presets->addItem(tr("Custom"));
    for (const Preset &preset : kPresets)
        presets->addItem(QCoreApplication::translate("EditDialogs", preset.caption));
    QSpinBox *width = spin(1, kPicture89iMaxSide, current.width());
    QSpinBox *height = spin(1, kPicture89iMaxSide, current.height());
    width->setSuffix(tr(" pixels"));
    height->setSuffix(tr(" pixels"));
    QObject::connect(presets, &QComboBox::activated, &dialog, [=](int index) {
        if (index <= 0)
            return;
        width->setValue(kPresets[index - 1].width);
        height->setValue(kPresets[index - 1].height);
    });
    auto *anchorGrid = new QGridLayout;
    anchorGrid->setSpacing(2);
    QButtonGroup *anchors = anchorButtons(anchorGrid);
    auto *tooLarge = new QLabel;
    auto *form = new QFormLayout;
    form->addRow(tr("&Preset:"), presets);
    form->addRow(tr("&Width:"), width);
    form->addRow(tr("&Height:"), height);
    form->addRow(tr("Anchor:"), anchorGrid);
    form->addRow(tooLarge);
    QDialogButtonBox *buttons = okCancel(dialog);
    // A size the picture file cannot hold is not offered.
    const auto check = [=] {
        const bool fits = checkWritableSize(width->value(), height->value()) == Picture89iError::None;
        tooLarge->setText(fits ? QString() : tr("Too large for a picture file."));
        buttons->button(QDialogButtonBox::Ok)->setEnabled(fits);
    };
    QObject::connect(width, &QSpinBox::valueChanged, &dialog, check);
    QObject::connect(height, &QSpinBox::valueChanged, &dialog, check);
    check();
    auto *layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return CanvasSizeChoice{width->value(), height->value(), static_cast<PictureOps::Anchor>(anchors->checkedId())};
}

std::optional<TextChoice> EditDialogs::askText(const TextChoice &initial,
                                               const std::function<void(const TextChoice &)> &preview)
{
    QDialog dialog(m_parent);
    dialog.setWindowTitle(tr("Text"));
    auto *text = new QLineEdit(initial.text);
    auto *family = new QFontComboBox;
    if (!initial.family.isEmpty())
        family->setCurrentFont(QFont(initial.family));
    QSpinBox *size = spin(5, 96, initial.pixelSize);
    size->setSuffix(tr(" pixels"));
    auto *bold = new QCheckBox(tr("&Bold"));
    bold->setChecked(initial.bold);
    const auto choice = [=] { return TextChoice{text->text(), family->currentFont().family(), size->value(), bold->isChecked()}; };
    const auto changed = [=] {
        if (preview)
            preview(choice());
    };
    QObject::connect(text, &QLineEdit::textChanged, &dialog, changed);
    QObject::connect(family, &QFontComboBox::currentFontChanged, &dialog, changed);
    QObject::connect(size, &QSpinBox::valueChanged, &dialog, changed);
    QObject::connect(bold, &QCheckBox::toggled, &dialog, changed);
    auto *form = new QFormLayout;
    form->addRow(tr("&Text:"), text);
    form->addRow(tr("&Font:"), family);
    form->addRow(tr("&Size:"), size);
    form->addRow(bold);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(okCancel(dialog));
    changed();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return choice();
}

std::optional<QSize> EditDialogs::askTileGrid(QSize current, QSize picture)
{
    QDialog dialog(m_parent);
    dialog.setWindowTitle(tr("Tile Grid"));
    auto *width = new QComboBox;
    for (const int side : {8, 16, 32})
        width->addItem(tr("%1 pixels").arg(side), side);
    width->setCurrentIndex(std::max(0, width->findData(current.isEmpty() ? 16 : current.width())));
    QSpinBox *height = spin(1, std::max(1, picture.height()), current.isEmpty() ? std::min(16, picture.height()) : current.height());
    height->setSuffix(tr(" pixels"));
    auto *form = new QFormLayout;
    form->addRow(tr("Tile &width:"), width);
    form->addRow(tr("Tile &height:"), height);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(tr("The tiles of a sheet of sprites, read left to right, then down.")));
    layout->addLayout(form);
    QDialogButtonBox *buttons = okCancel(dialog);
    QPushButton *none = buttons->addButton(tr("&No Grid"), QDialogButtonBox::ResetRole);
    bool cleared = false;
    QObject::connect(none, &QPushButton::clicked, &dialog, [&] {
        cleared = true;
        dialog.accept();
    });
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return cleared ? QSize() : QSize(width->currentData().toInt(), height->value());
}

std::optional<int> EditDialogs::askExportScale()
{
    QDialog dialog(m_parent);
    dialog.setWindowTitle(tr("Export Picture"));
    QSpinBox *scale = spin(1, 16, m_lastScale);
    scale->setPrefix(QStringLiteral("x "));
    auto *form = new QFormLayout;
    form->addRow(tr("&Scale (each pixel as a square of):"), scale);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(okCancel(dialog));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    m_lastScale = scale->value();
    return m_lastScale;
}
