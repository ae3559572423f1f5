// The import loader on any bytes, as the decoding helper runs it: metafiles, netpbm files
// and every format of Qt's image readers, chosen by content. A picture it returns has a
// size within the loader's limit; anything else is refused, never a crash, a leak or a hang.

#include "FuzzCheck.h"
#include "QuietQt.h"
#include "qtplatform/QtPictureLoader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startQuietQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QtPictureLoader loader;
    const std::optional<QImage> image =
        loader.loadFromBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!image)
        return 0;
    FUZZ_CHECK(!image->isNull() && image->width() > 0 && image->height() > 0);
    FUZZ_CHECK(qint64(image->width()) * image->height() <= QtPictureLoader::kMaxPixels);
    // What the helper does with every picture before sending it.
    FUZZ_CHECK(!image->convertToFormat(QImage::Format_ARGB32).isNull());
    return 0;
}
