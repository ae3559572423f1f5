#include "document/SpriteRewrite.h"

#include <algorithm>
#include <map>
#include <new>
#include <stdexcept>
#include <utility>

namespace {

std::string digitsOf(uint64_t value, int base, bool upperLetters)
{
    const char *digits = upperLetters ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string text;
    do {
        text += digits[value % uint64_t(base)];
        value /= uint64_t(base);
    } while (value > 0);
    std::reverse(text.begin(), text.end());
    return text;
}

// How a bare 0 of these arrays is written when it changes: as most of their other literals
// are (the first array's own first), in decimal when they are all bare zeros.
LiteralForm commonForm(const SourceSprite &sprite, const SpriteArray &preferred)
{
    for (const SpriteArray *array : {&preferred, static_cast<const SpriteArray *>(nullptr)}) {
        std::map<std::pair<int, uint32_t>, std::size_t> counts;
        std::size_t upper = 0, lower = 0;
        const LiteralForm *most = nullptr;
        std::size_t mostCount = 0;
        for (const SpriteArray &candidate : sprite.arrays) {
            if (array && &candidate != array)
                continue;
            for (const SourceValue &value : candidate.values) {
                const LiteralForm &form = value.form;
                if (form.base == 0)
                    continue;
                const std::size_t count = ++counts[{form.base, form.digits}];
                if (count > mostCount) {
                    mostCount = count;
                    most = &form;
                }
                if (form.hasLetters)
                    ++(form.upperLetters ? upper : lower);
            }
        }
        if (most) {
            LiteralForm form = *most;
            form.upperLetters = upper >= lower;
            return form;
        }
    }
    LiteralForm decimal;
    decimal.upperLetters = true;
    return decimal;
}

int lineAt(std::string_view text, std::size_t offset)
{
    return 1 + int(std::count(text.begin(), text.begin() + std::ptrdiff_t(std::min(offset, text.size())), '\n'));
}

std::string sizeText(int width, int height)
{
    return std::to_string(width) + " x " + std::to_string(height);
}

} // namespace

std::optional<std::string> writtenLiteral(const SourceValue &old, uint32_t value, int bits, const LiteralForm &bareZero)
{
    const uint64_t range = uint64_t(1) << bits;
    if (old.castBits != 0 && old.castBits < bits) {
        // The cast's type must hold the value: it gives it back widened.
        const uint64_t castRange = uint64_t(1) << old.castBits;
        const uint64_t literal = old.outerNegative ? (range - value) % range : value;
        if (old.castSigned ? literal >= castRange / 2 && literal < range - castRange / 2 : literal >= castRange)
            return std::nullopt;
    }
    // What the literal itself must be, the minus signs outside it undone.
    const auto literalValue = [&](uint64_t element) { return old.outerNegative ? (range - element) % range : element; };
    const uint64_t target = literalValue(value);
    LiteralForm form = old.form;
    if (form.base == 0) {
        const bool negative = form.negative, plus = form.plus;
        const std::string suffix = form.suffix;
        form = bareZero;
        form.base = bareZero.base == 0 ? 10 : bareZero.base;
        form.negative = negative;
        form.plus = plus;
        form.suffix = suffix;
    }
    if (!form.hasLetters)
        form.upperLetters = bareZero.upperLetters;
    // A value with its top bit set is written negative where the literal was, or where a
    // decimal in a signed type would not fit otherwise (unless it was written large before).
    const bool writtenLarge = !old.form.negative && literalValue(old.value) >= range / 2;
    const bool negative = target >= range / 2
                          && (form.negative || (form.base == 10 && old.signedContext && !writtenLarge));
    std::string digits = digitsOf(negative ? range - target : target, form.base, form.upperLetters);
    if (form.base != 10 && digits.size() < form.digits)
        digits.insert(0, form.digits - digits.size(), '0');
    const char *prefix = form.base == 16 ? (form.upperPrefix ? "0X" : "0x")
                         : form.base == 2 ? (form.upperPrefix ? "0B" : "0b")
                         : form.base == 8 ? "0"
                                          : "";
    return std::string(negative ? "-" : form.plus ? "+" : "") + prefix + digits + form.suffix;
}

