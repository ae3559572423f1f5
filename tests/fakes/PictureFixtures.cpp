#include "fakes/PictureFixtures.h"

#include "calc/ByteConversions.h"
#include "document/RecoveryCopy.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include <cstdlib>

namespace {

// The placeable header: key, box (left, top, right, bottom) in logical units, units per inch,
// and the checksum of its first ten words.
QByteArray placeableHeader(int left, int top, int right, int bottom, int inch)
{
    Bytes b;
    b.u32(0x9AC6CDD7).u16(0).u16(left).u16(top).u16(right).u16(bottom).u16(inch).u32(0);
    quint16 sum = 0;
    for (int i = 0; i < 20; i += 2)
        sum ^= quint16(quint8(b.data[i]) | quint8(b.data[i + 1]) << 8);
    return b.u16(sum).data;
}

// The metafile header and the records, which end with the end-of-file record.
QByteArray metafileOf(const QByteArray &records, quint32 largestRecord = 7)
{
    Bytes b;
    b.u16(1).u16(9).u16(0x0300).u32(9 + records.size() / 2).u16(1).u32(largestRecord).u16(0);
    b.data.append(records);
    return b.data;
}

// A solid black brush, selected, and a rectangle filled with it.
Bytes &blackRectangle(Bytes &records, int left, int top, int right, int bottom)
{
    records.u32(7).u16(0x02FC).u16(0).u32(0).u16(0);                     // solid black brush
    records.u32(4).u16(0x012D).u16(0);                                   // select it
    return records.u32(7).u16(0x041B).u16(bottom).u16(right).u16(top).u16(left); // rectangle
}

} // namespace

QByteArray pictureFile(int width, int height, std::initializer_list<QPoint> black, const PictureTexts &texts)
{
    PixelGrid pixels(width, height);
    for (QPoint at : black)
        pixels.set(at.x(), at.y(), true);
    return asByteArray(encode89i(texts.folder, texts.name, texts.comment, width, height, pixels, texts.kind).bytes);
}

QByteArray blackPictureFile(int width, int height)
{
    QByteArray file(92, '\0');
    file.replace(0, 8, "**TI89**");
    file.replace(10, 4, "main");
    file.replace(64, 3, "big");
    file[72] = 0x10;
    const auto be16 = [&file](int at, int value) {
        file[at] = char(value >> 8);
        file[at + 1] = char(value & 0xFF);
    };
    const qsizetype rows = qsizetype(bytesPerRow(width)) * height;
    be16(86, int((rows + 5) & 0xFFFF));
    be16(88, height);
    be16(90, width);
    return file + QByteArray(rows, char(0xFF)) + QByteArray("\xDF\0\0", 3);
}

QByteArray metafile(bool placeable, int right, int bottom, int inch)
{
    Bytes records;
    records.u32(5).u16(0x020B).u16(0).u16(0);      // window origin (y, x)
    records.u32(5).u16(0x020C).u16(720).u16(1440); // window extent (cy, cx)
    blackRectangle(records, 360, 180, 1080, 540).u32(3).u16(0);
    return (placeable ? placeableHeader(0, 0, right, bottom, inch) : QByteArray()) + metafileOf(records.data);
}

