#pragma once

#include "canvas/DrawingSurface.h"
#include "document/PictureDocument.h"

#include <QImage>
#include <QList>
#include <QWidget>
#include <functional>

class DrawingTools;
class QPainter;

// The magnified canvas. It works in picture pixels (its "scale"): origin top-left, x to the
// right, y downwards; picture pixel (x, y) owns the cell (x, y)-(x + 1, y + 1), and a black
// pixel is a dark square over the top-left 0.8 of its cell on the light grey background.
//
// It is a view of the picture document: it paints the exposed part of the document's grid,
// and the rubber-band outlines that are on it, in device pixels, so the squares stay sharp
// at any screen scale; it keeps no copy of the pixels and no magnified image. The document
// tells it what changed: it repaints that, and fits itself to a new picture at its opening
// zoom. The zoom multiplies the cell size; 1 is the actual size.
//
// It is the drawing tools' surface, and hands its mouse events to them as positions in
// picture units.
class CanvasView : public QWidget, public DrawingSurface
{
    Q_OBJECT
public:
    static constexpr QRgb kBackground = qRgb(224, 224, 224);
    static constexpr QRgb kBlack = qRgb(0, 0, 0);
    // A grey picture's levels as the calculator's screen shows them: its pixels are dark a
    // third (light grey) or two thirds (dark grey) of the time, so in linear light they
    // give a third or two thirds of the background's light away.
    static constexpr QRgb kLightGrey = qRgb(187, 187, 187);
    static constexpr QRgb kDarkGrey = qRgb(137, 137, 137);

    explicit CanvasView(const PictureDocument &document, QWidget *parent = nullptr);

    // Screen pixels per cell relative to the actual size; the canvas resizes, what it shows
    // stays.
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    // The zoom a picture just opened or made is shown at, from its size; the actual size
    // without one. A picture cropped, turned or resized keeps the zoom it has.
    void setOpeningZoom(std::function<double(int width, int height)> zoomOf) { m_openingZoom = std::move(zoomOf); }

    // View > Pixel Grid: a thin line between cells, from cells of 8 device pixels up.
    void setPixelGrid(bool shown);
    bool pixelGrid() const { return m_pixelGrid; }
    // Edit > Tile Grid...: the boundaries of tiles of that size (picture pixels) in a colour
    // of their own, at any zoom where a cell has 2 device pixels; empty for none.
    void setTileGrid(QSize tile);
    QSize tileGrid() const { return m_tileGrid; }

    // The tools the mouse events go to (none: the canvas only shows); their selection is
    // shown over the picture.
    void setTools(DrawingTools *tools);
    // Where the last press was, in global screen pixels: where the tool menu pops up.
    QPoint pressPosition() const { return m_pressPosition; }

    // The scale: the picture's size in picture pixels.
    int scaleWidth() const { return m_document.width(); }
    int scaleHeight() const { return m_document.height(); }

    // The outlines are XOR-ed with the background colour as pen.
    void xorLine(float x1, float y1, float x2, float y2) override;
    void xorRectangle(float x1, float y1, float x2, float y2) override;
    void xorEllipse(float cx, float cy, double radiusX, double radiusY) override;

    // What the canvas shows, at its logical size and one pixel per screen pixel.
    QImage image() const;
    // A fresh picture of the grid at the actual size: background and black squares only.
    QImage render(const PixelGrid &pixels) const;

    // Between mouse positions (screen pixels in the canvas) and picture units.
    QPointF toPicture(const QPointF &screen) const;
    // Where the tools are told the pointer is: at the actual size and below, toPicture();
    // zoomed in further, a quarter into the pixel under the pointer from its top-left corner,
    // so that every shape starts and ends on the pixels under the press and the release.
    QPointF toolPosition(const QPointF &screen) const;
    QPointF toScreen(const QPointF &picture) const;

signals:
    void filesDropped(const QStringList &paths);
    // Ctrl and the wheel: `steps` notches up (positive) or down, at `picture` (picture
    // units), which is under the pointer at `screen` (screen pixels in the canvas).
    void zoomWheel(int steps, QPointF picture, QPointF screen);
    // The tools' selection moved, grew, floats or landed.
    void selectionChanged();
    // The zoom changed (also for a new picture).
    void zoomChanged(double zoom);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    // With the focus: a tool's letter chooses it, the arrow keys move the selection by a
    // pixel, Enter lands what floats; in a grey picture 1 to 4 choose the ink, white to black.
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // A rubber-band outline in picture units: line and rectangle corners, or ellipse
    // centre and radii.
    struct Outline
    {
        enum Kind { Line, Rectangle, Ellipse } kind;
        double a, b, c, d;
        bool operator==(const Outline &) const = default;
    };
    // From picture units to device pixels: the canvas's extent in device pixels over its
    // scale, computed in that order so the actual size places every square as it always did.
    struct Mapping
    {
        double extentX, extentY;
        int scaleX, scaleY;
        double x(double v) const { return v * extentX / scaleX; }
        double y(double v) const { return v * extentY / scaleY; }
        double cellWidth() const { return extentX / scaleX; }
        double cellHeight() const { return extentY / scaleY; }
    };

    // Fits the canvas to the document's picture at its opening zoom, showing it whole.
    void SizeCanvas();
    void pictureChanged(const PictureChange &change);

    using MouseHandler = void (DrawingTools::*)(int button, float X, float Y);
    void forward(MouseHandler handler, Qt::MouseButtons buttons, const QMouseEvent *event);
    Mapping mapping(double devicePixelRatio) const;
    // Whether black pixels show as squares with a gap around them (cells of 4 device pixels
    // and more, and the actual size and above), or as whole cells, which keeps small zooms
    // free of moire.
    bool squares(const Mapping &to) const;
    void paintCells(QPainter &painter, const PixelGrid &cells, const QRect &area, const Mapping &to, bool withGaps) const;
    void paintCell(QPainter &painter, int i, int j, QRgb colour, const Mapping &to, bool withGaps) const;
    // The colour of a cell's value that is not white (a grey level in a grey picture).
    QRgb inkOf(int value) const;
    void paintAll(QPainter &painter, const QList<QRect> &areas, const Mapping &to) const;
    // The selection; of its floating cells those that touch `exposed` (device pixels).
    void paintSelection(QPainter &painter, const Mapping &to, const QRect &exposed) const;
    void paintBand(QPainter &painter, const Mapping &to) const;
    void toggleOutline(const Outline &outline);
    QRect outlineBounds(const Outline &outline) const;

    const PictureDocument &m_document;
    PictureDocument::Watch m_watch;
    QList<Outline> m_band; // the outlines showing, XOR-ed over the cells
    double m_zoom = 1.0;
    bool m_pixelGrid = false;
    QSize m_tileGrid;
    std::function<double(int, int)> m_openingZoom;
    DrawingTools *m_tools = nullptr;
    QPoint m_pressPosition;
    QPointF m_pressPicture; // where the last press was, as the tools were told
    int m_wheelAngle = 0; // eighths of a degree not yet turned into zoom steps
};
