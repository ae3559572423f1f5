#include "qtplatform/MetafileReader.h"

#include "qtplatform/PictureLimits.h"
#include "qtplatform/QtPictureLoader.h"

#include <QCoreApplication>

#if DOTLARK_WMF
#include <libwmf/api.h>
#include <libwmf/gd.h>
#endif

#include <cstdlib>
#include <cstring>

namespace {

// The context of these words in the translations.
class MetafileText
{
    Q_DECLARE_TR_FUNCTIONS(MetafileReader)
};

quint16 word(const QByteArray &bytes, qsizetype offset)
{
    return quint16(quint8(bytes[offset]) | quint8(bytes[offset + 1]) << 8);
}

quint32 dword(const QByteArray &bytes, qsizetype offset)
{
    return word(bytes, offset) | quint32(word(bytes, offset + 2)) << 16;
}

bool hasPlaceableKey(const QByteArray &bytes)
{
    return bytes.size() >= 4 && dword(bytes, 0) == 0x9AC6CDD7;
}

#if DOTLARK_WMF
// The frame of a placeable metafile in libwmf's device units (points, 72 per inch), from
// the header: bounding box left, top, right, bottom (signed words at 6, 8, 10, 12) in
// logical units, and logical units per inch (word at 14). It assumes the records put the
// window origin on the box's top-left corner, as placeable files do. Nothing without a
// placeable header; refused with one that gives no frame.
Outcome<std::optional<wmfD_Rect>> placeableFrame(const QByteArray &bytes)
{
    if (!hasPlaceableKey(bytes))
        return std::optional<wmfD_Rect>();
    if (bytes.size() < 22)
        return notAPicture(MetafileText::tr("the metafile's placeable header is cut short"));
    const auto signedWord = [&](qsizetype offset) { return int(qint16(word(bytes, offset))); };
    const int width = std::abs(signedWord(10) - signedWord(6));
    const int height = std::abs(signedWord(12) - signedWord(8));
    const int inch = word(bytes, 14);
    if (width == 0 || height == 0)
        return notAPicture(MetafileText::tr("the metafile's placeable header gives an empty frame of %1 x %2 units")
                           .arg(width).arg(height));
    if (inch == 0)
        return notAPicture(MetafileText::tr("the metafile's placeable header gives 0 units per inch"));
    wmfD_Rect frame;
    frame.TL = {0, 0};
    frame.BR = {float(width * 72.0 / inch), float(height * 72.0 / inch)};
    return std::optional<wmfD_Rect>(frame);
}

#endif

// A metafile starts either with the placeable header (key 0x9AC6CDD7 at offset 0) or
// directly with the metafile header: type 1 (memory) or 2 (disk) at offset 0, header size
// 9 words at 2, version 0x0100 or 0x0300 at 4.
bool isMetafile(const QByteArray &bytes)
{
    if (hasPlaceableKey(bytes))
        return true;
    if (bytes.size() < 18)
        return false;
    const quint16 type = word(bytes, 0), headerWords = word(bytes, 2), version = word(bytes, 4);
    return (type == 1 || type == 2) && headerWords == 9 && (version == 0x0100 || version == 0x0300);
}

#if DOTLARK_WMF
// Where the metafile header starts: behind the placeable header of 22 bytes, when there is one.
qsizetype headerStart(const QByteArray &bytes)
{
    return hasPlaceableKey(bytes) ? 22 : 0;
}

// The metafile header (behind the placeable one, when there is one) holds the size of the
// largest record in words at offset 12. libwmf reserves that much before playing, so a
// claim beyond the file itself, where no record can be, is refused rather than reserved.
bool largestRecordFits(const QByteArray &bytes)
{
    const qsizetype header = headerStart(bytes);
    return bytes.size() >= header + 16 && qint64(dword(bytes, header + 12)) * 2 <= bytes.size() - header;
}

// Where the device-independent bitmap starts in the parameters of the records that carry one
// (SetDIBitsToDevice, DIBBitBlt, DIBStretchBlt, StretchDIBits, DIBCreatePatternBrush); -1 for
// any other record.
qsizetype bitmapOffset(quint16 function)
{
    switch (function) {
    case 0x0D33: return 18;
    case 0x0940: return 16;
    case 0x0B41: return 20;
    case 0x0F43: return 22;
    case 0x0142: return 4;
    default: return -1;
    }
}

// libwmf reserves a bitmap's whole size and its whole colour table, as the bitmap's header
// claims them, before reading either: a few bytes claiming 30000 x 30000 pixels made it ask for
// 2.7 GB, a claim of 4 billion colours for 16 GB; and it reads a header of 0 to 39 bytes
// (other than the old one of 12) for ever. Every bitmap the records carry must have a header
// of 12 bytes, or of 40 or more within the file, a size within the pixel limit and a colour
// table that fits in the file. The header is read wherever the record at `record` says it
// starts, even past the record's end, as libwmf would read it.
QString bitmapProblem(const QByteArray &bytes, qsizetype record, quint32 words, quint16 function)
{
    // DIBBitBlt and DIBStretchBlt records of three words more than the high byte of their
    // function (9 and 11 parameters) carry no bitmap: they fill with the brush.
    const bool bitmapless = (function == 0x0940 || function == 0x0B41) && words == (function >> 8) + 3u;
    const qsizetype offset = bitmapless ? -1 : bitmapOffset(function);
    const qsizetype header = record + 6 + offset;
    if (offset < 0 || header + 12 > bytes.size())
        return {};
    qint64 width = 0, height = 0, colours = 0;
    const qint64 headerSize = dword(bytes, header);
    if (headerSize == 12) { // the old core header: unsigned words, no colour count
        width = word(bytes, header + 4);
        height = word(bytes, header + 6);
    } else if (headerSize >= 40 && headerSize <= bytes.size() - header) {
        width = std::abs(qint64(qint32(dword(bytes, header + 4))));
        height = std::abs(qint64(qint32(dword(bytes, header + 8))));
        colours = dword(bytes, header + 32);
    } else { // libwmf read a header of 13 to 39 bytes, or none, without end
        return MetafileText::tr("the metafile holds a bitmap whose header of %1 bytes is not one of a bitmap")
            .arg(headerSize);
    }
    if (width * height > QtPictureLoader::kMaxMetafilePixels)
        return MetafileText::tr("the metafile holds a bitmap of %1 x %2 pixels, more than the %3 pixels read at most")
            .arg(width).arg(height).arg(QtPictureLoader::kMaxMetafilePixels);
    if (4 * colours > bytes.size() - header)
        return MetafileText::tr("the metafile holds a bitmap whose colour table of %1 colours is larger than the file")
            .arg(colours);
    return {};
}

// The records that select or delete an object (a pen, brush, font, palette or region) by its
// number in the table whose size the header gives (word at 10); libwmf refuses a number
// beyond it.
bool usesObject(quint16 function)
{
    return function == 0x012D || function == 0x01F0 || function == 0x0234;
}

// What libwmf would stumble on in the records, in the order it reads them: a record larger
// than the header's largest one, an object number beyond the header's table, a bitmap it
// must not be handed, a record too short or cut off, no end record. Empty when none.
QString recordProblem(const QByteArray &bytes)
{
    const qsizetype start = headerStart(bytes);
    if (bytes.size() < start + 18)
        return {};
    const quint32 largest = dword(bytes, start + 12);
    const quint16 objects = word(bytes, start + 10);
    qsizetype record = start + 2 * qsizetype(word(bytes, start + 2));
    while (record + 6 <= bytes.size()) {
        const quint32 words = dword(bytes, record);
        const quint16 function = word(bytes, record + 4);
        if (words > largest)
            return MetafileText::tr("the metafile's record at byte %1 is of %2 words, larger than the %3 its header allows")
                .arg(record).arg(words).arg(largest);
        if (usesObject(function) && words > 3 && record + 8 <= bytes.size() && word(bytes, record + 6) >= objects)
            return MetafileText::tr("the metafile's record at byte %1 uses object %2 of a table of %3")
                .arg(record).arg(word(bytes, record + 6)).arg(objects);
        if (const QString bitmap = bitmapProblem(bytes, record, words, function); !bitmap.isEmpty())
            return bitmap;
        if (words < 3)
            return MetafileText::tr("the metafile's record at byte %1 is of %2 words, too short to be a record")
                .arg(record).arg(words);
        if (record + 2 * qint64(words) > bytes.size())
            return MetafileText::tr("the metafile ends in the middle of its record at byte %1").arg(record);
        if (function == 0)
            return {}; // the end record
        record += 2 * qsizetype(words);
    }
    return MetafileText::tr("the metafile ends without its end record");
}

// libwmf fills a shape point by point and clips each point on its own, so a shape reaching far
// beyond the picture costs time for every point outside it: a placeable header whose frame
// is a sliver of what the records draw kept it filling for minutes. What the records draw,
// at the picture's scale, may cover a few times the pixel limit at most.
bool drawingNearFrame(const wmfD_Rect &drawn, const wmfD_Rect &frame, unsigned width, unsigned height)
{
    const double frameWidth = frame.BR.x - frame.TL.x, frameHeight = frame.BR.y - frame.TL.y;
    if (frameWidth <= 0 || frameHeight <= 0)
        return false;
    const double drawnPixels = double(drawn.BR.x - drawn.TL.x) * width / frameWidth
                               * (double(drawn.BR.y - drawn.TL.y) * height / frameHeight);
    return drawnPixels <= 16.0 * QtPictureLoader::kMaxMetafilePixels;
}

// A metafile leaves unpainted what it does not draw; like a picture box showing it, the
// loaded picture has white there (translucent edges are blended onto white).
QImage onWhite(const QImage &picture)
{
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int a = qAlpha(line[x]);
            const auto blend = [a](int c) { return (c * a + 255 * (255 - a) + 127) / 255; };
            line[x] = qRgb(blend(qRed(line[x])), blend(qGreen(line[x])), blend(qBlue(line[x])));
        }
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

// The PNG that libwmf's gd device writes at the end of the play, collected in memory.
int appendToBuffer(void *context, char *data, int length)
{
    static_cast<QByteArray *>(context)->append(data, length);
    return length;
}

// Owns one libwmf player; destroying it frees everything libwmf allocated for the file.
class WmfPlayer
{
public:
    WmfPlayer()
    {
        wmfAPI_Options options;
        std::memset(&options, 0, sizeof options);
        options.function = wmf_gd_function;
        const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR
                                    | WMF_OPT_NO_DEBUG;
        if (wmf_api_create(&m_api, flags, &options) != wmf_E_None) {
            if (m_api)
                wmf_api_destroy(m_api);
            m_api = nullptr;
        }
    }
    ~WmfPlayer()
    {
        if (m_api)
            wmf_api_destroy(m_api);
    }
    WmfPlayer(const WmfPlayer &) = delete;
    WmfPlayer &operator=(const WmfPlayer &) = delete;

