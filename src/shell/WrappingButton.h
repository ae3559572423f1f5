#pragma once

#include <QPushButton>

// A push button whose caption wraps onto several lines when it is wider than the button, so
// a long caption on a narrow button ("Continue   Working" on 65 screen pixels) stays readable
// while text() keeps the caption exactly as given.
class WrappingButton : public QPushButton
{
    Q_OBJECT
public:
    explicit WrappingButton(const QString &caption, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
