#pragma once

#include <QByteArray>
#include <QList>
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

// The words as the system passed them, in bytes, read as text. When one of them is not valid
// UTF-8 (ShownNames: it does not carry as text), `words` is empty and `uncarried` holds the
// name they make, joined with blanks: no file is opened by a name that would be another.
struct StartWords
{
    QStringList words;
    QByteArray uncarried;
};
StartWords startWords(const QList<QByteArray> &raw);
