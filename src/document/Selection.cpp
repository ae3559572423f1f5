#include "document/Selection.h"

#include <algorithm>
#include <utility>

Selection::Selection(PictureDocument &document)
    : m_document(document), m_watch(document.watch([this](const PictureChange &change) {
          if (change.kind != PictureChange::Kind::Pixels && active())
              forget();
      }))
{
}

void Selection::select(const PixelRect &area)
{
    commit();
    m_rect = within(area, m_document.width(), m_document.height());
    notify();
}

void Selection::deselect()
{
    commit();
    m_rect = {};
    notify();
}

void Selection::lift()
{
    if (m_floating || !active())
        return;
    m_pixels = PictureOps::cropped(m_document.pixels(), m_rect);
    m_vacated = m_rect;
    m_floating = true;
}

void Selection::moveBy(int dx, int dy)
{
    if (!active())
        return;
    lift();
    m_rect.x += dx;
    m_rect.y += dy;
    notify();
}

void Selection::floatPixels(PixelGrid pixels, int x, int y)
{
    deselect();
    m_rect = {x, y, pixels.width(), pixels.height()};
    m_pixels = std::move(pixels);
    m_vacated = {};
    m_floating = !m_rect.isEmpty();
    notify();
}

void Selection::setFloatingPixels(PixelGrid pixels)
{
    if (!m_floating)
        return;
    m_rect.width = pixels.width();
    m_rect.height = pixels.height();
    m_pixels = std::move(pixels);
    notify();
}

bool Selection::commit()
{
    if (!m_floating)
        return false;
    m_floating = false;
    // The place left and the landing are one step: the landing is drawn onto the part of the
    // picture they change, with the place left already white.
    const PixelGrid &picture = m_document.pixels();
    const int width = m_document.width(), height = m_document.height();
    const PixelRect left = within(m_vacated, width, height);
    const PixelRect landing = within(m_rect, width, height);
    const PixelRect changed = united(left, landing);
    if (!changed.isEmpty()) {
        PixelGrid landed = PictureOps::cropped(picture, changed);
        for (int y = left.y; y < left.y + left.height; ++y)
            std::fill_n(landed.row(y - changed.y) + (left.x - changed.x), left.width, 0);
        // What floats, where it lands on the picture's grid (beyond the grid the picture reads
        // as white).
        const PixelRect onGrid = within(landing, picture.width(), picture.height());
        for (int y = onGrid.y; y < onGrid.y + onGrid.height; ++y) {
            const uint8_t *from = m_pixels.row(y - m_rect.y);
            uint8_t *to = landed.row(y - changed.y);
            for (int x = onGrid.x; x < onGrid.x + onGrid.width; ++x)
                if (const uint8_t value = from[x - m_rect.x]; value || !transparent)
                    to[x - changed.x] = value & 3;
        }
        m_document.paste(landed, changed.x, changed.y, false);
    }
    m_pixels = PixelGrid();
    m_vacated = {};
    m_rect = landing; // what stays selected is the part on the picture
    notify();
    return true;
}

void Selection::cancel()
{
    m_floating = false;
    m_pixels = PixelGrid();
    m_vacated = {};
    m_rect = {};
    notify();
}

PixelGrid Selection::content() const
{
    return m_floating ? m_pixels : PictureOps::cropped(m_document.pixels(), m_rect);
}

void Selection::erase()
{
    if (!active())
        return;
    if (m_floating) {
        const PixelRect left = m_vacated;
        cancel();
        if (!left.isEmpty())
            m_document.fillRect(left, 0); // the lifted pixels are gone, and their place white
        return;
    }
    m_document.fillRect(m_rect, 0);
}

void Selection::crop()
{
    if (!active())
        return;
    commit();
    const PixelRect area = m_rect;
    m_document.transform(PictureOps::cropped(m_document.pixels(), area), area.width, area.height);
    m_rect = {0, 0, area.width, area.height};
    notify();
}

void Selection::forget() { cancel(); }
