#include "import/PictureImages.h"

#include "import/PictureImport.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <cstdlib>

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

namespace {
// The image over white, each pixel's Rec. 601 luma (0 to 255000: thousandths of full scale)
// made a cell by `cell`.
template <typename Cell>
PixelGrid lumaCells(const QImage &image, Cell cell)
{
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
    }
    PixelGrid grid(flat.width(), flat.height());
    for (int y = 0; y < flat.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(flat.constScanLine(y));
        uint8_t *cells = grid.row(y);
        for (int x = 0; x < flat.width(); ++x)
            cells[x] = cell(299 * qRed(line[x]) + 587 * qGreen(line[x]) + 114 * qBlue(line[x]));
    }
    return grid;
}
} // namespace

PixelGrid luminancePixels(const QImage &image)
{
    return lumaCells(image, [](int luma) { return uint8_t(luma < 1000 * 255 / 2 ? 1 : 0); });
}

PixelGrid nearestGreyLevels(const QImage &image)
{
    return lumaCells(image, [](int luma) {
        int nearest = 0;
        for (int level = 1; level < 4; ++level)
            if (std::abs(luma - 1000 * qRed(greyLevelColour(GreyLevel(level))))
                < std::abs(luma - 1000 * qRed(greyLevelColour(GreyLevel(nearest)))))
                nearest = level;
        return uint8_t(nearest);
    });
}

PixelGrid textPixels(const QString &text, const QString &family, int pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(text), height = metrics.height();
    if (text.isEmpty() || width <= 0 || height <= 0)
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(0, metrics.ascent(), text);
    }
    return luminancePixels(image);
}

namespace {

QByteArray imageFileBytes(const QImage &image, const QString &suffix)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (suffix == u"pbm" || !image.save(&buffer, qPrintable(suffix)))
        return {};
    return data;
}

} // namespace

QByteArray pictureFileBytes(const PixelGrid &pixels, int width, int height, const QString &suffix)
{
    if (suffix == u"pbm")
        return plainPbm(pixels, width, height);
    return imageFileBytes(blackAndWhiteImage(pixels, width, height), suffix);
}

QRgb greyLevelColour(GreyLevel level)
{
    const uint8_t shade = kGreyShades[static_cast<int>(level) & 3];
    return qRgb(shade, shade, shade);
}

QImage greyImage(const GreyPicture &picture)
{
    QImage image(picture.width, picture.height, QImage::Format_Indexed8);
    image.setColorTable({greyLevelColour(GreyLevel::White), greyLevelColour(GreyLevel::LightGrey),
                         greyLevelColour(GreyLevel::DarkGrey), greyLevelColour(GreyLevel::Black)});
    for (int y = 0; y < picture.height; ++y) {
        uchar *line = image.scanLine(y);
        for (int x = 0; x < picture.width; ++x)
            line[x] = uchar(picture.level(x, y));
    }
    return image;
}

QByteArray greyFileBytes(const GreyPicture &picture, const QString &suffix)
{
    return imageFileBytes(greyImage(picture), suffix);
}
