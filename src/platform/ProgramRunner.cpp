#include "platform/ProgramRunner.h"

#include <QRegularExpression>

QString outputTail(const QString &output, int lines, int columns)
{
    QStringList kept;
    const QStringList all = output.split(QRegularExpression(QStringLiteral("[\r\n]+")), Qt::SkipEmptyParts);
    for (qsizetype i = all.size() - 1; i >= 0 && kept.size() < lines; --i) {
        const QString line = all[i].trimmed();
        if (!line.isEmpty())
            kept.prepend(line.size() > columns ? line.left(columns - 3) + QStringLiteral("...") : line);
    }
    return kept.join(u'\n');
}
