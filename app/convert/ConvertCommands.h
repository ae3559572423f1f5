#pragma once

#include <QString>
#include <QStringList>

class FileStore;
class PictureLoader;

// Runs the command of dotlark-convert that the arguments (without the program name)
// describe and gives its exit status (ExitCode). Results go to standard output,
// complaints to standard error. Output files are written whole or not at all.
// --print-pdf needs a QGuiApplication.
int runConvert(const QStringList &arguments, FileStore &files, PictureLoader &loader);

QString helpText();
