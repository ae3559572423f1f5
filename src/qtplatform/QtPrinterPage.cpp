#include "qtplatform/QtPrinterPage.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

namespace {

// Coordinates far off the page are pulled in to this many device pixels from the origin:
// what lies there is clipped anyway, and the paint engines misbehave on huge values.
constexpr double kFarAway = 1e7;

double tame(double v) { return std::clamp(v, -kFarAway, kFarAway); }

// Squares per piece of a dashed stroke: a long run is cut into pieces of at most this many,
// so that no piece asks a printer or viewer for an unusually long sequence of dashes.
constexpr int kSquaresPerStroke = 1024;

} // namespace

QString printableFace(const QString &face)
{
    static const std::pair<const char *, const char *> kSameMetrics[] = {
        {"Arial", "Liberation Sans"},
        {"Helvetica", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},
    };
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(face, Qt::CaseInsensitive))
        return face;
    for (const auto &[wanted, substitute] : kSameMetrics) {
        if (face.compare(QLatin1String(wanted), Qt::CaseInsensitive) == 0
            && installed.contains(QLatin1String(substitute), Qt::CaseInsensitive))
            return QLatin1String(substitute);
    }
    return face;
}

QtPrinterPage::QtPrinterPage(QPaintDevice &device) : m_device(device)
{
    if (device.logicalDpiX() > 0)
        m_dpiX = device.logicalDpiX();
    if (device.logicalDpiY() > 0)
        m_dpiY = device.logicalDpiY();
}

QPointF QtPrinterPage::toDevice(double x, double y) const
{
    return {tame(x * m_dpiX / 1440.0), tame(y * m_dpiY / 1440.0)};
}

double QtPrinterPage::toTwipsX(double devicePixels) const { return devicePixels * 1440.0 / m_dpiX; }

double QtPrinterPage::toTwipsY(double devicePixels) const { return devicePixels * 1440.0 / m_dpiY; }

bool QtPrinterPage::DrawBox(double x1, double y1, double x2, double y2, const QColor &colour, bool filled)
{
    if (m_ended)
        return false;
    m_batch.reset();
    const QRectF box = QRectF(toDevice(x1, y1), toDevice(x2, y2)).normalized();
    QPen pen(colour);
    pen.setWidth(m_penWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    m_ops.push_back([box, pen, colour, filled](QPainter &painter) {
        painter.setPen(pen);
        painter.setBrush(filled ? QBrush(colour) : QBrush(Qt::NoBrush));
        painter.drawRect(box);
    });
    return true;
}

// Squares of consecutive DrawSquareRow calls, painted together: the lone ones as one set
// of filled rectangles, the longer runs as one dashed stroke with a piece per run (a dash
// pattern starts afresh on every piece), so the whole picture needs one fill and one
// stroke however many runs it has.
struct QtPrinterPage::SquareBatch
{
    QColor colour;
    QPen stroke;
    QList<QRectF> lone;
    QList<QLineF> runs;

    void paint(QPainter &painter) const
    {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawRects(lone);
        painter.setPen(stroke);
        painter.setBrush(Qt::NoBrush);
        painter.drawLines(runs);
    }
};

bool QtPrinterPage::DrawSquareRow(double x, double y, int count, double side, double pitch, const QColor &colour)
{
    if (m_ended)
        return false;
    // Device pixels. A filled box's outline adds half the pen width of ink on every side,
    // so each square's ink is its side plus one pen width (a cosmetic pen counts as 1).
    const double pen = std::max(m_penWidth, 1);
    const QPointF corner = toDevice(x, y);
    const QSizeF ink(side * m_dpiX / 1440.0 + pen, side * m_dpiY / 1440.0 + pen);
    const double period = pitch * m_dpiX / 1440.0;
    // A horizontal stroke as tall as a square's ink, dashed ink, gap, ink, ...; squares
    // that touch or overlap leave no gap and make a solid stroke.
    QPen stroke(colour, ink.height(), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (period > ink.width())
        stroke.setDashPattern({ink.width() / ink.height(), (period - ink.width()) / ink.height()});
    if (!m_batch || m_batch->colour != colour || m_batch->stroke != stroke) {
        m_batch = std::make_shared<SquareBatch>(SquareBatch{colour, stroke, {}, {}});
        m_ops.push_back([batch = m_batch](QPainter &painter) { batch->paint(painter); });
    }
    const QPointF inkCorner(corner.x() - pen / 2, corner.y() - pen / 2);
    if (count == 1) {
        m_batch->lone.append(QRectF(inkCorner, ink)); // cheaper in a PDF than a stroke
        return true;
    }
    const double centreY = tame(inkCorner.y() + ink.height() / 2);
    for (int first = 0; first < count; first += kSquaresPerStroke) {
        const int squares = std::min(kSquaresPerStroke, count - first);
        const double start = inkCorner.x() + first * period;
        m_batch->runs.append(QLineF(tame(start), centreY, tame(start + (squares - 1) * period + ink.width()), centreY));
    }
    return true;
}

bool QtPrinterPage::SetPenWidth(int dots)
{
    m_penWidth = std::max(dots, 0);
    return !m_ended;
}

bool QtPrinterPage::SetTextPos(double x, double y)
{
    m_textPos = {x, y};
    return !m_ended;
}

bool QtPrinterPage::SetTextX(double x)
{
    m_textPos.setX(x);
    return !m_ended;
}

bool QtPrinterPage::SetFont(const QString &face, double points)
{
    m_font = QFont(printableFace(face));
    m_font.setStyleHint(QFont::SansSerif);
    if (points > 0)
        m_font.setPointSizeF(points);
    return !m_ended;
}

bool QtPrinterPage::PrintText(const QString &text, bool endOfLine)
{
    if (m_ended)
        return false;
    m_batch.reset();
    // Metrics of the font as the device will render it, so the position that follows the
    // text matches the printed width.
    const QFontMetricsF metrics(m_font, &m_device);
    const QPointF topLeft = toDevice(m_textPos.x(), m_textPos.y());
    const QPointF baseline(topLeft.x(), tame(topLeft.y() + metrics.ascent()));
    m_ops.push_back([font = m_font, baseline, text](QPainter &painter) {
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(baseline, text);
    });
    if (endOfLine)
        m_textPos = {0, m_textPos.y() + toTwipsY(metrics.lineSpacing())};
    else
        m_textPos.setX(m_textPos.x() + toTwipsX(metrics.horizontalAdvance(text)));
    return true;
}

bool QtPrinterPage::EndDocument()
{
    if (m_ended)
        return false;
    m_ended = true;
    if (!deviceReady())
        return false;
    QPainter painter;
    if (!painter.begin(&m_device))
        return false;
    for (const auto &op : m_ops)
        op(painter);
    m_ops.clear();
    m_batch.reset();
    const bool ended = painter.end();
    return ended && !deviceFailed();
}
