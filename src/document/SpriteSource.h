#pragma once

#include "document/GreyPicture.h"
#include "document/PixelGrid.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// C source of a picture for calculator programs built with GCC4TI or TIGCC: one array per
// plane (one for a black-and-white picture, light and dark for four grey levels), each row
// one element of 8, 16 or 32 pixels (unsigned char, short, long; the leftmost pixel in the
// most significant bit, 1 = set) or, for any width, a row of bytes for SpriteX8.

enum class SpriteWidth { W8, W16, W32, X8 };

// What a mask bit means. And: 1 where the sprite is transparent, for routines that AND the
// mask into the screen (clearing where the sprite goes) before they OR the sprite in. Or:
// 1 where the sprite is opaque.
enum class MaskSense { And, Or };

// A sheet of tiles: the picture cut into tiles of tileWidth x tileHeight, read left to right,
// then down; `names` name the first tiles (calculator bytes; any may be left out).
struct TileSheet
{
    int tileWidth = 16;
    int tileHeight = 16;
    std::vector<std::string> names;
};

struct SpriteRequest
{
    SpriteWidth width = SpriteWidth::W16;
    // A mask plane beside the picture's planes, telling where the sprite is opaque, that is
    // where its level is not `transparent`, in `maskSense`.
    bool mask = false;
    GreyLevel transparent = GreyLevel::White;
    // One array with the rows of every plane in turn (mask first when there is one, then
    // light and dark: M/L/D) instead of an array per plane.
    bool interlaced = false;
    // Arrays `static const` for a header, plain `const` for a source file of its own.
    bool header = true;
    std::string name; // the variable's name, calculator bytes; the arrays' names come from it
    MaskSense maskSense = MaskSense::And;
    // The file written, without its folder: a header's include guard is made of it and the
    // array's name, so two headers of one name for different pictures both count.
    std::string fileName;
    // Every tile of a sheet (spriteSheetSource) instead of one sprite, when there is one.
    std::optional<TileSheet> sheet;
};

enum class SpriteError {
    None,
    Empty,         // the area holds no pixel of the picture
    TooWide,       // wider than the rows of 8, 16 or 32 pixels
    NotWholeTiles, // a sheet whose size is not a whole number of tiles
    TooManyNames,  // more tile names than tiles
};


struct SpriteResult
{
    SpriteError error = SpriteError::None;
    std::string text; // the source, when there is no error
};

// The source of `area` of a picture of one plane (1 = black) or two (light, dark), each at
// least as large as the area. A narrower picture is padded with white on the right.
SpriteResult spriteSource(std::span<const PixelGrid> planes, const PixelRect &area, const SpriteRequest &request);

// The reason in the user's words: the width of the area and what the rows hold.
std::string spriteErrorText(SpriteError error, int width, SpriteWidth rows);

// Every tile of `area` as one array per plane (and mask) of `name[N][H]` elements, tile i
// of the sheet in reading order at index i: the count as NAME_COUNT, the named tiles'
// indices in an enum, and a comment that draws each tile.
SpriteResult spriteSheetSource(std::span<const PixelGrid> planes, const PixelRect &area, const SpriteRequest &request,
                               const TileSheet &sheet);
// The reason a sheet cannot be written, with the sizes.
std::string sheetErrorText(SpriteError error, int width, int height, const TileSheet &sheet, SpriteWidth rows);

// A C identifier made of a calculator name: every byte that is not an ASCII letter, digit or
// underscore (a Greek letter, say) becomes an underscore; a name that begins with a digit
// or is a C keyword gets "pic_" in front, an empty one is "picture".
std::string cIdentifier(std::string_view name);

// The pixels a row element holds: 8, 16 or 32, and 8 for SpriteX8's bytes.
int pixelsPerElement(SpriteWidth rows);
