#include "qtplatform/NetpbmReader.h"

#include <QCoreApplication>

namespace {

// The context of the reader's reasons in the translations.
class NetpbmText
{
    Q_DECLARE_TR_FUNCTIONS(NetpbmReader)
};

// Thrown inside the reader only; read() turns it into the refusal's reason.
struct Refusal
{
    QString problem;
};

[[noreturn]] void refuse(const QString &problem) { throw Refusal{problem}; }

[[noreturn]] void refuseEndInRow(int row, int height)
{
    refuse(NetpbmText::tr("the picture data is cut short (it ends in row %1 of %2)").arg(row + 1).arg(height));
}

// White space as netpbm counts it: blank, tab, line feed, vertical tab, form feed, return.
bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A number of the file, as the refusals name it.
struct Field
{
    enum Kind { Width, Height, Maxval, Sample } kind;
    int row = 0; // a sample's, from 0

    QString name() const
    {
        switch (kind) {
        case Width: return NetpbmText::tr("the width");
        case Height: return NetpbmText::tr("the height");
        case Maxval: return NetpbmText::tr("the maxval");
        case Sample: break;
        }
        return NetpbmText::tr("a sample in row %1").arg(row + 1);
    }
};

// Position in the file's bytes, with the comment-aware reading the header and the plain
// samples share.
class Cursor
{
public:
    explicit Cursor(const QByteArray &bytes) : m_bytes(bytes) {}

    bool atEnd() const { return m_at >= m_bytes.size(); }
    qint64 remaining() const { return m_bytes.size() - m_at; }
    char peek() const { return m_bytes[m_at]; }
    char take() { return m_bytes[m_at++]; }
    const uchar *here() const { return reinterpret_cast<const uchar *>(m_bytes.constData()) + m_at; }
    void skip(qint64 count) { m_at += count; }

    // A comment runs from '#' up to and including the end of its line (or of the file).
    void skipComment()
    {
        while (!atEnd()) {
            const char c = take();
            if (c == '\n' || c == '\r')
                return;
        }
    }
    void skipBlanksAndComments()
    {
        while (!atEnd()) {
            if (peek() == '#')
                skipComment();
            else if (isBlank(peek()))
                ++m_at;
            else
                return;
        }
    }

