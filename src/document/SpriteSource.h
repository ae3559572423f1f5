#pragma once

#include "document/GreyPicture.h"
#include "document/PixelGrid.h"

#include <span>
#include <string>
#include <string_view>

// C source of a picture for calculator programs built with GCC4TI or TIGCC: one array per
// plane (one for a black-and-white picture, light and dark for four grey levels), each row
// one element of 8, 16 or 32 pixels (unsigned char, short, long; the leftmost pixel in the
// most significant bit, 1 = set) or, for any width, a row of bytes for SpriteX8.

enum class SpriteWidth { W8, W16, W32, X8 };

struct SpriteRequest
{
    SpriteWidth width = SpriteWidth::W16;
    // A mask plane after the picture's planes: a bit set where the sprite is opaque, that
    // is where its level is not `transparent`.
    bool mask = false;
    GreyLevel transparent = GreyLevel::White;
    // One array with the rows of every plane in turn (light, dark[, mask] for each row)
    // instead of an array per plane.
    bool interlaced = false;
    // Arrays `static const` for a header, plain `const` for a source file of its own.
    bool header = true;
    std::string name; // the variable's name, calculator bytes; the arrays' names come from it
};

enum class SpriteError {
    None,
    Empty,   // the area holds no pixel of the picture
    TooWide, // wider than the rows of 8, 16 or 32 pixels
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

// A C identifier made of a calculator name: every byte that is not an ASCII letter, digit or
// underscore (a Greek letter, say) becomes an underscore; a name that begins with a digit
// or is a C keyword gets "pic_" in front, an empty one is "picture".
std::string cIdentifier(std::string_view name);

// The pixels a row element holds: 8, 16 or 32, and 8 for SpriteX8's bytes.
int pixelsPerElement(SpriteWidth rows);
