#include "shell/WindowCentring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QPoint centredTopLeft(const QSize &screen, const QSize &window)
{
    // Integer division truncates toward zero, as the rule wants for windows larger than the screen.
    return {(screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2};
}

void centreOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    window.move(area.topLeft() + centredTopLeft(area.size(), window.frameGeometry().size()));
}
