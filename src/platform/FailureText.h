#pragma once

#include "platform/Failure.h"

#include <QString>

// The words the user reads for a failure, in the editor's message boxes and the converter's
// lines alike. The path is not in them: each command names the file in its own way ("Can't
// open <file>\r...", "dotlark-convert: <file>: ..."). The file store's kinds read as sentences,
// a picture reader's as a phrase to follow "<file>: ".
QString describe(const Failure &failure);

// A file larger than the reader takes, limitBytes being the most it takes.
Failure fileTooLarge(const QString &path, qint64 limitBytes);
