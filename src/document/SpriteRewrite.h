#pragma once

#include "document/SourceSprites.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// A sprite read from C source (SourceSprites.h) written back into the text it came from.
// Only the literals of its arrays whose values change are written again, each as it was
// written: its base, its digits padded with zeros to as many as before, the case of its
// letters, its suffix; a cast or parenthesis around it stays, and a minus sign is written
// where the value needs one in a signed type. Every other byte of the text stays as it was,
// and a sprite written back unchanged gives the text back byte for byte.
//
// The mask follows the pixels that change: where a pixel's level changes, its mask bit
// becomes opaque, or transparent where the new level is the one the mask leaves out, in the
// sense the source uses; where it does not, the bit stays, so that a mask drawn by hand
// (covering a white inside, say) keeps what it covers.

struct SpriteRewrite
{
    std::string text;  // the new text, when there is no error
    std::string error; // why the sprite cannot be written in place
};

// `text` with `sprite` (read from it) holding `planes`, of the sprite's sheet size and
// plane count.
SpriteRewrite rewriteSprite(std::string_view text, const SourceSprite &sprite, std::span<const PixelGrid> planes);

// The literal `old` written with the element value `value` in an array of `bits`-bit
// elements; a bare 0, which has no base of its own, is written in `bareZero`'s base, digits
// and case. Nothing when no literal can give it: its cast is to a type narrower than the
// elements, which does not hold the value.
std::optional<std::string> writtenLiteral(const SourceValue &old, uint32_t value, int bits, const LiteralForm &bareZero);
