#include "shell/ExportSourceDialog.h"

#include "shell/DialogLayout.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {
constexpr int kNoMask = -1;

QString sizeText(const ExportSourceOffer &offer)
{
    const QString levels = offer.grey ? ExportSourceDialog::tr("4 grey levels") : ExportSourceDialog::tr("black and white");
    return (offer.selection ? ExportSourceDialog::tr("Selection: %1 x %2 pixels, %3")
                            : ExportSourceDialog::tr("Picture: %1 x %2 pixels, %3"))
        .arg(offer.width)
        .arg(offer.height)
        .arg(levels);
}

QComboBox *widthBox(const ExportSourceOffer &offer)
{
    auto *box = new QComboBox;
    box->setObjectName(QStringLiteral("rows"));
    box->addItem(ExportSourceDialog::tr("8 pixels (unsigned char)"), int(SpriteWidth::W8));
    box->addItem(ExportSourceDialog::tr("16 pixels (unsigned short)"), int(SpriteWidth::W16));
    box->addItem(ExportSourceDialog::tr("32 pixels (unsigned long)"), int(SpriteWidth::W32));
    box->addItem(ExportSourceDialog::tr("Bytes, any width (SpriteX8)"), int(SpriteWidth::X8));
    box->setCurrentIndex(box->findData(int(fittingWidth(offer.width))));
    return box;
}

// The levels a mask may leave out: a black-and-white picture has two.
QComboBox *maskBox(bool grey)
{
    auto *box = new QComboBox;
    box->setObjectName(QStringLiteral("mask"));
    box->addItem(ExportSourceDialog::tr("None"), kNoMask);
    box->addItem(ExportSourceDialog::tr("White is transparent"), int(GreyLevel::White));
    if (grey) {
        box->addItem(ExportSourceDialog::tr("Light grey is transparent"), int(GreyLevel::LightGrey));
        box->addItem(ExportSourceDialog::tr("Dark grey is transparent"), int(GreyLevel::DarkGrey));
    }
    box->addItem(ExportSourceDialog::tr("Black is transparent"), int(GreyLevel::Black));
    return box;
}

// What a mask bit means; AND masks, which the sprite routines' AND mode takes as they are,
// first.
QComboBox *senseBox()
{
    auto *box = new QComboBox;
    box->setObjectName(QStringLiteral("maskSense"));
    box->addItem(ExportSourceDialog::tr("AND mask: 1 = transparent"), int(MaskSense::And));
    box->addItem(ExportSourceDialog::tr("OR mask: 1 = opaque"), int(MaskSense::Or));
    box->setEnabled(false);
    return box;
}

QHBoxLayout *planeButtons(QButtonGroup *group, bool grey)
{
    auto *row = new QHBoxLayout;
    const QString captions[] = {ExportSourceDialog::tr("Separate arrays"), ExportSourceDialog::tr("Interlaced rows")};
    for (int i = 0; i < 2; ++i) {
        auto *button = new QRadioButton(captions[i]);
        button->setObjectName(i ? QStringLiteral("interlaced") : QStringLiteral("separate"));
        button->setEnabled(grey);
        if (!grey)
            button->setToolTip(ExportSourceDialog::tr("A black-and-white picture has one plane"));
        group->addButton(button, i);
        row->addWidget(button);
    }
    group->button(0)->setChecked(true);
    row->addStretch();
    return row;
}
} // namespace

SpriteWidth fittingWidth(int width)
{
    for (const SpriteWidth rows : {SpriteWidth::W8, SpriteWidth::W16, SpriteWidth::W32})
        if (width <= pixelsPerElement(rows))
            return rows;
    return SpriteWidth::X8;
}

ExportSourceDialog::ExportSourceDialog(const ExportSourceOffer &offer, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Export Source"));
    auto *form = new QFormLayout;
    m_width = widthBox(offer);
    m_mask = maskBox(offer.grey);
    m_sense = senseBox();
    connect(m_mask, &QComboBox::currentIndexChanged, m_sense, [this] { m_sense->setEnabled(m_mask->currentData().toInt() != kNoMask); });
    m_planes = new QButtonGroup(this);
    m_name = new QLineEdit(offer.name);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z_][A-Za-z0-9_]{0,62}")), m_name));
    form->addRow(tr("&Rows:"), m_width);
    form->addRow(tr("&Mask:"), m_mask);
    form->addRow(tr("Mask &bits:"), m_sense);
    form->addRow(tr("Planes:"), planeButtons(m_planes, offer.grey));
    form->addRow(tr("Array &name:"), m_name);
    // A tile grid offers every tile of the picture as a sheet.
    m_allTiles = new QCheckBox(tr("&All tiles of %1 x %2, as one array of sprites").arg(offer.tiles.width()).arg(offer.tiles.height()));
    m_allTiles->setObjectName(QStringLiteral("allTiles"));
    m_tileNames = new QLineEdit;
    m_tileNames->setObjectName(QStringLiteral("tileNames"));
    m_tileNames->setPlaceholderText(tr("player, enemy, ... (may be left empty)"));
    m_tileNames->setEnabled(false);
    connect(m_allTiles, &QCheckBox::toggled, m_tileNames, &QWidget::setEnabled);
    m_tiles = offer.tiles;
    if (!offer.tiles.isEmpty()) {
        form->addRow(m_allTiles);
        form->addRow(tr("&Tile names:"), m_tileNames);
    } else {
        m_allTiles->hide();
        m_tileNames->hide();
    }
    auto *layout = new QVBoxLayout(this);
    auto *size = new QLabel(sizeText(offer));
    size->setObjectName(QStringLiteral("size"));
    layout->addWidget(size);
    layout->addLayout(form);
    QDialogButtonBox *buttons = okCancel(*this);
    layout->addWidget(buttons);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    connect(m_name, &QLineEdit::textChanged, ok, [ok](const QString &text) { ok->setEnabled(!text.isEmpty()); });
    ok->setEnabled(!m_name->text().isEmpty());
}

SpriteRequest ExportSourceDialog::request() const
{
    SpriteRequest request;
    request.width = static_cast<SpriteWidth>(m_width->currentData().toInt());
    const int mask = m_mask->currentData().toInt();
    request.mask = mask != kNoMask;
    request.transparent = request.mask ? static_cast<GreyLevel>(mask) : GreyLevel::White;
    request.maskSense = static_cast<MaskSense>(m_sense->currentData().toInt());
    request.interlaced = m_planes->checkedId() == 1;
    request.name = m_name->text().toStdString();
    if (m_allTiles->isChecked()) {
        TileSheet sheet{m_tiles.width(), m_tiles.height(), {}};
        if (const QString names = m_tileNames->text().trimmed(); !names.isEmpty())
            for (const QString &name : names.split(u','))
                sheet.names.push_back(name.trimmed().toStdString());
        request.sheet = sheet;
    }
    return request;
}

std::optional<SpriteRequest> ExportSourceDialogs::askExportSource(const ExportSourceOffer &offer)
{
    ExportSourceDialog dialog(offer, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.request();
}
