#pragma once

// Picture files built by the tests themselves: calculator pictures through the codec, the
// other kinds byte by byte.

#include "document/Picture89i.h"

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <initializer_list>
#include <string>

// What a test's calculator picture stores besides its pixels.
struct PictureTexts
{
    std::string folder = "main";
    std::string name = "pic";
    std::string comment = {};
    CalcKind kind = CalcKind::TI89;
};

// A whole calculator picture file of width x height, white but for the given black pixels,
// as the editor writes it.
QByteArray pictureFile(int width, int height, std::initializer_list<QPoint> black = {}, const PictureTexts &texts = {});

// Little-endian byte builder for hand-made picture files.
struct Bytes
{
    QByteArray data;
    Bytes &u8(int v)
    {
        data.append(char(v & 0xFF));
        return *this;
    }
    Bytes &u16(int v) { return u8(v).u8(v >> 8); }
    Bytes &u32(quint32 v) { return u16(int(v & 0xFFFF)).u16(int(v >> 16)); }
    Bytes &raw(std::initializer_list<int> values)
    {
        for (int v : values)
            u8(v);
        return *this;
    }
};

// A calculator picture file of any size up to 32767 x 32767, all black: header, rows, tag and
// a checksum left 0 (the reader looks at none of them but the size and the rows), so that it
// can claim more pixel data than the format holds.
QByteArray blackPictureFile(int width, int height);

// A metafile of 1440 x 720 logical units with a black-filled rectangle from (360, 180) to
// (1080, 540); with the placeable header at 1440 units per inch it is 96 x 48 screen pixels
// and the rectangle covers pixels 24..71 x 12..35.
QByteArray metafile(bool placeable, int right = 1440, int bottom = 720, int inch = 1440);

// The image as Qt writes it in the given format, at the given quality (-1: the format's
// default), progressive where the format has such a kind (JPEG); none when Qt cannot write it.
QByteArray imageFile(const QImage &image, const char *format = "PNG", int quality = -1, bool progressive = false);

// The image as a PNG whose header claims width x height (its checksum made right), so that a
// reader believes the claim until it reads the pixels.
QByteArray pngClaiming(const QImage &image, int width, int height);

// A photo-like picture of the given size (smooth shading with a few sharp edges), written
// by Qt in the given format.
QByteArray photoFile(int width, int height, const char *format = "JPEG");

// The placeable 96 x 48 metafile above with one record carrying an all-black bitmap of the
// given size (24 bits per pixel, its header of 40 or 12 bytes, claiming `colours` colours in its
// table, though it has none) drawn over the whole window:
// SetDIBitsToDevice 0x0D33, DIBBitBlt 0x0940, DIBStretchBlt 0x0B41, StretchDIBits 0x0F43, or
// DIBCreatePatternBrush 0x0142. A bitmap of more than 4096 pixels gets its header only.
QByteArray metafileWithBitmap(quint16 function, int width, int height, int headerSize = 40, quint32 colours = 0);

// The placeable 96 x 48 metafile above with the given records, which set the window and end
// with the end record; the header's largest record as given.
QByteArray placeableMetafile(const QByteArray &records, quint32 largestRecord);

// A placeable metafile with the given box (its corners as they are stored: left, top, right,
// bottom) at `inch` units per inch, filling one black rectangle given the same way, with no
// window records.
QByteArray placeableRectangle(QRect box, int inch, QRect rectangle);

// A bottom-up two-colour BMP (palette: 0 black, 1 white) with run-length-encoded rows:
// bitsPerPixel 8 (RLE8) or 4 (RLE4).
QByteArray rleBitmap(int width, int height, int bitsPerPixel, const QByteArray &rle);
// 6 x 2. Bottom row (stored first): literal 0 1 1 0, a run of two 1s; top row: six 0s.
QByteArray rle8();
// 6 x 2. Bottom row: literal 1 1 0 0, a run of 1 1; top row: 0 1 0 1 0 1 from one run.
QByteArray rle4();
// 2 x 2 GIF, palette black and white, pixels 0 1 / 1 0; with a larger size its screen and
// frame claim that size over the same four pixels.
QByteArray gif(int width = 2, int height = 2);
