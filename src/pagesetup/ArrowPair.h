#pragma once

#include <QWidget>

class QToolButton;

// A pair of arrow buttons standing in for an up-down spinner. In a tall box the arrows
// are stacked (up over down); in a wide one they sit side by side, the "down" arrow
// pointing left and the "up" arrow right. Holding an arrow repeats it.
class ArrowPair : public QWidget
{
    Q_OBJECT
public:
    explicit ArrowPair(const QRect &geometry, QWidget *parent = nullptr);

    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }

signals:
    void upClicked();
    void downClicked();

private:
    QToolButton *m_up = nullptr;
    QToolButton *m_down = nullptr;
};
