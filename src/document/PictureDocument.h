#pragma once

#include "document/FileMenuState.h"
#include "document/PixelGrid.h"

#include <algorithm>

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

    // A fresh white grid for a drawing press on a picture that has none: the calculator
    // screen, grown to cover a larger picture so every pixel of the picture stays writable.
    void freshScreenGrid(int pictureWidth, int pictureHeight)
    {
        Pixels.redimension(std::max(kScreenWidth, pictureWidth), std::max(kScreenHeight, pictureHeight));
    }
};
