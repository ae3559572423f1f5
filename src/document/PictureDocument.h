#pragma once

#include "document/FileMenuState.h"
#include "document/History.h"
#include "document/PixelGrid.h"

#include <algorithm>
#include <utility>

// The one picture the main window edits: its grid, its size and the state the File menu
// carries. The calculator texts live in the window's text boxes, the file path beside them.
struct PictureDocument
{
    static constexpr int kScreenWidth = 160; // the calculator's graph screen
    static constexpr int kScreenHeight = 77;

    PixelGrid Pixels{kScreenWidth, kScreenHeight};
    int PicWidth = kScreenWidth;
    int PicHeight = kScreenHeight;
    FileMenuState menus;
    History history; // of the picture's grid and size, since start-up or the last file read

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
    Revision revise(Revision (History::*step)(PixelGrid &, PictureSize &))
    {
        PictureSize size{PicWidth, PicHeight};
        const Revision revision = (history.*step)(Pixels, size);
        PicWidth = size.width;
        PicHeight = size.height;
        return revision;
    }
};
