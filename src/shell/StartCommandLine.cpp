#include "shell/StartCommandLine.h"

QString commandLineOf(const QStringList &words)
{
    const QString line = words.join(u' ');
    if (line.startsWith(u'"') && (line.size() < 2 || !line.endsWith(u'"')))
        return u'"' + line + u'"';
    return line;
}

QString pathOnCommandLine(const QString &commandLine)
{
    return commandLine.startsWith(u'"') ? commandLine.mid(1, commandLine.size() - 2) : commandLine;
}
