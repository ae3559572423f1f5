#include "pagesetup/ArrowPair.h"

#include <QToolButton>

namespace {

QToolButton *arrowButton(Qt::ArrowType arrow, const QString &name, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    return button;
}

} // namespace

ArrowPair::ArrowPair(const QRect &geometry, QWidget *parent) : QWidget(parent)
{
    setGeometry(geometry);
    const int w = geometry.width(), h = geometry.height();
    if (h > w) {
        m_up = arrowButton(Qt::UpArrow, QStringLiteral("up"), this);
        m_down = arrowButton(Qt::DownArrow, QStringLiteral("down"), this);
        m_up->setGeometry(0, 0, w, h / 2);
        m_down->setGeometry(0, h / 2, w, h - h / 2);
    } else {
        m_down = arrowButton(Qt::LeftArrow, QStringLiteral("down"), this);
        m_up = arrowButton(Qt::RightArrow, QStringLiteral("up"), this);
        m_down->setGeometry(0, 0, w / 2, h);
        m_up->setGeometry(w / 2, 0, w - w / 2, h);
    }
    connect(m_up, &QToolButton::clicked, this, &ArrowPair::upClicked);
    connect(m_down, &QToolButton::clicked, this, &ArrowPair::downClicked);
}
