#include "qtplatform/IsolatedPictureLoader.h"

#include "qtplatform/DecodeProtocol.h"
#include "qtplatform/QtPictureLoader.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <csignal>
#include <cstring>

namespace {

const QString kHelperName = QStringLiteral("dotlark-decode");

quint32 wordAt(const QByteArray &bytes, qsizetype offset)
{
    quint32 word;
    std::memcpy(&word, bytes.constData() + offset, sizeof word);
    return word;
}

bool runnable(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

} // namespace

IsolatedPictureLoader::IsolatedPictureLoader(QString helper, int timeoutMs)
    : m_helper(std::move(helper)), m_timeoutMs(timeoutMs)
{
}

QString IsolatedPictureLoader::findHelper()
{
    const QDir folder(QCoreApplication::applicationDirPath());
    for (const QString &place : {kHelperName, QStringLiteral(DOTLARK_HELPER_DIR_FROM_BINDIR "/") + kHelperName}) {
        const QString path = QDir::cleanPath(folder.absoluteFilePath(place));
        if (runnable(path))
            return path;
    }
    return {};
}

std::nullopt_t IsolatedPictureLoader::fail(const QString &problem)
{
    m_lastProblem = problem;
    return std::nullopt;
}

std::optional<QImage> IsolatedPictureLoader::load(const QString &path)
{
    return imageOf(loadFor(path, {}));
}

std::optional<LoadedPicture> IsolatedPictureLoader::loadFor(const QString &path, const LoadHint &hint)
{
    m_lastProblem.clear();
    const QString helper = m_helper.isEmpty() ? findHelper() : m_helper;
    if (helper.isEmpty())
        return fail(QStringLiteral("the picture reader %1 is not installed").arg(kHelperName));

    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QStringList arguments{path};
    const auto addSize = [&arguments](const char *option, QSize size) {
        if (!size.isEmpty())
            arguments << QString::fromLatin1(option) << QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
    };
    addSize(DecodeProtocol::kCoverOption, hint.cover);
    addSize(DecodeProtocol::kTopLeftOption, hint.topLeft);
    process.start(helper, arguments);
    if (!process.waitForStarted(m_timeoutMs))
        return fail(QStringLiteral("the picture reader %1 cannot be started: %2").arg(helper, process.errorString()));

    // Everything the helper may send: the header, then at most the largest picture allowed.
    constexpr qsizetype kHeader = DecodeProtocol::kPictureHeaderBytes;
    constexpr qsizetype kMaxReply = kHeader + QtPictureLoader::kMaxPixels * 4;
    qsizetype expected = -1; // the whole reply's length, once the header tells it
    QByteArray reply;
    const QDeadlineTimer deadline(m_timeoutMs);
    const auto stop = [&process] {
        process.kill();
        process.waitForFinished(-1);
    };
    while (process.state() != QProcess::NotRunning || process.bytesAvailable() > 0) {
        if (process.bytesAvailable() == 0 && !process.waitForReadyRead(int(deadline.remainingTime()))) {
            if (process.state() == QProcess::NotRunning)
                break;
            if (deadline.hasExpired()) {
                stop();
                return fail(QStringLiteral("reading the picture took longer than %1 seconds").arg(m_timeoutMs / 1000.0));
            }
            continue;
        }
        // Read in place: a picture's reply is reserved whole once its header is in.
        const qint64 wanted = std::min<qint64>(process.bytesAvailable(), kMaxReply + 1 - reply.size());
        const qsizetype at = reply.size();
        reply.resize(at + wanted);
        reply.resize(at + std::max<qint64>(process.read(reply.data() + at, wanted), 0));
        if (expected < 0 && reply.size() >= 12 && wordAt(reply, 0) == DecodeProtocol::kMagic) {
            const quint32 kind = wordAt(reply, 4);
            if (kind == DecodeProtocol::kProblem)
                expected = 12 + std::min<qsizetype>(wordAt(reply, 8), DecodeProtocol::kMaxProblemBytes);
            else if ((kind == DecodeProtocol::kPicture || kind == DecodeProtocol::kCutShortPicture)
                     && reply.size() >= kHeader) {
                const qint64 width = wordAt(reply, 8), height = wordAt(reply, 12);
                const qint64 fullWidth = wordAt(reply, 16), fullHeight = wordAt(reply, 20);
                if (width == 0 || height == 0 || width * height > QtPictureLoader::kMaxPixels) {
                    stop();
                    return fail(QStringLiteral("the picture reader announced a picture of %1 x %2 pixels").arg(width).arg(height));
                }
                if (fullWidth == 0 || fullHeight == 0 || fullWidth * fullHeight > QtPictureLoader::kMaxJpegPixels) {
                    stop();
                    return fail(QStringLiteral("the picture reader announced a full size of %1 x %2 pixels")
                                    .arg(fullWidth).arg(fullHeight));
                }
                expected = kHeader + width * height * 4;
                reply.reserve(expected + 1);
            }
        }
        if (reply.size() > (expected >= 0 ? expected : kMaxReply)) {
            stop();
            return fail(QStringLiteral("the picture reader sent more than it announced"));
        }
    }
    process.waitForFinished(-1);

    if (process.exitStatus() == QProcess::CrashExit) {
        const int signal = process.exitCode(); // the signal that ended the helper
        if (signal == SIGXCPU)
            return fail(QStringLiteral("reading the picture took more than %1 seconds of processor time")
                            .arg(DecodeProtocol::kCpuSeconds));
        return fail(QStringLiteral("the picture reader stopped on a fault (%1)").arg(QString::fromLocal8Bit(strsignal(signal))));
    }
    if (expected < 0 || reply.size() != expected)
        return fail(QStringLiteral("the picture reader ended without an answer (exit status %1)").arg(process.exitCode()));
    if (wordAt(reply, 4) == DecodeProtocol::kProblem)
        return fail(QString::fromUtf8(reply.mid(12)));

    const int width = int(wordAt(reply, 8)), height = int(wordAt(reply, 12));
    const QSize fullSize(int(wordAt(reply, 16)), int(wordAt(reply, 20)));
    const bool cutShort = wordAt(reply, 4) == DecodeProtocol::kCutShortPicture;
    // The image shows the reply's pixels where they are (rows of width * 4 bytes, 8-byte
    // aligned after the header) and keeps the reply until the last copy of it goes.
    auto *pixels = new QByteArray(std::move(reply));
    const QImage image(reinterpret_cast<const uchar *>(pixels->constData() + kHeader), width, height,
                       qsizetype(width) * 4, QImage::Format_ARGB32,
                       [](void *bytes) { delete static_cast<QByteArray *>(bytes); }, pixels);
    if (image.isNull()) {
        delete pixels;
        return fail(QStringLiteral("there is not enough memory for a picture of %1 x %2 pixels").arg(width).arg(height));
    }
    return LoadedPicture{image, fullSize, cutShort};
}
