#include "document/SpriteSource.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace {

// What the arrays are made of: the layers (planes, then the mask) of the area, each row
// cut into elements.
struct Layout
{
    std::span<const PixelGrid> planes;
    PixelRect area;
    const SpriteRequest &request;

    int layers() const { return int(planes.size()) + (request.mask ? 1 : 0); }
    int maskLayer() const { return int(planes.size()); }
    int bits() const { return pixelsPerElement(request.width); }
    int elementsPerRow() const { return request.width == SpriteWidth::X8 ? (area.width + 7) / 8 : 1; }

    GreyLevel level(int x, int y) const
    {
        if (planes.size() == 1)
            return planes[0].at(x, y) ? GreyLevel::Black : GreyLevel::White;
        return static_cast<GreyLevel>((planes[0].at(x, y) ? 1 : 0) | (planes[1].at(x, y) ? 2 : 0));
    }
    // Layer `layer`'s pixel at (column, row) of the area; white (0) right of it.
    bool pixel(int layer, int column, int row) const
    {
        if (column >= area.width) // padding: white, and transparent in the mask
            return layer == maskLayer() && request.maskSense == MaskSense::And;
        const int x = area.x + column, y = area.y + row;
        if (layer < int(planes.size()))
            return planes[size_t(layer)].at(x, y) != 0;
        const bool opaque = level(x, y) != request.transparent;
        return request.maskSense == MaskSense::And ? !opaque : opaque;
    }
    uint32_t element(int layer, int row, int index) const
    {
        uint32_t value = 0;
        for (int bit = 0; bit < bits(); ++bit)
            value = (value << 1) | (pixel(layer, index * bits() + bit, row) ? 1u : 0u);
        return value;
    }
};

const char *elementType(SpriteWidth rows)
{
    switch (rows) {
    case SpriteWidth::W16: return "unsigned short";
    case SpriteWidth::W32: return "unsigned long";
    default: return "unsigned char";
    }
}

std::string hex(uint32_t value, int bits)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", bits / 4, static_cast<unsigned>(value));
    return text;
}

// One line of source per row of the area: the elements of the given layers.
std::string rowsText(const Layout &layout, const std::vector<int> &layers, const std::string &indent)
{
    std::string text;
    for (int row = 0; row < layout.area.height; ++row) {
        text += indent;
        for (int layer : layers)
            for (int index = 0; index < layout.elementsPerRow(); ++index)
                text += ' ' + hex(layout.element(layer, row, index), layout.bits()) + ',';
        text += '\n';
    }
    return text;
}

int rowElements(const Layout &layout, const std::vector<int> &layers)
{
    return layout.area.height * layout.elementsPerRow() * int(layers.size());
}

std::string declaration(const SpriteRequest &request, const std::string &name)
{
    return std::string(request.header ? "static const " : "const ") + elementType(request.width) + ' ' + name;
}

std::string arrayText(const Layout &layout, const std::string &name, const std::vector<int> &layers)
{
    return declaration(layout.request, name) + '[' + std::to_string(rowElements(layout, layers)) + "] = {\n"
           + rowsText(layout, layers, "   ") + "};\n";
}

// The layers each array holds: one array per layer, or one of them all interlaced (mask,
// light, dark), named as layerNames() says.
std::vector<std::vector<int>> arrayLayers(const Layout &layout)
{
    std::vector<std::vector<int>> arrays;
    if (layout.request.interlaced) {
        arrays.emplace_back();
        if (layout.request.mask)
            arrays.back().push_back(layout.maskLayer());
        for (int layer = 0; layer < layout.maskLayer(); ++layer)
            arrays.back().push_back(layer);
    } else
        for (int layer = 0; layer < layout.layers(); ++layer)
            arrays.push_back({layer});
    return arrays;
}

