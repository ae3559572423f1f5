#pragma once

#include <QImage>

// Bands of grey from black (the top band) to white, each `rows` high and `width` wide,
// evenly spaced in channel values (with 16 bands: 0, 17, ..., 255).
inline QImage greyRamp(int bands, int rows, int width)
{
    QImage ramp(width, bands * rows, QImage::Format_RGB32);
    for (int band = 0; band < bands; ++band) {
        const int grey = band * 255 / (bands - 1);
        for (int y = band * rows; y < (band + 1) * rows; ++y)
            for (int x = 0; x < width; ++x)
                ramp.setPixel(x, y, qRgb(grey, grey, grey));
    }
    return ramp;
}
