#include "import/ScaledImport.h"

#include "import/AreaAverage.h"

#include <algorithm>
#include <cmath>

namespace {

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
    const int sw = scaled.width(), sh = scaled.height();
    const int factor = std::max(1, std::min(sw / cover.width(), sh / cover.height()));
    if (qint64(std::max(1, sw / factor)) * std::max(1, sh / factor) <= kMaxWorkingPixels) {
        m_working = averagedPlanes(scaled, scaled.rect(), std::max(1, sw / factor), std::max(1, sh / factor));
    } else {
        // A shape far from the target's, which one factor would leave long in one direction:
        // Fit and Stretch take the whole picture, reduced to the cover size along each axis
        // on its own; Fill takes a part about the target's shape, reduced to it apart.
        m_working = averagedPlanes(scaled, scaled.rect(), std::min(sw, cover.width()), std::min(sh, cover.height()));
        const QRectF fill = placementGeometry(fullSize, target, Placement::Fill).source;
        const double kx = double(sw) / fullSize.width(), ky = double(sh) / fullSize.height();
        const QRect part = QRectF(fill.x() * kx, fill.y() * ky, fill.width() * kx, fill.height() * ky).toAlignedRect()
                           & scaled.rect();
        m_fill = averagedPlanes(scaled, part, std::min(part.width(), cover.width()),
                                std::min(part.height(), cover.height()));
        m_fillShows = QRectF(part.x() / kx, part.y() / ky, part.width() / kx, part.height() / ky);
    }
    const QImage &topLeft = actual.isNull() && scaled.size() == fullSize ? scaled : actual;
    m_actual = averagedPlanes(topLeft, QRect(QPoint(0, 0), target), std::min(topLeft.width(), target.width()),
                              std::min(topLeft.height(), target.height()));
}

ScaleSource::Reduced ScaleSource::reducedFor(Placement placement) const
{
    if (placement == Placement::Fill && m_fill.width > 0)
        return {m_fill, m_fillShows};
    return {m_working, QRectF(QPointF(0, 0), QSizeF(m_fullSize))};
}

PlacedPicture placePicture(const ScaleSource &source, Placement placement)
{
    PlacedPicture placed;
    placed.size = source.target();
    const int tw = placed.size.width(), th = placed.size.height();
    allocatePlanes(placed.colour, std::max(tw, 0), std::max(th, 0));
    std::fill(placed.colour.red.begin(), placed.colour.red.end(), 1.0f);
    std::fill(placed.colour.green.begin(), placed.colour.green.end(), 1.0f);
    std::fill(placed.colour.blue.begin(), placed.colour.blue.end(), 1.0f);
    placed.covered.assign(placed.colour.red.size(), 0);

    const PlacementGeometry g = placementGeometry(source.fullSize(), source.target(), placement);
    if (g.target.isEmpty())
        return placed;
    ScaleSource::Planes part;
    if (placement == Placement::Actual) {
        part = source.actual();
        if (part.width < g.target.width() || part.height < g.target.height())
            return placed; // no 1:1 part to place
    } else {
        const ScaleSource::Reduced work = source.reducedFor(placement);
        if (work.planes.width <= 0 || work.planes.height <= 0)
            return placed;
        const double sx = work.planes.width / work.shows.width(), sy = work.planes.height / work.shows.height();
        const QRectF s = g.source.translated(-work.shows.topLeft());
        part = resampled(work.planes, QRectF(s.x() * sx, s.y() * sy, s.width() * sx, s.height() * sy),
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

