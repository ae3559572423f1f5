#include "shell/ExportSourceDialog.h"

#include "shell/DialogLayout.h"

#include <QButtonGroup>
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
    return QStringLiteral("%1: %2 x %3 pixels, %4")
        .arg(offer.selection ? QStringLiteral("Selection") : QStringLiteral("Picture"))
        .arg(offer.width)
        .arg(offer.height)
        .arg(offer.grey ? QStringLiteral("4 grey levels") : QStringLiteral("black and white"));
}

QComboBox *widthBox(const ExportSourceOffer &offer)
{
    auto *box = new QComboBox;
    box->setObjectName(QStringLiteral("rows"));
    box->addItem(QStringLiteral("8 pixels (unsigned char)"), int(SpriteWidth::W8));
    box->addItem(QStringLiteral("16 pixels (unsigned short)"), int(SpriteWidth::W16));
    box->addItem(QStringLiteral("32 pixels (unsigned long)"), int(SpriteWidth::W32));
    box->addItem(QStringLiteral("Bytes, any width (SpriteX8)"), int(SpriteWidth::X8));
    box->setCurrentIndex(box->findData(int(fittingWidth(offer.width))));
    return box;
}

// The levels a mask may leave out: a black-and-white picture has two.
QComboBox *maskBox(bool grey)
{
    auto *box = new QComboBox;
    box->setObjectName(QStringLiteral("mask"));
    box->addItem(QStringLiteral("None"), kNoMask);
    box->addItem(QStringLiteral("Set where not white"), int(GreyLevel::White));
    if (grey) {
        box->addItem(QStringLiteral("Set where not light grey"), int(GreyLevel::LightGrey));
        box->addItem(QStringLiteral("Set where not dark grey"), int(GreyLevel::DarkGrey));
    }
    box->addItem(QStringLiteral("Set where not black"), int(GreyLevel::Black));
    return box;
}

QHBoxLayout *planeButtons(QButtonGroup *group, bool grey)
{
    auto *row = new QHBoxLayout;
    const QString captions[] = {QStringLiteral("Separate arrays"), QStringLiteral("Interlaced rows")};
    for (int i = 0; i < 2; ++i) {
        auto *button = new QRadioButton(captions[i]);
        button->setObjectName(i ? QStringLiteral("interlaced") : QStringLiteral("separate"));
        button->setEnabled(grey);
        if (!grey)
            button->setToolTip(QStringLiteral("A black-and-white picture has one plane"));
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
    setWindowTitle(QStringLiteral("Export Source"));
    auto *form = new QFormLayout;
    m_width = widthBox(offer);
    m_mask = maskBox(offer.grey);
    m_planes = new QButtonGroup(this);
    m_name = new QLineEdit(offer.name);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z_][A-Za-z0-9_]{0,62}")), m_name));
    form->addRow(QStringLiteral("&Rows:"), m_width);
    form->addRow(QStringLiteral("&Mask:"), m_mask);
    form->addRow(QStringLiteral("Planes:"), planeButtons(m_planes, offer.grey));
    form->addRow(QStringLiteral("Array &name:"), m_name);
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
    request.interlaced = m_planes->checkedId() == 1;
    request.name = m_name->text().toStdString();
    return request;
}

std::optional<SpriteRequest> ExportSourceDialogs::askExportSource(const ExportSourceOffer &offer)
{
    ExportSourceDialog dialog(offer, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.request();
}
