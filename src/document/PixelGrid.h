#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The picture's pixel grid: columns x (0 at the left) by rows y (0 at the top),
// 1 = black, 0 = white. It may be larger than the picture; only the picture's part is
// ever shown, saved or printed.
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
