#include "canvas/Shapes.h"

#include "document/Rounding.h"

#include <cmath>

namespace {

// The quarter turn the circle and ellipse loops run to, as the tools always had it.
constexpr double kQuarterTurn = 3.1415926 / 2;
// Arc length between two samples of a circle or ellipse, in picture pixels.
constexpr double kArcStep = 0.8;

// Counted loop: body(counter) for counter = from, from + step, ... while the counter has
// not passed `to` (<= for a positive step, >= for a negative one). The counter keeps the
// fraction of `from` and accumulates the step in its own type T. A zero step has no
// direction; it runs the body once, at `from`. A counter too large to change when the
// step is added ends the loop instead of spinning for ever.
template <typename T, typename Body>
void countedLoop(T from, T to, T step, Body body)
{
    if (step == 0) {
        body(from);
        return;
    }
    for (T counter = from; step > 0 ? counter <= to : counter >= to;) {
        body(counter);
        const T next = counter + step;
        if (next == counter)
            return;
        counter = next;
    }
}

// The four mirrored points of one quarter-turn sample (x, y offsets from the centre), in
// the order right-below, right-above, left-below, left-above. Sums are single precision.
void plotMirrored(float centreX, float centreY, float x, float y, const PlotFn &plot)
{
    plot(roundDown(centreX + x), roundDown(centreY + y));
    plot(roundDown(centreX + x), roundDown(centreY - y));
    plot(roundDown(centreX - x), roundDown(centreY + y));
    plot(roundDown(centreX - x), roundDown(centreY - y));
}

// Runs sample(t) for t from 0 to a quarter turn in arc steps of about 0.8 pixels at the
// given radius (double precision). The top and bottom points (t exactly a quarter turn)
// are reached only when the step divides the quarter turn.
template <typename Sample>
bool quarterTurn(double radius, Sample sample)
{
    if (radius == 0 || !std::isfinite(radius))
        return false;
    countedLoop(0.0, kQuarterTurn, kArcStep / radius, sample);
    return true;
}

} // namespace

float ellipseAspect(float startX, float startY, float endX, float endY)
{
    if (endX == startX)
        return 1000;
    return std::fabs((endY - startY) / (endX - startX));
}

EllipseRadii ellipseRadii(double radius, double aspect)
{
    if (aspect < 1)
        return {radius, radius * aspect};
    if (aspect > 1)
        return {radius / aspect, radius};
    return {radius, radius};
}

double shapeRadius(float startX, float startY, int x, int y)
{
    const double dx = static_cast<float>(x) - startX;
    const double dy = static_cast<float>(y) - startY;
    return std::sqrt(dx * dx + dy * dy);
}

// Pixels: with m = (fromY - y) / (fromX - x), shallow (|m| <= 1) (Int(i), Int(y + (i - x) * m))
// for i stepping from fromX to x; steep (Int(x + (j - y) / m), Int(j)) for j stepping from
// fromY to y; vertical (x, Int(j)) for j stepping from fromY to y. Single precision, as the
// pen point is; the sample is taken from the segment's far end.
bool rasterisePenSegment(float fromX, float fromY, int x, int y, const PlotFn &plot)
{
    const auto toX = static_cast<float>(x), toY = static_cast<float>(y);
    const float stepX = static_cast<float>(sign(x - fromX));
    const float stepY = static_cast<float>(sign(y - fromY));
    if (toX != fromX) {
        const float m = (fromY - toY) / (fromX - toX);
        if (std::fabs(m) <= 1)
            countedLoop(fromX, toX, stepX, [&](float i) { plot(roundDown(i), roundDown(y + (i - x) * m)); });
        else
            countedLoop(fromY, toY, stepY, [&](float j) { plot(roundDown(x + (j - y) / m), roundDown(j)); });
        return true;
    }
    if (toY == fromY)
        return false; // the same point
    countedLoop(fromY, toY, stepY, [&](float j) { plot(x, roundDown(j)); });
    return true;
}

// Pixels: vertical line (Int(startX), Int(Y)) for Y = startY, startY +- 1, ... up to endY;
// shallow (|m| < 1) (Int(X), Int(startY + (X - startX) * m)) for X stepping from startX to
// endX; steep (Int(startX + (Y - startY) / m), Int(Y)) for Y stepping from startY to endY.
// Everything, slope and sample included, is single precision.
bool rasteriseLine(float startX, float startY, float endX, float endY, const PlotFn &plot)
{
    const float stepX = static_cast<float>(sign(endX - startX));
    const float stepY = static_cast<float>(sign(endY - startY));
    if (startX == endX && startY != endY) {
        countedLoop(startY, endY, stepY, [&](float y) { plot(roundDown(startX), roundDown(y)); });
        return true;
    }
    if (startX == endX)
        return false; // the slope would divide zero by zero
    const float m = (endY - startY) / (endX - startX);
    if (std::fabs(m) < 1) {
        countedLoop(startX, endX, stepX, [&](float x) {
            const float y = startY + (x - startX) * m;
            plot(roundDown(x), roundDown(y));
        });
    } else {
        countedLoop(startY, endY, stepY, [&](float y) {
            const float x = startX + (y - startY) / m;
            plot(roundDown(x), roundDown(y));
        });
    }
    return true;
}

