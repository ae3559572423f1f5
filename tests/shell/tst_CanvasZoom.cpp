#include "canvas/CanvasView.h"
#include "shell/CanvasZoom.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

namespace {
// The canvas in a frame of the window's size, as the window holds it.
struct Frame
{
    PictureDocument document;
    QScrollArea area;
    CanvasView *canvas = new CanvasView(document);
    CanvasZoom zoom{*canvas, area};

    explicit Frame(int width = 160, int height = 77)
    {
        area.resize(547, 266);
        area.setFrameShape(QFrame::NoFrame);
        area.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        area.setWidget(canvas);
        document.replace(PixelGrid(width, height), width, height);
        area.show();
    }
    // Where a point of the picture is in the frame, in screen pixels.
    QPointF inFrame(QPointF picture) const { return canvas->mapTo(area.viewport(), canvas->toScreen(picture)); }
    QPointF centre() const { return QPointF(area.viewport()->rect().center()); }
};

bool near(QPointF a, QPointF b) { return (a - b).manhattanLength() <= 2.0; }
} // namespace

// The zoom keeps a point of the picture in place on the screen: the wheel the one under the
// mouse, the menu the one in the middle of the frame.
class tst_CanvasZoom : public QObject
{
    Q_OBJECT

private slots:
    void wheelKeepsThePointUnderTheMouse_data()
    {
        QTest::addColumn<int>("stepsBefore");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QPointF>("picture");
        QTest::newRow("in, middle") << 0 << 2 << QPointF(80, 38);
        QTest::newRow("in, off-centre") << 0 << 3 << QPointF(120.5, 20.5);
        QTest::newRow("out, off-centre") << 4 << -2 << QPointF(90.5, 42.5);
        QTest::newRow("in at the corner") << 0 << 1 << QPointF(0.5, 0.5);
    }
    void wheelKeepsThePointUnderTheMouse()
    {
        QFETCH(int, stepsBefore);
        QFETCH(int, steps);
        QFETCH(QPointF, picture);
        Frame frame;
        if (stepsBefore)
            frame.zoom.wheel(stepsBefore, QPointF(80, 38), frame.canvas->toScreen(QPointF(80, 38)));
        const QPointF before = frame.inFrame(picture);
        const double zoomBefore = frame.canvas->zoom();
        frame.zoom.wheel(steps, picture, frame.canvas->toScreen(picture));
        QVERIFY(steps > 0 ? frame.canvas->zoom() > zoomBefore : frame.canvas->zoom() < zoomBefore);
        QVERIFY2(near(frame.inFrame(picture), before), qPrintable(QStringLiteral("%1,%2 moved to %3,%4")
                                                                      .arg(before.x()).arg(before.y())
                                                                      .arg(frame.inFrame(picture).x())
                                                                      .arg(frame.inFrame(picture).y())));
    }

    void menuKeepsTheMiddle()
    {
        Frame frame;
        frame.zoom.zoomIn();
        frame.zoom.zoomIn();
        const QPointF middle = frame.canvas->toPicture(frame.canvas->mapFrom(frame.area.viewport(), frame.centre()));
        frame.zoom.zoomIn();
        QVERIFY(near(frame.inFrame(middle), frame.centre()));
        frame.zoom.zoomOut();
        QVERIFY(near(frame.inFrame(middle), frame.centre()));
        frame.zoom.actualSize();
        QCOMPARE(frame.canvas->zoom(), 1.0);
        QCOMPARE(frame.area.horizontalScrollBar()->value(), 0);
    }

    // A picture wider than the frame fits whole, and Zoom Out goes no smaller.
    void fitIsTheSmallest()
    {
        Frame frame(4000, 100);
        frame.zoom.fit();
        const double fitted = frame.canvas->zoom();
        QVERIFY(frame.canvas->width() <= 547);
        frame.zoom.zoomOut();
        frame.zoom.wheel(-3, QPointF(10, 10), frame.canvas->toScreen(QPointF(10, 10)));
        QCOMPARE(frame.canvas->zoom(), fitted);
    }

    // A sprite opens fitted in whole cells and stays fitted as the frame grows (the window
    // maximised), until the user zooms it.
    void fittedFollowsTheFrame()
    {
        Frame frame(16, 16);
        QCOMPARE(frame.canvas->size(), QSize(256, 256));
        frame.area.resize(1600, 900);
        QCOMPARE(frame.canvas->size(), QSize(896, 896));
        frame.zoom.zoomOut();
        const QSize chosen = frame.canvas->size();
        frame.area.resize(547, 266);
        QCOMPARE(frame.canvas->size(), chosen);
    }
};

QTEST_MAIN(tst_CanvasZoom)
#include "tst_CanvasZoom.moc"
