#pragma once

#include "document/Picture89i.h"
#include "platform/CalculatorLink.h"

// The pixels of a screen the calculator sent, as a picture main\screen.
CalcPicture screenPicture(const CalculatorScreen &screen);

// A variable file received from the calculator (at path, holding bytes) as a picture: one the
// calculator gave another type byte is taken by its data (rows, columns, tag byte); one that
// holds no picture is a NotAPicture failure, one too large to edit a PictureTooLarge one.
Outcome<CalcPicture> receivedPicture(const QString &path, const QByteArray &bytes);
