#pragma once

#include "platform/Desktop.h"

// The desktop's own programs, through QDesktopServices.
class QtDesktop : public Desktop
{
public:
    bool openLink(const QUrl &url) override;
};
