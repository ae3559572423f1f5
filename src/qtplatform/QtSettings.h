#pragma once

#include "platform/Settings.h"

// QSettings in the desktop's native per-user store; the application name picks the file.
class QtSettings : public Settings
{
public:
    QString value(const QString &application, const QString &section, const QString &key,
                  const QString &fallback) override;
    void setValue(const QString &application, const QString &section, const QString &key,
                  const QString &value) override;
};
