#include "document/History.h"

#include <algorithm>
#include <utility>

void History::record(int x, int y, int before, int after)
{
    if (before == after)
        return;
    if (m_open.empty())
        m_undone.clear(); // the picture leaves the line that could be redone
    m_open.push_back({x, y, static_cast<uint8_t>(before), static_cast<uint8_t>(after)});
}

bool History::commit()
{
    if (m_open.empty())
        return false;
    Step step;
    step.pixels = std::move(m_open);
    step.id = ++m_lastId;
    m_open.clear();
    m_done.push_back(std::move(step));
    return true;
}

void History::recordBlank(PixelGrid replaced, PictureSize was, PictureSize newGrid)
{
    Step &step = pushGridStep(std::move(replaced), was);
    step.blank = true;
    step.blankGrid = newGrid;
}

void History::recordReplacement(PixelGrid replaced, PictureSize was)
{
    pushGridStep(std::move(replaced), was).replacement = true;
}

void History::recordArea(const PixelRect &area, PixelGrid replaced)
{
    Step &step = pushGridStep(std::move(replaced), {});
    step.inArea = true;
    step.area = area;
}

History::Step &History::pushGridStep(PixelGrid replaced, PictureSize was)
{
    commit();
    m_undone.clear();
    Step step;
    step.grid = std::move(replaced);
    step.otherSize = was;
    step.id = ++m_lastId;
    m_done.push_back(std::move(step));
    return m_done.back();
}

Revision History::apply(Step &step, bool undo, PixelGrid &pixels, PictureSize &size)
{
    if (step.replacement) {
        std::swap(pixels, step.grid);
        std::swap(size, step.otherSize);
        return {Revision::Kind::WholePicture, {}, {}};
    }
    if (step.inArea) {
        // The area's cells and the step's change places, row by row (the part inside the grid).
        const PixelRect inside = within(step.area, pixels.width(), pixels.height());
        for (int y = inside.y; y < inside.y + inside.height; ++y) {
            uint8_t *kept = step.grid.row(y - step.area.y) + (inside.x - step.area.x);
            std::swap_ranges(kept, kept + inside.width, pixels.row(y) + inside.x);
        }
        return {Revision::Kind::Pixels, step.area, {}};
    }
    if (!step.blank) {
        // Undo in reverse order, so a pixel changed twice ends as it first was.
        if (undo)
            for (auto it = step.pixels.rbegin(); it != step.pixels.rend(); ++it)
                pixels.put(it->x, it->y, it->before);
        else
            for (const PixelChange &change : step.pixels)
                pixels.put(change.x, change.y, change.after);
        int left = step.pixels.front().x, right = left, top = step.pixels.front().y, bottom = top;
        for (const PixelChange &change : step.pixels) {
            left = std::min(left, change.x);
            right = std::max(right, change.x);
            top = std::min(top, change.y);
            bottom = std::max(bottom, change.y);
        }
        return {Revision::Kind::Pixels, {left, top, right - left + 1, bottom - top + 1}, step.pixels};
    }
    std::swap(size, step.otherSize);
    if (undo) {
        pixels = std::move(step.grid); // the white grid is made again at a redo
        step.grid = PixelGrid();
    } else {
        step.grid = std::move(pixels);
        pixels = PixelGrid(step.blankGrid.width, step.blankGrid.height);
    }
    return {Revision::Kind::WholePicture, {}, {}, false, true};
}

Revision History::undo(PixelGrid &pixels, PictureSize &size) { return pass(m_done, m_undone, true, pixels, size); }

Revision History::redo(PixelGrid &pixels, PictureSize &size) { return pass(m_undone, m_done, false, pixels, size); }

// Moves the last step of `from` to `to`, undoing or redoing it on the way.
Revision History::pass(std::vector<Step> &from, std::vector<Step> &to, bool undo, PixelGrid &pixels, PictureSize &size)
{
    commit();
    if (from.empty())
        return {};
    to.push_back(std::move(from.back()));
    from.pop_back();
    return apply(to.back(), undo, pixels, size);
}

void History::clear()
{
    m_open.clear();
    m_done.clear();
    m_undone.clear();
    m_start = ++m_lastId;
}

std::size_t History::bytes() const
{
    std::size_t total = m_open.capacity() * sizeof(PixelChange);
    for (const auto *steps : {&m_done, &m_undone})
        for (const Step &step : *steps)
            total += step.pixels.capacity() * sizeof(PixelChange)
                     + static_cast<std::size_t>(step.grid.width()) * step.grid.height();
    return total;
}
