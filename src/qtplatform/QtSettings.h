#pragma once

#include "platform/Settings.h"

// The desktop's native per-user store, the INI file QSettings keeps for the application
// (on Linux $XDG_CONFIG_HOME/<application>/<application>.conf). Only that file is read: it is
// looked at first, and one that is no ordinary file or is larger than kMaxStoreBytes counts
// as an empty store that is never written.
class QtSettings : public Settings
{
public:
    static constexpr qint64 kMaxStoreBytes = 1024 * 1024;

    QString value(const QString &application, const QString &section, const QString &key,
                  const QString &fallback) override;
    void setValue(const QString &application, const QString &section, const QString &key,
                  const QString &value) override;
};
