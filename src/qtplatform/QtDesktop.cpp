#include "qtplatform/QtDesktop.h"

#include <QDesktopServices>

bool QtDesktop::openLink(const QUrl &url) { return QDesktopServices::openUrl(url); }