// Pixels: for X = Int(startX) .. Int(endX): (X, Int(startY)) then (X, Int(endY)), when the
// drag moved horizontally; then for Y = Int(startY) .. Int(endY): (Int(startX), Y) then
// (Int(endX), Y), when it moved vertically. Corners are plotted more than once.
void rasteriseBox(float startX, float startY, float endX, float endY, const PlotFn &plot)
{
    const int left = roundDown(startX), right = roundDown(endX);
    const int top = roundDown(startY), bottom = roundDown(endY);
    if (endX != startX) {
        countedLoop(left, right, sign(endX - startX), [&](int x) {
            plot(x, top);
            plot(x, bottom);
        });
    }
    if (endY != startY) {
        countedLoop(top, bottom, sign(endY - startY), [&](int y) {
            plot(left, y);
            plot(right, y);
        });
    }
}

// Pixels: every (i, j) with i from CInt(startX) to CInt(endX) (outer) and j from
// CInt(startY) to CInt(endY) (inner), in the drag's directions. A drag ending exactly on
// the press's column (or row) has no direction there; it fills the one column CInt(startX)
// (or the one row CInt(startY)), as a one-column box does.
void rasteriseBar(float startX, float startY, float endX, float endY, const PlotFn &plot)
{
    const int stepX = sign(endX - startX), stepY = sign(endY - startY);
    const int top = roundHalfEven(startY), bottom = roundHalfEven(endY);
    countedLoop(roundHalfEven(startX), roundHalfEven(endX), stepX, [&](int i) {
        countedLoop(top, bottom, stepY, [&](int j) { plot(i, j); });
    });
}

// Pixels: for t = 0, s, 2s, ... <= 1.5707963 with s = 0.8 / radius (double precision),
// X = float(cos t * radius), Y = float(1.01 * (sin t * radius)), the four points
// (Int(cx +- X), Int(cy +- Y)).
bool rasteriseCircle(float centreX, float centreY, double radius, const PlotFn &plot)
{
    return quarterTurn(radius, [&](double t) {
        const auto x = static_cast<float>(std::cos(t) * radius);
        const auto y = static_cast<float>(1.01 * (std::sin(t) * radius));
        plotMirrored(centreX, centreY, x, y, plot);
    });
}

// Pixels: the circle's samples without the 1.01 factor, with the vertical offset scaled by
// the aspect when it is at most 1, otherwise the horizontal offset divided by it.
bool rasteriseEllipse(float centreX, float centreY, double radius, float aspect,
                      const PlotFn &plot)
{
    return quarterTurn(radius, [&](double t) {
        float x, y;
        if (aspect <= 1) {
            x = static_cast<float>(std::cos(t) * radius);
            y = static_cast<float>(aspect * (std::sin(t) * radius));
        } else {
            x = static_cast<float>((std::cos(t) * radius) / aspect);
            y = static_cast<float>(std::sin(t) * radius);
        }
        plotMirrored(centreX, centreY, x, y, plot);
    });
}

bool rasteriseShape(Tool tool, const ShapeDrag &d, const PlotFn &plot)
{
    switch (tool) {
    case Tool::Line:
    case Tool::WhLine:
        return rasteriseLine(d.StartX, d.StartY, d.EndX, d.EndY, plot);
    case Tool::Box:
    case Tool::WhBox:
        rasteriseBox(d.StartX, d.StartY, d.EndX, d.EndY, plot);
        return true;
    case Tool::Bar:
    case Tool::WhBar:
        rasteriseBar(d.StartX, d.StartY, d.EndX, d.EndY, plot);
        return true;
    case Tool::Circle:
    case Tool::WhCircle:
        return rasteriseCircle(d.StartX, d.StartY, d.Radius, plot);
    case Tool::Ellipse:
    case Tool::WhEllipse:
        return rasteriseEllipse(d.StartX, d.StartY, d.Radius,
                                ellipseAspect(d.StartX, d.StartY, d.EndX, d.EndY), plot);
    default:
        return false;
    }
}
