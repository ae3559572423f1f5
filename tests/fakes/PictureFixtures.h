#pragma once

// Picture files built byte by byte by the tests themselves.

#include <QByteArray>
#include <initializer_list>

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

// A metafile of 1440 x 720 logical units with a black-filled rectangle from (360, 180) to
// (1080, 540); with the placeable header at 1440 units per inch it is 96 x 48 screen pixels
// and the rectangle covers pixels 24..71 x 12..35.
QByteArray metafile(bool placeable, int right = 1440, int bottom = 720, int inch = 1440);

// A photo-like picture of the given size (smooth shading with a few sharp edges), written
// by Qt in the given format.
QByteArray photoFile(int width, int height, const char *format = "JPEG");
