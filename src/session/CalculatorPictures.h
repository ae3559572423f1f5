#pragma once

#include "document/Picture89i.h"
#include "platform/CalculatorLink.h"

class FileStore;

// The pixels of a screen the calculator sent, as a picture main\screen.
CalcPicture screenPicture(const CalculatorScreen &screen);

// A variable file received from the calculator (at path, holding bytes) as a picture: one the
// calculator gave another type byte is taken by its data (rows, columns, tag byte); one that
// holds no picture is a NotAPicture failure, one too large to edit a PictureTooLarge one.
Outcome<CalcPicture> receivedPicture(const QString &path, const QByteArray &bytes);

// The picture variable `variable` (folder\name, as the user reads it) that the link wrote
// to the temporary file `copy`, read from `files` and taken as receivedPicture takes it.
// Every failure is the variable's: the user never chose, and cannot use, the copy's path.
Outcome<CalcPicture> readReceivedPicture(FileStore &files, const QString &copy, const QString &variable);
