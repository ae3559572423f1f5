#pragma once

#include "platform/Failure.h"

#include <QByteArray>
#include <QString>

// A folder for files that are the user's alone (the recovery copies of unsaved drawings):
// a real folder, not a link, owned by the user, that no other user may enter. Nobody else
// can then plant a file there, or a link that would redirect a write to another file.
class PrivateFolder
{
public:
    // What keeps the folder from being the user's alone.
    enum class Trouble {
        None,
        Link,         // a symbolic link stands at its path
        NotAFolder,   // something else (a file) stands at its path
        OtherOwner,   // it belongs to another user
        OpenToOthers, // other users may use it and its permissions cannot be narrowed; detail: the system's words
        Unreachable,  // it cannot be made, or not opened; detail: the system's words
    };
    struct Check
    {
        Trouble trouble = Trouble::None;
        QString detail;
    };

    virtual ~PrivateFolder() = default;
    virtual QString path() const = 0;
    // Makes the folder when it is missing (mode 0700, its parents as the system makes them)
    // and narrows one of the user's own that others may use to 0700. Trouble::None when the
    // folder can then be used.
    virtual Check prepare() = 0;
    // The file `name` in the folder afterwards holds exactly `bytes`, readable and writable
    // by the user alone, or is left as it was. A link at that name is replaced, never
    // followed; a folder that is no longer private is not written to.
    virtual Done writeFile(const QString &name, const QByteArray &bytes) = 0;
    // Whether `name` in the folder is a regular file (not a link), the user's own, that the
    // user may read.
    virtual bool ownsFile(const QString &name) = 0;
};