std::vector<std::string> layerNames(const Layout &layout, const std::string &base)
{
    std::vector<std::string> names;
    if (layout.planes.size() == 1)
        names.push_back(base);
    else
        names = {base + "_light", base + "_dark"};
    if (layout.request.mask)
        names.push_back(base + "_mask");
    return names;
}

// "Sprite16(x, y, 12, pic_light, GrayGetPlane(LIGHT_PLANE), SPRT_OR);"
std::string drawCall(const Layout &layout, const std::string &array, const std::string &screen, const std::string &mode)
{
    const std::string height = std::to_string(layout.area.height);
    if (layout.request.width == SpriteWidth::X8)
        return "SpriteX8(x, y, " + height + ", " + array + ", " + std::to_string(layout.elementsPerRow()) + ", " + screen
               + ", " + mode + ");";
    return "Sprite" + std::to_string(layout.bits()) + "(x, y, " + height + ", " + array + ", " + screen + ", " + mode + ");";
}

// `sheet`: what the arrays hold when they are a sheet's tiles ("16 tiles of "); the draw
// calls then take tile i.
std::string comment(const Layout &layout, const std::vector<std::string> &names, const std::string &base,
                    const std::string &sheet = {})
{
    const bool grey = layout.planes.size() == 2;
    std::string text = "/* " + base + ": " + sheet + std::to_string(layout.area.width) + " x "
                       + std::to_string(layout.area.height) + " pixels, "
                       + (grey ? "4 grey levels (light and dark planes)" : "black and white") + ",\n *";
    const std::string tile = sheet.empty() ? std::string() : "[i]";
    text += layout.request.width == SpriteWidth::X8
                ? " rows of " + std::to_string(layout.elementsPerRow()) + (layout.elementsPerRow() == 1 ? " byte" : " bytes")
                      + " for SpriteX8"
                : std::string(" a row per ") + elementType(layout.request.width) + " (" + std::to_string(layout.bits())
                      + " pixels, the leftmost in the top bit)";
    text += ".\n";
    const bool andMask = layout.request.mask && layout.request.maskSense == MaskSense::And;
    if (layout.request.interlaced) {
        text += " * Interlaced: each row as " + std::string(layout.request.mask ? "mask, " : "")
                + (grey ? "light, dark" : "picture") + ",\n * for sprite routines that take one array of interlaced rows"
                + (layout.request.mask ? " (mask, light, dark)" : "") + ".\n";
    } else {
        static const std::array<const char *, 2> screens{"GrayGetPlane(LIGHT_PLANE)", "GrayGetPlane(DARK_PLANE)"};
        text += std::string(grey ? " * Draw with grey on" : " * Draw") + (sheet.empty() ? ":\n" : ", tile i:\n");
        for (size_t plane = 0; plane < layout.planes.size(); ++plane) {
            const std::string screen = grey ? screens[plane] : "LCD_MEM";
            if (andMask)
                text += " *   " + drawCall(layout, names.back() + tile, screen, "SPRT_AND") + '\n';
            text += " *   " + drawCall(layout, names[plane] + tile, screen, "SPRT_OR") + '\n';
        }
    }
    if (layout.request.mask) {
        const std::string left = std::array{"white", "light grey", "dark grey", "black"}[int(layout.request.transparent)];
        text += andMask ? " * AND mask: 1 = transparent (" + left
                              + "), 0 = opaque: AND it into the screen to clear where the sprite goes,\n * then OR the sprite in.\n"
                        : " * OR mask: 1 = opaque (not " + left
                              + "): to draw over a background, clear those bits first\n * (AND with its complement).\n";
    }
    return text + " */\n";
}

// A header included twice in one file defines its arrays once. The guard is made of the
// file's name and the array's, so headers of one array name in different files both count.
std::string guarded(const std::string &text, const std::string &base, const std::string &fileName)
{
    std::string guard;
    const std::string stem = fileName.substr(0, fileName.rfind('.'));
    for (const char c : (stem.empty() ? std::string() : cIdentifier(stem) + "_") + base)
        guard += c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
    guard += "_SPRITE_H";
    return "#ifndef " + guard + "\n#define " + guard + "\n\n" + text + "\n#endif\n";
}

} // namespace

