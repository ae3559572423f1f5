#pragma once

#include "platform/Failure.h"

#include <QByteArray>
#include <QString>

#include <sys/stat.h>

// Reads a whole file only when it is an ordinary one of at most maxBytes: it is opened
// without waiting (a pipe with no writer, a terminal) and looked at before any read, so a
// FIFO, a device or a huge file never blocks or floods the reader.
struct OrdinaryFileRead
{
    enum class Problem { None, CannotOpen, Folder, NotOrdinary, TooLarge, ReadFailed };
    Problem problem = Problem::None;
    int error = 0;    // the system's error number, for CannotOpen and ReadFailed
    QByteArray bytes; // what was read (less than the size when the file shrank meanwhile)
    struct stat status {}; // of the file opened and read
};

OrdinaryFileRead readOrdinaryFile(const QString &path, qint64 maxBytes);

// Why the read of the file at path failed (not for Problem::None), maxBytes being the limit
// it was read with: the system's words for CannotOpen and ReadFailed.
Failure ordinaryReadFailure(const QString &path, const OrdinaryFileRead &read, qint64 maxBytes);
