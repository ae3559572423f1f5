#include "canvas/CanvasGeometry.h"

#include <algorithm>
#include <cmath>

int CanvasGeometry::screenWidth(int pictureWidth)
{
    const float width = static_cast<float>(pictureWidth) * kCellWidth;
    return std::max(1, static_cast<int>(std::lround(width)));
}

int CanvasGeometry::screenHeight(int pictureHeight)
{
    const float height = static_cast<float>(pictureHeight) * kCellHeight;
    return std::max(1, static_cast<int>(std::lround(height)));
}
