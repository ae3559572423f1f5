#pragma once

#include "document/GroupFile.h"
#include "document/RecoveryCopy.h"
#include "document/SpriteSource.h"

#include <QString>

// The reasons the file formats of document/ give, in the user's words. document/ words them
// in English without Qt (groupErrorText, errorText, spriteErrorText: the fuzzers and its own
// tests read those); here the same English is translatable, whole sentence by sentence.

// Why a group file cannot be read; `entry` counts from 0, `entryName` is shown as it stands.
QString groupReason(GroupError error, int entry = -1, const QString &entryName = {});

// Why a recovery copy cannot be read.
QString recoveryReason(RecoveryError error);

// Why no C source can be made of a picture `width` pixels wide in rows of `rows`.
QString spriteReason(SpriteError error, int width, SpriteWidth rows);
// Why no sheet of tiles can be made of a picture of width x height pixels.
QString sheetReason(SpriteError error, int width, int height, const TileSheet &sheet, SpriteWidth rows);
