#include "pagesetup/PagePreview.h"

#include "pagesetup/PreviewGeometry.h"

#include <QPainter>
#include <algorithm>

namespace {

// Values far off the page are pulled in to this many inches: they are clipped anyway,
// and the paint engine misbehaves on huge coordinates.
constexpr double kFarAway = 1000;

QPointF tame(const QPointF &p)
{
    return {std::clamp(p.x(), -kFarAway, kFarAway), std::clamp(p.y(), -kFarAway, kFarAway)};
}

bool sameLine(const QLineF &a, const QLineF &b)
{
    const auto near = [](const QPointF &p, const QPointF &q) {
        return std::abs(p.x() - q.x()) < 1e-9 && std::abs(p.y() - q.y()) < 1e-9;
    };
    return near(a.p1(), b.p1()) && near(a.p2(), b.p2());
}

} // namespace

PagePreview::PagePreview(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void PagePreview::clear()
{
    m_boxes.clear();
    m_lines.clear();
    update();
}

void PagePreview::drawBox(const QRectF &inches)
{
    m_boxes.append(inches);
    update();
}

void PagePreview::drawLine(const QLineF &inches, bool black)
{
    m_lines.removeIf([&](const QLineF &line) { return sameLine(line, inches); });
    if (black)
        m_lines.append(inches);
    update();
}

void PagePreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRectF page = QRectF(rect()).adjusted(1, 1, -1, -1); // inside a one-pixel border
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(QRectF(rect()).adjusted(0, 0, -1, -1));
    painter.setClipRect(page);
    painter.translate(page.topLeft());
    const double sx = page.width() / kLetterWidthInches, sy = page.height() / kLetterHeightInches;
    const auto toPixels = [&](const QPointF &inches) {
        const QPointF p = tame(inches);
        return QPointF(p.x() * sx, p.y() * sy);
    };
    painter.setPen(QPen(Qt::black, 0)); // one pixel, whatever the scale
    for (const QRectF &box : m_boxes)
        painter.drawRect(QRectF(toPixels(box.topLeft()), toPixels(box.bottomRight())));
    for (const QLineF &line : m_lines)
        painter.drawLine(toPixels(line.p1()), toPixels(line.p2()));
}
