#pragma once

#include "CommandLine.h"
#include "document/Picture89i.h"
#include "platform/ByteConversions.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <span>
#include <vector>

class FileStore;
class PictureLoader;

// What every command of dotlark-convert works with, and how it reads, writes and complains.

enum ExitCode { kExitOk = 0, kExitRefused = 1, kExitUsage = 2 };

struct Context
{
    const Invocation &call;
    FileStore &files;
    PictureLoader &loader;
};

// Complaints go to standard error prefixed with the program name. refuse() names the file
// (native separators) and gives kExitRefused; usageError() points to --help, kExitUsage.
int refuse(const QString &path, const QString &reason);
int usageError(const QString &reason);
void printNote(const QString &text); // to standard error, as "dotlark-convert: note: ..."
void printLine(const QString &text); // to standard output

QString suffixOf(const QString &path); // lower case, without the dot

// A whole file, or nothing after saying why.
std::optional<QByteArray> readFile(FileStore &files, const QString &path);
// A decoded .89i file, or nothing after saying why. Like the editor, every command takes
// only pictures whose pixel data a picture file holds (pictureSizeProblem).
std::optional<CalcPicture> readPicture(FileStore &files, const QString &path);
// The same for the bytes of a file already read.
std::optional<CalcPicture> decodePicture(const QString &path, const QByteArray &data);
// Writes the whole file or nothing; kExitOk or, after saying why, kExitRefused.
int writeFile(FileStore &files, const QString &path, const QByteArray &data);

