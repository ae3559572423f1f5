#pragma once

#include "platform/Clipboard.h"

// The system clipboard through Qt: a picture put there is offered as PNG and the other
// picture formats Qt converts to.
class QtClipboard : public Clipboard
{
public:
    QImage image() const override;
    void setImage(const QImage &image) override;
};
