#pragma once

#include <QString>

// Modal message boxes, as the program needs them.
class Messages
{
public:
    enum class Icon { None, Exclamation };
    // YesNoSafeNo: Yes and No where Return answers No, for a question whose Yes destroys
    // something (another program's file), so that a key pressed to dismiss the box does not.
    enum class Buttons { Ok, YesNo, YesNoSafeNo };
    enum class Answer { Ok, Yes, No };

    virtual ~Messages() = default;
    // Shows text under caption and waits for the answer. A carriage return, a line feed or
    // a pair of them in the text starts a new line on screen.
    virtual Answer show(const QString &text, const QString &caption, Icon icon, Buttons buttons) = 0;

    // The usual case: an OK box with the exclamation icon.
    void warn(const QString &text, const QString &caption) { show(text, caption, Icon::Exclamation, Buttons::Ok); }
};

// Line breaks as the screen shows them: CR, LF, CR LF and LF CR each make one break.
QString screenLines(const QString &text);
