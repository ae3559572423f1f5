#include "platform/FailureText.h"
#include "platform/Translations.h"
#include "qtplatform/DecodeProtocol.h"
#include "qtplatform/OrdinaryFile.h"
#include "qtplatform/QtPictureLoader.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <new>
#include <optional>
#include <utility>

// dotlark-decode <file> [--cover WxH] [--top-left WxH]: reads one picture file with
// QtPictureLoader, as much of it as the hint asks, and sends the picture (or why there is
// none) to its standard output, for IsolatedPictureLoader. The picture
// readers run here, under limits, so a file that crashes, floods or stalls one of them costs
// this process only.

namespace {

bool sanitized()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#else
    return false;
#endif
#else
    return false;
#endif
}

void limit(int resource, rlim_t value, rlim_t hard)
{
    const rlimit bound{value, hard};
    ::setrlimit(resource, &bound);
}

void limitResources()
{
    // AddressSanitizer reserves terabytes of address space up front: no bound on it there.
    if (!sanitized())
        limit(RLIMIT_AS, DecodeProtocol::kAddressSpaceBytes, DecodeProtocol::kAddressSpaceBytes);
    // SIGXCPU at the soft limit tells the caller why; the hard one a second later kills.
    limit(RLIMIT_CPU, DecodeProtocol::kCpuSeconds, DecodeProtocol::kCpuSeconds + 1);
    // No file may grow; a write that tries fails (a library's warning into a standard error
    // sent to a file) rather than ending the process with SIGXFSZ.
    std::signal(SIGXFSZ, SIG_IGN);
    limit(RLIMIT_FSIZE, 0, 0);
    limit(RLIMIT_CORE, 0, 0);
}

void say(const QString &text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    [[maybe_unused]] const ssize_t n = ::write(STDERR_FILENO, bytes.constData(), size_t(bytes.size()));
}

// The editor and the converter read the answer through a pipe. Run by hand, it would go to a
// terminal or into a file, which the file-size limit forbids: refused, saying why, before
// any limit is set.
bool answerGoesToAFileOrTerminal()
{
    struct stat info {};
    return ::isatty(STDOUT_FILENO) || (::fstat(STDOUT_FILENO, &info) == 0 && S_ISREG(info.st_mode));
}

bool writeAll(const void *data, size_t length)
{
    const char *bytes = static_cast<const char *>(data);
    while (length > 0) {
        const ssize_t written = ::write(STDOUT_FILENO, bytes, length);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes += written;
        length -= size_t(written);
    }
    return true;
}

bool writeWord(quint32 word) { return writeAll(&word, sizeof word); }

int sendProblem(const QString &problem)
{
    const QByteArray text = problem.toUtf8().left(DecodeProtocol::kMaxProblemBytes);
    const bool sent = writeWord(DecodeProtocol::kMagic) && writeWord(DecodeProtocol::kProblem)
                      && writeWord(quint32(text.size())) && writeAll(text.constData(), size_t(text.size()));
    return sent ? 0 : 1;
}

// The pixels go out as ARGB32 a piece at a time (at most kPiecePixels, whole rows where they
// fit): a picture in another format is never converted whole, and rows go out together
// rather than a write each (a picture of 1 x 50,331,648 pixels has as many rows).
constexpr int kPiecePixels = 1 << 20;

QImage argbPiece(const QImage &picture, const QRect &piece)
{
    // An opaque picture's RGB32 pixels are already ARGB32 ones (alpha 0xff): sent as they are.
    const QImage pixels = picture.copy(piece);
    return pixels.format() == QImage::Format_RGB32 ? pixels : pixels.convertToFormat(QImage::Format_ARGB32);
}

bool writePiece(const QImage &pixels)
{
    const size_t rowBytes = size_t(pixels.width()) * 4;
    if (size_t(pixels.bytesPerLine()) == rowBytes)
        return writeAll(pixels.constBits(), rowBytes * size_t(pixels.height()));
    for (int row = 0; row < pixels.height(); ++row)
        if (!writeAll(pixels.constScanLine(row), rowBytes))
            return false;
    return true;
}

int sendPicture(const QImage &picture, QSize fullSize, bool cutShort)
{
    const int width = picture.width(), height = picture.height();
    const int rows = std::max(1, kPiecePixels / width);
    const auto pieceAt = [&](int x, int y) {
        return QRect(x, y, std::min(kPiecePixels, width - x), std::min(rows, height - y));
    };
    QImage pixels = argbPiece(picture, pieceAt(0, 0));
    if (pixels.isNull())
        return sendProblem(
            QCoreApplication::translate("PictureReader", "there is not enough memory to convert the picture"));
    // A pipe that holds the whole reply (up to what the system allows) lets this process
    // write it in one go and end, rather than wait for the caller at every 64 KB.
    const qint64 replyBytes = DecodeProtocol::kPictureHeaderBytes + qint64(width) * height * 4;
    ::fcntl(STDOUT_FILENO, F_SETPIPE_SZ, int(std::min<qint64>(replyBytes, 1 << 20)));
    const quint32 kind = cutShort ? DecodeProtocol::kCutShortPicture : DecodeProtocol::kPicture;
    if (!writeWord(DecodeProtocol::kMagic) || !writeWord(kind) || !writeWord(quint32(width))
        || !writeWord(quint32(height)) || !writeWord(quint32(fullSize.width())) || !writeWord(quint32(fullSize.height())))
        return 1;
    for (int y = 0; y < height; y += rows) {
        for (int x = 0; x < width; x += kPiecePixels) {
            if (x != 0 || y != 0)
                pixels = argbPiece(picture, pieceAt(x, y));
            // Short of memory halfway, the reply ends: the caller finds it cut short.
            if (pixels.isNull() || !writePiece(pixels))
                return 1;
        }
    }
    return 0;
}

