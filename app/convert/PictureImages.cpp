#include "PictureImages.h"

#include "import/PictureImport.h"

namespace {

constexpr int kPbmPixelsPerLine = 35; // "0 " each: 70 characters

} // namespace

PixelGrid darkPixels(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    PixelGrid grid(argb.width(), argb.height());
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        uint8_t *cells = grid.row(y);
        for (int x = 0; x < argb.width(); ++x)
            cells[x] = isDarkImportPixel(line[x]) ? 1 : 0;
    }
    return grid;
}

PixelGrid screenPixels(const QImage &image)
{
    PixelGrid grid(kScreenWidth, kScreenHeight);
    // set() drops what falls outside the grid.
    importPicture(image, [&grid](int x, int y) { grid.set(x, y, 1); });
    return grid;
}

QImage blackAndWhiteImage(const PixelGrid &pixels, int width, int height)
{
    QImage image(width, height, QImage::Format_Mono);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image.fill(0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (pixels.at(x, y))
                image.setPixel(x, y, 1);
    return image;
}

QByteArray plainPbm(const PixelGrid &pixels, int width, int height)
{
    QByteArray pbm = "P1\n" + QByteArray::number(width) + ' ' + QByteArray::number(height) + '\n';
    pbm.reserve(pbm.size() + qsizetype(width) * height * 2 + height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pbm += pixels.at(x, y) ? '1' : '0';
            const bool lineEnds = x == width - 1 || (x + 1) % kPbmPixelsPerLine == 0;
            pbm += lineEnds ? '\n' : ' ';
        }
    }
    return pbm;
}
