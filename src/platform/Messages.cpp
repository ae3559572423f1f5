#include "platform/Messages.h"

QString screenLines(const QString &text)
{
    QString lines;
    lines.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            const QChar partner = c == u'\r' ? u'\n' : u'\r';
            if (i + 1 < text.size() && text[i + 1] == partner)
                ++i;
            lines += u'\n';
        } else {
            lines += c;
        }
    }
    return lines;
}
