#pragma once

#include <QImage>

// The desktop's clipboard, for pictures.
class Clipboard
{
public:
    virtual ~Clipboard() = default;
    // The picture on the clipboard; a null image when it holds none.
    virtual QImage image() const = 0;
    // Puts a picture on the clipboard, offered in every picture format the desktop knows.
    virtual void setImage(const QImage &image) = 0;
};
