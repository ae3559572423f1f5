#include "session/StartCommandLine.h"

#include "platform/ShownNames.h"

#include <QFile>

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

StartWords startWords(const QList<QByteArray> &raw)
{
    StartWords start;
    for (const QByteArray &word : raw) {
        if (!carriesAsText(word))
            return {{}, QByteArrayList(raw).join(' ')};
        start.words << QFile::decodeName(word);
    }
    return start;
}
