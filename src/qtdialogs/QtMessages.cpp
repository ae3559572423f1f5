#include "qtdialogs/QtMessages.h"

#include <QMessageBox>

Messages::Answer QtMessages::show(const QString &text, const QString &caption, Icon icon, Buttons buttons)
{
    QMessageBox box(icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, caption,
                    screenLines(text),
                    buttons == Buttons::Ok ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setTextFormat(Qt::PlainText);
    if (buttons == Buttons::YesNoSafeNo)
        box.setDefaultButton(QMessageBox::No);
    const int answer = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return answer == QMessageBox::Yes ? Answer::Yes : Answer::No;
}
