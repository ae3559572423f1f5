#pragma once

#include "CommandLine.h"

// Checks of the file names on a command line, before anything is read or written: a name
// the system cannot take ("File name too long"), a folder, and an output that is one of the inputs
// under another spelling, a symbolic link or a hard link (the same device and inode). The
// files are the file arguments and the values of the options whose value is an OUT file.
// kExitOk when the command may run, else kExitRefused after saying why.
int checkFileNames(const Invocation &call, const OptionTable &options);

// Every argument must come through as text unchanged: a name that is not valid UTF-8 would
// name another file. kExitOk, or kExitRefused after naming the first one that does not.
int checkArgumentsCarry(int argc, char *argv[]);