QByteArray metafileWithBitmap(quint16 function, int width, int height, int headerSize, quint32 colours)
{
    // An all-black bitmap of 24 bits per pixel, its rows padded to whole dwords; only the
    // header for a size too large to hold.
    Bytes dib;
    if (headerSize == 12)
        dib.u32(12).u16(width).u16(height).u16(1).u16(24);
    else
        dib.u32(40).u32(quint32(width)).u32(quint32(height)).u16(1).u16(24).u32(0).u32(0).u32(0).u32(0).u32(colours).u32(0);
    const qint64 pixels = qint64(std::abs(width)) * std::abs(height);
    dib.data.append(pixels <= 4096 ? QByteArray(std::abs(height) * ((std::abs(width) * 3 + 3) / 4 * 4), '\0')
                                   : QByteArray(64, '\0'));
    // The parameters before the bitmap, destination the whole 1440 x 720 window.
    const quint32 copy = 0x00CC0020;
    const int w = std::abs(width) & 0x7FFF, h = std::abs(height) & 0x7FFF;
    Bytes params;
    switch (function) {
    case 0x0D33: params.u16(0).u16(h).u16(0).u16(0).u16(0).u16(h).u16(w).u16(0).u16(0); break;
    case 0x0940: params.u32(copy).u16(0).u16(0).u16(720).u16(1440).u16(0).u16(0); break;
    case 0x0B41: params.u32(copy).u16(h).u16(w).u16(0).u16(0).u16(720).u16(1440).u16(0).u16(0); break;
    case 0x0F43: params.u32(copy).u16(0).u16(h).u16(w).u16(0).u16(0).u16(720).u16(1440).u16(0).u16(0); break;
    case 0x0142: params.u16(5).u16(0); break;
    }
    params.data.append(dib.data);
    Bytes records;
    records.u32(5).u16(0x020B).u16(0).u16(0);      // window origin (y, x)
    records.u32(5).u16(0x020C).u16(720).u16(1440); // window extent (cy, cx)
    const quint32 words = 3 + quint32(params.data.size() / 2);
    records.u32(words).u16(function);
    records.data.append(params.data);
    records.u32(3).u16(0);
    return placeableHeader(0, 0, 1440, 720, 1440) + metafileOf(records.data, words);
}

QByteArray placeableMetafile(const QByteArray &records, quint32 largestRecord)
{
    return placeableHeader(0, 0, 1440, 720, 1440) + metafileOf(records, largestRecord);
}

QByteArray placeableRectangle(QRect box, int inch, QRect rectangle)
{
    Bytes records;
    blackRectangle(records, rectangle.left(), rectangle.top(), rectangle.right(), rectangle.bottom()).u32(3).u16(0);
    return placeableHeader(box.left(), box.top(), box.right(), box.bottom(), inch) + metafileOf(records.data);
}

QByteArray rleBitmap(int width, int height, int bitsPerPixel, const QByteArray &rle)
{
    const int offset = 14 + 40 + 2 * 4;
    Bytes b;
    b.raw({'B', 'M'}).u32(offset + rle.size()).u16(0).u16(0).u32(offset);
    b.u32(40).u32(width).u32(height).u16(1).u16(bitsPerPixel);
    b.u32(bitsPerPixel == 8 ? 1 : 2).u32(rle.size()).u32(2835).u32(2835).u32(2).u32(0);
    b.raw({0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0});
    b.data.append(rle);
    return b.data;
}

QByteArray rle8()
{
    return rleBitmap(6, 2, 8, Bytes().raw({0, 4, 0, 1, 1, 0, 2, 1, 0, 0, 6, 0, 0, 1}).data);
}

QByteArray rle4()
{
    return rleBitmap(6, 2, 4, Bytes().raw({0, 4, 0x11, 0x00, 2, 0x11, 0, 0, 6, 0x01, 0, 1}).data);
}

// LZW coded by hand: clear, the four literals (the fifth code already four bits wide) and
// the end code.
QByteArray gif(int width, int height)
{
    Bytes b;
    b.raw({'G', 'I', 'F', '8', '9', 'a'}).u16(width).u16(height).raw({0x80, 0, 0});
    b.raw({0, 0, 0, 0xFF, 0xFF, 0xFF});
    b.u8(0x2C).u16(0).u16(0).u16(width).u16(height).u8(0);
    b.raw({2, 3, 0x44, 0x02, 0x05, 0, 0x3B});
    return b.data;
}

QByteArray photoFile(int width, int height, const char *format)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int band = (x / 97 + y / 61) % 3;
            line[x] = qRgb((x * 255) / width, (y * 255) / height, band * 120);
        }
    }
    return imageFile(image, format, 90);
}

QByteArray imageFile(const QImage &image, const char *format, int quality, bool progressive)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(progressive);
    return writer.write(image) ? buffer.data() : QByteArray();
}

QByteArray pngClaiming(const QImage &image, int width, int height)
{
    QByteArray png = imageFile(image, "PNG");
    const auto putBig = [&png](int offset, quint32 v) {
        for (int i = 0; i < 4; ++i)
            png[offset + i] = char(v >> (24 - 8 * i));
    };
    putBig(16, quint32(width));
    putBig(20, quint32(height));
    // The header chunk's checksum covers its type and content: 17 bytes from offset 12.
    putBig(29, crc32Of({reinterpret_cast<const uint8_t *>(png.constData()) + 12, 17}));
    return png;
}
