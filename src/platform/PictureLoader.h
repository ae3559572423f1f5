#pragma once

#include "platform/Failure.h"

#include <QImage>
#include <QSize>
#include <QString>

// What a caller needs of a picture, so that a large one need not be decoded whole:
//   cover:   the picture may be read at a reduced size as long as it stays at least this
//            large in each direction (a JPEG decoded at 1/2, 1/4 or 1/8); empty: full size.
//   topLeft: only this top-left part is needed (more may come); empty: all of it.
//            Given both, topLeft is what counts: the part comes at full resolution.
struct LoadHint
{
    QSize cover;
    QSize topLeft;
};

// A picture read with a hint: the image (reduced or cut as the hint allowed) and the
// picture's size in its file. cutShort: the file ends before its picture does; the image
// holds what could be read, the rest filled in by the reader (grey for a JPEG).
struct LoadedPicture
{
    QImage image;
    QSize fullSize;
    bool cutShort = false;
};

// Loads a picture file (BMP, RLE, ICO, WMF, GIF, JPEG, ...) into an image whose size is
// the picture's size in screen pixels, or tells why it cannot.
class PictureLoader
{
public:
    virtual ~PictureLoader() = default;
    virtual Outcome<QImage> load(const QString &path) = 0;
    // The same with a hint; a loader that cannot use the hint reads the whole picture.
    virtual Outcome<LoadedPicture> loadFor(const QString &path, const LoadHint &hint)
    {
        (void)hint;
        Outcome<QImage> image = load(path);
        if (!image)
            return image.failure();
        const QSize size = image->size();
        return LoadedPicture{std::move(*image), size, false};
    }
    // The image of a load with a hint, for loaders whose load() is loadFor() without one.
    static Outcome<QImage> imageOf(Outcome<LoadedPicture> loaded)
    {
        if (!loaded)
            return loaded.failure();
        return std::move(loaded->image);
    }
};