int pixelsPerElement(SpriteWidth rows)
{
    return rows == SpriteWidth::W16 ? 16 : rows == SpriteWidth::W32 ? 32 : 8;
}

SpriteResult spriteSource(std::span<const PixelGrid> planes, const PixelRect &area, const SpriteRequest &request)
{
    if (planes.empty())
        return {SpriteError::Empty, {}};
    const PixelRect inside = within(area, planes[0].width(), planes[0].height());
    if (inside.isEmpty() || planes.size() > 2)
        return {SpriteError::Empty, {}};
    if (request.width != SpriteWidth::X8 && inside.width > pixelsPerElement(request.width))
        return {SpriteError::TooWide, {}};
    const Layout layout{planes, inside, request};
    const std::string base = cIdentifier(request.name);
    const std::vector<std::string> names = layerNames(layout, base);
    std::string text = comment(layout, names, base);
    const std::vector<std::vector<int>> arrays = arrayLayers(layout);
    for (size_t array = 0; array < arrays.size(); ++array)
        text += arrayText(layout, request.interlaced ? base : names[array], arrays[array]);
    return {SpriteError::None, request.header ? guarded(text, base, request.fileName) : text};
}

namespace {
// A tile as the comment draws it: '.' white, '-' light grey, '+' dark grey, '#' black.
std::string tilePicture(const Layout &tile)
{
    std::string text;
    for (int row = 0; row < tile.area.height; ++row) {
        text += " *   ";
        for (int column = 0; column < tile.area.width; ++column)
            text += ".-+#"[int(tile.level(tile.area.x + column, tile.area.y + row))];
        text += '\n';
    }
    return text;
}

std::string upper(const std::string &text)
{
    std::string result;
    for (const char c : text)
        result += c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
    return result;
}
} // namespace

SpriteResult spriteSheetSource(std::span<const PixelGrid> planes, const PixelRect &area, const SpriteRequest &request,
                               const TileSheet &sheet)
{
    if (planes.empty() || planes.size() > 2)
        return {SpriteError::Empty, {}};
    const PixelRect inside = within(area, planes[0].width(), planes[0].height());
    if (inside.isEmpty())
        return {SpriteError::Empty, {}};
    if (sheet.tileWidth <= 0 || sheet.tileHeight <= 0 || inside.width % sheet.tileWidth || inside.height % sheet.tileHeight)
        return {SpriteError::NotWholeTiles, {}};
    if (request.width != SpriteWidth::X8 && sheet.tileWidth > pixelsPerElement(request.width))
        return {SpriteError::TooWide, {}};
    const int across = inside.width / sheet.tileWidth, count = across * (inside.height / sheet.tileHeight);
    if (int(sheet.names.size()) > count)
        return {SpriteError::TooManyNames, {}};
    const std::string base = cIdentifier(request.name);
    const auto tileLayout = [&](int tile) {
        return Layout{planes, {inside.x + tile % across * sheet.tileWidth, inside.y + tile / across * sheet.tileHeight,
                               sheet.tileWidth, sheet.tileHeight}, request};
    };
    const Layout first = tileLayout(0);
    const std::vector<std::string> names = layerNames(first, base);
    // The count and each named tile's index, each tile drawn, then the comment that says how
    // the arrays right after it are laid out.
    std::string about = comment(first, names, base, std::to_string(count) + (count == 1 ? " tile of " : " tiles of "));
    about.insert(about.size() - 4, " * A sheet of " + std::to_string(inside.width) + " x " + std::to_string(inside.height)
                                       + " pixels, " + std::to_string(across)
                                       + " tiles across, read left to right, then down.\n");
    const std::string prefix = upper(base) + '_';
    std::string text = "#define " + prefix + "COUNT " + std::to_string(count) + '\n';
    // A tile left without a name gets none.
    const auto named = [&](int tile) { return tile < int(sheet.names.size()) && !sheet.names[size_t(tile)].empty(); };
    std::string indices;
    for (int tile = 0; tile < count; ++tile)
        if (named(tile))
            indices += std::string(indices.empty() ? " " : ", ") + prefix + upper(cIdentifier(sheet.names[size_t(tile)]))
                       + " = " + std::to_string(tile);
    if (!indices.empty())
        text += "enum {" + indices + " };\n";
    for (int tile = 0; tile < count; ++tile) {
        const std::string name = named(tile) ? " (" + cIdentifier(sheet.names[size_t(tile)]) + ")" : "";
        text += "/* Tile " + std::to_string(tile) + name + ":\n" + tilePicture(tileLayout(tile)) + " */\n";
    }
    text += about;
    const std::vector<std::vector<int>> arrays = arrayLayers(first);
    for (size_t array = 0; array < arrays.size(); ++array) {
        text += declaration(request, request.interlaced ? base : names[array]) + '[' + std::to_string(count) + "]["
                + std::to_string(rowElements(first, arrays[array])) + "] = {\n";
        for (int tile = 0; tile < count; ++tile)
            text += "    { /* " + std::to_string(tile) + " */\n" + rowsText(tileLayout(tile), arrays[array], "       ") + "    },\n";
        text += "};\n";
    }
    return {SpriteError::None, request.header ? guarded(text, base, request.fileName) : text};
}

