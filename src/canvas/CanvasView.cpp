#include "canvas/CanvasView.h"

#include "canvas/CanvasGeometry.h"
#include "canvas/GridLines.h"
#include "canvas/DrawingTools.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMap>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {
int qtButtons(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
           | (buttons & Qt::MiddleButton ? 4 : 0);
}

// One side of a square in whole device pixels: from its start to the 0.8 mark, but kept
// one pixel short of the next cell so every gap between squares stays visible and the grid
// looks even (at the actual size a cell is only 3.4 screen pixels wide), and never empty.
std::pair<int, int> span(double from, double to, double next)
{
    const int start = static_cast<int>(std::lround(from));
    const int end = std::min(static_cast<int>(std::lround(to)), static_cast<int>(std::lround(next)) - 1);
    return {start, std::max(end, start + 1)};
}

// Cells smaller than this (device pixels) have no room for an even gap: below the actual
// size the exposed part is drawn as a picture of one pixel per cell, scaled.
constexpr double kSmallestSquaredCell = 4.0;

// Index range [first, last) of the cells of `size` device pixels that touch [from, to).
std::pair<int, int> touching(int from, int to, double size, int count)
{
    const int first = static_cast<int>(std::floor(from / size)) - 1;
    const int last = static_cast<int>(std::ceil(to / size)) + 1;
    return {std::clamp(first, 0, count), std::clamp(last, 0, count)};
}
} // namespace

CanvasView::CanvasView(const PictureDocument &document, QWidget *parent)
    : QWidget(parent), m_document(document),
      m_watch(document.watch([this](const PictureChange &change) { pictureChanged(change); }))
{
    setCursor(Qt::CrossCursor);
    setMouseTracking(true); // the coordinate readout follows the mouse without a button
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    SizeCanvas();
}

void CanvasView::SizeCanvas() { setZoom(m_openingZoom ? m_openingZoom(scaleWidth(), scaleHeight()) : 1.0); }

void CanvasView::setTools(DrawingTools *tools)
{
    m_tools = tools;
    if (tools)
        tools->selection().changed = [this] {
            update();
            emit selectionChanged();
        };
}

bool CanvasView::squares(const Mapping &to) const
{
    return m_zoom >= 1.0 || (to.cellWidth() >= kSmallestSquaredCell && to.cellHeight() >= kSmallestSquaredCell);
}

// The rubber band stays through every change: it lies on top, and the release of its drag
// removes it.
void CanvasView::pictureChanged(const PictureChange &change)
{
    if (change.kind == PictureChange::Kind::NewPicture)
        SizeCanvas();
    else if (change.kind == PictureChange::Kind::Resized)
        setZoom(m_zoom);
    else if (change.kind == PictureChange::Kind::Whole)
        update();
    else // the cells and a pixel around them: their squares' rounded edges stay inside
        update(QRectF(toScreen(QPointF(change.area.x, change.area.y)),
                      toScreen(QPointF(change.area.x + change.area.width, change.area.y + change.area.height)))
                   .toAlignedRect()
                   .adjusted(-1, -1, 1, 1));
}

void CanvasView::setZoom(double zoom)
{
    m_zoom = zoom;
    setFixedSize(CanvasGeometry::screenWidth(scaleWidth(), zoom), CanvasGeometry::screenHeight(scaleHeight(), zoom));
    update();
    emit zoomChanged(zoom);
}

CanvasView::Mapping CanvasView::mapping(double devicePixelRatio) const
{
    return {width() * devicePixelRatio, height() * devicePixelRatio, scaleWidth(), scaleHeight()};
}

QPointF CanvasView::toScreen(const QPointF &picture) const
{
    const Mapping to = mapping(1.0);
    return {to.x(picture.x()), to.y(picture.y())};
}

QPointF CanvasView::toPicture(const QPointF &screen) const
{
    return {static_cast<float>(screen.x() * scaleWidth() / width()),
            static_cast<float>(screen.y() * scaleHeight() / height())};
}

QPointF CanvasView::toolPosition(const QPointF &screen) const
{
    const QPointF at = toPicture(screen);
    // The designed arithmetic (rounding halves to even, single precision) places shapes by
    // the position within a cell, which at a large zoom can land them a pixel off the one
    // under the pointer; at the actual size and below it stays as it is.
    if (m_zoom <= 1.0)
        return at;
    return {std::floor(at.x()) + 0.25, std::floor(at.y()) + 0.25};
}

