#pragma once

#include "calc/ByteConversions.h"
#include "CommandLine.h"
#include "document/Picture89i.h"
#include "platform/FileIdentity.h"
#include "platform/FileStore.h"
#include "session/Place.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <optional>
#include <span>
#include <vector>

class PictureLoader;

// What every command of dotlark-convert works with, and how it reads, writes and complains.

enum ExitCode { kExitOk = 0, kExitRefused = 1, kExitUsage = 2 };

struct Context
{
    const Invocation &call;
    FileStore &files;
    PictureLoader &loader;
    // Each output file as it was when the command started: it is written only over that.
    QMap<QString, FileIdentity> outputsAtStart;
};

// The files as a command writes its outputs: an output is written only while it is as it
// was when the command started (another program's change made meanwhile is left as it is);
// everything else goes to the files as they are.
class OutputFiles : public FileStore
{
public:
    explicit OutputFiles(Context &context) : m_context(context) {}
    bool exists(const QString &path) override { return m_context.files.exists(path); }
    Outcome<QByteArray> readAll(const QString &path) override { return m_context.files.readAll(path); }
    Done writeAll(const QString &path, const QByteArray &bytes) override;
    Done remove(const QString &path) override { return m_context.files.remove(path); }
    FileIdentity identify(const QString &path) override { return m_context.files.identify(path); }
    Outcome<Read> readIdentified(const QString &path) override { return m_context.files.readIdentified(path); }
    Done writeGuarded(const QString &path, const QByteArray &bytes, const WriteGuard &guard) override
    {
        return m_context.files.writeGuarded(path, bytes, guard);
    }

private:
    Context &m_context;
};

// Complaints go to standard error prefixed with the program name. refuse() names the file
// (native separators, a long name shortened in its middle and control characters replaced,
// as the editor's messages show names) and gives kExitRefused; usageError() points to
// --help, kExitUsage.
int refuse(const QString &path, const QString &reason);
int refuse(const Failure &failure); // the failure's file, in the words of describe()
int usageError(const QString &reason);
void printNote(const QString &text); // to standard error, as "dotlark-convert: note: ..."
void printLine(const QString &text); // to standard output

QString suffixOf(const QString &path); // lower case, without the dot

// Whether nothing is there under the name (a dangling link counts as nothing); a file, a
// folder, a pipe or a device is there.
bool isMissing(const QString &path);

// Text from a file, fit for one line of output: control characters written as C escapes
// (\r, \n, \a, ... or \xHH), line and paragraph separators as \u2028 and \u2029, and the
// backslash doubled, so that no file forges a line of output or a terminal command.
QString escapedControls(const QString &text);

// A whole file, or nothing after saying why.
std::optional<QByteArray> readFile(FileStore &files, const QString &path);
// A decoded .89i file, or nothing after saying why. Like the editor, every command takes
// only pictures whose pixel data a picture file holds (pictureSizeFailure).
std::optional<CalcPicture> readPicture(FileStore &files, const QString &path);
// Writes an output file whole or not at all, and only while it is as it was when the
// command started (another program's change made meanwhile is left as it is); kExitOk or,
// after saying why, kExitRefused.
int writeOutput(Context &context, const QString &path, const QByteArray &data);
// The same for the bytes of a file already read.
std::optional<CalcPicture> decodePicture(const QString &path, const QByteArray &data);

// A picture written into a place that is the command's output (a picture file, a new group,
// two picture files), each of its files only while it is as it was when the command
// started; kExitOk or, after saying why, kExitRefused. Notes the write has (a hard link
// broken) are printed.
int writePlace(Context &context, const Place &place, const StoredPicture &picture, bool freshGroup);

