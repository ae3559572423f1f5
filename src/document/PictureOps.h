#pragma once

#include "document/PixelGrid.h"

#include <optional>

// The operations on a whole picture. Each reads the picture's part of a grid (its top-left
// width x height; the grid may be larger) and gives the new picture as a grid of exactly its
// size; nothing outside the picture is read.
namespace PictureOps {

enum class Axis { Horizontal, Vertical }; // Horizontal: left and right change places
enum class Turn { Right, Left, Half };    // Right: clockwise by a quarter
// Where the old picture stays when the canvas changes size.
enum class Anchor { TopLeft, Top, TopRight, Left, Centre, Right, BottomLeft, Bottom, BottomRight };

PixelGrid flipped(const PixelGrid &pixels, int width, int height, Axis axis);
// A quarter turn gives a picture of height x width.
PixelGrid rotated(const PixelGrid &pixels, int width, int height, Turn turn);
// White and black change places; with `black` 3 (four grey levels), light and dark grey too.
PixelGrid inverted(const PixelGrid &pixels, int width, int height, uint8_t black = 1);
// Moved by (dx, dy) pixels; what leaves one edge comes back at the opposite one.
PixelGrid shifted(const PixelGrid &pixels, int width, int height, int dx, int dy);
// Every pixel as a square of factor x factor pixels (the picture export's scale).
PixelGrid scaled(const PixelGrid &pixels, int width, int height, int factor);
// The part under `area` (which must lie within the picture).
PixelGrid cropped(const PixelGrid &pixels, const PixelRect &area);
// A canvas of newWidth x newHeight, white, with the old picture placed at `anchor` (cut
// where the new canvas is smaller).
PixelGrid resized(const PixelGrid &pixels, int width, int height, int newWidth, int newHeight, Anchor anchor);

// Fills the 4-connected region of the colour (or grey level) at (x, y) within the picture
// with `value`;
// the rectangle that holds every changed pixel, nothing when nothing changed (outside the
// picture, or the region is `value` already).
std::optional<PixelRect> floodFill(PixelGrid &pixels, int width, int height, int x, int y, int value);

} // namespace PictureOps
