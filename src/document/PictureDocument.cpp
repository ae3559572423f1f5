#include "document/PictureDocument.h"

#include <algorithm>
#include <utility>

PictureDocument::Watch PictureDocument::watch(Watcher watcher) const
{
    m_watchers->list.emplace_back(++m_watchers->lastId, std::move(watcher));
    return Watch(m_watchers, m_watchers->lastId);
}

void PictureDocument::announce(const PictureChange &change) const
{
    for (const auto &entry : m_watchers->list)
        entry.second(change);
}

void PictureDocument::setPixel(int x, int y, int value)
{
    if (!Pixels.contains(x, y))
        return;
    value = value ? 1 : 0;
    m_history.record(x, y, Pixels.at(x, y), value);
    Pixels.set(x, y, value);
    announce({PictureChange::Kind::Pixels, {x, y, 1, 1}});
}

void PictureDocument::replace(PixelGrid pixels, int width, int height)
{
    Pixels = std::move(pixels);
    PicWidth = width;
    PicHeight = height;
    m_history.clear();
    announce({PictureChange::Kind::NewPicture, {}});
}

void PictureDocument::blank(int width, int height, Blanking blanking)
{
    PixelGrid white(width, height);
    const PictureSize was = size();
    if (Pixels != white || was != PictureSize{width, height}) // blanking a blank picture changes nothing
        m_history.recordBlank(std::move(Pixels), was, {width, height});
    Pixels = std::move(white);
    PicWidth = width;
    PicHeight = height;
    const bool fit = blanking == Blanking::New || was != size();
    announce({fit ? PictureChange::Kind::NewPicture : PictureChange::Kind::Whole, {}});
}

void PictureDocument::transform(PixelGrid grid, int width, int height)
{
    m_history.commit();
    const PictureSize was = size();
    m_history.recordReplacement(std::move(Pixels), was);
    Pixels = std::move(grid);
    PicWidth = width;
    PicHeight = height;
    announce({was != size() ? PictureChange::Kind::NewPicture : PictureChange::Kind::Whole, {}});
}

void PictureDocument::commitArea(const PixelRect &area)
{
    m_history.commit();
    if (!area.isEmpty())
        announce({PictureChange::Kind::Pixels, area});
}

void PictureDocument::paste(const PixelGrid &source, int x, int y, bool transparent)
{
    m_history.commit();
    // Only the part of the source over the picture.
    const int left = std::max(0, -x), top = std::max(0, -y);
    const int right = std::min(source.width(), PicWidth - x), bottom = std::min(source.height(), PicHeight - y);
    for (int j = top; j < bottom; ++j)
        for (int i = left; i < right; ++i)
            if (const int value = source.at(i, j); value || !transparent)
                record(x + i, y + j, value);
    commitArea({x + left, y + top, right - left, bottom - top});
}

void PictureDocument::fillRect(const PixelRect &area, int value)
{
    m_history.commit();
    const PixelRect inside = within(area, PicWidth, PicHeight);
    for (int y = inside.y; y < inside.y + inside.height; ++y)
        for (int x = inside.x; x < inside.x + inside.width; ++x)
            record(x, y, value ? 1 : 0);
    commitArea(inside);
}

bool PictureDocument::floodFill(int x, int y, int value)
{
    PixelGrid filled = Pixels;
    const std::optional<PixelRect> area = PictureOps::floodFill(filled, PicWidth, PicHeight, x, y, value);
    if (!area)
        return false;
    m_history.commit();
    // A large fill is kept as the grid it replaced, which costs less than its pixels one by one.
    const std::size_t perPixel = std::size_t(area->width) * area->height * sizeof(PixelChange);
    if (perPixel > std::size_t(Pixels.width()) * Pixels.height()) {
        m_history.recordReplacement(std::exchange(Pixels, std::move(filled)), size());
    } else {
        for (int j = area->y; j < area->y + area->height; ++j) {
            const uint8_t *now = Pixels.row(j);
            const uint8_t *then = filled.row(j);
            for (int i = area->x; i < area->x + area->width; ++i)
                if (now[i] != then[i])
                    record(i, j, then[i]);
        }
    }
    commitArea(*area);
    return true;
}

void PictureDocument::freshScreenGrid()
{
    Pixels.redimension(std::max(kScreenWidth, PicWidth), std::max(kScreenHeight, PicHeight));
    announce({PictureChange::Kind::Whole, {}});
}

FileMenuState::Items PictureDocument::shownMenus() const
{
    FileMenuState::Items shown = menus.items();
    if (textsGuard())
        shown.newEnabled = shown.openEnabled = false;
    return shown;
}

void PictureDocument::markSaved()
{
    m_history.commit();
    m_saved = SavedStep{m_history.position(), menus};
}

// After an undo or redo the picture is its file's again on the saved step, and counts as
// drawn on anywhere else.
Revision PictureDocument::revise(Revision (History::*step)(PixelGrid &, PictureSize &))
{
    const PictureSize was = size();
    PictureSize now = was;
    const Revision revision = (m_history.*step)(Pixels, now);
    PicWidth = now.width;
    PicHeight = now.height;
    if (revision.kind == Revision::Kind::Nothing)
        return revision;
    if (atSavedStep())
        menus = m_saved->menus;
    else
        menus.drawingPress();
    if (revision.kind == Revision::Kind::WholePicture) {
        announce({was != size() ? PictureChange::Kind::NewPicture : PictureChange::Kind::Whole, {}});
    } else if (!revision.pixels.empty()) {
        int left = revision.pixels.front().x, right = left, top = revision.pixels.front().y, bottom = top;
        for (const PixelChange &change : revision.pixels) {
            left = std::min(left, change.x);
            right = std::max(right, change.x);
            top = std::min(top, change.y);
            bottom = std::max(bottom, change.y);
        }
        announce({PictureChange::Kind::Pixels, {left, top, right - left + 1, bottom - top + 1}});
    }
    return revision;
}
