#pragma once

#include "CommandLine.h"

// Checks of the file names on a command line, before anything is read or written: a name
// the system cannot take ("File name too long"), a folder, and an output that is one of the inputs
// under another spelling, a symbolic link or a hard link (the same device and inode). The
// files are the file arguments and the values of the options whose value is an OUT file.
// kExitOk when the command may run, else kExitRefused after saying why.
int checkFileNames(const Invocation &call, const OptionTable &options);

// Every argument (without the program name, as the system passed it) must come through as
// text unchanged: a name that is not valid UTF-8 would name another file, a value another
// value. kExitOk, or else after saying what the first one that does not is: a file's name
// (kExitRefused), or an option or an option's value (kExitUsage, naming the option), read
// against `options` as the command line is parsed.
int checkArgumentsCarry(const QList<QByteArray> &arguments, const OptionTable &options);