namespace {

SpriteRewrite rewritten(std::string_view text, const SourceSprite &sprite, std::span<const PixelGrid> planes)
{
    SpriteRewrite result;
    if (!sprite.problem.empty()) {
        result.error = sprite.name + " is not a sprite: " + sprite.problem;
        return result;
    }
    if (text.size() != sprite.textSize || sourceTextHash(text) != sprite.textHash) {
        result.error = "the source is not the text " + sprite.name + " was read from: it has changed since";
        return result;
    }
    if (planes.size() != sprite.planes.size()) {
        result.error = sprite.planes.size() == 1
                           ? "the source holds a black-and-white sprite: a picture of four grey levels cannot be written into it"
                           : "the source holds a sprite of four grey levels: a black-and-white picture cannot be written into it";
        return result;
    }
    const SheetLayout &sheet = sprite.sheet;
    for (const PixelGrid &plane : planes)
        if (plane.width() != sheet.width() || plane.height() != sheet.height()) {
            result.error = "the sprite is now " + sizeText(plane.width(), plane.height()) + " pixels, and its arrays hold "
                           + (sprite.tiles > 1 ? std::to_string(sprite.tiles) + " tiles of " : "")
                           + sizeText(sprite.width, sprite.height)
                           + (sprite.tiles > 1 ? " (" + sizeText(sheet.width(), sheet.height()) + ")" : "")
                           + ": a sprite of another size cannot be written in place";
            return result;
        }
    // The cells right of the last tile of a short last row belong to no tile.
    const PixelRect last = sheet.tile(sprite.tiles - 1);
    for (const PixelGrid &plane : planes)
        for (int y = last.y; y < sheet.height(); ++y)
            for (int x = last.x + last.width; x < sheet.width(); ++x)
                if (plane.at(x, y)) {
                    result.error = "pixels drawn right of the last of the " + std::to_string(sprite.tiles)
                                   + " tiles have no place in the source";
                    return result;
                }

    std::vector<std::pair<const SourceValue *, std::string>> changes;
    for (const SpriteArray &array : sprite.arrays) {
        std::vector<uint32_t> elements(array.count, 0);
        std::vector<int64_t> literalOf(array.count, -1);
        for (std::size_t i = 0; i < array.values.size(); ++i) {
            elements[array.values[i].index] = array.values[i].value;
            literalOf[array.values[i].index] = int64_t(i);
        }
        std::vector<uint32_t> changed = elements;
        const std::size_t layers = array.layers.size();
        for (std::size_t position = 0; position < layers; ++position) {
            const SpriteLayer layer = array.layers[position];
            for (int tile = 0; tile < sprite.tiles; ++tile) {
                const PixelRect place = sheet.tile(tile);
                for (int y = 0; y < sprite.height; ++y)
                    for (int x = 0; x < sprite.width; ++x) {
                        const int px = place.x + x, py = place.y + y;
                        bool bit;
                        if (layer == SpriteLayer::Mask) {
                            const GreyLevel level = spriteLevel(planes, px, py);
                            if (level == spriteLevel(sprite.planes, px, py))
                                continue;
                            bit = (level != sprite.transparent) == (sprite.maskSense == MaskSense::Or);
                        } else {
                            bit = planes[layer == SpriteLayer::Dark ? 1 : 0].at(px, py) != 0;
                        }
                        const std::size_t index = spriteElement(sprite, layers, tile, y, position, x);
                        const uint32_t mask = 1u << (sprite.elementBits - 1 - x % sprite.elementBits);
                        changed[index] = bit ? changed[index] | mask : changed[index] & ~mask;
                    }
            }
        }
        std::optional<LiteralForm> bareZero;
        for (std::size_t index = 0; index < changed.size(); ++index) {
            if (changed[index] == elements[index])
                continue;
            if (literalOf[index] < 0) {
                result.error = "element " + std::to_string(index) + " of " + array.name
                               + " has no value written in the source (its list stops short), and values are not added";
                return result;
            }
            const SourceValue &old = array.values[std::size_t(literalOf[index])];
            if (!bareZero)
                bareZero = commonForm(sprite, array);
            const std::optional<std::string> literal = writtenLiteral(old, changed[index], sprite.elementBits, *bareZero);
            if (!literal) {
                result.error = "the value of " + array.name + " on line " + std::to_string(lineAt(text, old.begin))
                               + " is cast to a type narrower than its elements, which cannot hold its new value";
                return result;
            }
            changes.emplace_back(&old, *literal);
        }
    }
    std::sort(changes.begin(), changes.end(), [](const auto &a, const auto &b) { return a.first->begin < b.first->begin; });
    std::size_t kept = 0;
    for (const auto &[value, literal] : changes) {
        result.text.append(text.substr(kept, value->begin - kept));
        result.text += literal;
        kept = value->end;
    }
    result.text.append(text.substr(kept));
    return result;
}

} // namespace

SpriteRewrite rewriteSprite(std::string_view text, const SourceSprite &sprite, std::span<const PixelGrid> planes)
{
    try {
        return rewritten(text, sprite, planes);
    } catch (const std::bad_alloc &) {
        return {{}, "there is not enough memory to write it"};
    } catch (const std::length_error &) {
        return {{}, "there is not enough memory to write it"};
    }
}
