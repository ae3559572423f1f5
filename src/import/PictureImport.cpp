#include "import/PictureImport.h"

#include <QCoreApplication>

#include <tuple>
#include <utility>

namespace {

// Packed colour of mid grey, RGB(128, 128, 128): darker packed values become black.
constexpr qint64 kThreshold = 8421504;

// The graph screen's last row and column, and the centre the placement aims at.
constexpr int kLastScreenRow = 76;
constexpr int kCentreRow = 38;
constexpr int kLastScreenColumn = 159;
constexpr int kCentreColumn = 80;

// One axis of the placement: a picture longer than the screen is cut at its last screen
// index, a shorter one is centred on `centre` (half its length truncated).
std::pair<int, int> axisPlacement(int length, int lastScreenIndex, int centre)
{
    if (length > lastScreenIndex)
        return {lastScreenIndex, 0};
    return {length - 1, centre - length / 2};
}

} // namespace

int overWhite(int channel, int alpha) { return (channel * alpha + 255 * (255 - alpha) + 127) / 255; }

ImportPlacement importPlacement(int width, int height)
{
    ImportPlacement p;
    std::tie(p.lastRow, p.rowOffset) = axisPlacement(height, kLastScreenRow, kCentreRow);
    std::tie(p.lastColumn, p.columnOffset) =
        axisPlacement(width, kLastScreenColumn, kCentreColumn);
    return p;
}

bool isDarkImportPixel(QRgb colour)
{
    const int alpha = qAlpha(colour);
    const qint64 red = overWhite(qRed(colour), alpha);
    const qint64 green = overWhite(qGreen(colour), alpha);
    const qint64 blue = overWhite(qBlue(colour), alpha);
    return red + 256 * green + 65536 * blue < kThreshold;
}

void importPicture(const QImage &picture, const std::function<void(int x, int y)> &plot)
{
    if (picture.isNull())
        return;
    const ImportPlacement p = importPlacement(picture.width(), picture.height());
    // One conversion up front keeps the per-pixel read to a plain array access; only the part
    // placed is converted, however large the picture.
    const QImage source = picture.copy(0, 0, p.lastColumn + 1, p.lastRow + 1).convertToFormat(QImage::Format_ARGB32);
    for (int i = 0; i <= p.lastRow; ++i) {
        const auto *line = reinterpret_cast<const QRgb *>(source.constScanLine(i));
        for (int j = 0; j <= p.lastColumn; ++j) {
            if (isDarkImportPixel(line[j]))
                plot(p.columnOffset + j, p.rowOffset + i);
        }
    }
}

QString importQuestion(const QString &fileName)
{
    return QCoreApplication::translate("PictureImport", "%1\n\r\n\r     ...this picture?").arg(fileName);
}
