// The C source reader and its sprites on any text: every place it gives lies inside the text,
// in order; every sprite it finds written back unchanged gives the same text byte for byte,
// and written back with a pixel changed gives a text whose same sprite reads as the changed
// picture (or a reason it cannot be written).

#include "FuzzCheck.h"
#include "document/SourceSprites.h"
#include "document/SpriteRewrite.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void checkArrays(const SourceRead &read, std::size_t size)
{
    for (const SourceArray &array : read.arrays) {
        FUZZ_CHECK(array.begin <= array.end && array.end <= size);
        if (!array.problem.empty()) {
            FUZZ_CHECK(array.values.empty());
            continue;
        }
        FUZZ_CHECK(array.bits == 8 || array.bits == 16 || array.bits == 32);
        uint64_t elements = 1;
        for (const uint32_t dim : array.dims)
            elements *= dim;
        FUZZ_CHECK(!array.dims.empty() && elements == array.count && array.count > 0 && array.count <= kSourceMaxElements);
        std::size_t end = 0;
        for (std::size_t i = 0; i < array.values.size(); ++i) {
            const SourceValue &value = array.values[i];
            FUZZ_CHECK(value.begin < value.end && value.end <= size && value.begin >= end);
            FUZZ_CHECK(value.index < array.count && (i == 0 || value.index > array.values[i - 1].index));
            FUZZ_CHECK(array.bits == 32 || value.value < (1u << array.bits));
            end = value.end;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const SourceRead read = readSourceArrays(text);
    if (!read.error.empty()) {
        FUZZ_CHECK(read.arrays.empty());
        return 0;
    }
    checkArrays(read, size);
    int reread = 0;
    const std::vector<SourceSprite> sprites = spritesIn(text, read);
    for (std::size_t k = 0; k < sprites.size(); ++k) {
        const SourceSprite &sprite = sprites[k];
        if (!sprite.problem.empty())
            continue;
        FUZZ_CHECK(sprite.planes.size() == 1 || sprite.planes.size() == 2);
        for (const PixelGrid &plane : sprite.planes)
            FUZZ_CHECK(plane.width() == sprite.sheet.width() && plane.height() == sprite.sheet.height());
        FUZZ_CHECK(!sprite.mask || (sprite.mask->width() == sprite.sheet.width() && sprite.mask->height() == sprite.sheet.height()));
        const SpriteRewrite same = rewriteSprite(text, sprite, sprite.planes);
        FUZZ_CHECK(same.error.empty() && same.text == text);

        // Rereading costs the whole text again: a few sprites of each input are enough.
        if (++reread > 4)
            continue;
        std::vector<PixelGrid> changed = sprite.planes;
        changed[0].set(0, 0, !changed[0].at(0, 0));
        const SpriteRewrite written = rewriteSprite(text, sprite, changed);
        if (!written.error.empty())
            continue;
        // The same arrays make the same sprites, in the same order (a name may differ by its
        // line, where a value written across joined lines is now on one).
        const SourceRead again = readSourceArrays(written.text);
        FUZZ_CHECK(again.error.empty());
        const std::vector<SourceSprite> after = spritesIn(written.text, again);
        FUZZ_CHECK(after.size() == sprites.size());
        FUZZ_CHECK(after[k].problem.empty() && after[k].planes == changed);
    }
    return 0;
}
