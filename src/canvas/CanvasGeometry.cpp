#include "canvas/CanvasGeometry.h"

#include <algorithm>
#include <cmath>

namespace {
// Zoom steps are sqrt(2)^k; the small slack keeps a zoom that sits on a step from being
// taken for one just below or above it.
constexpr double kSlack = 1e-9;
double step(double k) { return std::pow(2.0, k / 2.0); }
double stepIndex(double zoom) { return 2.0 * std::log2(zoom); }
} // namespace

int CanvasGeometry::cellSide(double zoom)
{
    if (zoom <= 1.0 + kSlack)
        return 0;
    // Never smaller than the actual size's cells, 3.4 screen pixels.
    return std::max(4, static_cast<int>(std::lround(kCellWidth * std::min(zoom, largestZoom()))));
}

int CanvasGeometry::screenWidth(int pictureWidth, double zoom)
{
    if (const int side = cellSide(zoom))
        return std::max(1, pictureWidth * side);
    const float width = static_cast<float>(pictureWidth) * kCellWidth;
    return std::max(1, static_cast<int>(std::lround(width * zoom)));
}

int CanvasGeometry::screenHeight(int pictureHeight, double zoom)
{
    if (const int side = cellSide(zoom))
        return std::max(1, pictureHeight * side);
    const float height = static_cast<float>(pictureHeight) * kCellHeight;
    return std::max(1, static_cast<int>(std::lround(height * zoom)));
}

double CanvasGeometry::fitZoom(int pictureWidth, int pictureHeight, int frameWidth, int frameHeight)
{
    const double across = frameWidth / (static_cast<double>(std::max(1, pictureWidth)) * kCellWidth);
    const double down = frameHeight / (static_cast<double>(std::max(1, pictureHeight)) * kCellHeight);
    const double fitted = std::min(across, down);
    if (fitted <= 1.0)
        return std::max(fitted, 1e-6);
    // Larger than the actual size: the largest whole square cell that fits both ways.
    const int side = std::min(frameWidth / std::max(1, pictureWidth), frameHeight / std::max(1, pictureHeight));
    if (side < 4)
        return 1.0;
    return std::min(largestZoom(), side / static_cast<double>(kCellWidth));
}

double CanvasGeometry::openingZoom(int pictureWidth, int pictureHeight, int frameWidth, int frameHeight)
{
    return std::max(1.0, fitZoom(pictureWidth, pictureHeight, frameWidth, frameHeight));
}

double CanvasGeometry::largestZoom() { return kLargestCellWidth / kCellWidth; }

double CanvasGeometry::smallestZoom(int pictureWidth, int pictureHeight, int frameWidth, int frameHeight)
{
    return std::min(kSmallestZoom, fitZoom(pictureWidth, pictureHeight, frameWidth, frameHeight));
}

double CanvasGeometry::zoomedIn(double zoom)
{
    return std::min(largestZoom(), step(std::floor(stepIndex(zoom) + kSlack) + 1));
}

double CanvasGeometry::zoomedOut(double zoom, double smallest)
{
    return std::clamp(step(std::ceil(stepIndex(zoom) - kSlack) - 1), smallest, largestZoom());
}