    // An unsigned decimal number after blanks and comments, ended by a blank, a comment or the
    // end of the file. `what` names it in the refusals, worded only when one is made (a plain
    // file's every sample is read through here).
    qint64 number(const Field &what, qint64 limit)
    {
        skipBlanksAndComments();
        if (atEnd())
            refuse(NetpbmText::tr("the file ends before %1").arg(what.name()));
        if (!isDigit(peek()))
            refuse(NetpbmText::tr("%1 is not a number").arg(what.name()));
        qint64 value = 0;
        while (!atEnd() && isDigit(peek())) {
            value = value * 10 + (take() - '0');
            if (value > limit)
                refuse(NetpbmText::tr("%1 is larger than %2").arg(what.name()).arg(limit));
        }
        if (!atEnd() && !isBlank(peek()) && peek() != '#')
            refuse(NetpbmText::tr("%1 is followed by '%2' instead of a blank").arg(what.name(), QChar(peek())));
        return value;
    }

private:
    const QByteArray &m_bytes;
    qint64 m_at = 0;
};

struct Header
{
    char format = '1'; // the digit of the magic
    int width = 0, height = 0;
    int maxval = 1;
    bool plain() const { return format <= '3'; }
    bool bitmap() const { return format == '1' || format == '4'; }
    int channels() const { return format == '3' || format == '6' ? 3 : 1; }
    int rawSampleBytes() const { return maxval < 256 ? 1 : 2; }
    qint64 samples() const { return qint64(width) * height * channels(); }
    // What the samples occupy at least: raw ones exactly, plain ones one character each.
    qint64 leastDataBytes() const
    {
        if (format == '4')
            return (qint64(width) + 7) / 8 * height;
        return plain() ? samples() : samples() * rawSampleBytes();
    }
};

constexpr qint64 kLargestSide = 0x7fffffff;
constexpr int kLargestMaxval = 65535;

Header readHeader(Cursor &in, qint64 maxPixels)
{
    Header h;
    in.skip(1);
    h.format = in.take();
    const qint64 width = in.number({Field::Width}, kLargestSide);
    const qint64 height = in.number({Field::Height}, kLargestSide);
    if (width == 0 || height == 0)
        refuse(NetpbmText::tr("the picture is %1 x %2 pixels, so it has none").arg(width).arg(height));
    if (width * height > maxPixels)
        refuse(NetpbmText::tr("the header claims %1 x %2 pixels, more than the %3 pixels accepted")
                   .arg(width).arg(height).arg(maxPixels));
    h.width = int(width);
    h.height = int(height);
    if (!h.bitmap()) {
        h.maxval = int(in.number({Field::Maxval}, kLargestMaxval));
        if (h.maxval == 0)
            refuse(NetpbmText::tr("the maxval is 0"));
    }
    if (!h.plain()) {
        // Exactly one blank (a comment counts as one) separates the header from raw samples.
        if (in.atEnd())
            refuse(NetpbmText::tr("the file ends after the header"));
        if (in.take() == '#')
            in.skipComment();
    }
    if (in.remaining() < h.leastDataBytes())
        refuse(NetpbmText::tr("the picture data is cut short (%1 x %2 pixels need at least %3 bytes, %4 are there)")
                   .arg(h.width).arg(h.height).arg(h.leastDataBytes()).arg(in.remaining()));
    return h;
}

void readPlainBits(Cursor &in, const Header &h, QImage &image)
{
    for (int y = 0; y < h.height; ++y) {
        uchar *line = image.scanLine(y);
        for (int x = 0; x < h.width; ++x) {
            in.skipBlanksAndComments();
            if (in.atEnd())
                refuseEndInRow(y, h.height);
            const char bit = in.take();
            if (bit != '0' && bit != '1')
                refuse(NetpbmText::tr("a pixel is '%1' instead of 0 or 1 (row %2)").arg(QChar(bit)).arg(y + 1));
            line[x] = bit == '1' ? 0 : 255;
        }
    }
}

void readRawBits(Cursor &in, const Header &h, QImage &image)
{
    const qint64 rowBytes = (qint64(h.width) + 7) / 8;
    for (int y = 0; y < h.height; ++y) {
        const uchar *bits = in.here();
        uchar *line = image.scanLine(y);
        for (int x = 0; x < h.width; ++x)
            line[x] = (bits[x / 8] >> (7 - x % 8)) & 1 ? 0 : 255;
        in.skip(rowBytes);
    }
}

// The next grey or colour sample, plain or raw, checked against maxval.
int nextSample(Cursor &in, const Header &h, int row)
{
    qint64 value = 0;
    if (h.plain()) {
        in.skipBlanksAndComments();
        if (in.atEnd())
            refuseEndInRow(row, h.height);
        value = in.number({Field::Sample, row}, kLargestSide);
    } else {
        // The size was checked against the data before the samples are read.
        value = in.take() & 0xff;
        if (h.rawSampleBytes() == 2)
            value = value << 8 | (in.take() & 0xff);
    }
    if (value > h.maxval)
        refuse(NetpbmText::tr("a sample in row %1 is %2, above the maxval %3").arg(row + 1).arg(value).arg(h.maxval));
    return int((value * 255 + h.maxval / 2) / h.maxval);
}

void readSamples(Cursor &in, const Header &h, QImage &image)
{
    for (int y = 0; y < h.height; ++y) {
        if (h.channels() == 1) {
            uchar *line = image.scanLine(y);
            for (int x = 0; x < h.width; ++x)
                line[x] = uchar(nextSample(in, h, y));
        } else {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < h.width; ++x) {
                const int red = nextSample(in, h, y);
                const int green = nextSample(in, h, y);
                line[x] = qRgb(red, green, nextSample(in, h, y));
            }
        }
    }
}

} // namespace

bool NetpbmReader::recognises(const QByteArray &bytes)
{
    return bytes.size() >= 2 && bytes[0] == 'P' && bytes[1] >= '1' && bytes[1] <= '6';
}

Outcome<QImage> NetpbmReader::read(const QByteArray &bytes) const
{
    if (!recognises(bytes))
        return notAPicture(NetpbmText::tr("it is not a netpbm picture (no P1 to P6 at its start)"));
    try {
        Cursor in(bytes);
        const Header h = readHeader(in, m_maxPixels);
        QImage image(h.width, h.height, h.channels() == 3 ? QImage::Format_RGB32 : QImage::Format_Grayscale8);
        if (image.isNull())
            refuse(NetpbmText::tr("there is not enough memory for its %1 x %2 pixels").arg(h.width).arg(h.height));
        if (h.format == '1')
            readPlainBits(in, h, image);
        else if (h.format == '4')
            readRawBits(in, h, image);
        else
            readSamples(in, h, image);
        return image;
    } catch (const Refusal &refusal) {
        return notAPicture(refusal.problem);
    }
}