std::string spriteErrorText(SpriteError error, int width, SpriteWidth rows)
{
    switch (error) {
    case SpriteError::None: return {};
    case SpriteError::Empty: return "there are no pixels to write";
    case SpriteError::TooWide:
        return "the picture is " + std::to_string(width) + " pixels wide, wider than rows of "
               + std::to_string(pixelsPerElement(rows)) + " pixels (rows of bytes for SpriteX8 take any width)";
    case SpriteError::NotWholeTiles:
    case SpriteError::TooManyNames: return {}; // said with the sizes by sheetErrorText()
    }
    return {};
}

std::string sheetErrorText(SpriteError error, int width, int height, const TileSheet &sheet, SpriteWidth rows)
{
    if (error == SpriteError::NotWholeTiles)
        return "the picture is " + std::to_string(width) + " x " + std::to_string(height)
               + " pixels, not a whole number of tiles of " + std::to_string(sheet.tileWidth) + " x "
               + std::to_string(sheet.tileHeight);
    if (error == SpriteError::TooManyNames)
        return std::to_string(sheet.names.size()) + " names for "
               + std::to_string(sheet.tileWidth > 0 && sheet.tileHeight > 0
                                    ? (width / sheet.tileWidth) * (height / sheet.tileHeight) : 0)
               + " tiles";
    if (error == SpriteError::TooWide)
        return "the tiles are " + std::to_string(sheet.tileWidth) + " pixels wide, wider than rows of "
               + std::to_string(pixelsPerElement(rows)) + " pixels";
    return spriteErrorText(error, width, rows);
}

std::string cIdentifier(std::string_view name)
{
    static const std::array<std::string_view, 44> keywords{
        "auto", "break", "case", "char", "const", "continue", "default", "do", "double", "else", "enum",
        "extern", "float", "for", "goto", "if", "inline", "int", "long", "register", "restrict", "return",
        "short", "signed", "sizeof", "static", "struct", "switch", "typedef", "union", "unsigned", "void",
        "volatile", "while", "asm", "typeof", "bool", "true", "false", "alignas", "alignof", "nullptr",
        "static_assert", "thread_local"};
    if (name.empty())
        return "picture";
    std::string id;
    for (const char c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        id += plain ? c : '_';
    }
    const bool keyword = std::find(keywords.begin(), keywords.end(), id) != keywords.end();
    if ((id[0] >= '0' && id[0] <= '9') || keyword)
        id = "pic_" + id;
    return id;
}
