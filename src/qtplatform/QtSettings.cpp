#include "qtplatform/QtSettings.h"

#include <QSettings>

QString QtSettings::value(const QString &application, const QString &section, const QString &key,
                          const QString &fallback)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, application, application);
    return store.value(section + u'/' + key, fallback).toString();
}

void QtSettings::setValue(const QString &application, const QString &section, const QString &key,
                          const QString &value)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, application, application);
    store.setValue(section + u'/' + key, value);
}
