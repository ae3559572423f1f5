#include "shell/WrappingButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

WrappingButton::WrappingButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent) {}

void WrappingButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear(); // the frame and focus come from the style, the caption is drawn below
    painter.drawControl(QStyle::CE_PushButton, option);

    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) / 2;
    QRect area = rect().adjusted(margin, 0, -margin, 0);
    if (isDown())
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
}
