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

int CanvasGeometry::screenWidth(int pictureWidth, double zoom)
{
    const float width = static_cast<float>(pictureWidth) * kCellWidth;
    return std::max(1, static_cast<int>(std::lround(width * zoom)));
}

int CanvasGeometry::screenHeight(int pictureHeight, double zoom)
{
    const float height = static_cast<float>(pictureHeight) * kCellHeight;
    return std::max(1, static_cast<int>(std::lround(height * zoom)));
}

double CanvasGeometry::fitZoom(int pictureWidth, int pictureHeight, int frameWidth, int frameHeight)
{
    const double across = frameWidth / (static_cast<double>(std::max(1, pictureWidth)) * kCellWidth);
    const double down = frameHeight / (static_cast<double>(std::max(1, pictureHeight)) * kCellHeight);
    return std::clamp(std::min(across, down), 1e-6, largestZoom());
}

double CanvasGeometry::largestZoom() { return kLargestCellWidth / kCellWidth; }

double CanvasGeometry::smallestZoom(int pictureWidth, int pictureHeight, int frameWidth, int frameHeight)
{
    return std::min(1.0, fitZoom(pictureWidth, pictureHeight, frameWidth, frameHeight));
}

double CanvasGeometry::zoomedIn(double zoom)
{
    return std::min(largestZoom(), step(std::floor(stepIndex(zoom) + kSlack) + 1));
}

double CanvasGeometry::zoomedOut(double zoom, double smallest)
{
    return std::clamp(step(std::ceil(stepIndex(zoom) - kSlack) - 1), smallest, largestZoom());
}
