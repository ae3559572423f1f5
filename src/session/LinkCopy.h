#pragma once

#include "document/CalcKind.h"
#include "session/Place.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

class FileStore;

// A picture as the files a transfer hands over (to the calculator link, or to TiLP): in a
// private temporary folder that lives as long as the copy, each named after its variable, so
// that what goes is what the window shows and the user's own file is never written behind
// their back. The editor and the converter send through it alike.
struct LinkCopy
{
    std::shared_ptr<void> folder; // removed with its last holder
    QStringList paths;            // one file, or the light and dark planes'
    QString failure;              // why there is no copy, as the user reads it; empty when there is one

    // The picture as the variables `names` (one, or two planes) of `kind`.
    static LinkCopy write(FileStore &files, const StoredPicture &picture, const std::vector<std::string> &names, CalcKind kind);
};
