#include "qtplatform/QtSettings.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include <sys/stat.h>

namespace {

// The file the desktop's native per-user store keeps for an application on this system,
// the one QSettings(NativeFormat, UserScope, application, application) reads first.
QString storeFile(const QString &application)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + application + u'/'
           + application + QStringLiteral(".conf");
}

// The store is used only while its file is missing or an ordinary file of a sane size: a
// pipe there would stop the program in its start, a device or a huge file would flood it.
// A store that is not usable reads as empty and is left alone.
bool usable(const QString &file)
{
    struct stat status {};
    if (::stat(QFile::encodeName(file).constData(), &status) != 0)
        return true; // made on the first write
    return S_ISREG(status.st_mode) && status.st_size <= QtSettings::kMaxStoreBytes;
}

} // namespace

QString QtSettings::value(const QString &application, const QString &section, const QString &key,
                          const QString &fallback)
{
    const QString file = storeFile(application);
    if (!usable(file))
        return fallback;
    QSettings store(file, QSettings::IniFormat);
    return store.value(section + u'/' + key, fallback).toString();
}

void QtSettings::setValue(const QString &application, const QString &section, const QString &key,
                          const QString &value)
{
    const QString file = storeFile(application);
    if (!usable(file))
        return;
    QSettings store(file, QSettings::IniFormat);
    store.setValue(section + u'/' + key, value);
}
