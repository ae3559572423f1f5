#pragma once

#include "document/PixelGrid.h"

#include <QByteArray>
#include <QImage>

// Conversions between calculator pictures and ordinary images.

// The dark pixels of an image, at the image's size: black exactly when
// red + 256 x green + 65536 x blue is below that of mid grey RGB(128, 128, 128), so blue
// decides first, then green, then red. Fully transparent pixels are white.
PixelGrid darkPixels(const QImage &image);

// The picture 1:1, black pixels RGB(0, 0, 0) and white pixels RGB(255, 255, 255).
QImage blackAndWhiteImage(const PixelGrid &pixels, int width, int height);

// Plain PBM ("P1"), 1 = black, lines of at most 70 characters.
QByteArray plainPbm(const PixelGrid &pixels, int width, int height);
