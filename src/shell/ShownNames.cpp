#include "shell/ShownNames.h"

QString shownName(const QString &name, int maxLength)
{
    QString shown = name;
    for (QChar &c : shown)
        if (c.category() == QChar::Other_Control)
            c = QChar::ReplacementCharacter;
    if (shown.size() <= maxLength)
        return shown;
    const int tail = (maxLength - 1) / 2;
    qsizetype head = maxLength - 1 - tail;
    qsizetype end = shown.size() - tail;
    // No half of a surrogate pair on either side of the cut.
    if (head > 0 && shown[head - 1].isHighSurrogate())
        --head;
    if (end < shown.size() && shown[end].isLowSurrogate())
        ++end;
    return shown.left(head) + QChar(0x2026) + shown.mid(end);
}
