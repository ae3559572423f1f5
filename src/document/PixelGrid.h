#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A rectangle of picture pixels: columns x to x + width - 1, rows y to y + height - 1.
struct PixelRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool isEmpty() const { return width <= 0 || height <= 0; }
    bool operator==(const PixelRect &) const = default;
};

// The smallest rectangle holding both (an empty one adds nothing).
inline PixelRect united(const PixelRect &a, const PixelRect &b)
{
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    const int left = a.x < b.x ? a.x : b.x, top = a.y < b.y ? a.y : b.y;
    const int right = a.x + a.width > b.x + b.width ? a.x + a.width : b.x + b.width;
    const int bottom = a.y + a.height > b.y + b.height ? a.y + a.height : b.y + b.height;
    return {left, top, right - left, bottom - top};
}

// The part of `area` inside a picture of width x height (empty when none is).
inline PixelRect within(const PixelRect &area, int width, int height)
{
    const int left = area.x > 0 ? area.x : 0, top = area.y > 0 ? area.y : 0;
    const int right = area.x + area.width < width ? area.x + area.width : width;
    const int bottom = area.y + area.height < height ? area.y + area.height : height;
    if (right <= left || bottom <= top)
        return {};
    return {left, top, right - left, bottom - top};
}

// The picture's pixel grid: columns x (0 at the left) by rows y (0 at the top),
// 1 = black, 0 = white. A picture of four grey levels keeps its level in each cell instead
// (0 white to 3 black, see GreyLevel). It may be larger than the picture; only the picture's
// part is ever shown, saved or printed.
class PixelGrid
{
public:
    PixelGrid() = default;
    PixelGrid(int width, int height) { redimension(width, height); }

    // Replace the grid by a white one of the given size (also when the size is the same).
    void redimension(int width, int height)
    {
        m_width = width > 0 ? width : 0;
        m_height = height > 0 ? height : 0;
        m_cells.assign(static_cast<std::size_t>(m_width) * m_height, 0);
    }

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    int16_t at(int x, int y) const { return contains(x, y) ? m_cells[index(x, y)] : 0; }
    void set(int x, int y, int16_t value)
    {
        if (contains(x, y))
            m_cells[index(x, y)] = value ? 1 : 0;
    }
    // A grey level (0 to 3) as it is.
    void put(int x, int y, uint8_t level)
    {
        if (contains(x, y))
            m_cells[index(x, y)] = level & 3;
    }

    // Row-major access for the file codec, which fills whole rows at a time.
    uint8_t *row(int y) { return m_cells.data() + static_cast<std::size_t>(y) * m_width; }
    const uint8_t *row(int y) const { return m_cells.data() + static_cast<std::size_t>(y) * m_width; }

    bool operator==(const PixelGrid &) const = default;

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * m_width + x; }

    int m_width = 0;
    int m_height = 0;
    std::vector<uint8_t> m_cells;
};
