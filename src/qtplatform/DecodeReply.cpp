#include "qtplatform/DecodeReply.h"

#include "qtplatform/DecodeProtocol.h"
#include "qtplatform/QtPictureLoader.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QImage>

#include <algorithm>
#include <cstring>

namespace {

// The context of these words in the translations.
class DecodeReplyText
{
    Q_DECLARE_TR_FUNCTIONS(DecodeReply)
};

constexpr qsizetype kHeader = DecodeProtocol::kPictureHeaderBytes;
// Everything the helper may send: the header, then at most the largest picture allowed.
constexpr qsizetype kMaxReply = kHeader + QtPictureLoader::kMaxPixels * 4;

quint32 wordAt(const QByteArray &bytes, qsizetype offset)
{
    quint32 word;
    std::memcpy(&word, bytes.constData() + offset, sizeof word);
    return word;
}

} // namespace

Done DecodeReply::readFrom(QIODevice &from)
{
    while (from.bytesAvailable() > 0) {
        // Read in place: a picture's reply is reserved whole once its header is in.
        const qint64 wanted = std::min<qint64>(from.bytesAvailable(), kMaxReply + 1 - m_bytes.size());
        const qsizetype at = m_bytes.size();
        m_bytes.resize(at + wanted);
        const qint64 got = from.read(m_bytes.data() + at, wanted);
        m_bytes.resize(at + std::max<qint64>(got, 0));
        if (m_expected < 0)
            if (Done header = readHeader(); !header)
                return header;
        if (m_bytes.size() > (m_expected >= 0 ? m_expected : kMaxReply))
            return notAPicture(DecodeReplyText::tr("the picture reader sent more than it announced"));
        if (got <= 0)
            break;
    }
    return {};
}

// Learns the reply's length from its header, once that is in; refused for a picture too large.
Done DecodeReply::readHeader()
{
    if (m_bytes.size() < 12 || wordAt(m_bytes, 0) != DecodeProtocol::kMagic)
        return {};
    const quint32 kind = wordAt(m_bytes, 4);
    if (kind == DecodeProtocol::kProblem)
        m_expected = 12 + std::min<qsizetype>(wordAt(m_bytes, 8), DecodeProtocol::kMaxProblemBytes);
    if ((kind != DecodeProtocol::kPicture && kind != DecodeProtocol::kCutShortPicture) || m_bytes.size() < kHeader)
        return {};
    const qint64 width = wordAt(m_bytes, 8), height = wordAt(m_bytes, 12);
    const qint64 fullWidth = wordAt(m_bytes, 16), fullHeight = wordAt(m_bytes, 20);
    if (width == 0 || height == 0 || width * height > QtPictureLoader::kMaxPixels)
        return notAPicture(DecodeReplyText::tr("the picture reader announced a picture of %1 x %2 pixels").arg(width).arg(height));
    if (fullWidth == 0 || fullHeight == 0 || fullWidth * fullHeight > QtPictureLoader::kMaxJpegPixels)
        return notAPicture(DecodeReplyText::tr("the picture reader announced a full size of %1 x %2 pixels").arg(fullWidth).arg(fullHeight));
    m_expected = kHeader + width * height * 4;
    m_bytes.reserve(m_expected + 1);
    return {};
}

Outcome<LoadedPicture> DecodeReply::picture(int exitCode)
{
    if (m_expected < 0 || m_bytes.size() != m_expected)
        return notAPicture(DecodeReplyText::tr("the picture reader ended without an answer (exit status %1)").arg(exitCode));
    if (wordAt(m_bytes, 4) == DecodeProtocol::kProblem)
        return notAPicture(QString::fromUtf8(m_bytes.mid(12)));
    const int width = int(wordAt(m_bytes, 8)), height = int(wordAt(m_bytes, 12));
    const QSize fullSize(int(wordAt(m_bytes, 16)), int(wordAt(m_bytes, 20)));
    const bool cutShort = wordAt(m_bytes, 4) == DecodeProtocol::kCutShortPicture;
    // The image shows the reply's pixels where they are (rows of width * 4 bytes, 8-byte
    // aligned after the header) and keeps the reply until the last copy of it goes.
    auto *pixels = new QByteArray(std::move(m_bytes));
    m_bytes.clear();
    const QImage image(reinterpret_cast<const uchar *>(pixels->constData() + kHeader), width, height,
                       qsizetype(width) * 4, QImage::Format_ARGB32,
                       [](void *bytes) { delete static_cast<QByteArray *>(bytes); }, pixels);
    if (image.isNull()) {
        delete pixels;
        return notAPicture(DecodeReplyText::tr("there is not enough memory for a picture of %1 x %2 pixels").arg(width).arg(height));
    }
    return LoadedPicture{image, fullSize, cutShort};
}
