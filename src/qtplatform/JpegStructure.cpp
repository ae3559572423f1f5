#include "qtplatform/JpegStructure.h"

#include <algorithm>

QSize jpegScaledSize(QSize full, QSize cover)
{
    if (cover.isEmpty())
        return {};
    for (int divisor : {8, 4, 2}) {
        const QSize reduced(full.width() / divisor, full.height() / divisor);
        if (reduced.width() >= cover.width() && reduced.height() >= cover.height())
            return reduced;
    }
    return {};
}

namespace {

quint8 byteAt(const QByteArray &bytes, qsizetype i) { return quint8(bytes[i]); }

// The next marker at or after i: its code, and where what follows it begins; -1 when the
// data ends first. FF 00 (a stuffed FF in compressed data) and the restart markers FF D0..D7
// are no markers here.
qsizetype nextMarker(const QByteArray &bytes, qsizetype i, quint8 &marker)
{
    while (true) {
        i = bytes.indexOf('\xff', i);
        if (i < 0)
            return -1;
        while (i < bytes.size() && byteAt(bytes, i) == 0xFF)
            ++i; // fill bytes
        if (i >= bytes.size())
            return -1;
        marker = byteAt(bytes, i++);
        if (marker != 0x00 && marker != 0x01 && (marker < 0xD0 || marker > 0xD7))
            return i;
    }
}

// The segment behind a marker, from its length (which counts itself) on; -1 when cut.
qsizetype segmentEnd(const QByteArray &bytes, qsizetype i)
{
    if (i + 2 > bytes.size())
        return -1;
    return i + std::max(2, byteAt(bytes, i) << 8 | byteAt(bytes, i + 1));
}

// C0..CF but for C4 (Huffman tables), C8 (reserved) and CC (arithmetic conditioning).
bool isStartOfFrame(quint8 marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

} // namespace

// The walk goes from marker to marker: segments are skipped by their length (so an end marker
// inside an embedded thumbnail does not count).
bool jpegCutShort(const QByteArray &bytes)
{
    qsizetype i = 2; // behind the start-of-image marker
    while (true) {
        quint8 marker = 0;
        i = nextMarker(bytes, i, marker);
        if (i < 0)
            return true;
        if (marker == 0xD9)
            return false;
        if ((i = segmentEnd(bytes, i)) < 0)
            return true;
    }
}

namespace {

// libjpeg keeps every coefficient of a component, 64 of 2 bytes a block, in blocks rounded up
// to its sampling factors. `frame`: the frame header's content (precision, height, width, the
// number of components, then 3 bytes each: identifier, sampling factors, table).
qint64 coefficientBytes(const QByteArray &frame)
{
    const int components = byteAt(frame, 5);
    const qint64 height = byteAt(frame, 1) << 8 | byteAt(frame, 2), width = byteAt(frame, 3) << 8 | byteAt(frame, 4);
    // A component's horizontal and vertical sampling factors, in the high and low nibble.
    const auto factors = [&frame](int c) {
        return std::pair{byteAt(frame, 7 + 3 * c) >> 4, byteAt(frame, 7 + 3 * c) & 15};
    };
    int mostH = 1, mostV = 1;
    for (int c = 0; c < components; ++c) {
        mostH = std::max(mostH, factors(c).first);
        mostV = std::max(mostV, factors(c).second);
    }
    const auto blocks = [](qint64 length, int factor, int most) {
        const qint64 inBlocks = (length * factor + most * 8 - 1) / (most * 8);
        return (inBlocks + factor - 1) / std::max(factor, 1) * factor;
    };
    qint64 total = 0;
    for (int c = 0; c < components; ++c)
        total += blocks(width, factors(c).first, mostH) * blocks(height, factors(c).second, mostV) * 128;
    return total;
}

} // namespace

// libjpeg keeps all coefficients whenever one pass over the data cannot decode it: a
// progressive JPEG (frame markers C2, C6, CA, CE), or a first scan that holds fewer
// components than the frame.
qint64 jpegCoefficientBytes(const QByteArray &bytes)
{
    qsizetype i = 2;
    QByteArray frame;
    bool progressive = false;
    while (true) {
        quint8 marker = 0;
        if ((i = nextMarker(bytes, i, marker)) < 0 || marker == 0xD9)
            return 0;
        const qsizetype end = segmentEnd(bytes, i);
        if (end < 0 || end > bytes.size())
            return 0;
        if (isStartOfFrame(marker)) {
            frame = bytes.mid(i + 2, end - i - 2);
            progressive = (marker & 0x03) == 0x02;
        } else if (marker == 0xDA) {
            const int components = frame.size() >= 6 ? byteAt(frame, 5) : 0;
            if (frame.size() < 6 + 3 * components || components == 0 || end < i + 3)
                return 0;
            return progressive || byteAt(bytes, i + 2) < components ? coefficientBytes(frame) : 0;
        }
        i = end;
    }
}
