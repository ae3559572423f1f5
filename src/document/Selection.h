#pragma once

#include "document/PictureDocument.h"
#include "document/PictureOps.h"
#include "document/PixelGrid.h"

#include <functional>

// The rectangle selected on a picture, and what floats above it. A selection starts fixed:
// a rectangle of the picture. Moving it lifts its pixels: they float above the picture, the
// place they left shows white, and the picture itself does not change until the floating
// pixels land (commit: one step of the history, the lifting and the landing together) or go
// back (cancel: the picture as it was). A paste or a text floats pixels that came from
// elsewhere; they leave no place behind. Transparent floating pixels land only where black.
//
// The selection keeps only the floating pixels; the picture stays the document's.
class Selection
{
public:
    // A new picture, or one changed whole (undo of a blanking, a flip), ends the selection.
    explicit Selection(PictureDocument &document);

    // Called after every change of the selection: where it is, what floats.
    std::function<void()> changed;

    bool active() const { return !m_rect.isEmpty(); }
    bool floating() const { return m_floating; }
    // Where the selection is now, in picture pixels (it may reach beyond the picture while
    // floating).
    const PixelRect &rect() const { return m_rect; }
    // Floating: the pixels, rect()'s size. Where they were lifted from: vacated() (empty
    // for a paste).
    const PixelGrid &pixels() const { return m_pixels; }
    const PixelRect &vacated() const { return m_vacated; }

    bool transparent = false;

    // A new selection of `area`, cut to the picture (an empty one selects nothing); whatever
    // floated lands first.
    void select(const PixelRect &area);
    void selectAll() { select({0, 0, m_document.width(), m_document.height()}); }
    // Deselect: whatever floated lands, and nothing is selected.
    void deselect();
    // Moves the selection by (dx, dy), lifting its pixels first.
    void moveBy(int dx, int dy);
    // `pixels` float with their top-left at (x, y), from outside the picture (a paste, a
    // text); whatever floated before lands first.
    void floatPixels(PixelGrid pixels, int x, int y);
    // Replaces the floating pixels, where they are (a text being typed).
    void setFloatingPixels(PixelGrid pixels);
    // The floating pixels land: one step of the history. True when there were any.
    bool commit();
    // Escape: the floating pixels go back (the picture as it was), nothing is selected.
    void cancel();

    // The selection's pixels as they show: floating, or the picture's under it.
    PixelGrid content() const;
    // Delete: the selection turns white (floating pixels are dropped), one step.
    void erase();
    // Crop to Selection: the picture becomes the selection's content, one step.
    void crop();
    // The picture changed under the selection (undo, a new picture): the selection goes,
    // floating pixels with it.
    void forget();

private:
    void lift();
    void notify() const
    {
        if (changed)
            changed();
    }

    PictureDocument &m_document;
    PixelRect m_rect;
    PixelRect m_vacated;
    PixelGrid m_pixels;
    bool m_floating = false;
    PictureDocument::Watch m_watch;
};
