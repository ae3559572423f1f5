#pragma once

#include <QImage>
#include <QString>
#include <optional>

// Loads a picture file (BMP, RLE, ICO, WMF, GIF, JPEG, ...) into an image whose size is
// the picture's size in screen pixels. Nothing when the file cannot be loaded.
class PictureLoader
{
public:
    virtual ~PictureLoader() = default;
    virtual std::optional<QImage> load(const QString &path) = 0;
    // Why the last load gave nothing, as a phrase to follow "<file>: "; empty when the
    // loader cannot tell more than that the file is no picture it knows.
    virtual QString lastProblem() const { return {}; }
};