    // Plays the metafile into a PNG of its size at screen resolution, or tells why not.
    Outcome<QImage> render(QByteArray bytes);

private:
    Outcome<QImage> play(wmfD_Rect frame, unsigned width, unsigned height);

    wmfAPI *m_api = nullptr;
};

// Why libwmf stopped, in the user's words.
QString libwmfProblem(wmf_error_t error)
{
    switch (error) {
    case wmf_E_InsMem: return MetafileText::tr("there is not enough memory to draw the metafile");
    case wmf_E_BadFile: return MetafileText::tr("the metafile reader cannot read it");
    case wmf_E_BadFormat: return MetafileText::tr("the metafile's records are damaged");
    case wmf_E_EOF: return MetafileText::tr("the metafile ends in the middle of a record");
    case wmf_E_DeviceError: return MetafileText::tr("the metafile's picture cannot be drawn");
    default: return MetafileText::tr("the metafile reader failed on it (libwmf error %1)").arg(int(error));
    }
}

// What libwmf must not be handed, found in the bytes before it reads them; empty when none.
QString unplayable(const QByteArray &bytes)
{
    // libwmf reads a metafile header only when it gives its own size as 9 words.
    const qsizetype header = headerStart(bytes);
    if (bytes.size() >= header + 4 && word(bytes, header + 2) != 9)
        return MetafileText::tr("the metafile's header gives its size as %1 words, not 9").arg(word(bytes, header + 2));
    if (!largestRecordFits(bytes))
        return MetafileText::tr("the metafile's header claims a record larger than the file");
    return recordProblem(bytes);
}

Outcome<QImage> WmfPlayer::render(QByteArray bytes)
{
    if (!m_api)
        return notAPicture(MetafileText::tr("the metafile reader cannot be started"));
    const Outcome<std::optional<wmfD_Rect>> frameRead = placeableFrame(bytes);
    if (!frameRead)
        return frameRead.failure();
    const std::optional<wmfD_Rect> placeable = *frameRead;
    if (const QString why = unplayable(bytes); !why.isEmpty())
        return notAPicture(why);
    auto *data = reinterpret_cast<unsigned char *>(bytes.data());
    wmfD_Rect drawn;
    if (wmf_mem_open(m_api, data, long(bytes.size())) != wmf_E_None
        || wmf_scan(m_api, 0, &drawn) != wmf_E_None)
        return notAPicture(libwmfProblem(m_api->err));
    // The picture covers the placeable header's frame, or else what the records draw.
    const wmfD_Rect frame = placeable ? *placeable : drawn;
    unsigned int width = 0, height = 0;
    const double dpi = QtPictureLoader::kScreenDpi;
    if (wmf_display_size(m_api, &width, &height, dpi, dpi) != wmf_E_None)
        return notAPicture(libwmfProblem(m_api->err));
    if (width == 0 || height == 0)
        return notAPicture(MetafileText::tr("the metafile's picture is %1 x %2 pixels: it has no size").arg(width).arg(height));
    if (!sizeAcceptable(width, height, QtPictureLoader::kMaxMetafilePixels))
        return notAPicture(tooLarge(width, height, QtPictureLoader::kMaxMetafilePixels));
    if (!drawingNearFrame(drawn, frame, width, height))
        return notAPicture(MetafileText::tr("the metafile draws far beyond its picture"));
    return play(frame, width, height);
}

Outcome<QImage> WmfPlayer::play(wmfD_Rect frame, unsigned width, unsigned height)
{
    wmf_gd_t *device = WMF_GD_GetData(m_api);
    if (!(device->flags & WMF_GD_SUPPORTS_PNG))
        return notAPicture(MetafileText::tr("the metafile reader cannot draw into a picture here (libwmf has no PNG output)"));
    QByteArray png;
    device->type = wmf_gd_png;
    device->flags |= WMF_GD_OUTPUT_MEMORY | WMF_GD_OWN_BUFFER; // hand the PNG to our sink
    device->sink.context = &png;
    device->sink.function = appendToBuffer;
    device->bbox = frame;
    device->width = width;
    device->height = height;
    if (wmf_play(m_api, 0, &frame) != wmf_E_None)
        return notAPicture(libwmfProblem(m_api->err));
    QImage image;
    if (!image.loadFromData(png, "PNG") || image.isNull())
        return notAPicture(MetafileText::tr("the metafile reader gave no picture of %1 x %2 pixels").arg(width).arg(height));
    return onWhite(image);
}

#endif

} // namespace

bool MetafileReader::recognises(const QByteArray &bytes) { return isMetafile(bytes); }

#if DOTLARK_WMF
Outcome<QImage> MetafileReader::read(const QByteArray &bytes) { return WmfPlayer().render(bytes); }
#else
Outcome<QImage> MetafileReader::read(const QByteArray &)
{
    return notAPicture(MetafileText::tr("this build of DOTLARK reads no metafiles (it was made without libwmf)"));
}
#endif
