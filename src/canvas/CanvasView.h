#pragma once

#include "canvas/DrawingSurface.h"
#include "document/PixelGrid.h"

#include <QImage>
#include <QWidget>
#include <functional>

class DrawingTools;
class QPainter;

// The magnified canvas. It works in picture pixels (its "scale"): origin top-left, x to the
// right, y downwards; picture pixel (x, y) owns the cell (x, y)-(x + 1, y + 1), and a black
// pixel is a dark square over the top-left 0.8 of its cell on the light grey background.
//
// What is drawn goes into a retained image at the canvas's logical size, so covering the
// window never loses it; paintEvent only copies the damaged part of that image.
//
// It is the drawing tools' surface, and hands its mouse events to them as positions in
// picture units.
class CanvasView : public QWidget, public DrawingSurface
{
    Q_OBJECT
public:
    static constexpr QRgb kBackground = qRgb(224, 224, 224);
    static constexpr QRgb kBlack = qRgb(0, 0, 0);

    explicit CanvasView(QWidget *parent = nullptr);

    // Fits the canvas to a picture of width x height pixels (screen size by the cell
    // factors) and clears it. Does not touch any pixel grid.
    void SizeCanvas(int width, int height);
    // Fills the whole canvas with the background colour.
    void ClearCanvas();

    // The tools the mouse events go to (none: the canvas only shows).
    void setTools(DrawingTools *tools) { m_tools = tools; }
    // Where the last press was, in global screen pixels: where the tool menu pops up.
    QPoint pressPosition() const { return m_pressPosition; }

    int scaleWidth() const override { return m_scaleWidth; }
    int scaleHeight() const override { return m_scaleHeight; }

    void fillCell(int x, int y, Cell colour) override;
    // Draws every black pixel of the grid's part inside the scale (white ones are left as
    // they are: the canvas is expected to be clear).
    void paintPixels(const PixelGrid &pixels);

    // The outlines are XOR-ed with the background colour as pen.
    void xorLine(float x1, float y1, float x2, float y2) override;
    void xorRectangle(float x1, float y1, float x2, float y2) override;
    void xorEllipse(float cx, float cy, double radiusX, double radiusY) override;

    // What the canvas shows, at its logical size.
    const QImage &image() const { return m_image; }
    // The canvas as a fresh picture of the grid: background and black squares only.
    QImage render(const PixelGrid &pixels) const;

    // Mouse position in picture units, through the canvas's actual size.
    QPointF toPicture(const QPointF &screen) const;

signals:
    void filesDropped(const QStringList &paths);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    using MouseHandler = void (DrawingTools::*)(int button, float X, float Y);
    void forward(MouseHandler handler, Qt::MouseButtons buttons, const QMouseEvent *event);
    QRect cellRect(int x, int y) const;
    void paintInto(QImage &image, const PixelGrid &pixels) const;
    QPointF toScreen(float x, float y) const;
    void drawXor(const QRectF &bounds, const std::function<void(QPainter &)> &draw);

    QImage m_image;
    int m_scaleWidth = 160;
    int m_scaleHeight = 77;
    DrawingTools *m_tools = nullptr;
    QPoint m_pressPosition;
};
