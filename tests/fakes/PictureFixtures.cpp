#include "fakes/PictureFixtures.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

QByteArray metafile(bool placeable, int right, int bottom, int inch)
{
    Bytes records;
    records.u32(5).u16(0x020B).u16(0).u16(0);                        // window origin (y, x)
    records.u32(5).u16(0x020C).u16(720).u16(1440);                   // window extent (cy, cx)
    records.u32(7).u16(0x02FC).u16(0).u32(0).u16(0);                 // solid black brush
    records.u32(4).u16(0x012D).u16(0);                               // select it
    records.u32(7).u16(0x041B).u16(540).u16(1080).u16(180).u16(360); // rectangle (b, r, t, l)
    records.u32(3).u16(0);                                           // end of file
    Bytes b;
    if (placeable) {
        b.u32(0x9AC6CDD7).u16(0).u16(0).u16(0).u16(right).u16(bottom).u16(inch).u32(0);
        quint16 sum = 0;
        for (int i = 0; i < 20; i += 2)
            sum ^= quint16(quint8(b.data[i]) | quint8(b.data[i + 1]) << 8);
        b.u16(sum);
    }
    b.u16(1).u16(9).u16(0x0300).u32(9 + records.data.size() / 2).u16(1).u32(7).u16(0);
    b.data.append(records.data);
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
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(90);
    writer.write(image);
    return buffer.data();
}
