#include "document/SourceSprites.h"

#include <algorithm>
#include <cctype>
#include <new>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

PixelGrid joinTiles(std::span<const PixelGrid> tiles, int columns)
{
    if (tiles.empty() || columns < 1)
        return {};
    const SheetLayout layout{int(tiles.size()), columns, tiles[0].width(), tiles[0].height()};
    PixelGrid sheet(layout.width(), layout.height());
    for (int index = 0; index < layout.tiles; ++index) {
        const PixelRect place = layout.tile(index);
        for (int y = 0; y < place.height; ++y)
            for (int x = 0; x < place.width; ++x)
                sheet.put(place.x + x, place.y + y, uint8_t(tiles[size_t(index)].at(x, y)));
    }
    return sheet;
}

std::vector<PixelGrid> splitTiles(const PixelGrid &sheet, const SheetLayout &layout)
{
    std::vector<PixelGrid> tiles;
    for (int index = 0; index < layout.tiles; ++index) {
        const PixelRect place = layout.tile(index);
        PixelGrid tile(layout.tileWidth, layout.tileHeight);
        for (int y = 0; y < place.height; ++y)
            for (int x = 0; x < place.width; ++x)
                tile.put(x, y, uint8_t(sheet.at(place.x + x, place.y + y)));
        tiles.push_back(std::move(tile));
    }
    return tiles;
}

uint64_t sourceTextHash(std::string_view text)
{
    uint64_t hash = 14695981039346656037u; // FNV-1a
    for (const char c : text)
        hash = (hash ^ uint8_t(c)) * 1099511628211u;
    return hash;
}

