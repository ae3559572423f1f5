#pragma once

#include "document/SourceSprites.h"

#include <QCoreApplication>
#include <QString>

// How the editor's chooser and the converter's list describe a sprite of C source: its
// element size, length and shape, the arrays it is made of, and why an array is none.
class SpriteSummary
{
    Q_DECLARE_TR_FUNCTIONS(SpriteSummary)

public:
    // "16 bits", "8 bits x 2 a row" (rows of bytes); empty for an array that is no sprite.
    static QString elementSize(const SourceSprite &sprite);
    // "16 elements", "16 x 16 elements" for a sheet; empty for an array that is no sprite.
    static QString length(const SourceSprite &sprite);
    // "16 x 16 pixels, four grey levels, with a mask", "16 tiles of 16 x 16 pixels, 4 a row";
    // for an array that is no sprite, "not a sprite: " and the reason.
    static QString shape(const SourceSprite &sprite);
    // The arrays, "ship_light, ship_dark, ship_mask".
    static QString arrays(const SourceSprite &sprite);
};