// Paints the cells of `cells` (within the scale) that touch `area`, a rectangle in device
// pixels, onto a painter that works in device pixels: background, then one square per
// black pixel covering the top-left 0.8 of its cell.
void CanvasView::paintCells(QPainter &painter, const PixelGrid &cells, const QRect &area, const Mapping &to,
                            bool withGaps) const
{
    painter.fillRect(area, QColor(kBackground));
    const int width = std::min(scaleWidth(), cells.width());
    const int height = std::min(scaleHeight(), cells.height());
    const auto [left, right] = touching(area.left(), area.right() + 1, to.cellWidth(), width);
    const auto [top, bottom] = touching(area.top(), area.bottom() + 1, to.cellHeight(), height);
    if (left >= right || top >= bottom)
        return;
    if (!withGaps) {
        QImage strip(right - left, bottom - top, QImage::Format_RGB32);
        for (int j = top; j < bottom; ++j) {
            auto *line = reinterpret_cast<QRgb *>(strip.scanLine(j - top));
            const uint8_t *row = cells.row(j);
            for (int i = left; i < right; ++i)
                line[i - left] = row[i] ? inkOf(row[i]) : kBackground;
        }
        painter.drawImage(QRectF(QPointF(to.x(left), to.y(top)), QPointF(to.x(right), to.y(bottom))), strip);
        return;
    }
    for (int i = left; i < right; ++i)
        for (int j = top; j < bottom; ++j)
            if (const int value = cells.at(i, j))
                paintCell(painter, i, j, inkOf(value), to, true);
}

QRgb CanvasView::inkOf(int value) const
{
    if (!m_document.isGrey())
        return kBlack;
    static constexpr QRgb greys[] = {kBackground, kLightGrey, kDarkGrey, kBlack};
    return greys[value & 3];
}

// One cell: a square over its top-left 0.8 (withGaps), or the whole cell.
void CanvasView::paintCell(QPainter &painter, int i, int j, QRgb colour, const Mapping &to, bool withGaps) const
{
    if (!withGaps) {
        painter.fillRect(QRectF(QPointF(to.x(i), to.y(j)), QPointF(to.x(i + 1), to.y(j + 1))), QColor(colour));
        return;
    }
    // The far corner x + 0.8 is computed in double and passed on as single.
    const auto [x0, x1] = span(to.x(static_cast<float>(i)), to.x(static_cast<float>(i + 0.8)), to.x(static_cast<float>(i + 1)));
    const auto [y0, y1] = span(to.y(static_cast<float>(j)), to.y(static_cast<float>(j + 0.8)), to.y(static_cast<float>(j + 1)));
    painter.fillRect(QRect(QPoint(x0, y0), QPoint(x1 - 1, y1 - 1)), QColor(colour));
}

// The selection over the picture: the place floating pixels left shows white, the floating
// pixels where they are (their white too, unless transparent), and a dashed outline, black
// on white, that shows over black and over white alike.
void CanvasView::paintSelection(QPainter &painter, const Mapping &to, const QRect &exposed) const
{
    if (!m_tools || !m_tools->selection().active())
        return;
    const Selection &selection = m_tools->selection();
    const bool withGaps = squares(to);
    const auto cellArea = [&](const PixelRect &r) {
        return QRectF(QPointF(to.x(r.x), to.y(r.y)), QPointF(to.x(r.x + r.width), to.y(r.y + r.height)));
    };
    painter.save();
    painter.setClipRect(QRectF(0, 0, to.extentX, to.extentY));
    if (selection.floating()) {
        if (!selection.vacated().isEmpty())
            painter.fillRect(cellArea(selection.vacated()), QColor(kBackground));
        const PixelRect &at = selection.rect();
        if (!selection.transparent)
            painter.fillRect(cellArea(at), QColor(kBackground));
        // Only the floating cells that touch what is repainted: a whole picture lifted holds
        // far more cells than show.
        const PixelGrid &pixels = selection.pixels();
        const auto [left, right] = touching(exposed.left(), exposed.right() + 1, to.cellWidth(), at.x + pixels.width());
        const auto [top, bottom] = touching(exposed.top(), exposed.bottom() + 1, to.cellHeight(), at.y + pixels.height());
        for (int j = std::max(top, at.y); j < bottom; ++j)
            for (int i = std::max(left, at.x); i < right; ++i)
                if (const int value = pixels.at(i - at.x, j - at.y))
                    paintCell(painter, i, j, inkOf(value), to, withGaps);
    }
    const QRectF outline = cellArea(selection.rect()).adjusted(0, 0, -1, -1);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(outline);
    QPen dashes(Qt::black, 1, Qt::CustomDashLine);
    dashes.setDashPattern({4, 4});
    painter.setPen(dashes);
    painter.drawRect(outline);
    painter.restore();
}

