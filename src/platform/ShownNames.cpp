#include "platform/ShownNames.h"

#include <QCoreApplication>
#include <QFile>

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

bool carriesAsText(const QByteArray &name) { return QFile::encodeName(QFile::decodeName(name)) == name; }

namespace {

// The length of the UTF-8 sequence a byte starts; 0 when no valid one starts with it.
int sequenceLength(uchar lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

} // namespace

QString shownBytes(const QByteArray &name)
{
    QString shown;
    qsizetype i = 0;
    while (i < name.size()) {
        const uchar lead = uchar(name[i]);
        const int length = sequenceLength(lead);
        // The decoder refuses what no valid character is (overlong forms, surrogates).
        const QByteArray piece = name.mid(i, length);
        if (length > 0 && piece.size() == length && carriesAsText(piece)) {
            shown += QFile::decodeName(piece);
            i += length;
            continue;
        }
        shown += QStringLiteral("\\x") + QString::number(lead, 16).toUpper().rightJustified(2, u'0');
        ++i;
    }
    return shown;
}

QString uncarriedNameReason()
{
    return QCoreApplication::translate("ShownNames",
                                       "The name is not valid UTF-8 text, so this program cannot open or write a file "
                                       "by it. Rename the file.");
}
