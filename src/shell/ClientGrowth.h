#pragma once

#include <QList>
#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

// The window's controls as it grows past its designed size: each control tied to the right
// or the bottom edge moves with it, one tied to both of a pair of edges stretches between
// them, and every other control keeps its designed place. The designed size is the smallest.
class ClientGrowth : public QObject
{
public:
    enum Edge { Left = 1, Top = 2, Right = 4, Bottom = 8 };

    ClientGrowth(QWidget &client, QSize designed);

    // `widget` as it is placed now, at the designed size, following `edges`.
    void tie(QWidget *widget, int edges);

    // Where a control designed at `designed`, following `edges`, goes in a client grown by
    // `growth` (screen pixels; never negative).
    static QRect placed(const QRect &designed, int edges, QSize growth);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Tie
    {
        QWidget *widget;
        QRect designed;
        int edges;
    };
    void place();

    QWidget &m_client;
    QSize m_designed;
    QList<Tie> m_ties;
};
