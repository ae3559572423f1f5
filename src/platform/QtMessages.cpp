#include "platform/QtMessages.h"

#include <QMessageBox>

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

Messages::Answer QtMessages::show(const QString &text, const QString &caption, Icon icon, Buttons buttons)
{
    QMessageBox box(icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, caption,
                    screenLines(text),
                    buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    m_parent);
    box.setTextFormat(Qt::PlainText);
    const int answer = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return answer == QMessageBox::Yes ? Answer::Yes : Answer::No;
}
