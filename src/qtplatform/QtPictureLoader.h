#pragma once

#include "platform/PictureLoader.h"

#include <QByteArray>

// Loads pictures by their content, whatever the file's extension: Windows metafiles (with
// or without the placeable header) through libwmf, netpbm's PBM, PGM and PPM (plain and raw)
// through NetpbmReader, everything else (BMP including the run-length-encoded kind often
// named .rle, ICO, GIF, JPEG, PNG, ...) through Qt's image readers. A file that is missing,
// unreadable, malformed, or whose picture is larger than the limits below is refused as
// NotAPicture, in the reader's words when it knows why. A JPEG cut short loads with cutShort.
class QtPictureLoader : public PictureLoader
{
public:
    // Largest picture decoded, in pixels (width x height): a 50-megapixel photo.
    static constexpr qint64 kMaxPixels = 8192 * 6144;
    // Most memory a reader may take for a picture, in bytes: the image it decodes into and
    // what it keeps besides for the whole picture (a GIF's copy of its screen, a progressive
    // JPEG's coefficients). kMaxPixels at 4 bytes a pixel, so any picture of 8-bit channels
    // up to kMaxPixels decodes; one of 16-bit channels (8 bytes a pixel) up to half of it.
    static constexpr qint64 kMaxDecodedBytes = kMaxPixels * 4;
    // Largest JPEG, in pixels, at its full size: a JPEG larger than kMaxPixels is decoded at
    // 1/2, 1/4 or 1/8 of its size, or only its top-left part, whatever keeps what is decoded
    // within kMaxPixels. No picture has a larger full size.
    static constexpr qint64 kMaxJpegPixels = 16384LL * 16384;
    // Largest metafile picture, in pixels: libwmf draws shapes point by point and clips each
    // point on its own, so its time grows with this, not only its memory.
    static constexpr qint64 kMaxMetafilePixels = 4096 * 4096;
    // Largest file read, in bytes: a 200-megapixel JPEG photo.
    static constexpr qint64 kMaxFileBytes = 128 * 1024 * 1024;
    // Screen resolution metafiles are sized for, in pixels per inch.
    static constexpr double kScreenDpi = 96.0;

    Outcome<QImage> load(const QString &path) override;
    // With a hint: a JPEG is decoded at 1/2, 1/4 or 1/8 of its size where that still covers
    // hint.cover, or only its top-left part when hint.topLeft is given (which then wins);
    // other pictures are read whole and cut to hint.topLeft. A JPEG that no hint lets be
    // decoded within kMaxPixels is refused, as is any other picture beyond it.
    Outcome<LoadedPicture> loadFor(const QString &path, const LoadHint &hint) override;
    // The same for a file's content already in memory; the failure names no file.
    Outcome<QImage> loadFromBytes(const QByteArray &bytes);
    Outcome<LoadedPicture> loadFromBytesFor(const QByteArray &bytes, const LoadHint &hint);
};
