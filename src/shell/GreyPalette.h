#pragma once

#include <QString>
#include <QWidget>
#include <array>

class QToolButton;

// The four levels of a grey picture as a strip of buttons, each a swatch of the grey the
// canvas shows: white, light grey, dark grey, black (levels 0 to 3, keys 1 to 4 over the
// canvas). One is chosen at a time; the window shows the strip only while the picture is grey.
class GreyPalette : public QWidget
{
    Q_OBJECT
public:
    explicit GreyPalette(QWidget *parent = nullptr);

    // The level's name, as the status bar and the buttons' tips show it.
    static QString levelName(int level);

    // Shows `level` (0..3) as the chosen one, telling no one.
    void showLevel(int level);
    QToolButton *button(int level) const { return m_buttons.at(level); }

signals:
    // The user clicked the button of `level`.
    void levelChosen(int level);

private:
    std::array<QToolButton *, 4> m_buttons{};
};
