#pragma once

#include "CommandLine.h"

#include <QString>
#include <QStringList>

#include <vector>

class FileStore;
class PictureLoader;

// Runs the command of dotlark-convert that the arguments (without the program name)
// describe and gives its exit status (ExitCode). Results go to standard output,
// complaints to standard error. Output files are written whole or not at all.
// --print-pdf needs a QGuiApplication.
int runConvert(const QStringList &arguments, FileStore &files, PictureLoader &loader);

QString helpText();

// What --help says of each command, in its order; the manual page is made from the same.
struct CommandHelp
{
    QString synopsis; // after "dotlark-convert "
    QString description;
    OptionTable options;
};
std::vector<CommandHelp> commandHelp();
// The paragraphs that end the help: the pictures taken in, and the exit status.
QString helpImages();
QString helpExitStatus();

// The options runConvert reads these arguments against: those of the mode they name (the
// first, when they name several), or of the commands chosen by their files.
OptionTable optionsOfArguments(const QStringList &arguments);
