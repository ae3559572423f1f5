#include "qtplatform/QtPictureLoader.h"

#include "platform/FailureText.h"
#include "qtplatform/JpegStructure.h"
#include "qtplatform/MetafileReader.h"
#include "qtplatform/NetpbmReader.h"
#include "qtplatform/PictureLimits.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>

namespace {

// The context of these words in the translations.
class PictureLoaderText
{
    Q_DECLARE_TR_FUNCTIONS(QtPictureLoader)
};

constexpr int kPngMaxSide = 1000000;

QImage topLeftOf(const QImage &image, QSize topLeft)
{
    if (topLeft.isEmpty() || (image.width() <= topLeft.width() && image.height() <= topLeft.height()))
        return image;
    return image.copy(0, 0, std::min(image.width(), topLeft.width()), std::min(image.height(), topLeft.height()));
}

// The logical screen of a GIF ("GIF87a"/"GIF89a", then width and height as little-endian
// words); an invalid size for anything else.
QSize gifScreen(const QByteArray &bytes)
{
    if (bytes.size() < 10 || !bytes.startsWith("GIF8"))
        return {};
    return QSize(qFromLittleEndian<quint16>(bytes.constData() + 6), qFromLittleEndian<quint16>(bytes.constData() + 8));
}

// Whether a GIF's first frame is to be restored once shown (disposal method 3 in the graphic
// control before it): Qt's reader then keeps a copy of the screen beside the picture. The
// blocks before the first frame are walked: the header, the global colour table, extensions
// (a label, then sub-blocks of a length byte each, up to an empty one).
bool gifRestoresFirstFrame(const QByteArray &bytes)
{
    if (gifScreen(bytes).isEmpty() || bytes.size() < 13)
        return false;
    const auto at = [&bytes](qsizetype i) { return i < bytes.size() ? quint8(bytes[i]) : 0; };
    qsizetype i = 13 + (at(10) & 0x80 ? 3 * (2 << (at(10) & 7)) : 0);
    bool restore = false;
    while (at(i) == 0x21) {
        if (at(i + 1) == 0xF9 && at(i + 2) >= 1)
            restore = (at(i + 3) >> 2 & 7) == 3;
        for (i += 2; at(i) != 0; i += 1 + at(i)) {}
        ++i;
    }
    return restore && at(i) == 0x2C;
}

// The bytes the reader takes to decode a picture at `decoded` pixels: the image in the
// format it says it gives (4 bytes a pixel when it cannot tell), and what it keeps besides:
// a copy of a GIF's screen, a JPEG's coefficients.
qint64 decodingBytes(const QByteArray &bytes, QImageReader &reader, QSize decoded)
{
    const QImage::Format format = reader.imageFormat();
    const int bits = format == QImage::Format_Invalid ? 32 : int(QImage::toPixelFormat(format).bitsPerPixel());
    const qint64 pixels = qint64(decoded.width()) * decoded.height();
    qint64 total = (pixels * bits + 7) / 8;
    if (reader.format() == "gif" && gifRestoresFirstFrame(bytes))
        total += pixels * 4;
    if (reader.format() == "jpeg")
        total += jpegCoefficientBytes(bytes);
    return total;
}

QString needsTooMuch(qint64 bytes, QSize size)
{
    return PictureLoaderText::tr("the picture is %1 x %2 pixels, which take %3 MB to decode, more than the %4 MB "
                                 "a picture may take")
        .arg(size.width()).arg(size.height())
        .arg((bytes + (1 << 20) - 1) >> 20)
        .arg(QtPictureLoader::kMaxDecodedBytes >> 20);
}

// What the PNG's header chunk, which comes first, says of its size; libpng reads no more
// than a million rows or columns and beyond that tells neither the size nor why it stops.
QString pngSideProblem(const QByteArray &bytes)
{
    if (!bytes.startsWith("\x89PNG\r\n\x1a\n") || bytes.size() < 24 || bytes.mid(12, 4) != "IHDR")
        return {};
    const qint64 width = qFromBigEndian<quint32>(bytes.constData() + 16);
    const qint64 height = qFromBigEndian<quint32>(bytes.constData() + 20);
    if (std::max(width, height) <= kPngMaxSide)
        return {};
    return PictureLoaderText::tr("the picture is %1 x %2 pixels; a PNG picture is read up to %3 pixels wide and high")
        .arg(width).arg(height).arg(kPngMaxSide);
}

// How a JPEG of `full` pixels is asked of the reader for the hint: its top-left part, or
// reduced to cover hint.cover, or whole. What would be decoded must stay within kMaxPixels,
// and the full size within kMaxJpegPixels; a problem otherwise.
QString askJpeg(QImageReader &reader, QSize full, const LoadHint &hint, QSize &decoded)
{
    if (!sizeAcceptable(full.width(), full.height(), QtPictureLoader::kMaxJpegPixels))
        return tooLarge(full.width(), full.height(), QtPictureLoader::kMaxJpegPixels);
    decoded = full;
    if (!hint.topLeft.isEmpty()) {
        decoded = full.boundedTo(hint.topLeft);
        reader.setClipRect(QRect(QPoint(0, 0), decoded));
    } else if (const QSize scaled = jpegScaledSize(full, hint.cover); !scaled.isEmpty()) {
        decoded = scaled;
        reader.setScaledSize(scaled);
    }
    if (!sizeAcceptable(decoded.width(), decoded.height()))
        return tooLarge(full.width(), full.height());
    return {};
}

Outcome<LoadedPicture> loadRaster(const QByteArray &bytes, const LoadHint &hint, const QString &path)
{
    QString problem;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer); // no format given: decided from the content alone
    reader.setAutoTransform(false);
    // A reader whose image would take more than the checks below allow (a picture whose
    // header said less than it has) fails rather than allocate it.
    reader.setAllocationLimit(int(QtPictureLoader::kMaxDecodedBytes >> 20));
    // From the header; invalid when the reader cannot tell. A GIF is decoded onto its logical
    // screen, which the reader does not tell: it gives its first frame's size.
    const QSize size = reader.size().expandedTo(gifScreen(bytes));
    // Only a JPEG is read reduced or in part; the header of anything else may claim another
    // size than its picture has (an icon's directory, a GIF's first frame): the picture decides.
    const bool jpeg = size.isValid() && reader.format() == "jpeg";
    QSize decoded = size;
    if (jpeg)
        problem = askJpeg(reader, size, hint, decoded);
    else if (size.isValid() && !sizeAcceptable(size.width(), size.height()))
        problem = tooLarge(size.width(), size.height());
    else
        problem = pngSideProblem(bytes);
    if (const qint64 need = decoded.isValid() ? decodingBytes(bytes, reader, decoded) : 0;
        problem.isEmpty() && need > QtPictureLoader::kMaxDecodedBytes)
        problem = needsTooMuch(need, size);
    if (!problem.isEmpty())
        return notAPicture(problem, path);
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        if (reader.error() != QImageReader::UnknownError)
            problem = reader.errorString();
        if (reader.error() == QImageReader::UnsupportedFormatError)
            problem = PictureLoaderText::tr("it is no picture format known here");
        return notAPicture(problem, path);
    }
    const QSize full = jpeg ? size : image.size();
    if (!sizeAcceptable(image.width(), image.height()) || (!jpeg && !sizeAcceptable(full.width(), full.height())))
        return notAPicture(tooLarge(full.width(), full.height()), path);
    return LoadedPicture{topLeftOf(image, hint.topLeft), full, jpeg && jpegCutShort(bytes)};
}

