#pragma once

#include <QByteArray>
#include <QString>

// File names as the window shows them in menus and messages. A name can be anything a
// settings file or a command line held: thousands of characters, line breaks, control codes.
// Shown, it keeps its start and its end (where the ending is) and loses the middle to an
// ellipsis; control characters become U+FFFD. The real name is kept wherever it is used.

inline constexpr int kMenuNameLength = 60;     // a recent-file caption
inline constexpr int kMessageNameLength = 300; // a path in a message box

QString shownName(const QString &name, int maxLength);

// Names as the system passes them, in bytes (a command line). The program reads names as
// UTF-8 text; a name that is not valid UTF-8 comes out with U+FFFD in place of its bad bytes,
// which names another file. Such a name cannot be carried: it must be refused, not used.
bool carriesAsText(const QByteArray &name);
// The name with each byte that is no part of a valid character written as \xHH.
QString shownBytes(const QByteArray &name);
// Why a name that does not carry as text is refused, in the user's words.
QString uncarriedNameReason();
