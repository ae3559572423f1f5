#pragma once

#include "platform/Failure.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// Windows metafiles, with or without the placeable header, drawn through libwmf at screen
// resolution onto white. The bytes are checked before libwmf sees them: it trusts sizes and
// counts that a damaged or hostile file makes up, and loses the reason when it gives up.
namespace MetafileReader {

// Whether the bytes begin as a metafile does.
bool recognises(const QByteArray &bytes);
// The metafile's picture, or NotAPicture telling why (naming no file: it sees only bytes).
Outcome<QImage> read(const QByteArray &bytes);

} // namespace MetafileReader
