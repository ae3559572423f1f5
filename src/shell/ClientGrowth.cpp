#include "shell/ClientGrowth.h"

#include <QEvent>
#include <QWidget>

ClientGrowth::ClientGrowth(QWidget &client, QSize designed) : QObject(&client), m_client(client), m_designed(designed)
{
    client.setMinimumSize(designed);
    client.installEventFilter(this);
}

void ClientGrowth::tie(QWidget *widget, int edges)
{
    m_ties.append({widget, widget->geometry(), edges});
    place();
}

QRect ClientGrowth::placed(const QRect &designed, int edges, QSize growth)
{
    const auto along = [edges](int near, int far, int grown, int &start, int &length) {
        if ((edges & far) && (edges & near))
            length += grown;
        else if (edges & far)
            start += grown;
    };
    int x = designed.x(), y = designed.y(), width = designed.width(), height = designed.height();
    along(Left, Right, std::max(0, growth.width()), x, width);
    along(Top, Bottom, std::max(0, growth.height()), y, height);
    return {x, y, width, height};
}

bool ClientGrowth::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_client && event->type() == QEvent::Resize)
        place();
    return false;
}

void ClientGrowth::place()
{
    const QSize growth = m_client.size() - m_designed;
    for (const Tie &tie : m_ties)
        tie.widget->setGeometry(placed(tie.designed, tie.edges, growth));
}
