#include "canvas/CanvasView.h"

#include "canvas/CanvasGeometry.h"
#include "canvas/DrawingTools.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {
int qtButtons(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
           | (buttons & Qt::MiddleButton ? 4 : 0);
}
} // namespace

CanvasView::CanvasView(QWidget *parent) : QWidget(parent)
{
    setCursor(Qt::CrossCursor);
    setMouseTracking(true); // the coordinate readout follows the mouse without a button
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    SizeCanvas(160, 77);
}

void CanvasView::SizeCanvas(int width, int height)
{
    m_scaleWidth = width;
    m_scaleHeight = height;
    const QSize size(CanvasGeometry::screenWidth(width), CanvasGeometry::screenHeight(height));
    setFixedSize(size);
    m_image = QImage(size, QImage::Format_RGB32);
    ClearCanvas();
}

void CanvasView::ClearCanvas()
{
    m_image.fill(kBackground);
    update();
}

QPointF CanvasView::toScreen(float x, float y) const
{
    return {x * static_cast<double>(m_image.width()) / m_scaleWidth,
            y * static_cast<double>(m_image.height()) / m_scaleHeight};
}

QPointF CanvasView::toPicture(const QPointF &screen) const
{
    return {static_cast<float>(screen.x() * m_scaleWidth / m_image.width()),
            static_cast<float>(screen.y() * m_scaleHeight / m_image.height())};
}

QRect CanvasView::cellRect(int x, int y) const
{
    // The square covers the top-left 0.8 of the cell (the far corner x + 0.8 computed in
    // double, passed on as single), in whole screen pixels. Cells are 3.4 screen pixels
    // wide, so the square is kept one pixel short of the next cell: every gap between
    // squares stays visible and the grid looks even.
    const auto span = [](float from, float to, float next) {
        const int start = static_cast<int>(std::lround(from));
        const int end = std::min(static_cast<int>(std::lround(to)), static_cast<int>(std::lround(next)) - 1);
        return std::pair(start, std::max(end, start + 1));
    };
    const QPointF from = toScreen(static_cast<float>(x), static_cast<float>(y));
    const QPointF to = toScreen(static_cast<float>(x + 0.8), static_cast<float>(y + 0.8));
    const QPointF next = toScreen(static_cast<float>(x + 1), static_cast<float>(y + 1));
    const auto [left, right] = span(from.x(), to.x(), next.x());
    const auto [top, bottom] = span(from.y(), to.y(), next.y());
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void CanvasView::fillCell(int x, int y, Cell colour)
{
    const QRect cell = cellRect(x, y);
    QPainter painter(&m_image);
    painter.fillRect(cell, QColor(colour == Cell::Black ? kBlack : kBackground));
    painter.end();
    update(cell);
}

void CanvasView::paintInto(QImage &image, const PixelGrid &pixels) const
{
    // Columns outside, rows inside, one square per black pixel of the picture's part.
    QPainter painter(&image);
    const int width = std::min(m_scaleWidth, pixels.width());
    const int height = std::min(m_scaleHeight, pixels.height());
    for (int i = 0; i < width; ++i)
        for (int j = 0; j < height; ++j)
            if (pixels.at(i, j) == 1)
                painter.fillRect(cellRect(i, j), QColor(kBlack));
}

void CanvasView::paintPixels(const PixelGrid &pixels)
{
    paintInto(m_image, pixels);
    update();
}

QImage CanvasView::render(const PixelGrid &pixels) const
{
    QImage picture(m_image.size(), QImage::Format_RGB32);
    picture.fill(kBackground);
    paintInto(picture, pixels);
    return picture;
}

void CanvasView::drawXor(const QRectF &bounds, const std::function<void(QPainter &)> &draw)
{
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    QPen pen{QColor(kBackground)};
    pen.setWidth(1);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    draw(painter);
    painter.end();
    // Only the outline's surroundings are repainted, never the whole canvas.
    update(bounds.normalized().toAlignedRect().adjusted(-2, -2, 2, 2));
}

void CanvasView::xorLine(float x1, float y1, float x2, float y2)
{
    const QPointF from = toScreen(x1, y1), to = toScreen(x2, y2);
    drawXor(QRectF(from, to), [&](QPainter &p) { p.drawLine(from, to); });
}

void CanvasView::xorRectangle(float x1, float y1, float x2, float y2)
{
    const QRectF outline = QRectF(toScreen(x1, y1), toScreen(x2, y2)).normalized();
    drawXor(outline, [&](QPainter &p) { p.drawRect(outline); });
}

void CanvasView::xorEllipse(float cx, float cy, double radiusX, double radiusY)
{
    const QPointF centre = toScreen(cx, cy);
    const double rx = radiusX * m_image.width() / m_scaleWidth;
    const double ry = radiusY * m_image.height() / m_scaleHeight;
    drawXor(QRectF(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry),
            [&](QPainter &p) { p.drawEllipse(centre, rx, ry); });
}

void CanvasView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_image, event->rect());
}

void CanvasView::forward(MouseHandler handler, Qt::MouseButtons buttons, const QMouseEvent *event)
{
    const QPointF at = toPicture(event->position());
    if (m_tools)
        (m_tools->*handler)(qtButtons(buttons), static_cast<float>(at.x()), static_cast<float>(at.y()));
}

// The buttons passed on: at a press the pressed one with any others held, during a move
// those held, at a release the released one.
void CanvasView::mousePressEvent(QMouseEvent *event)
{
    m_pressPosition = event->globalPosition().toPoint();
    forward(&DrawingTools::Picture1_MouseDown, event->buttons() | event->button(), event);
}

void CanvasView::mouseMoveEvent(QMouseEvent *event)
{
    forward(&DrawingTools::Picture1_MouseMove, event->buttons(), event);
}

void CanvasView::mouseReleaseEvent(QMouseEvent *event)
{
    forward(&DrawingTools::Picture1_MouseUp, event->button(), event);
}

void CanvasView::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CanvasView::dropEvent(QDropEvent *event)
{
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    if (paths.isEmpty())
        return; // a drop that carries no file names is ignored
    event->acceptProposedAction();
    emit filesDropped(paths);
}
