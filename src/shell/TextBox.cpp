#include "shell/TextBox.h"

TextBox::TextBox(int typingLimit, QWidget *parent) : QLineEdit(parent), m_limit(typingLimit)
{
    setMaxLength(m_limit);
    // A text beyond the limit may get shorter, never longer: as the user deletes from it,
    // the maximum follows it down to the typing limit.
    connect(this, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (maxLength() > m_limit && text.size() < maxLength())
            setMaxLength(std::max(m_limit, static_cast<int>(text.size())));
    });
}

void TextBox::setText(const QString &text)
{
    setMaxLength(std::max(m_limit, static_cast<int>(text.size())));
    QLineEdit::setText(text);
}