// The rubber band over what is painted: one-pixel outlines XOR-ed with the background
// colour, so they show black over grey and grey over black.
void CanvasView::paintBand(QPainter &painter, const Mapping &to) const
{
    if (m_band.isEmpty())
        return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    QPen pen{QColor(kBackground)};
    pen.setWidth(1);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (const Outline &o : m_band) {
        if (o.kind == Outline::Line)
            painter.drawLine(QPointF(to.x(o.a), to.y(o.b)), QPointF(to.x(o.c), to.y(o.d)));
        else if (o.kind == Outline::Rectangle)
            painter.drawRect(QRectF(QPointF(to.x(o.a), to.y(o.b)), QPointF(to.x(o.c), to.y(o.d))).normalized());
        else
            painter.drawEllipse(QPointF(to.x(o.a), to.y(o.b)), to.x(o.c), to.y(o.d));
    }
    painter.restore();
}

QImage CanvasView::image() const
{
    QImage shown(size(), QImage::Format_RGB32);
    QPainter painter(&shown);
    paintAll(painter, {shown.rect()}, mapping(1.0));
    return shown;
}

QImage CanvasView::render(const PixelGrid &pixels) const
{
    const QSize actual(CanvasGeometry::screenWidth(scaleWidth()), CanvasGeometry::screenHeight(scaleHeight()));
    QImage picture(actual, QImage::Format_RGB32);
    QPainter painter(&picture);
    paintCells(painter, pixels, picture.rect(), {double(actual.width()), double(actual.height()), scaleWidth(), scaleHeight()},
               true);
    return picture;
}

void CanvasView::toggleOutline(const Outline &outline)
{
    // Drawing an outline that is showing removes it, as XOR-ing it again would.
    if (!m_band.removeOne(outline))
        m_band << outline;
    update(outlineBounds(outline));
}

QRect CanvasView::outlineBounds(const Outline &o) const
{
    QRectF bounds;
    if (o.kind == Outline::Ellipse) {
        const QPointF centre = toScreen(QPointF(o.a, o.b));
        const QPointF radii = toScreen(QPointF(o.c, o.d));
        bounds = QRectF(centre - radii, centre + radii);
    } else {
        bounds = QRectF(toScreen(QPointF(o.a, o.b)), toScreen(QPointF(o.c, o.d))).normalized();
    }
    // Only the outline's surroundings are repainted, never the whole canvas.
    return bounds.toAlignedRect().adjusted(-2, -2, 2, 2);
}

void CanvasView::xorLine(float x1, float y1, float x2, float y2) { toggleOutline({Outline::Line, x1, y1, x2, y2}); }

void CanvasView::xorRectangle(float x1, float y1, float x2, float y2)
{
    toggleOutline({Outline::Rectangle, x1, y1, x2, y2});
}

void CanvasView::xorEllipse(float cx, float cy, double radiusX, double radiusY)
{
    toggleOutline({Outline::Ellipse, cx, cy, radiusX, radiusY});
}

void CanvasView::paintEvent(QPaintEvent *event)
{
    // The painter works in device pixels, where the squares' edges are whole pixels.
    QPainter painter(this);
    const double ratio = devicePixelRatioF();
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    QList<QRect> areas;
    for (const QRect &exposed : event->region())
        areas << QRectF(exposed.x() * ratio, exposed.y() * ratio, exposed.width() * ratio, exposed.height() * ratio)
                     .toAlignedRect();
    paintAll(painter, areas, mapping(ratio));
}

