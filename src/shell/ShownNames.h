#pragma once

#include <QString>

// File names as the window shows them in menus and messages. A name can be anything a
// settings file or a command line held: thousands of characters, line breaks, control codes.
// Shown, it keeps its start and its end (where the ending is) and loses the middle to an
// ellipsis; control characters become U+FFFD. The real name is kept wherever it is used.

inline constexpr int kMenuNameLength = 60;     // a recent-file caption
inline constexpr int kMessageNameLength = 300; // a path in a message box

QString shownName(const QString &name, int maxLength);
