#pragma once

#include <QLineEdit>

// A single-line text box whose typing limit holds only for what the user types or pastes:
// text set by the program (a 40-character comment read from a file, say) reaches the box
// whole, where QLineEdit::setText would cut it to the maximum length.
class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit TextBox(int typingLimit, QWidget *parent = nullptr);
    int typingLimit() const { return m_limit; }
    // Hides QLineEdit::setText: the program's texts are never cut.
    void setText(const QString &text);

private:
    int m_limit;
};
