#pragma once

#include <QString>

// The program's title and version, shown in the window caption, the About window and as the
// caption of its messages.
namespace AppInfo {
inline const QString title = QStringLiteral("TI-89 DOTLARK Plus");
constexpr int major = 3;
constexpr int minor = 0;
constexpr int revision = 8;
} // namespace AppInfo
