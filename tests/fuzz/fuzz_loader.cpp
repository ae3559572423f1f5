// The import loader on any bytes, as the decoding helper runs it: metafiles, netpbm files
// and every format of Qt's image readers, chosen by content. A picture it returns has a
// size within the loader's limit; anything else is refused, never a crash, a leak or a hang.
// The same bytes are also read as Import Scaled reads them (reduced for the 160 x 77 screen,
// and its top-left part) and scaled onto the screen.

#include "FuzzCheck.h"
#include "QuietQt.h"
#include "import/ScaledImport.h"
#include "qtplatform/QtPictureLoader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startQuietQt();
    return 0;
}

namespace {

const QSize kScreen(160, 77);

void checkPicture(const QImage &image)
{
    FUZZ_CHECK(!image.isNull() && image.width() > 0 && image.height() > 0);
    FUZZ_CHECK(qint64(image.width()) * image.height() <= QtPictureLoader::kMaxPixels);
    // What the helper does with every picture before sending it.
    FUZZ_CHECK(!image.convertToFormat(QImage::Format_ARGB32).isNull());
}

// A hinted read gives at most the picture's full size, and no less than the hint allows.
Outcome<LoadedPicture> hinted(const QByteArray &bytes, const LoadHint &hint)
{
    QtPictureLoader loader;
    Outcome<LoadedPicture> read = loader.loadFromBytesFor(bytes, hint);
    if (!read)
        return read;
    checkPicture(read->image);
    const QSize got = read->image.size(), full = read->fullSize;
    FUZZ_CHECK(got.width() <= full.width() && got.height() <= full.height());
    FUZZ_CHECK(qint64(full.width()) * full.height() <= QtPictureLoader::kMaxJpegPixels);
    const QSize least = hint.topLeft.isEmpty() ? hint.cover : hint.topLeft;
    if (!hint.topLeft.isEmpty() || got != full)
        FUZZ_CHECK(got.width() >= std::min(least.width(), full.width())
                   && got.height() >= std::min(least.height(), full.height()));
    return read;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QtPictureLoader loader;
    if (const Outcome<QImage> image = loader.loadFromBytes(bytes))
        checkPicture(*image);
    const Outcome<LoadedPicture> scaled = hinted(bytes, LoadHint{scaleCoverSize(kScreen), {}});
    const Outcome<LoadedPicture> actual = hinted(bytes, LoadHint{{}, kScreen});
    if (!scaled || !actual || scaled->fullSize != actual->fullSize)
        return 0;
    const ScaleSource source(scaled->image, actual->image, scaled->fullSize, kScreen);
    for (const Placement placement : {Placement::Fit, Placement::Fill, Placement::Actual}) {
        const PixelGrid pixels = scaledPixels(source, ScaleSettings{placement, Tone::FloydSteinberg});
        FUZZ_CHECK(pixels.width() == kScreen.width() && pixels.height() == kScreen.height());
    }
    return 0;
}
