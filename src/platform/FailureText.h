#pragma once

#include "platform/Failure.h"

#include <QString>

// How the words stand in the message around them:
//   Sentence: on a line of their own, under the command's words and the file's name
//             ("Can't open <file>\r<sentence>"; "dotlark-convert: <file>: <sentence>").
//   Phrase:   following "<file>: " within a sentence, as the picture readers' reasons do
//             ("Can't import <file>: <phrase>"; "...: cannot be read as a picture: <phrase>").
enum class Wording { Sentence, Phrase };

// The words the user reads for a failure, in the editor's message boxes and the converter's
// lines alike: the one place they are made. The path is not in them: each command names the
// file in its own way. Kinds that have no phrase of their own read as their sentence.
QString describe(const Failure &failure, Wording wording = Wording::Sentence);

// A file larger than the reader takes, limitBytes being the most it takes.
Failure fileTooLarge(const QString &path, qint64 limitBytes);
