#include "import/AreaAverage.h"

#include "import/LinearLight.h"
#include "import/PictureImport.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <tuple>
#include <vector>

namespace {

using Planes = ScaleSource::Planes;

// For one axis: the source pixels [first, first + count) of one destination pixel and their
// shares. Every pixel between the first and the last is covered whole, so they all share
// alike: three weights describe any count, where a weight per pixel would take 4 bytes for
// each pixel of a 50-million-pixel row.
struct Contribution
{
    int first = 0;
    int count = 0;
    float head = 0; // the first pixel's weight
    float body = 0; // each middle pixel's
    float tail = 0; // the last's, when there are two or more

    int end() const { return first + count; }
    float weight(int k) const { return k == 0 ? head : k == count - 1 ? tail : body; }
};

// Destination pixel i covers [start + i * step, start + (i + 1) * step) of the source, cut to
// the source. The weights are each pixel's covered share divided by the covered total, in
// that order of operations.
Contribution contribution(double from, double to, int sourceLength)
{
    if (to - from < 1e-9) { // a sliver outside the source: its nearest pixel
        const int nearest = std::clamp(int(std::floor(from)), 0, sourceLength - 1);
        return {nearest, 1, 1.0f, 1.0f, 1.0f};
    }
    Contribution c;
    c.first = int(std::floor(from));
    const int last = std::min(sourceLength - 1, int(std::ceil(to)) - 1);
    c.count = last - c.first + 1;
    double total = 0;
    float head = 0, body = 0, tail = 0;
    for (int s = c.first; s <= last; ++s) {
        const double share = std::max(std::min(to, s + 1.0) - std::max(from, double(s)), 0.0);
        total += share;
        (s == c.first ? head : s == last ? tail : body) = float(share);
    }
    c.head = float(head / total);
    c.body = float(body / total);
    c.tail = float(tail / total);
    return c;
}

std::vector<Contribution> axisContributions(double start, double length, int sourceLength, int count)
{
    std::vector<Contribution> out(static_cast<std::size_t>(count));
    const double step = length / count;
    for (int i = 0; i < count; ++i)
        out[i] = contribution(std::clamp(start + i * step, 0.0, double(sourceLength)),
                              std::clamp(start + (i + 1) * step, 0.0, double(sourceLength)), sourceLength);
    return out;
}

// The source pixels [first, end) that contributions draw on.
std::pair<int, int> span(const std::vector<Contribution> &contributions)
{
    int first = INT_MAX, end = 0;
    for (const Contribution &c : contributions) {
        first = std::min(first, c.first);
        end = std::max(end, c.end());
    }
    return {first, end};
}

// The vertical pass of a separable average: columns [x0, x1) of `in`, its rows averaged down
// as `rows` say (their first rows counted from row y0 of `in`), into `out`.
void averageDown(const Planes &in, const std::vector<Contribution> &rows, int y0, int x0, int x1, Planes &out)
{
    const int width = x1 - x0;
    allocatePlanes(out, width, int(rows.size()));
    const std::vector<float> *inPlanes[] = {&in.red, &in.green, &in.blue};
    std::vector<float> *outPlanes[] = {&out.red, &out.green, &out.blue};
    for (int c = 0; c < 3; ++c) {
        const float *src = inPlanes[c]->data();
        float *dst = outPlanes[c]->data();
        for (std::size_t y = 0; y < rows.size(); ++y) {
            float *line = dst + y * width;
            const Contribution &r = rows[y];
            for (int k = 0; k < r.count; ++k) {
                const float w = r.weight(k);
                const float *from = src + std::size_t(r.first - y0 + k) * in.width + x0;
                for (int x = 0; x < width; ++x)
                    line[x] += w * from[x];
            }
        }
    }
}

// Rows [y0, y1) of `in`, each averaged across as `columns` say (their first pixels counted
// from the row's pixel x0), into `out`.
void averageRowsAcross(const Planes &in, const std::vector<Contribution> &columns, int x0, int y0, int y1, Planes &out)
{
    const int width = int(columns.size());
    allocatePlanes(out, width, y1 - y0);
    const std::vector<float> *inPlanes[] = {&in.red, &in.green, &in.blue};
    std::vector<float> *outPlanes[] = {&out.red, &out.green, &out.blue};
    for (int c = 0; c < 3; ++c) {
        for (int y = y0; y < y1; ++y) {
            const float *row = inPlanes[c]->data() + std::size_t(y) * in.width;
            float *line = outPlanes[c]->data() + std::size_t(y - y0) * width;
            for (int x = 0; x < width; ++x) {
                const Contribution &col = columns[x];
                float sum = 0;
                for (int k = 0; k < col.count; ++k)
                    sum += col.weight(k) * row[col.first - x0 + k];
                line[x] = sum;
            }
        }
    }
}

// Hands the pixels of `region` over as QRgb, row by row in pieces of at most kPiecePixels:
// piece(y, x, pixels, count). An ARGB32 or RGB32 picture's own pixels; any other format
// converted a piece at a time, so that no copy of a large picture is ever made.
template<typename Piece>
void forEachPiece(const QImage &picture, const QRect &region, Piece &&piece)
{
    constexpr int kPiecePixels = 1 << 16; // 256 KB converted at a time
    const bool direct = picture.format() == QImage::Format_ARGB32 || picture.format() == QImage::Format_RGB32;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); x += kPiecePixels) {
            const int count = std::min(kPiecePixels, region.right() + 1 - x);
            if (direct) {
                piece(y, x, reinterpret_cast<const QRgb *>(picture.constScanLine(y)) + x, count);
                continue;
            }
            const QImage converted = picture.copy(x, y, count, 1).convertToFormat(QImage::Format_ARGB32);
            piece(y, x, reinterpret_cast<const QRgb *>(converted.constScanLine(0)), count);
        }
    }
}

