#pragma once

#include "document/FileMenuState.h"
#include "document/History.h"
#include "document/PixelGrid.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

// The one picture the main window edits: its grid, its size and the state the File menu
// carries. The calculator texts live in the window's text boxes, the file path beside them;
// whether the texts were edited since the file was read or written is kept here.
struct PictureDocument
{
    static constexpr int kScreenWidth = 160; // the calculator's graph screen
    static constexpr int kScreenHeight = 77;

    PixelGrid Pixels{kScreenWidth, kScreenHeight};
    int PicWidth = kScreenWidth;
    int PicHeight = kScreenHeight;
    FileMenuState menus;
    History history; // of the picture's grid and size, since start-up or the last file read
    // The calculator texts differ from the ones last read, written or reset (the file session
    // compares them). Not part of the history.
    bool textsEdited = false;

    // Work that Exit, New, Open, a recent file and a drop must not lose: unsaved drawing
    // (Open disabled), or edited texts of a picture that can be saved.
    bool hasUnsavedWork() const { return menus.hasUnsavedDrawing() || textsGuard(); }
    // The File-menu items as shown: edited texts guard New and Open as unsaved drawing does.
    FileMenuState shownMenus() const
    {
        FileMenuState shown = menus;
        if (textsGuard())
            shown.newEnabled = shown.openEnabled = false;
        return shown;
    }

    // The file holds the picture as it is now (just read or written): an undo or redo back to
    // this step gives the File menu as it is now again. A change under way becomes a step
    // first, as the file holds it.
    void markSaved()
    {
        history.commit();
        m_saved = SavedStep{history.position(), menus};
    }
    // The picture has no file any more (New, ClrDraw, an import): no step is the saved one.
    void forgetSaved() { m_saved.reset(); }
    bool atSavedStep() const { return m_saved && m_saved->position == history.position(); }

    // A fresh white grid for a drawing press on a picture that has none: the calculator
    // screen, grown to cover a larger picture so every pixel of the picture stays writable.
    void freshScreenGrid(int pictureWidth, int pictureHeight)
    {
        Pixels.redimension(std::max(kScreenWidth, pictureWidth), std::max(kScreenHeight, pictureHeight));
    }

    // ClrDraw and New: a white grid for a picture of width x height; the history keeps the
    // grid it replaces and the size `was` (PicWidth and PicHeight may already be changed).
    void blank(int width, int height, PictureSize was)
    {
        PixelGrid white(width, height);
        if (Pixels != white || was != PictureSize{width, height}) // blanking a blank picture changes nothing
            history.recordBlank(std::move(Pixels), was, {width, height});
        Pixels = std::move(white);
        PicWidth = width;
        PicHeight = height;
    }

    Revision undo() { return revise(&History::undo); }
    Revision redo() { return revise(&History::redo); }

private:
    struct SavedStep
    {
        uint64_t position = 0;
        FileMenuState menus; // as the file was read or written
    };
    std::optional<SavedStep> m_saved;

    bool textsGuard() const { return textsEdited && menus.saveAsEnabled; }

    // After an undo or redo the picture is its file's again on the saved step, and counts as
    // drawn on anywhere else.
    Revision revise(Revision (History::*step)(PixelGrid &, PictureSize &))
    {
        PictureSize size{PicWidth, PicHeight};
        const Revision revision = (history.*step)(Pixels, size);
        PicWidth = size.width;
        PicHeight = size.height;
        if (revision.kind != Revision::Kind::Nothing) {
            if (atSavedStep())
                menus = m_saved->menus;
            else
                menus.drawingPress();
        }
        return revision;
    }
};
