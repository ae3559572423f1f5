#pragma once

#include "platform/PictureLoader.h"

#include <QByteArray>

// Loads pictures by their content, whatever the file's extension: Windows metafiles (with
// or without the placeable header) through libwmf, netpbm's PBM, PGM and PPM (plain and raw)
// through NetpbmReader, everything else (BMP including the run-length-encoded kind often
// named .rle, ICO, GIF, JPEG, PNG, ...) through Qt's image readers. A file that is missing,
// unreadable, malformed, or whose picture would exceed kMaxPixels loads as nothing;
// lastProblem() then tells why when the reader knows.
class QtPictureLoader : public PictureLoader
{
public:
    // Largest picture accepted, in pixels (width x height); the import reads at most
    // 160 x 77 of it, so this only guards memory against absurd sizes.
    static constexpr qint64 kMaxPixels = 4096 * 4096;
    // Largest file read, in bytes.
    static constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;
    // Screen resolution metafiles are sized for, in pixels per inch.
    static constexpr double kScreenDpi = 96.0;

    std::optional<QImage> load(const QString &path) override;
    // With a hint: a JPEG is decoded at 1/2, 1/4 or 1/8 of its size where that still covers
    // hint.cover, or only its top-left part when hint.topLeft is given (which then wins);
    // other pictures are read whole and cut to hint.topLeft. The size limit applies to the
    // picture's full size either way.
    std::optional<LoadedPicture> loadFor(const QString &path, const LoadHint &hint) override;
    // The same for a file's content already in memory.
    std::optional<QImage> loadFromBytes(const QByteArray &bytes);
    std::optional<LoadedPicture> loadFromBytesFor(const QByteArray &bytes, const LoadHint &hint);
    QString lastProblem() const override { return m_lastProblem; }

private:
    QString m_lastProblem;
};
