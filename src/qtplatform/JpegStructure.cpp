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

// The walk goes from marker to marker: segments are skipped by their length (so an end marker
// inside an embedded thumbnail does not count), and in the compressed data FF 00 (a
// stuffed FF) and the restart markers FF D0..D7 are not markers that end it.
bool jpegCutShort(const QByteArray &bytes)
{
    const auto at = [&bytes](qsizetype i) { return quint8(bytes[i]); };
    qsizetype i = 2; // behind the start-of-image marker
    while (true) {
        i = bytes.indexOf('\xff', i);
        if (i < 0)
            return true;
        while (i < bytes.size() && at(i) == 0xFF)
            ++i; // fill bytes
        if (i >= bytes.size())
            return true;
        const quint8 marker = at(i++);
        if (marker == 0xD9)
            return false;
        if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue; // no length follows
        if (i + 2 > bytes.size())
            return true;
        i += std::max(2, at(i) << 8 | at(i + 1));
    }
}