namespace {

// ---- what a comment says ----

// The comment's words: runs of digits, runs of letters (in lower case), and every other
// mark but blanks and the stars of a comment's frame on its own.
std::vector<std::string> wordsOf(std::string_view comment)
{
    std::vector<std::string> words;
    const auto kind = [](char c) {
        return c >= '0' && c <= '9' ? 1 : (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ? 2 : 0;
    };
    for (std::size_t i = 0; i < comment.size();) {
        const char c = comment[i];
        // A hex number is one word: "0x10" is no size.
        if (c == '0' && i + 2 < comment.size() && (comment[i + 1] == 'x' || comment[i + 1] == 'X')
            && std::isxdigit(static_cast<unsigned char>(comment[i + 2]))) {
            std::size_t end = i + 2;
            while (end < comment.size() && std::isxdigit(static_cast<unsigned char>(comment[end])))
                ++end;
            words.emplace_back(comment.substr(i, end - i));
            i = end;
            continue;
        }
        if (kind(c) == 0) {
            if (c != '*' && static_cast<unsigned char>(c) > ' ')
                words.emplace_back(1, c);
            ++i;
            continue;
        }
        std::string word;
        for (; i < comment.size() && kind(comment[i]) == kind(c); ++i)
            word += char(comment[i] >= 'A' && comment[i] <= 'Z' ? comment[i] - 'A' + 'a' : comment[i]);
        words.push_back(std::move(word));
    }
    return words;
}

class Facts
{
public:
    explicit Facts(std::string_view comment) : m_words(wordsOf(comment)) {}

    CommentFacts read()
    {
        CommentFacts facts;
        bool inPixels = false;
        std::optional<MaskSense> stated, named, setWhere;
        for (std::size_t i = 0; i < m_words.size(); ++i) {
            if (number(i) > 0 && oneOf(i + 1, {"tiles", "tile", "frames"}) && at(i + 2) == "of" && size(i + 3)
                && facts.tiles == 0) {
                facts.tiles = number(i);
                facts.width = number(i + 3);
                facts.height = number(i + 5);
                inPixels = true;
            }
            if (size(i) && !inPixels && (facts.width == 0 || oneOf(i + 3, {"pixels", "pixel", "px"}))) {
                facts.width = number(i);
                facts.height = number(i + 2);
                inPixels = oneOf(i + 3, {"pixels", "pixel", "px"});
            }
            if (number(i) > 0 && facts.columns == 0) {
                const std::size_t j = oneOf(i + 1, {"tiles", "tile"}) ? i + 2 : i + 1;
                if (oneOf(j, {"across", "wide", "columns", "column"}) || (oneOf(j, {"per", "a", "each"}) && at(j + 1) == "row"))
                    facts.columns = number(i);
            }
            if (at(i) == "rows" && at(i + 1) == "of" && number(i + 2) > 0) {
                if (oneOf(i + 3, {"tiles", "tile"}) && facts.columns == 0)
                    facts.columns = number(i + 2);
                if (oneOf(i + 3, {"bytes", "byte"}) && facts.rowBytes == 0)
                    facts.rowBytes = number(i + 2);
            }
            if (at(i) == "interlaced" && facts.interlaced.empty())
                facts.interlaced = layerRun(i + 1);
            if (at(i) == "1" && oneOf(i + 1, {"=", "means"}) && !stated)
                stated = sense(i + 2);
            if (oneOf(i, {"and", "or"}) && at(i + 1) == "mask" && (i == 0 || !layer(i - 1)) && !named)
                named = at(i) == "and" ? MaskSense::And : MaskSense::Or;
            if (at(i) == "set" && at(i + 1) == "where" && !setWhere)
                for (std::size_t k = i + 2; k < i + 7 && !setWhere; ++k)
                    setWhere = sense(k);
            if (!facts.transparent) {
                if (at(i) == "not")
                    facts.transparent = level(i + 1);
                if (at(i) == "transparent") {
                    std::size_t j = i + 1;
                    while (oneOf(j, {":", "(", "is", "="}))
                        ++j;
                    facts.transparent = level(j);
                }
                if (level(i) && at(i + levelWords(i)) == "is" && at(i + levelWords(i) + 1) == "transparent")
                    facts.transparent = level(i);
            }
        }
        facts.sense = stated ? stated : named ? named : setWhere;
        return facts;
    }

private:
    std::string_view at(std::size_t i) const { return i < m_words.size() ? std::string_view(m_words[i]) : ""; }
    bool oneOf(std::size_t i, std::initializer_list<std::string_view> words) const
    {
        return std::find(words.begin(), words.end(), at(i)) != words.end();
    }
    int number(std::size_t i) const
    {
        const std::string_view word = at(i);
        if (word.empty() || word.size() > 6)
            return -1;
        int value = 0;
        for (const char c : word) {
            if (c < '0' || c > '9')
                return -1;
            value = value * 10 + (c - '0');
        }
        return value;
    }
    // "W x H" at i.
    bool size(std::size_t i) const { return number(i) > 0 && at(i + 1) == "x" && number(i + 2) > 0; }
    std::optional<MaskSense> sense(std::size_t i) const
    {
        if (at(i) == "transparent")
            return MaskSense::And;
        if (at(i) == "opaque")
            return MaskSense::Or;
        return std::nullopt;
    }
    std::size_t levelWords(std::size_t i) const { return oneOf(i, {"light", "dark"}) ? 2 : 1; }
    std::optional<GreyLevel> level(std::size_t i) const
    {
        if (at(i) == "white")
            return GreyLevel::White;
        if (at(i) == "black")
            return GreyLevel::Black;
        if (oneOf(i, {"light", "dark"}) && oneOf(i + 1, {"grey", "gray"}))
            return at(i) == "light" ? GreyLevel::LightGrey : GreyLevel::DarkGrey;
        return std::nullopt;
    }
    // The layer a word names, a letter standing for one only beside a slash ("M/L/D").
    std::optional<SpriteLayer> layer(std::size_t i) const
    {
        const std::string_view word = at(i);
        if (word == "light")
            return SpriteLayer::Light;
        if (word == "dark")
            return SpriteLayer::Dark;
        if (word == "mask")
            return SpriteLayer::Mask;
        if (word == "picture")
            return SpriteLayer::Picture;
        if (word.size() == 1 && (at(i + 1) == "/" || (i > 0 && at(i - 1) == "/"))) {
            switch (word[0]) {
            case 'l': return SpriteLayer::Light;
            case 'd': return SpriteLayer::Dark;
            case 'm': return SpriteLayer::Mask;
            case 'p': return SpriteLayer::Picture;
            default: break;
            }
        }
        return std::nullopt;
    }
    // The first run of two or more layers in the sentence from i, "light, dark and mask".
    std::vector<SpriteLayer> layerRun(std::size_t i) const
    {
        while (i < m_words.size() && at(i) != "." && !layer(i))
            ++i;
        std::vector<SpriteLayer> run;
        while (const std::optional<SpriteLayer> found = layer(i)) {
            run.push_back(*found);
            ++i;
            if (oneOf(i, {"plane", "planes", "row", "rows"}))
                ++i;
            if (!oneOf(i, {",", "and", "then", "/"}))
                break;
            while (oneOf(i, {",", "and", "then", "/"}))
                ++i;
        }
        return run.size() >= 2 ? run : std::vector<SpriteLayer>{};
    }

    std::vector<std::string> m_words;
};

// ---- which arrays belong together ----

struct SuffixPair
{
    std::string_view first, second;
    bool anyCase;
};
// The suffixes of a grey sprite's light and dark planes, most telling first.
constexpr SuffixPair kPlanePairs[] = {
    {"_light", "_dark", true}, {"Light", "Dark", false}, {"_plane0", "_plane1", true}, {"_l", "_d", true}, {"_0", "_1", false}};
constexpr SuffixPair kMaskSuffixes[] = {{"_mask", "", true}, {"Mask", "", false}, {"_m", "", true}};

std::string upper(std::string_view text, bool firstLetterOnly)
{
    std::string result(text);
    bool done = false;
    for (char &c : result)
        if (c >= 'a' && c <= 'z' && !done) {
            c = char(c - 'a' + 'A');
            done = firstLetterOnly;
        }
    return result;
}

// A suffix as written in lower case, upper case and with a capital first letter.
std::vector<std::pair<std::string, std::string>> caseForms(const SuffixPair &pair)
{
    std::vector<std::pair<std::string, std::string>> forms{{std::string(pair.first), std::string(pair.second)}};
    if (pair.anyCase) {
        forms.emplace_back(upper(pair.first, false), upper(pair.second, false));
        forms.emplace_back(upper(pair.first, true), upper(pair.second, true));
    }
    return forms;
}

bool endsWith(std::string_view name, std::string_view suffix)
{
    return name.size() > suffix.size() && name.substr(name.size() - suffix.size()) == suffix;
}

// Arrays that make one sprite: its planes, its mask, the name the user sees.
struct Group
{
    std::vector<std::size_t> planes;
    std::optional<std::size_t> mask;
    std::string name;
};

// ---- one sprite from its arrays ----

class SpriteBuilder
{
public:
    SpriteBuilder(const SourceRead &read, const Group &group) : m_read(read), m_group(group) {}

    SourceSprite build()
    {
        SourceSprite sprite;
        sprite.name = m_group.name;
        const SourceArray &first = m_read.arrays[m_group.planes[0]];
        sprite.line = first.line;
        sprite.elementBits = first.bits;
        sprite.elementSigned = first.isSigned;
        sprite.elementCount = first.count;
        std::vector<std::size_t> members = m_group.planes;
        if (m_group.mask)
            members.push_back(*m_group.mask);
        const std::size_t earliest = *std::min_element(members.begin(), members.end());
        const CommentFacts facts = commentFacts(commentText(m_read.arrays[earliest], members));
        // An int read as 16 bits where the comment's width says so.
        const bool sixteen = first.widthAssumed && facts.width > 0 && facts.width <= 16 && fitsSixteen(members);
        if (sixteen) {
            sprite.elementBits = 16;
            sprite.notes.push_back("its elements of type " + first.elementType + " are read as 16 bits wide, as the "
                                   "comment's width of " + std::to_string(facts.width) + " pixels shows");
        }
        for (const std::size_t member : members)
            for (const std::string &note : m_read.arrays[member].notes)
                if (!sixteen || note.find("32 bits wide") == std::string::npos)
                    sprite.notes.push_back(m_read.arrays[member].name + ": " + note);

        const bool single = m_group.planes.size() == 1 && !m_group.mask;
        std::vector<SpriteLayer> interlaced = single ? facts.interlaced : std::vector<SpriteLayer>{};
        if (!interlaced.empty() && !validInterlace(interlaced)) {
            sprite.notes.push_back("the comment's order of interlaced rows is not one of a sprite: read as one plane");
            interlaced.clear();
        }
        if (!layout(sprite, facts, interlaced, true)) {
            if (facts.any())
                sprite.notes.push_back("the comment before it gives a size the arrays do not hold: read as rows of "
                                       + std::to_string(sprite.elementBits) + " pixels");
            interlaced.clear();
            layout(sprite, CommentFacts{}, interlaced, false);
        }

        for (const std::size_t plane : m_group.planes) {
            const SourceArray &array = m_read.arrays[plane];
            const SpriteLayer role = m_group.planes.size() == 2 ? (plane == m_group.planes[0] ? SpriteLayer::Light : SpriteLayer::Dark)
                                                                 : SpriteLayer::Picture;
            sprite.arrays.push_back({array.name, array.line, interlaced.empty() ? std::vector{role} : interlaced,
                                     array.count, valuesAt(array, sprite.elementBits)});
        }
        if (m_group.mask) {
            const SourceArray &array = m_read.arrays[*m_group.mask];
            sprite.arrays.push_back({array.name, array.line, {SpriteLayer::Mask}, array.count, valuesAt(array, sprite.elementBits)});
        }
        pixels(sprite, facts);
        return sprite;
    }

private:
    // The comments before the earliest array, but those that begin with another thing's
    // name ("other: ...").
    std::string commentText(const SourceArray &array, const std::vector<std::size_t> &members) const
    {
        std::string text;
        for (const std::string &comment : array.comments) {
            std::size_t i = comment.find_first_not_of("/* \t\r\n");
            std::size_t end = i;
            while (end < comment.size() && (std::isalnum(static_cast<unsigned char>(comment[end])) || comment[end] == '_'))
                ++end;
            if (i != std::string::npos && end > i && end < comment.size() && comment[end] == ':') {
                const std::string_view label = std::string_view(comment).substr(i, end - i);
                bool ours = label == m_group.name;
                for (const std::size_t member : members)
                    ours = ours || label == m_read.arrays[member].name;
                if (!ours)
                    continue;
            }
            text += comment + "\n";
        }
        return text;
    }

    bool fitsSixteen(const std::vector<std::size_t> &members) const
    {
        for (const std::size_t member : members)
            for (const SourceValue &value : m_read.arrays[member].values)
                if (value.value >= 0x10000u && value.value < 0xFFFF8000u)
                    return false;
        return true;
    }

    static std::vector<SourceValue> valuesAt(const SourceArray &array, int bits)
    {
        std::vector<SourceValue> values = array.values;
        if (bits < array.bits)
            for (SourceValue &value : values)
                value.value &= (1u << bits) - 1;
        return values;
    }

    static bool validInterlace(const std::vector<SpriteLayer> &layers)
    {
        const auto count = [&](SpriteLayer layer) { return std::count(layers.begin(), layers.end(), layer); };
        if (count(SpriteLayer::Mask) > 1 || count(SpriteLayer::Light) > 1 || count(SpriteLayer::Dark) > 1
            || count(SpriteLayer::Picture) > 1)
            return false;
        return count(SpriteLayer::Picture) == 1 ? count(SpriteLayer::Light) + count(SpriteLayer::Dark) == 0
                                                : count(SpriteLayer::Light) == 1 && count(SpriteLayer::Dark) == 1;
    }

    // The sprite's size from its arrays and, where `useFacts`, what the comment says; false
    // when they disagree.
    bool layout(SourceSprite &sprite, const CommentFacts &facts, const std::vector<SpriteLayer> &interlaced, bool useFacts) const
    {
        const SourceArray &first = m_read.arrays[m_group.planes[0]];
        const int bits = sprite.elementBits;
        const uint32_t layers = interlaced.empty() ? 1u : uint32_t(interlaced.size());
        const int perRow = useFacts && facts.rowBytes > 0 ? facts.rowBytes : 1;
        if (perRow > 1 && bits != 8)
            return false;
        const bool sheet = first.dims.size() == 2;
        const uint64_t tiles = useFacts && facts.tiles > 0 ? uint64_t(facts.tiles) : sheet ? first.dims[0] : 1;
        const uint64_t per = layers * uint64_t(perRow) * tiles;
        if (first.count % per != 0)
            return false;
        const uint64_t height = first.count / per;
        if ((useFacts && facts.height > 0 && uint64_t(facts.height) != height)
            || (sheet && first.dims[1] != height * layers * uint64_t(perRow)))
            return false;
        const int widest = perRow * bits;
        const int width = useFacts && facts.width > 0 ? facts.width : widest;
        if (width > widest || (perRow > 1 && width <= widest - 8))
            return false;
        sprite.elementsPerRow = perRow;
        sprite.tiles = int(tiles);
        sprite.width = width;
        sprite.height = int(height);
        const int columns = useFacts && facts.columns > 0 && facts.columns <= int(tiles) ? facts.columns : int(tiles);
        sprite.sheet = SheetLayout{int(tiles), columns, width, int(height)};
        return true;
    }

    // The planes and the mask, each array's bits put where its layers show.
    void pixels(SourceSprite &sprite, const CommentFacts &facts) const
    {
        const bool grey = m_group.planes.size() == 2
                          || std::any_of(sprite.arrays[0].layers.begin(), sprite.arrays[0].layers.end(),
                                         [](SpriteLayer layer) { return layer == SpriteLayer::Light; });
        sprite.planes.assign(grey ? 2 : 1, PixelGrid(sprite.sheet.width(), sprite.sheet.height()));
        PixelGrid maskBits;
        bool hasMask = false;
        for (const SpriteArray &array : sprite.arrays) {
            std::vector<uint32_t> elements(array.count, 0);
            for (const SourceValue &value : array.values)
                elements[value.index] = value.value;
            const std::size_t layers = array.layers.size();
            for (std::size_t position = 0; position < layers; ++position) {
                const SpriteLayer layer = array.layers[position];
                if (layer == SpriteLayer::Mask && !hasMask) {
                    maskBits = PixelGrid(sprite.sheet.width(), sprite.sheet.height());
                    hasMask = true;
                }
                PixelGrid &grid = layer == SpriteLayer::Mask ? maskBits : sprite.planes[layer == SpriteLayer::Dark ? 1 : 0];
                for (int tile = 0; tile < sprite.tiles; ++tile) {
                    const PixelRect place = sprite.sheet.tile(tile);
                    for (int y = 0; y < sprite.height; ++y)
                        for (int x = 0; x < sprite.width; ++x) {
                            const std::size_t index = spriteElement(sprite, layers, tile, y, position, x);
                            const int shift = sprite.elementBits - 1 - x % sprite.elementBits;
                            grid.set(place.x + x, place.y + y, (elements[index] >> shift) & 1);
                        }
                }
            }
        }
        if (hasMask)
            mask(sprite, facts, maskBits);
    }

    void mask(SourceSprite &sprite, const CommentFacts &facts, PixelGrid &bits) const
    {
        sprite.transparent = facts.transparent.value_or(GreyLevel::White);
        if (facts.sense) {
            sprite.maskSense = *facts.sense;
            sprite.senseFrom = SenseFrom::Comment;
        } else {
            int shown = 0, set = 0, anySet = 0;
            for (int tile = 0; tile < sprite.tiles; ++tile) {
                const PixelRect place = sprite.sheet.tile(tile);
                for (int y = place.y; y < place.y + place.height; ++y)
                    for (int x = place.x; x < place.x + place.width; ++x) {
                        anySet += bits.at(x, y);
                        if (spriteLevel(sprite.planes, x, y) != sprite.transparent) {
                            ++shown;
                            set += bits.at(x, y);
                        }
                    }
            }
            sprite.maskSense = shown > 0 && set == 0 && anySet > 0 ? MaskSense::And : MaskSense::Or;
            sprite.senseFrom = shown > 0 && (set == 0 ? anySet > 0 : set == shown) ? SenseFrom::Bits : SenseFrom::Assumed;
            if (sprite.senseFrom == SenseFrom::Assumed)
                sprite.notes.push_back("the mask's bits show no sense, and no comment states one: a set bit is taken "
                                       "as opaque");
        }
        if (sprite.maskSense == MaskSense::And)
            for (int tile = 0; tile < sprite.tiles; ++tile) {
                const PixelRect place = sprite.sheet.tile(tile);
                for (int y = place.y; y < place.y + place.height; ++y)
                    for (int x = place.x; x < place.x + place.width; ++x)
                        bits.set(x, y, !bits.at(x, y));
            }
        sprite.mask = std::move(bits);
    }

    const SourceRead &m_read;
    const Group &m_group;
};

class Grouping
{
public:
    explicit Grouping(const SourceRead &read) : m_read(read), m_used(read.arrays.size(), false)
    {
        for (std::size_t i = 0; i < read.arrays.size(); ++i) {
            m_names.insert(read.arrays[i].name);
            if (read.arrays[i].problem.empty())
                m_byName[read.arrays[i].name].push_back(i);
            else
                m_used[i] = true;
        }
    }

    std::vector<Group> groups(std::vector<std::pair<std::size_t, SourceSprite>> &refused)
    {
        for (std::size_t i = 0; i < m_read.arrays.size(); ++i)
            if (!m_used[i])
                pair(i, refused);
        for (std::size_t i = 0; i < m_read.arrays.size(); ++i)
            if (!m_used[i])
                attachMask(i);
        for (std::size_t i = 0; i < m_read.arrays.size(); ++i)
            if (!m_used[i])
                m_groups.push_back({{i}, std::nullopt, m_read.arrays[i].name});
        return std::move(m_groups);
    }

    std::vector<std::pair<std::size_t, std::string>> maskNotes;

private:
    bool compatible(std::size_t a, std::size_t b) const
    {
        const SourceArray &x = m_read.arrays[a], &y = m_read.arrays[b];
        return x.bits == y.bits && x.count == y.count && x.dims == y.dims;
    }

    std::string shape(std::size_t a) const
    {
        const SourceArray &array = m_read.arrays[a];
        return std::to_string(array.count) + " elements of " + std::to_string(array.bits) + " bits";
    }

    // The unused array of that name nearest to array `near`.
    std::optional<std::size_t> named(const std::string &name, std::size_t near) const
    {
        const auto found = m_byName.find(name);
        std::optional<std::size_t> best;
        if (found == m_byName.end())
            return best;
        for (const std::size_t i : found->second) {
            const auto distance = [near](std::size_t j) { return j > near ? j - near : near - j; };
            if (i != near && !m_used[i] && (!best || distance(i) < distance(*best)))
                best = i;
        }
        return best;
    }

    void pair(std::size_t i, std::vector<std::pair<std::size_t, SourceSprite>> &refused)
    {
        const std::string &name = m_read.arrays[i].name;
        for (const SuffixPair &suffixes : kPlanePairs)
            for (const auto &[light, dark] : caseForms(suffixes)) {
                if (!endsWith(name, light))
                    continue;
                const std::string base = name.substr(0, name.size() - light.size());
                // NAME_0, NAME_1, NAME_2: frames, not planes.
                if (suffixes.first == "_0" && m_names.count(base + "_2") > 0)
                    continue;
                const std::optional<std::size_t> partner = named(base + dark, i);
                if (!partner)
                    continue;
                if (!compatible(i, *partner)) {
                    SourceSprite sprite;
                    sprite.name = base;
                    sprite.line = m_read.arrays[i].line;
                    sprite.problem = name + " and " + m_read.arrays[*partner].name + " differ: " + shape(i) + " and "
                                     + shape(*partner);
                    refused.emplace_back(std::min(i, *partner), std::move(sprite));
                    return;
                }
                m_used[i] = m_used[*partner] = true;
                m_groups.push_back({{i, *partner}, std::nullopt, base});
                return;
            }
    }

    void attachMask(std::size_t i)
    {
        const std::string &name = m_read.arrays[i].name;
        for (const SuffixPair &suffixes : kMaskSuffixes)
            for (const auto &[suffix, unused] : caseForms(suffixes)) {
                if (!endsWith(name, suffix))
                    continue;
                const std::string base = name.substr(0, name.size() - suffix.size());
                for (Group &group : m_groups)
                    if (group.name == base && !group.mask) {
                        if (!compatible(group.planes[0], i)) {
                            maskNotes.emplace_back(i, "it is not taken as the mask of " + base + ": it holds " + shape(i)
                                                          + ", the sprite " + shape(group.planes[0]));
                            return;
                        }
                        group.mask = i;
                        m_used[i] = true;
                        return;
                    }
                const std::optional<std::size_t> sprite = named(base, i);
                if (!sprite)
                    continue;
                if (!compatible(*sprite, i)) {
                    maskNotes.emplace_back(i, "it is not taken as the mask of " + base + ": it holds " + shape(i)
                                                  + ", the sprite " + shape(*sprite));
                    return;
                }
                m_used[i] = m_used[*sprite] = true;
                m_groups.push_back({{*sprite}, i, base});
                return;
            }
    }

    const SourceRead &m_read;
    std::vector<bool> m_used;
    std::unordered_set<std::string> m_names;
    std::unordered_map<std::string, std::vector<std::size_t>> m_byName;
    std::vector<Group> m_groups;
};

} // namespace

CommentFacts commentFacts(std::string_view comment)
{
    return Facts(comment).read();
}

namespace {

std::vector<SourceSprite> spritesOf(std::string_view text, const SourceRead &read)
{
    std::vector<std::pair<std::size_t, SourceSprite>> found;
    for (std::size_t i = 0; i < read.arrays.size(); ++i)
        if (!read.arrays[i].problem.empty()) {
            SourceSprite sprite;
            sprite.name = read.arrays[i].name;
            sprite.line = read.arrays[i].line;
            sprite.problem = read.arrays[i].problem;
            found.emplace_back(i, std::move(sprite));
        }
    Grouping grouping(read);
    const std::vector<Group> groups = grouping.groups(found);
    const uint64_t hash = sourceTextHash(text);
    for (const Group &group : groups) {
        SourceSprite sprite = SpriteBuilder(read, group).build();
        for (const auto &[array, note] : grouping.maskNotes)
            if (array == group.planes[0])
                sprite.notes.push_back(note);
        sprite.textSize = text.size();
        sprite.textHash = hash;
        std::size_t first = group.planes[0];
        for (const std::size_t plane : group.planes)
            first = std::min(first, plane);
        found.emplace_back(group.mask ? std::min(first, *group.mask) : first, std::move(sprite));
    }
    std::stable_sort(found.begin(), found.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    std::unordered_map<std::string, int> uses;
    for (const auto &entry : found)
        ++uses[entry.second.name];
    std::vector<SourceSprite> sprites;
    for (auto &entry : found) {
        if (uses[entry.second.name] > 1)
            entry.second.name += " (line " + std::to_string(entry.second.line) + ")";
        sprites.push_back(std::move(entry.second));
    }
    return sprites;
}

} // namespace

std::vector<SourceSprite> spritesIn(std::string_view text, const SourceRead &read)
{
    try {
        return spritesOf(text, read);
    } catch (const std::bad_alloc &) {
    } catch (const std::length_error &) {
    }
    SourceSprite none;
    none.name = "(all)";
    none.problem = "there is not enough memory to read its sprites";
    return {none};
}
