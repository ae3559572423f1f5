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

// One line of source per row: the elements of the given layers.
std::string arrayText(const Layout &layout, const std::string &name, const std::vector<int> &layers)
{
    const int count = layout.area.height * layout.elementsPerRow() * int(layers.size());
    std::string text = std::string(layout.request.header ? "static const " : "const ") + elementType(layout.request.width)
                       + ' ' + name + '[' + std::to_string(count) + "] = {\n";
    for (int row = 0; row < layout.area.height; ++row) {
        text += "   ";
        for (int layer : layers)
            for (int index = 0; index < layout.elementsPerRow(); ++index)
                text += ' ' + hex(layout.element(layer, row, index), layout.bits()) + ',';
        text += '\n';
    }
    return text + "};\n";
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

std::string comment(const Layout &layout, const std::vector<std::string> &names, const std::string &base)
{
    const bool grey = layout.planes.size() == 2;
    std::string text = "/* " + base + ": " + std::to_string(layout.area.width) + " x " + std::to_string(layout.area.height)
                       + " pixels, " + (grey ? "4 grey levels (light and dark planes)" : "black and white") + ",\n *";
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
        text += grey ? " * Draw with grey on:\n" : " * Draw:\n";
        for (size_t plane = 0; plane < layout.planes.size(); ++plane) {
            const std::string screen = grey ? screens[plane] : "LCD_MEM";
            if (andMask)
                text += " *   " + drawCall(layout, names.back(), screen, "SPRT_AND") + '\n';
            text += " *   " + drawCall(layout, names[plane], screen, "SPRT_OR") + '\n';
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
    if (request.interlaced) {
        std::vector<int> all; // M/L/D: the mask first
        if (request.mask)
            all.push_back(layout.maskLayer());
        for (int layer = 0; layer < layout.maskLayer(); ++layer)
            all.push_back(layer);
        text += arrayText(layout, base, all);
    } else {
        for (int layer = 0; layer < layout.layers(); ++layer)
            text += arrayText(layout, names[size_t(layer)], {layer});
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
    }
    return {};
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
