#pragma once

#include <QString>

// The per-user settings store: strings addressed by application, section and key.
class Settings
{
public:
    virtual ~Settings() = default;
    virtual QString value(const QString &application, const QString &section, const QString &key,
                          const QString &fallback) = 0;
    virtual void setValue(const QString &application, const QString &section, const QString &key,
                          const QString &value) = 0;
};