// The picture of a file's whole content; path names the file in the failure.
Outcome<LoadedPicture> loadBytes(const QByteArray &bytes, const LoadHint &hint, const QString &path)
{
    if (bytes.isEmpty())
        return Failure{Failure::What::Empty, path, {}};
    const auto whole = [&hint](Outcome<QImage> image) -> Outcome<LoadedPicture> {
        if (!image)
            return image.failure();
        const QSize full = image->size();
        return LoadedPicture{topLeftOf(*image, hint.topLeft), full, false};
    };
    const auto named = [&path](Outcome<QImage> image) -> Outcome<QImage> {
        return image ? std::move(image) : notAPicture(image.failure().detail, path);
    };
    // Qt's own reader wants blanks between plain bitmap digits, which netpbm does not write.
    if (NetpbmReader::recognises(bytes))
        return whole(named(NetpbmReader(QtPictureLoader::kMaxPixels).read(bytes)));
    if (MetafileReader::recognises(bytes))
        return whole(named(MetafileReader::read(bytes)));
    return loadRaster(bytes, hint, path);
}

} // namespace

Outcome<QImage> QtPictureLoader::load(const QString &path) { return imageOf(loadFor(path, {})); }

Outcome<LoadedPicture> QtPictureLoader::loadFor(const QString &path, const LoadHint &hint)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return notAPicture({}, path);
    if (file.size() > kMaxFileBytes)
        return fileTooLarge(path, kMaxFileBytes);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return notAPicture({}, path);
    return loadBytes(bytes, hint, path);
}

Outcome<QImage> QtPictureLoader::loadFromBytes(const QByteArray &bytes) { return imageOf(loadFromBytesFor(bytes, {})); }

Outcome<LoadedPicture> QtPictureLoader::loadFromBytesFor(const QByteArray &bytes, const LoadHint &hint)
{
    return loadBytes(bytes, hint, {});
}
