#pragma once

#include <QIcon>
#include <QPixmap>
#include <functional>

// The program's icons and its About picture, all drawn here with QPainter. Toolbar icons are
// drawn on a 16-unit square and rendered at 16, 24 and 32 screen pixels, so they stay sharp
// at any toolbar size.

QIcon openIcon();  // an opening yellow folder
QIcon saveIcon();  // a floppy disk
QIcon printIcon(); // a printer with a sheet
QIcon helpIcon();  // a white question mark on a blue disc

// 32 x 32 screen pixels: a calculator with the lark on its screen (the About window's icon).
QPixmap aboutIcon();

// The window icon: the same calculator at 16, 32 and 48 screen pixels.
QIcon appIcon();

// An icon that `make` gives the first time it is drawn or its sizes are asked for.
QIcon deferredIcon(std::function<QIcon()> make);

// 100 x 83 screen pixels: the top of a calculator whose screen shows a pixel lark.
QPixmap aboutPicture();
