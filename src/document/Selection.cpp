#include "document/Selection.h"

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
    // The place left and the landing are one step: the landing is drawn onto the picture
    // with the place left already white.
    PixelGrid landed = m_document.pixels();
    const int width = m_document.width(), height = m_document.height();
    const PixelRect left = within(m_vacated, width, height);
    for (int y = left.y; y < left.y + left.height; ++y)
        for (int x = left.x; x < left.x + left.width; ++x)
            landed.set(x, y, 0);
    for (int y = 0; y < m_pixels.height(); ++y)
        for (int x = 0; x < m_pixels.width(); ++x)
            if (const int value = m_pixels.at(x, y); value || !transparent)
                landed.put(m_rect.x + x, m_rect.y + y, uint8_t(value));
    const PixelRect landing = within(m_rect, width, height);
    const PixelRect changed = united(left, landing);
    if (!changed.isEmpty())
        m_document.paste(PictureOps::cropped(landed, changed), changed.x, changed.y, false);
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