// A pixel of a picture in linear light, composed over white.
struct LinearPixel
{
    const std::array<float, 256> &lin = linearlight::srgb().linear;
    bool opaque;
    explicit LinearPixel(const QImage &picture)
        : opaque(picture.format() == QImage::Format_RGB32 || !picture.hasAlphaChannel())
    {
    }
    void operator()(QRgb p, float &r, float &g, float &b) const
    {
        const int a = opaque ? 255 : qAlpha(p);
        r = lin[a == 255 ? qRed(p) : overWhite(qRed(p), a)];
        g = lin[a == 255 ? qGreen(p) : overWhite(qGreen(p), a)];
        b = lin[a == 255 ? qBlue(p) : overWhite(qBlue(p), a)];
    }
};

// Adds value * weight into the sums of every destination pixel that source pixel s falls in.
// Source pixels come in ascending order, so `next` (the first destination pixel whose
// pixels do not all lie before s) only moves forward; each sum takes its pixels in the order
// a sum over them would.
struct Spreader
{
    const std::vector<Contribution> &to;
    std::size_t next = 0;

    template<typename Add>
    void spread(int s, Add &&add)
    {
        while (to[next].end() <= s)
            ++next;
        for (std::size_t d = next; d < to.size() && to[d].first <= s; ++d)
            add(d, to[d].weight(s - to[d].first));
    }
};

} // namespace

void allocatePlanes(Planes &p, int width, int height)
{
    p.width = width;
    p.height = height;
    const std::size_t n = std::size_t(width) * height;
    p.red.assign(n, 0.0f);
    p.green.assign(n, 0.0f);
    p.blue.assign(n, 0.0f);
}

Planes averagedPlanes(const QImage &picture, const QRect &region, int width, int height)
{
    const QRect within = region & picture.rect();
    if (width <= 0 || height <= 0 || within.isEmpty())
        return {};
    const LinearPixel linear(picture);
    const auto columns = axisContributions(within.x(), within.width(), picture.width(), width);
    const auto rows = axisContributions(within.y(), within.height(), picture.height(), height);
    // Not structured bindings: the lambda below uses x1, and clang 14 lets no lambda take one.
    int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    std::tie(x0, x1) = span(columns);
    std::tie(y0, y1) = span(rows);
    Planes out;
    allocatePlanes(out, width, height);
    std::vector<float> red(std::size_t(width), 0.0f), green(red), blue(red); // one row averaged across
    Spreader across{columns}, down{rows};
    const auto finishRow = [&](int y) {
        down.spread(y, [&](std::size_t d, float w) {
            const std::size_t at = d * std::size_t(width);
            for (int x = 0; x < width; ++x) {
                out.red[at + x] += w * red[x];
                out.green[at + x] += w * green[x];
                out.blue[at + x] += w * blue[x];
            }
        });
        std::fill(red.begin(), red.end(), 0.0f);
        std::fill(green.begin(), green.end(), 0.0f);
        std::fill(blue.begin(), blue.end(), 0.0f);
        across.next = 0;
    };
    forEachPiece(picture, QRect(x0, y0, x1 - x0, y1 - y0), [&](int y, int x, const QRgb *pixels, int count) {
        for (int k = 0; k < count; ++k) {
            float r, g, b;
            linear(pixels[k], r, g, b);
            across.spread(x + k, [&](std::size_t d, float w) {
                red[d] += w * r;
                green[d] += w * g;
                blue[d] += w * b;
            });
        }
        if (x + count == x1)
            finishRow(y);
    });
    return out;
}

Planes resampled(const Planes &in, const QRectF &source, int width, int height)
{
    if (width <= 0 || height <= 0 || in.width <= 0 || in.height <= 0)
        return {};
    const auto columns = axisContributions(source.x(), source.width(), in.width, width);
    const auto rows = axisContributions(source.y(), source.height(), in.height, height);
    const auto [x0, x1] = span(columns);
    const auto [y0, y1] = span(rows);
    Planes between, out;
    // A picture of 6 x 2,000,000 pixels stretched onto the screen must not first become
    // 160 x 2,000,000.
    if (std::size_t(width) * std::size_t(y1 - y0) <= std::size_t(x1 - x0) * std::size_t(height)) {
        averageRowsAcross(in, columns, 0, y0, y1, between);
        averageDown(between, rows, y0, 0, width, out);
    } else {
        averageDown(in, rows, 0, x0, x1, between);
        averageRowsAcross(between, columns, x0, 0, height, out);
    }
    return out;
}
