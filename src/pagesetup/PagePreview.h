#pragma once

#include <QLineF>
#include <QList>
#include <QRectF>
#include <QWidget>

// The miniature Letter page of the Page Setup dialog: white, drawn in black, in inches
// (see PreviewGeometry.h). It keeps what has been drawn on it until clear(), the way a
// picture box keeps its drawing, and repaints that at any size.
class PagePreview : public QWidget
{
    Q_OBJECT
public:
    explicit PagePreview(QWidget *parent = nullptr);

    void clear();
    // A rectangle outline in black.
    void drawBox(const QRectF &inches);
    // A straight line in black, or in the background white, which erases a black line
    // drawn there before.
    void drawLine(const QLineF &inches, bool black);

    // What shows now.
    const QList<QRectF> &boxes() const { return m_boxes; }
    const QList<QLineF> &lines() const { return m_lines; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<QRectF> m_boxes;
    QList<QLineF> m_lines;
};
