#pragma once

// Size of the magnified canvas on screen. Every picture pixel owns a cell of 547/160 by
// 266/77 screen pixels (the factors are single precision, as the design had them); the
// full 160 x 77 picture fills 547 x 266 screen pixels.
struct CanvasGeometry
{
    static constexpr float kCellWidth = 547.0f / 160.0f;
    static constexpr float kCellHeight = 266.0f / 77.0f;

    // Canvas width and height in whole screen pixels for a picture of w x h pixels.
    static int screenWidth(int pictureWidth);
    static int screenHeight(int pictureHeight);
};