// Once the file is in, the address space is bounded anew: what is used so far, plus the
// most a reader may take for a picture and room for the readers' own work. The checks made
// from a picture's header keep to that; a reader that would take more (a kind of file no
// check foresaw) fails for want of memory rather than take up to the first limit.
void limitToDecoding()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (sanitized() || !statm.open(QIODevice::ReadOnly))
        return;
    const qint64 used = statm.readLine().split(' ').value(0).toLongLong() * ::sysconf(_SC_PAGESIZE);
    const quint64 bound = quint64(used + QtPictureLoader::kMaxDecodedBytes + DecodeProtocol::kReaderRoomBytes);
    if (used > 0 && bound < DecodeProtocol::kAddressSpaceBytes)
        limit(RLIMIT_AS, bound, bound);
}

// The whole file, read without ever waiting: a pipe or a device is refused before any read.
int decode(const char *path, const LoadHint &hint)
{
    const QString name = QFile::decodeName(path);
    const OrdinaryFileRead read = readOrdinaryFile(name, QtPictureLoader::kMaxFileBytes);
    if (read.problem != OrdinaryFileRead::Problem::None)
        return sendProblem(describe(ordinaryReadFailure(name, read, QtPictureLoader::kMaxFileBytes), Wording::Phrase));
    limitToDecoding();
    const QByteArray &bytes = read.bytes;
    QtPictureLoader loader;
    const Outcome<LoadedPicture> loaded = loader.loadFromBytesFor(bytes, hint);
    if (!loaded)
        return sendProblem(describe(loaded.failure(), Wording::Phrase));
    return sendPicture(loaded->image, loaded->fullSize, loaded->cutShort);
}

// A reader that asked for more than the address space allowed (by limitResources, or less
// by whoever started this process) says so, rather than leaving the caller only a crash.
QString outOfMemory()
{
    rlimit bound{};
    if (::getrlimit(RLIMIT_AS, &bound) != 0 || bound.rlim_cur == RLIM_INFINITY)
        return QCoreApplication::translate("PictureReader", "there is not enough memory to read the picture");
    return QCoreApplication::translate("PictureReader",
                                       "reading the picture needs more than the %1 MB of memory this reader may use")
        .arg(quint64(bound.rlim_cur) >> 20);
}

// "WxH" with both sides 1..65535.
std::optional<QSize> sizeArgument(const char *text)
{
    unsigned width = 0, height = 0;
    char end = 0;
    if (std::sscanf(text, "%ux%u%c", &width, &height, &end) != 2 || width == 0 || height == 0
        || width > 65535 || height > 65535)
        return std::nullopt;
    return QSize(int(width), int(height));
}

// FILE [--cover WxH] [--top-left WxH]
std::optional<std::pair<const char *, LoadHint>> parseArguments(int argc, char *argv[])
{
    if (argc < 2 || argc % 2 != 0)
        return std::nullopt;
    LoadHint hint;
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::optional<QSize> size = sizeArgument(argv[i + 1]);
        if (!size)
            return std::nullopt;
        if (std::strcmp(argv[i], DecodeProtocol::kCoverOption) == 0)
            hint.cover = *size;
        else if (std::strcmp(argv[i], DecodeProtocol::kTopLeftOption) == 0)
            hint.topLeft = *size;
        else
            return std::nullopt;
    }
    return std::pair{argv[1], hint};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv); // the image format plugins are found through it
    // The reasons sent back reach the user as they are: in the user's language, as the
    // caller (started in the same locale) speaks.
    Translations::install();
    const auto arguments = parseArguments(argc, argv);
    if (!arguments) {
        say(QCoreApplication::translate("PictureReader", "usage: dotlark-decode FILE [--cover WxH] [--top-left WxH] "
                                                         "(used by DOTLARK to read pictures)"));
        return 2;
    }
    if (answerGoesToAFileOrTerminal()) {
        say(QCoreApplication::translate("PictureReader",
                                        "dotlark-decode: this is DOTLARK's picture reader. dotlark and dotlark-convert "
                                        "run it and read\nits binary answer through a pipe; it writes no files. To "
                                        "convert a picture, use dotlark-convert."));
        return 2;
    }
    limitResources();
    int status = 0;
    try {
        status = decode(arguments->first, arguments->second);
    } catch (const std::bad_alloc &) {
        status = sendProblem(outOfMemory());
    }
    // Everything is sent: end at once, without the libraries' tear-down, so that the caller
    // waiting for this process to end waits no longer than needed.
    ::_exit(status);
}
