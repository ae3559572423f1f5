#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>
#include <string_view>

// The TI-89 character set: calculator bytes <-> Unicode text for the text boxes.
// Every byte 1..255 survives bytes -> text -> bytes unchanged (codes 128-148 are Greek
// letters). Text that the calculator set cannot hold becomes '?' (code 63), which the
// calculator name rules reject. A zero byte ends a calculator text.
namespace CalcCharset {

QString toUnicode(std::string_view bytes);
std::string fromUnicode(const QString &text);

// The text cut into the pieces that become one calculator byte each: one character, a
// surrogate pair, or a letter with a combining mark that the calculator has as one code.
QStringList characters(const QString &text);

// The calculator code of one such piece; '?' when the calculator has none.
uint8_t byteOf(const QString &character);

// The pieces of the text that the calculator has no code for, each once, in order.
QStringList unstorable(const QString &text);
// What the user reads when a comment holding such pieces is stored: they become '?'.
// Empty when every piece is stored as it is.
QString unstorableCommentNote(const QString &comment);

} // namespace CalcCharset
