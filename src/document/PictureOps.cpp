#include "document/PictureOps.h"

#include <algorithm>
#include <vector>

namespace PictureOps {

namespace {
// Every pixel of a new picture of width x height taken from the old one through `from`,
// which gives the old position of a new one.
template<class From>
PixelGrid mapped(const PixelGrid &pixels, int width, int height, From from)
{
    PixelGrid result(width, height);
    for (int y = 0; y < height; ++y) {
        uint8_t *row = result.row(y);
        for (int x = 0; x < width; ++x) {
            const auto [oldX, oldY] = from(x, y);
            row[x] = static_cast<uint8_t>(pixels.at(oldX, oldY));
        }
    }
    return result;
}

int wrapped(int value, int count) { return ((value % count) + count) % count; }

// Where the old picture's left (or top) edge lands on the new canvas: 0, the middle or the
// far end, by the anchor's column (or row) 0, 1 or 2.
int offset(int oldLength, int newLength, int place)
{
    if (place == 0)
        return 0;
    return place == 1 ? (newLength - oldLength) / 2 : newLength - oldLength;
}
} // namespace

PixelGrid flipped(const PixelGrid &pixels, int width, int height, Axis axis)
{
    if (axis == Axis::Horizontal)
        return mapped(pixels, width, height, [&](int x, int y) { return std::pair{width - 1 - x, y}; });
    return mapped(pixels, width, height, [&](int x, int y) { return std::pair{x, height - 1 - y}; });
}

PixelGrid rotated(const PixelGrid &pixels, int width, int height, Turn turn)
{
    if (turn == Turn::Half)
        return mapped(pixels, width, height, [&](int x, int y) { return std::pair{width - 1 - x, height - 1 - y}; });
    // The new picture is height wide: its column x is the old row (from the bottom for a
    // right turn), its row y the old column (from the right for a left turn).
    if (turn == Turn::Right)
        return mapped(pixels, height, width, [&](int x, int y) { return std::pair{y, height - 1 - x}; });
    return mapped(pixels, height, width, [&](int x, int y) { return std::pair{width - 1 - y, x}; });
}

PixelGrid inverted(const PixelGrid &pixels, int width, int height, uint8_t black)
{
    PixelGrid result(width, height);
    for (int y = 0; y < height && y < pixels.height(); ++y) {
        const uint8_t *from = pixels.row(y);
        uint8_t *to = result.row(y);
        const int shared = std::min(width, pixels.width());
        for (int x = 0; x < shared; ++x)
            to[x] = static_cast<uint8_t>(from[x] ^ black);
        std::fill(to + shared, to + width, black); // beyond the grid reads as white
    }
    for (int y = pixels.height(); y < height; ++y)
        std::fill(result.row(y), result.row(y) + width, black);
    return result;
}

PixelGrid shifted(const PixelGrid &pixels, int width, int height, int dx, int dy)
{
    return mapped(pixels, width, height,
                  [&](int x, int y) { return std::pair{wrapped(x - dx, width), wrapped(y - dy, height)}; });
}

PixelGrid scaled(const PixelGrid &pixels, int width, int height, int factor)
{
    return mapped(pixels, width * factor, height * factor, [&](int x, int y) { return std::pair{x / factor, y / factor}; });
}

PixelGrid cropped(const PixelGrid &pixels, const PixelRect &area)
{
    // Row by row, the part inside the grid; beyond it the picture reads as white.
    PixelGrid result(area.width, area.height);
    const PixelRect inside = within(area, pixels.width(), pixels.height());
    for (int y = inside.y; y < inside.y + inside.height; ++y)
        std::copy_n(pixels.row(y) + inside.x, inside.width, result.row(y - area.y) + (inside.x - area.x));
    return result;
}

PixelGrid resized(const PixelGrid &pixels, int width, int height, int newWidth, int newHeight, Anchor anchor)
{
    const int place = static_cast<int>(anchor);
    const int left = offset(width, newWidth, place % 3);
    const int top = offset(height, newHeight, place / 3);
    return mapped(pixels, newWidth, newHeight, [&](int x, int y) {
        const int oldX = x - left, oldY = y - top;
        // Beyond the old picture the canvas is white.
        if (oldX < 0 || oldY < 0 || oldX >= width || oldY >= height)
            return std::pair{-1, -1};
        return std::pair{oldX, oldY};
    });
}

std::optional<PixelRect> floodFill(PixelGrid &pixels, int width, int height, int x, int y, int value)
{
    width = std::min(width, pixels.width());
    height = std::min(height, pixels.height());
    value &= 3; // a colour, or a grey level
    if (x < 0 || y < 0 || x >= width || y >= height || pixels.at(x, y) == value)
        return std::nullopt;
    const uint8_t target = static_cast<uint8_t>(pixels.at(x, y));
    int left = x, right = x, top = y, bottom = y;
    // Scanline fill: each run is filled whole, and the rows above and below are searched
    // for runs of the target colour that touch it.
    std::vector<std::pair<int, int>> seeds{{x, y}};
    while (!seeds.empty()) {
        const auto [seedX, seedY] = seeds.back();
        seeds.pop_back();
        uint8_t *row = pixels.row(seedY);
        if (row[seedX] != target)
            continue;
        int from = seedX, to = seedX;
        while (from > 0 && row[from - 1] == target)
            --from;
        while (to + 1 < width && row[to + 1] == target)
            ++to;
        std::fill(row + from, row + to + 1, static_cast<uint8_t>(value));
        left = std::min(left, from);
        right = std::max(right, to);
        top = std::min(top, seedY);
        bottom = std::max(bottom, seedY);
        for (const int next : {seedY - 1, seedY + 1}) {
            if (next < 0 || next >= height)
                continue;
            const uint8_t *neighbours = pixels.row(next);
            for (int i = from; i <= to; ++i)
                if (neighbours[i] == target && (i == from || neighbours[i - 1] != target))
                    seeds.emplace_back(i, next);
        }
    }
    return PixelRect{left, top, right - left + 1, bottom - top + 1};
}

} // namespace PictureOps
