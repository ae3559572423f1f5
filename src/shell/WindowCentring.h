#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

// Top-left corner, in screen pixels relative to the screen's own corner, that centres a window
// of the given size: left = (screen width - window width) halved with truncation toward zero,
// top likewise with the heights. A window larger than the screen gets a negative corner.
QPoint centredTopLeft(const QSize &screen, const QSize &window);

// Moves a top-level window to the centre of its screen by the rule above, measured with its
// outer frame: centred now with what is known, and again once the window system has framed
// the shown window, unless it was moved meanwhile. Call it once, when the window is created,
// so that a position the user chose later is kept.
void centreOnScreen(QWidget &window);
