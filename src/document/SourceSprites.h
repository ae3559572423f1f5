#pragma once

#include "document/CSourceReader.h"
#include "document/GreyPicture.h"
#include "document/PixelGrid.h"
#include "document/SpriteSource.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The sprites a user can open from the arrays of a C source text (CSourceReader), each with
// the arrays and the places of the values it was read from, so that a changed sprite can be
// written back in place (SpriteRewrite.h).
//
// An array of 8, 16 or 32-bit elements is a black-and-white sprite as wide as its elements,
// a row per element, the leftmost pixel in the top bit, 1 = black; `NAME[N][H]` is a sheet
// of N tiles of H rows. Two arrays named as the light and dark planes of one name
// (NAME_light and NAME_dark as DOTLARK writes them, or _l/_d, Light/Dark, _plane0/_plane1,
// _0/_1 where there is no NAME_2) of the same type and size make one grey sprite; NAME_mask
// (_m, Mask) of the same size beside a sprite is its mask.
//
// The comment just before the first array may say more, as DOTLARK's own comments do
// (commentFacts): the size in pixels ("W x H pixels", "N tiles of W x H"), rows of bytes
// for SpriteX8 ("rows of B bytes"), the layers of interlaced rows in their order
// ("Interlaced: each row as light, dark, mask", or "M/L/D"), the tiles across a sheet
// ("C tiles across"), the mask's sense ("AND mask: 1 = transparent", "OR mask: 1 = opaque",
// "a bit set where the sprite is opaque") and the level it leaves out ("(not white)").
// What the arrays cannot hold is set aside with a note, never guessed at. A hand-written
// mask whose comment states no sense is read as its bits show it: clear under every pixel
// drawn (1 = transparent) or set under every one (1 = opaque); bits that show neither are
// taken as 1 = opaque, with a note.

// A sheet's tiles in rows of `columns` (the last row may be short), left to right.
struct SheetLayout
{
    int tiles = 1, columns = 1, tileWidth = 0, tileHeight = 0;

    int rows() const { return columns > 0 ? (tiles + columns - 1) / columns : 0; }
    int width() const { return columns * tileWidth; }
    int height() const { return rows() * tileHeight; }
    PixelRect tile(int index) const
    {
        return {index % columns * tileWidth, index / columns * tileHeight, tileWidth, tileHeight};
    }
};

// The sheet of tiles as large as the first, in rows of `columns`; the tiles of a sheet.
PixelGrid joinTiles(std::span<const PixelGrid> tiles, int columns);
std::vector<PixelGrid> splitTiles(const PixelGrid &sheet, const SheetLayout &layout);

enum class SpriteLayer : uint8_t { Picture, Light, Dark, Mask };
// MaskSense (SpriteSource.h) tells what a set bit of the mask means: Or 1 = opaque, And 1 = transparent.
enum class SenseFrom : uint8_t { Comment, Bits, Assumed };

// What the comment before a sprite says of it (0 or empty: nothing).
struct CommentFacts
{
    int width = 0, height = 0; // of one tile
    int tiles = 0, columns = 0;
    int rowBytes = 0; // SpriteX8's rows of bytes
    std::vector<SpriteLayer> interlaced;
    std::optional<MaskSense> sense;
    std::optional<GreyLevel> transparent; // the level the mask leaves out

    bool any() const { return width || height || tiles || columns || rowBytes || !interlaced.empty(); }
};
CommentFacts commentFacts(std::string_view comment);

// One array a sprite is read from: the layers its rows hold, in turn.
struct SpriteArray
{
    std::string name;
    int line = 0;
    std::vector<SpriteLayer> layers;
    uint32_t count = 0;
    std::vector<SourceValue> values; // as read, at the element size the sprite takes
};

struct SourceSprite
{
    std::string name;                // as the user sees it: the arrays' common name
    std::string problem;             // not a sprite, and why (then only name and line are set)
    int line = 0;                    // of its first array
    std::vector<std::string> notes;  // what was set aside or taken on trust

    int elementBits = 0;             // 8, 16 or 32
    bool elementSigned = false;
    uint32_t elementCount = 0;       // in each array
    int elementsPerRow = 1;          // more than 1 for SpriteX8's rows of bytes
    int tiles = 1, width = 0, height = 0; // width and height of one tile
    SheetLayout sheet;
    // The sheet's pixels: one plane (1 = black) or two (light, dark), sheet.width() x
    // sheet.height(); cells beyond the last tile are white.
    std::vector<PixelGrid> planes;
    std::optional<PixelGrid> mask;   // 1 = opaque, whatever the source's sense
    MaskSense maskSense = MaskSense::Or;
    SenseFrom senseFrom = SenseFrom::Assumed;
    GreyLevel transparent = GreyLevel::White;
    std::vector<SpriteArray> arrays;
    // The text it was read from, so that it is written back into no other.
    std::size_t textSize = 0;
    uint64_t textHash = 0;
};

// The element of an array that holds `layers` layers in turn (SpriteArray::layers) where
// layer `position`'s pixel (x, y) of a tile is; its bit is elementBits - 1 - x % elementBits.
inline std::size_t spriteElement(const SourceSprite &sprite, std::size_t layers, int tile, int y, std::size_t position, int x)
{
    return ((std::size_t(tile) * std::size_t(sprite.height) + std::size_t(y)) * layers + position)
               * std::size_t(sprite.elementsPerRow)
           + std::size_t(x / sprite.elementBits);
}

// The level of a pixel of one plane (black or white) or two (light, dark).
inline GreyLevel spriteLevel(std::span<const PixelGrid> planes, int x, int y)
{
    if (planes.size() == 1)
        return planes[0].at(x, y) ? GreyLevel::Black : GreyLevel::White;
    return static_cast<GreyLevel>((planes[0].at(x, y) ? 1 : 0) | (planes[1].at(x, y) ? 2 : 0));
}

// Every candidate in the order of the text, the arrays that are no sprite among them with
// their reasons; the arrays of `read`, read from `text`. Short of memory: one entry that
// says so.
std::vector<SourceSprite> spritesIn(std::string_view text, const SourceRead &read);

uint64_t sourceTextHash(std::string_view text);
