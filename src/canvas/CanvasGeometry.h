#pragma once

// Size of the magnified canvas on screen. Every picture pixel owns a cell of 547/160 by
// 266/77 screen pixels at the actual size (the factors are single precision, as the design
// had them); the full 160 x 77 picture then fills 547 x 266 screen pixels. A zoom factor
// multiplies both cell sides; 1 is the actual size. Zoomed in past it, every cell is a square
// of whole screen pixels (the cell width times the zoom, rounded), so a sprite drawn large
// shows an even grid.
struct CanvasGeometry
{
    static constexpr float kCellWidth = 547.0f / 160.0f;
    static constexpr float kCellHeight = 266.0f / 77.0f;
    // The largest cell, in screen pixels across.
    static constexpr double kLargestCellWidth = 64.0;
    // The smallest zoom, where the whole picture does not show before.
    static constexpr double kSmallestZoom = 0.25;

    // Canvas width and height in whole screen pixels for a picture of w x h pixels.
    static int screenWidth(int pictureWidth, double zoom = 1.0);
    static int screenHeight(int pictureHeight, double zoom = 1.0);
    // Above the actual size: the side of a cell in screen pixels; 0 at and below it.
    static int cellSide(double zoom);

    // The zoom at which a picture fills as much of a frame (screen pixels) as it can while
    // all of it stays inside; above the actual size, in whole cells.
    static double fitZoom(int pictureWidth, int pictureHeight, int frameWidth, int frameHeight);
    // The zoom a picture just opened or made is shown at: fitted when it is smaller than the
    // frame at the actual size, the actual size otherwise.
    static double openingZoom(int pictureWidth, int pictureHeight, int frameWidth, int frameHeight);
    // The largest zoom: cells kLargestCellWidth screen pixels across.
    static double largestZoom();
    // The smallest zoom for a picture in a frame: kSmallestZoom, or the fitted one when the
    // picture shows whole only below it.
    static double smallestZoom(int pictureWidth, int pictureHeight, int frameWidth, int frameHeight);
    // The zoom steps are the powers of the square root of 2 (the actual size is one of
    // them); the next one up or down from `zoom`, kept within [smallest, largestZoom()].
    static double zoomedIn(double zoom);
    static double zoomedOut(double zoom, double smallest);
};
