#pragma once

#include <QString>
#include <QStringList>

// The file named when the editor starts. The window reads its command line as one string:
// the words after the options joined with blanks, and a pair of double quotes around the
// whole removed.

// The one string from the words the system passed. A name that merely begins with a double
// quote is protected by a pair of its own, so that the removal gives it back unchanged.
QString commandLineOf(const QStringList &words);

// The path the string names; empty when it names none.
QString pathOnCommandLine(const QString &commandLine);
