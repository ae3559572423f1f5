#pragma once

#include <QString>
#include <QStringList>

class FileStore;
class PictureLoader;

// The conversions of dotlark-convert, chosen from the command line.
enum ExitCode { kExitOk = 0, kExitRefused = 1, kExitUsage = 2 };

// Runs the command that the arguments (without the program name) describe. Results go to
// standard output, complaints to standard error. Output files are written whole or not at all.
int runConvert(const QStringList &arguments, FileStore &files, PictureLoader &loader);

QString helpText();
