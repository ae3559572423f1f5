#include "import/ScaledImport.h"

#include "import/LinearLight.h"
#include "import/PictureImport.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

namespace {

using namespace linearlight;

// --- Area averaging ----------------------------------------------------------------------

// For one axis: every destination pixel's source pixels and their share. Destination pixel
// i covers [start + i * step, start + (i + 1) * step) of the source, cut to the source.
struct Contribution
{
    int first = 0;
    std::vector<float> weights;
};

std::vector<Contribution> axisContributions(double start, double length, int sourceLength, int count)
{
    std::vector<Contribution> out(static_cast<std::size_t>(count));
    const double step = length / count;
    for (int i = 0; i < count; ++i) {
        double from = std::clamp(start + i * step, 0.0, double(sourceLength));
        double to = std::clamp(start + (i + 1) * step, 0.0, double(sourceLength));
        if (to - from < 1e-9) { // a sliver outside the source: its nearest pixel
            const int nearest = std::clamp(int(std::floor(from)), 0, sourceLength - 1);
            out[i].first = nearest;
            out[i].weights = {1.0f};
            continue;
        }
        const int first = int(std::floor(from));
        const int last = std::min(sourceLength - 1, int(std::ceil(to)) - 1);
        Contribution &c = out[i];
        c.first = first;
        double total = 0;
        for (int s = first; s <= last; ++s) {
            const double share = std::min(to, s + 1.0) - std::max(from, double(s));
            c.weights.push_back(float(std::max(share, 0.0)));
            total += std::max(share, 0.0);
        }
        for (float &w : c.weights)
            w = float(w / total);
    }
    return out;
}

using Planes = ScaleSource::Planes;

void allocate(Planes &p, int width, int height)
{
    p.width = width;
    p.height = height;
    const std::size_t n = std::size_t(width) * height;
    p.red.assign(n, 0.0f);
    p.green.assign(n, 0.0f);
    p.blue.assign(n, 0.0f);
}

// The source pixels [first, end) that contributions draw on.
std::pair<int, int> span(const std::vector<Contribution> &contributions)
{
    int first = INT_MAX, end = 0;
    for (const Contribution &c : contributions) {
        first = std::min(first, c.first);
        end = std::max(end, c.first + int(c.weights.size()));
    }
    return {first, end};
}

// The vertical pass of a separable average: columns [x0, x1) of `in`, its rows averaged down
// as `rows` say (their first rows counted from row y0 of `in`), into `out`.
void averageDown(const Planes &in, const std::vector<Contribution> &rows, int y0, int x0, int x1, Planes &out)
{
    const int width = x1 - x0;
    allocate(out, width, int(rows.size()));
    const std::vector<float> *inPlanes[] = {&in.red, &in.green, &in.blue};
    std::vector<float> *outPlanes[] = {&out.red, &out.green, &out.blue};
    for (int c = 0; c < 3; ++c) {
        const float *src = inPlanes[c]->data();
        float *dst = outPlanes[c]->data();
        for (std::size_t y = 0; y < rows.size(); ++y) {
            float *line = dst + y * width;
            const Contribution &r = rows[y];
            for (std::size_t k = 0; k < r.weights.size(); ++k) {
                const float w = r.weights[k];
                const float *from = src + std::size_t(r.first - y0 + int(k)) * in.width + x0;
                for (int x = 0; x < width; ++x)
                    line[x] += w * from[x];
            }
        }
    }
}

// One row of linear-light values averaged across into `out` (width = columns.size()); the
// columns' first pixels are counted from the row's pixel x0.
void averageAcross(const float *red, const float *green, const float *blue,
                   const std::vector<Contribution> &columns, int x0, float *outRed, float *outGreen,
                   float *outBlue)
{
    for (std::size_t x = 0; x < columns.size(); ++x) {
        const Contribution &c = columns[x];
        float r = 0, g = 0, b = 0;
        for (std::size_t k = 0; k < c.weights.size(); ++k) {
            const int s = c.first - x0 + int(k);
            r += c.weights[k] * red[s];
            g += c.weights[k] * green[s];
            b += c.weights[k] * blue[s];
        }
        outRed[x] = r;
        outGreen[x] = g;
        outBlue[x] = b;
    }
}

// Rows [y0, y1) of `in`, each averaged across as `columns` say, into `out`.
void averageRowsAcross(const Planes &in, const std::vector<Contribution> &columns, int x0, int y0, int y1, Planes &out)
{
    const int width = int(columns.size());
    allocate(out, width, y1 - y0);
    for (int y = y0; y < y1; ++y) {
        const std::size_t from = std::size_t(y) * in.width;
        const std::size_t to = std::size_t(y - y0) * width;
        averageAcross(in.red.data() + from, in.green.data() + from, in.blue.data() + from, columns,
                      x0, out.red.data() + to, out.green.data() + to, out.blue.data() + to);
    }
}

// The region `source` of `in` area-averaged onto width x height. Only the pixels the region
// draws on are read, and the pass that leaves the smaller picture between the two goes first:
// a picture of 6 x 2,000,000 pixels stretched onto the screen must not first become
// 160 x 2,000,000.
Planes resample(const Planes &in, const QRectF &source, int width, int height)
{
    if (width <= 0 || height <= 0 || in.width <= 0 || in.height <= 0)
        return {};
    const auto columns = axisContributions(source.x(), source.width(), in.width, width);
    const auto rows = axisContributions(source.y(), source.height(), in.height, height);
    const auto [x0, x1] = span(columns);
    const auto [y0, y1] = span(rows);
    Planes between, out;
    if (std::size_t(width) * std::size_t(y1 - y0) <= std::size_t(x1 - x0) * std::size_t(height)) {
        averageRowsAcross(in, columns, 0, y0, y1, between);
        averageDown(between, rows, y0, 0, width, out);
    } else {
        averageDown(in, rows, 0, x0, x1, between);
        averageRowsAcross(between, columns, x0, 0, height, out);
    }
    return out;
}

// Rows of a picture in linear light, composed over white, a band at a time so that a large
// picture in another format is never converted whole.
template<typename RowFunction>
void forEachLinearRow(const QImage &picture, int width, int height, RowFunction &&rowFunction)
{
    const auto &lin = srgb().linear;
    std::vector<float> red(static_cast<std::size_t>(width)), green(red.size()), blue(red.size());
    const bool direct = picture.format() == QImage::Format_ARGB32 || picture.format() == QImage::Format_RGB32;
    const bool opaque = picture.format() == QImage::Format_RGB32 || !picture.hasAlphaChannel();
    constexpr int kBand = 64;
    QImage band;
    for (int y = 0; y < height; ++y) {
        const QRgb *line;
        if (direct) {
            line = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        } else {
            if (y % kBand == 0)
                band = picture.copy(0, y, width, std::min(kBand, height - y))
                           .convertToFormat(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
            line = reinterpret_cast<const QRgb *>(band.constScanLine(y % kBand));
        }
        for (int x = 0; x < width; ++x) {
            const QRgb p = line[x];
            const int a = opaque ? 255 : qAlpha(p);
            if (a == 255) {
                red[x] = lin[qRed(p)];
                green[x] = lin[qGreen(p)];
                blue[x] = lin[qBlue(p)];
            } else {
                red[x] = lin[overWhite(qRed(p), a)];
                green[x] = lin[overWhite(qGreen(p), a)];
                blue[x] = lin[overWhite(qBlue(p), a)];
            }
        }
        rowFunction(y, red.data(), green.data(), blue.data());
    }
}

// A picture's top-left part, at most `size`, in linear light.
Planes linearTopLeft(const QImage &picture, QSize size)
{
    const int width = std::min(picture.width(), size.width());
    const int height = std::min(picture.height(), size.height());
    if (width <= 0 || height <= 0)
        return {};
    Planes out;
    allocate(out, width, height);
    forEachLinearRow(picture, width, height, [&](int y, const float *r, const float *g, const float *b) {
        const std::size_t at = std::size_t(y) * width;
        std::copy(r, r + width, out.red.begin() + at);
        std::copy(g, g + width, out.green.begin() + at);
        std::copy(b, b + width, out.blue.begin() + at);
    });
    return out;
}

// The picture in linear light, area-averaged to width x height as it is read.
Planes linearPlanes(const QImage &picture, int width, int height)
{
    if (width == picture.width() && height == picture.height())
        return linearTopLeft(picture, picture.size());
    Planes out;
    const auto columns = axisContributions(0, picture.width(), picture.width(), width);
    Planes across;
    allocate(across, width, picture.height());
    forEachLinearRow(picture, picture.width(), picture.height(),
                     [&](int y, const float *r, const float *g, const float *b) {
                         const std::size_t at = std::size_t(y) * width;
                         averageAcross(r, g, b, columns, 0, across.red.data() + at,
                                       across.green.data() + at, across.blue.data() + at);
                     });
    averageDown(across, axisContributions(0, picture.height(), picture.height(), height), 0, 0, width, out);
    return out;
}

// One axis of the 1:1 placement: taken length and offset on the target.
std::pair<int, int> actualAxis(int length, int targetLength)
{
    if (length >= targetLength)
        return {targetLength, 0};
    return {length, targetLength / 2 - length / 2};
}

} // namespace

PlacementGeometry placementGeometry(QSize fullSize, QSize target, Placement placement)
{
    if (fullSize.isEmpty() || target.isEmpty())
        return {};
    const double w = fullSize.width(), h = fullSize.height();
    const int tw = target.width(), th = target.height();
    switch (placement) {
    case Placement::Stretch:
        return {QRectF(0, 0, w, h), QRect(0, 0, tw, th)};
    case Placement::Fit: {
        const double scale = std::min(tw / w, th / h);
        const int pw = std::clamp(int(std::lround(w * scale)), 1, tw);
        const int ph = std::clamp(int(std::lround(h * scale)), 1, th);
        return {QRectF(0, 0, w, h), QRect((tw - pw) / 2, (th - ph) / 2, pw, ph)};
    }
    case Placement::Fill: {
        const double scale = std::max(tw / w, th / h);
        const double sw = std::min(w, tw / scale), sh = std::min(h, th / scale);
        return {QRectF((w - sw) / 2, (h - sh) / 2, sw, sh), QRect(0, 0, tw, th)};
    }
    case Placement::Actual: {
        const auto [cw, cx] = actualAxis(fullSize.width(), tw);
        const auto [ch, cy] = actualAxis(fullSize.height(), th);
        return {QRectF(0, 0, cw, ch), QRect(cx, cy, cw, ch)};
    }
    }
    return {};
}

QSize scaleCoverSize(QSize target) { return QSize(2 * std::max(target.width(), 1), 2 * std::max(target.height(), 1)); }

ScaleSource::ScaleSource(const QImage &scaled, const QImage &actual, QSize fullSize, QSize target)
    : m_target(target), m_fullSize(fullSize)
{
    if (scaled.isNull() || fullSize.isEmpty() || target.isEmpty()) {
        m_fullSize = scaled.isNull() ? QSize() : fullSize;
        return;
    }
    // A whole factor of reduction that keeps the working copy at least the cover size.
    const QSize cover = scaleCoverSize(target);
    const int factor = std::max(1, std::min(scaled.width() / cover.width(), scaled.height() / cover.height()));
    m_working = linearPlanes(scaled, std::max(1, scaled.width() / factor), std::max(1, scaled.height() / factor));
    m_actual = linearTopLeft(actual.isNull() && scaled.size() == fullSize ? scaled : actual, target);
}

PlacedPicture placePicture(const ScaleSource &source, Placement placement)
{
    PlacedPicture placed;
    placed.size = source.target();
    const int tw = placed.size.width(), th = placed.size.height();
    allocate(placed.colour, std::max(tw, 0), std::max(th, 0));
    std::fill(placed.colour.red.begin(), placed.colour.red.end(), 1.0f);
    std::fill(placed.colour.green.begin(), placed.colour.green.end(), 1.0f);
    std::fill(placed.colour.blue.begin(), placed.colour.blue.end(), 1.0f);
    placed.covered.assign(placed.colour.red.size(), 0);

    const PlacementGeometry g = placementGeometry(source.fullSize(), source.target(), placement);
    if (g.target.isEmpty())
        return placed;
    Planes part;
    if (placement == Placement::Actual) {
        part = source.actual();
        if (part.width < g.target.width() || part.height < g.target.height())
            return placed; // no 1:1 part to place
    } else {
        const Planes &work = source.working();
        if (work.width <= 0 || work.height <= 0)
            return placed;
        const double sx = double(work.width) / source.fullSize().width();
        const double sy = double(work.height) / source.fullSize().height();
        const QRectF s = g.source;
        part = resample(work, QRectF(s.x() * sx, s.y() * sy, s.width() * sx, s.height() * sy),
                        g.target.width(), g.target.height());
    }
    for (int y = 0; y < g.target.height(); ++y) {
        for (int x = 0; x < g.target.width(); ++x) {
            const std::size_t from = std::size_t(y) * part.width + x;
            const std::size_t to = std::size_t(g.target.y() + y) * tw + g.target.x() + x;
            placed.colour.red[to] = part.red[from];
            placed.colour.green[to] = part.green[from];
            placed.colour.blue[to] = part.blue[from];
            placed.covered[to] = 1;
        }
    }
    return placed;
}

