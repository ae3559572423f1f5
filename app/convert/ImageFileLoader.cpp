#include "ImageFileLoader.h"

#include <QImageReader>

std::optional<QImage> ImageFileLoader::load(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return image;
}
