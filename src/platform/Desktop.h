#pragma once

#include <QUrl>

// Hands mail and web links to the desktop's own programs.
class Desktop
{
public:
    virtual ~Desktop() = default;
    virtual bool openLink(const QUrl &url) = 0;
};
