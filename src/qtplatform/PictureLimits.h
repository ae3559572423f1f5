#pragma once

#include "qtplatform/QtPictureLoader.h"

#include <QCoreApplication>
#include <QString>

// The pixel limits of the picture readers: whether a picture of width x height is within
// `limit` pixels, and the words for one that is not.
inline bool sizeAcceptable(qint64 width, qint64 height, qint64 limit = QtPictureLoader::kMaxPixels)
{
    return width > 0 && height > 0 && width * height <= limit;
}

inline QString tooLarge(qint64 width, qint64 height, qint64 limit = QtPictureLoader::kMaxPixels)
{
    return QCoreApplication::translate("PictureLimits", "the picture is %1 x %2 pixels, more than the %3 pixels read at most")
        .arg(width).arg(height).arg(limit);
}
