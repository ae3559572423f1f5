#pragma once

#include "platform/PictureLoader.h"

// Loads whatever picture formats Qt's image readers know. This is the tool's only way of
// reading a foreign picture, so another PictureLoader can take its place.
class ImageFileLoader : public PictureLoader
{
public:
    std::optional<QImage> load(const QString &path) override;
};
