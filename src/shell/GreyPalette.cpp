#include "shell/GreyPalette.h"

#include "canvas/CanvasView.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

namespace {
constexpr int kSwatch = 14; // screen pixels

// A square of the level's grey as the canvas paints it, framed so white shows on white.
QIcon swatch(int level)
{
    static const QRgb kGreys[] = {CanvasView::kBackground, CanvasView::kLightGrey, CanvasView::kDarkGrey,
                                  CanvasView::kBlack};
    QPixmap pixmap(kSwatch, kSwatch);
    pixmap.fill(QColor::fromRgb(kGreys[level]));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, kSwatch - 1, kSwatch - 1);
    return QIcon(pixmap);
}
} // namespace

GreyPalette::GreyPalette(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("greyPalette"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    auto *group = new QButtonGroup(this);
    for (int level = 0; level < 4; ++level) {
        auto *button = new QToolButton(this);
        button->setObjectName(QStringLiteral("greyLevel%1").arg(level));
        button->setIcon(swatch(level));
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus); // the keyboard stays with the canvas
        button->setToolTip(QStringLiteral("%1 (%2)").arg(levelName(level)).arg(level + 1));
        group->addButton(button, level);
        layout->addWidget(button);
        m_buttons[level] = button;
    }
    connect(group, &QButtonGroup::idClicked, this, &GreyPalette::levelChosen);
    showLevel(3);
}

QString GreyPalette::levelName(int level)
{
    static const char *const kNames[] = {QT_TRANSLATE_NOOP("GreyPalette", "White"), QT_TRANSLATE_NOOP("GreyPalette", "Light grey"),
                                         QT_TRANSLATE_NOOP("GreyPalette", "Dark grey"), QT_TRANSLATE_NOOP("GreyPalette", "Black")};
    return tr(kNames[level & 3]);
}

void GreyPalette::showLevel(int level) { m_buttons.at(level & 3)->setChecked(true); }