// The cells of `areas` (device pixels), the selection, the pixel grid and the rubber band.
void CanvasView::paintAll(QPainter &painter, const QList<QRect> &areas, const Mapping &to) const
{
    QRect exposed;
    for (const QRect &area : areas) {
        paintCells(painter, m_document.pixels(), area, to, squares(to));
        exposed |= area;
    }
    paintSelection(painter, to, exposed);
    if (m_pixelGrid && to.cellWidth() >= GridLines::kSmallestCell && to.cellHeight() >= GridLines::kSmallestCell)
        for (const QRect &area : areas)
            GridLines::paint(painter, area, to.cellWidth(), to.cellHeight(), scaleWidth(), scaleHeight(),
                             GridLines::kPixelColour);
    if (!m_tileGrid.isEmpty() && to.cellWidth() >= 2 && to.cellHeight() >= 2)
        for (const QRect &area : areas)
            GridLines::paint(painter, area, to.cellWidth(), to.cellHeight(), scaleWidth(), scaleHeight(),
                             GridLines::kTileColour, m_tileGrid.width(), m_tileGrid.height());
    paintBand(painter, to);
}

void CanvasView::setTileGrid(QSize tile)
{
    if (tile != m_tileGrid) {
        m_tileGrid = tile;
        update();
    }
}

void CanvasView::setPixelGrid(bool shown)
{
    if (shown != m_pixelGrid) {
        m_pixelGrid = shown;
        update();
    }
}

namespace {

// Shift held while a line is dragged keeps it across, down or at 45 degrees (whichever is
// nearest), and a box or bar square; `end` is where the pointer is, the result where the
// shape ends.
QPointF constrainedEnd(Tool tool, QPointF start, QPointF end)
{
    const double dx = end.x() - start.x(), dy = end.y() - start.y();
    const double side = std::max(std::fabs(dx), std::fabs(dy));
    const auto diagonal = [&] { return QPointF(start.x() + std::copysign(side, dx), start.y() + std::copysign(side, dy)); };
    switch (tool) {
    case Tool::Line:
    case Tool::WhLine:
        if (std::fabs(dy) * 2 < std::fabs(dx))
            return {end.x(), start.y()};
        if (std::fabs(dx) * 2 < std::fabs(dy))
            return {start.x(), end.y()};
        return diagonal();
    case Tool::Box:
    case Tool::WhBox:
    case Tool::Bar:
    case Tool::WhBar:
        return diagonal();
    default:
        return end;
    }
}

} // namespace

void CanvasView::forward(MouseHandler handler, Qt::MouseButtons buttons, const QMouseEvent *event)
{
    QPointF at = toolPosition(event->position());
    if (event->type() == QEvent::MouseButtonPress) {
        m_pressPicture = at;
        if ((event->modifiers() & Qt::AltModifier) && event->button() == Qt::LeftButton && m_tools)
            m_tools->armPickLevel(); // Alt with the click picks the level under it
    }
    else if ((event->modifiers() & Qt::ShiftModifier) && (buttons & Qt::LeftButton) && m_tools)
        at = constrainedEnd(m_tools->currentTool(), m_pressPicture, at);
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

void CanvasView::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        event->ignore(); // the scroll area scrolls
        return;
    }
    // A notch is 120 eighths of a degree; finer wheels add up to whole steps.
    m_wheelAngle += event->angleDelta().y();
    const int steps = m_wheelAngle / 120;
    m_wheelAngle -= steps * 120;
    event->accept();
    if (steps != 0)
        emit zoomWheel(steps, toPicture(event->position()), event->position());
}

void CanvasView::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (!m_tools || (modifiers & ~Qt::ShiftModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    static const QMap<int, QPoint> kSteps{{Qt::Key_Left, {-1, 0}}, {Qt::Key_Right, {1, 0}}, {Qt::Key_Up, {0, -1}}, {Qt::Key_Down, {0, 1}}};
    if (kSteps.contains(key) && !modifiers && m_tools->selection().active()) {
        m_tools->selection().moveBy(kSteps[key].x(), kSteps[key].y());
    } else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !modifiers) {
        m_tools->landSelection();
    } else if (key >= Qt::Key_1 && key <= Qt::Key_4 && !modifiers && m_document.isGrey()) {
        m_tools->setInk(key - Qt::Key_1); // 1 white, 2 light grey, 3 dark grey, 4 black
    } else if (key >= Qt::Key_A && key <= Qt::Key_Z
               && toolForKey(char('A' + (key - Qt::Key_A)), modifiers & Qt::ShiftModifier) != Tool::None) {
        m_tools->miTool_Click(toolForKey(char('A' + (key - Qt::Key_A)), modifiers & Qt::ShiftModifier));
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
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
