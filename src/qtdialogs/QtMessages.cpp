#include "qtdialogs/QtMessages.h"

#include <QMessageBox>

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
