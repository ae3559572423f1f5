#include "canvas/CanvasGeometry.h"
#include "canvas/CanvasView.h"
#include "canvas/DrawingTools.h"

#include <QTest>

using Points = QList<QPoint>;

// The canvas, PlotPixel's clipping, the pen's segments and the press/move/release protocol.
class tst_DrawingTools : public QObject
{
    Q_OBJECT

    struct Bench
    {
        PictureDocument document;
        CanvasView canvas;
        DrawingTools tools{document, canvas};
        int popups = 0;
        QString readout;
        Bench()
        {
            tools.popUpTools = [this](QPoint) { ++popups; };
            tools.showCoordinates = [this](const QString &text) { readout = text; };
        }
        Points black() const
        {
            Points points;
            for (int y = 0; y < document.Pixels.height(); ++y)
                for (int x = 0; x < document.Pixels.width(); ++x)
                    if (document.Pixels.at(x, y))
                        points << QPoint(x, y);
            return points;
        }
    };

private slots:
    void geometry_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QSize>("screen");
        QTest::newRow("full screen") << 160 << 77 << QSize(547, 266);
        QTest::newRow("100 x 50") << 100 << 50 << QSize(342, 173); // 341.875 x 172.73
        QTest::newRow("1 x 1") << 1 << 1 << QSize(3, 3);
    }
    void geometry()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QSize, screen);
        CanvasView canvas;
        canvas.SizeCanvas(width, height);
        QCOMPARE(canvas.size(), screen);
        QCOMPARE(canvas.image().size(), screen);
        QCOMPARE(canvas.scaleWidth(), width);
        // The far corner of the canvas maps back to the picture's far corner.
        const QPointF corner = canvas.toPicture(QPointF(screen.width(), screen.height()));
        QCOMPARE(corner, QPointF(width, height));
    }

    void plotPixelClips_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("plotted");
        QTest::newRow("left of picture") << 1 << QPoint(-1, 5) << false;
        QTest::newRow("above picture") << 1 << QPoint(5, -1) << false;
        QTest::newRow("right of picture") << 1 << QPoint(100, 0) << false;
        QTest::newRow("below picture") << 1 << QPoint(0, 50) << false;
        QTest::newRow("bottom-right pixel") << 1 << QPoint(99, 49) << true;
        QTest::newRow("no tool") << 0 << QPoint(5, 5) << false;
        for (int tool = 3; tool <= 12; ++tool)
            QTest::addRow("shape tool %d", tool) << tool << QPoint(5, 5) << false;
    }
    void plotPixelClips()
    {
        QFETCH(int, tool);
        QFETCH(QPoint, at);
        QFETCH(bool, plotted);
        Bench bench;
        bench.canvas.SizeCanvas(100, 50);
        const QImage before = bench.canvas.image();
        bench.tools.setCurrentTool(tool);
        bench.tools.PlotPixel(at.x(), at.y());
        QCOMPARE(bench.black(), plotted ? Points{at} : Points{});
        QCOMPARE(bench.canvas.image() != before, plotted);
    }

    void eraseAndPenAreIdempotent()
    {
        Bench bench;
        bench.tools.setCurrentTool(DrawingTools::Erase);
        const QImage blank = bench.canvas.image();
        bench.tools.PlotPixel(3, 3);
        QCOMPARE(bench.canvas.image(), blank);
        bench.tools.setCurrentTool(DrawingTools::Pen);
        bench.tools.PlotPixel(3, 3);
        const QImage once = bench.canvas.image();
        bench.tools.PlotPixel(3, 3);
        QCOMPARE(bench.canvas.image(), once);
        QCOMPARE(bench.black(), Points{QPoint(3, 3)});
        // The square covers the top-left 0.8 of the cell: the cell's far corner stays grey.
        QCOMPARE(once.pixel(12, 12), CanvasView::kBlack);
        QCOMPARE(once.pixel(13, 13), CanvasView::kBackground);
    }

    void penSegments()
    {
        Bench bench;
        bench.tools.Picture1_MouseDown(1, 10.7f, 3.2f); // first press only restores the Pen
        QCOMPARE(bench.black(), Points{});
        bench.tools.Picture1_MouseMove(1, 14.2f, 3.5f);
        QCOMPARE(bench.black(), (Points{{10, 3}, {11, 3}, {12, 3}, {13, 3}}));
        bench.tools.Picture1_MouseMove(1, 16.0f, 4.9f);
        QCOMPARE(bench.black(), (Points{{10, 3}, {11, 3}, {12, 3}, {13, 3}, {14, 3}, {15, 3}, {16, 4}}));
    }

    void penSlopes_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<Points>("expected");
        // At exactly 45 degrees the pen steps along x.
        QTest::newRow("45 degrees") << QPoint(2, 2) << QPoint(5, 5) << Points{{2, 2}, {3, 3}, {4, 4}, {5, 5}};
        QTest::newRow("steep") << QPoint(1, 1) << QPoint(2, 4) << Points{{1, 1}, {1, 2}, {1, 3}, {2, 4}};
        QTest::newRow("vertical up") << QPoint(4, 4) << QPoint(4, 1) << Points{{4, 1}, {4, 2}, {4, 3}, {4, 4}};
        QTest::newRow("leftwards") << QPoint(3, 0) << QPoint(0, 0) << Points{{0, 0}, {1, 0}, {2, 0}, {3, 0}};
        QTest::newRow("off the edge and back") << QPoint(1, 1) << QPoint(-2, 1) << Points{{0, 1}, {1, 1}};
    }
    void penSlopes()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(Points, expected);
        Bench bench;
        bench.tools.miTool_Click(DrawingTools::Pen);
        bench.tools.StartX = static_cast<float>(from.x());
        bench.tools.StartY = static_cast<float>(from.y());
        bench.tools.PlotLineTo(to.x(), to.y());
        Points got = bench.black();
        std::sort(got.begin(), got.end(), [](QPoint a, QPoint b) { return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()); });
        std::sort(expected.begin(), expected.end(), [](QPoint a, QPoint b) { return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()); });
        QCOMPARE(got, expected);
        QCOMPARE(bench.tools.StartX, static_cast<float>(to.x()));
    }

    // Which buttons draw at the press, which moves draw, and what a press does to the menus.
    void buttons_data()
    {
        QTest::addColumn<int>("pressButtons");
        QTest::addColumn<int>("moveButtons");
        QTest::addColumn<int>("pixelsAfterPress");
        QTest::addColumn<int>("pixelsAfterMove");
        QTest::addColumn<bool>("popup");
        // The move's last column is left for the next segment to plot.
        QTest::newRow("left") << 1 << 1 << 1 << 3 << false;
        QTest::newRow("middle presses draw, its moves do not") << 4 << 4 << 1 << 1 << false;
        QTest::newRow("left and right draw") << 3 << 3 << 1 << 1 << false;
        QTest::newRow("left and right, then left alone") << 3 << 1 << 1 << 3 << false;
        QTest::newRow("right pops up the tools") << 2 << 2 << 0 << 0 << true;
        QTest::newRow("left and middle") << 5 << 5 << 1 << 1 << false;
        QTest::newRow("right and middle") << 6 << 6 << 1 << 1 << false;
        QTest::newRow("all three") << 7 << 7 << 1 << 1 << false;
        QTest::newRow("middle press, left moves") << 4 << 1 << 1 << 3 << false;
    }
    void buttons()
    {
        QFETCH(int, pressButtons);
        QFETCH(int, moveButtons);
        QFETCH(int, pixelsAfterPress);
        QFETCH(int, pixelsAfterMove);
        QFETCH(bool, popup);
        Bench bench;
        bench.tools.miTool_Click(DrawingTools::Pen);
        bench.tools.Picture1_MouseDown(pressButtons, 5.5f, 5.5f);
        QCOMPARE(bench.black().size(), pixelsAfterPress);
        QCOMPARE(bench.popups, popup ? 1 : 0);
        QCOMPARE(bench.document.menus.hasUnsavedDrawing(), !popup);
        QCOMPARE(bench.document.menus.printEnabled, !popup);
        bench.tools.Picture1_MouseMove(moveButtons, 8.5f, 5.5f);
        QCOMPARE(bench.black().size(), pixelsAfterMove);
        bench.tools.Picture1_MouseUp(moveButtons, 8.5f, 5.5f);
        QVERIFY(!bench.canvas.xorMode());
    }

    void firstPressRestoresSavedTool()
    {
        Bench bench;
        bench.tools.miTool_Click(DrawingTools::Bar);
        bench.tools.parkTool(); // as after reading a file
        QCOMPARE(bench.tools.currentTool(), 0);
        QCOMPARE(bench.tools.checkedTool(), int(DrawingTools::Bar));
        bench.tools.Picture1_MouseDown(1, 1, 1);
        QCOMPARE(bench.tools.currentTool(), int(DrawingTools::Bar));
        bench.tools.parkTool();
        bench.tools.parkTool(); // parking with no tool active falls back to the Pen
        QCOMPARE(bench.tools.savedTool(), int(DrawingTools::Pen));
    }

    void pressWithoutPictureStartsScreenGrid_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("grid");
        QTest::newRow("smaller picture") << QSize(100, 50) << QSize(160, 77);
        QTest::newRow("larger picture keeps its pixels reachable") << QSize(300, 20) << QSize(300, 77);
    }
    void pressWithoutPictureStartsScreenGrid()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, grid);
        Bench bench;
        bench.canvas.SizeCanvas(picture.width(), picture.height());
        bench.document.Pixels.redimension(picture.width(), picture.height());
        bench.document.Pixels.set(0, 0, 1);
        bench.tools.miTool_Click(DrawingTools::Pen);
        bench.tools.Picture1_MouseDown(1, picture.width() - 0.5f, 10.5f);
        QCOMPARE(QSize(bench.document.Pixels.width(), bench.document.Pixels.height()), grid);
        QCOMPARE(bench.black(), Points{QPoint(picture.width() - 1, 10)});
        // Print is now enabled, so the next press keeps the grid.
        bench.tools.Picture1_MouseDown(1, 0.5f, 0.5f);
        QCOMPARE(bench.black().size(), 2);
    }

    void readout_data()
    {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<QString>("text");
        QTest::newRow("inside") << 12.3f << 40.9f << "(12, 40)";
        QTest::newRow("just left of the picture") << -0.01f << 3.0f << "(-1, 3)";
        QTest::newRow("last column") << 159.99f << 0.0f << "(159, 0)";
        QTest::newRow("beyond the edge during a drag") << 171.5f << 80.2f << "(171, 80)";
    }
    void readout()
    {
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(QString, text);
        Bench bench;
        bench.tools.Picture1_MouseMove(0, x, y);
        QCOMPARE(bench.readout, text);
    }

    void xorOutlinesRestoreTheCanvas()
    {
        CanvasView canvas;
        PixelGrid pixels(160, 77);
        for (int x = 0; x < 160; x += 3)
            pixels.set(x, 20, 1);
        canvas.paintPixels(pixels);
        const QImage before = canvas.image();
        canvas.xorLine(2.5f, 2.5f, 150.2f, 60.7f);
        canvas.xorRectangle(10.1f, 30.9f, 3.3f, 5.5f);
        canvas.xorEllipse(80, 20, 30, 15.5);
        QVERIFY(canvas.image() != before);
        // Over grey the band shows black, over black it shows grey: no other colour appears.
        const QImage banded = canvas.image();
        int changed = 0;
        for (int y = 0; y < banded.height(); ++y)
            for (int x = 0; x < banded.width(); ++x) {
                const QRgb was = before.pixel(x, y), is = banded.pixel(x, y);
                QVERIFY(is == CanvasView::kBlack || is == CanvasView::kBackground);
                changed += was != is;
            }
        QVERIFY(changed > 400);
        canvas.xorEllipse(80, 20, 30, 15.5);
        canvas.xorRectangle(10.1f, 30.9f, 3.3f, 5.5f);
        canvas.xorLine(2.5f, 2.5f, 150.2f, 60.7f);
        QCOMPARE(canvas.image(), before);
    }

    // A shape drag through the mouse protocol: one band while dragging, none after release.
    void shapeDrag_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<QPointF>("end");
        QTest::addColumn<int>("pixels");
        QTest::newRow("box") << int(DrawingTools::Box) << QPointF(5.8, 7.1) << 12; // 4 x 4 outline
        QTest::newRow("bar") << int(DrawingTools::Bar) << QPointF(5.8, 7.1) << 15; // 5 x 3
        QTest::newRow("circle") << int(DrawingTools::Circle) << QPointF(12.2, 4.9) << -1;
        QTest::newRow("ellipse") << int(DrawingTools::Ellipse) << QPointF(20.5, 9.5) << -1;
        QTest::newRow("line back to its start") << int(DrawingTools::Line) << QPointF(2.3, 4.9) << 0;
    }
    void shapeDrag()
    {
        QFETCH(int, tool);
        QFETCH(QPointF, end);
        QFETCH(int, pixels);
        Bench bench;
        bench.tools.miTool_Click(tool);
        bench.tools.Picture1_MouseDown(1, 2.3f, 4.9f);
        bench.tools.Picture1_MouseMove(1, 30.f, 30.f);
        bench.tools.Picture1_MouseMove(1, float(end.x()), float(end.y()));
        QVERIFY(bench.canvas.xorMode());
        QCOMPARE(bench.black().size(), 0); // the band is on screen only
        bench.tools.Picture1_MouseUp(1, 70.f, 70.f); // the release position is not used
        QVERIFY(!bench.canvas.xorMode());
        QCOMPARE(bench.tools.currentTool(), tool);
        if (pixels >= 0)
            QCOMPARE(bench.black().size(), pixels);
        else
            QVERIFY(bench.black().size() > 8);
        // No trace of the band remains: the canvas shows exactly the picture.
        QCOMPARE(bench.canvas.image(), bench.canvas.render(bench.document.Pixels));
    }

    void whiteShapesErase()
    {
        Bench bench;
        bench.document.menus.drawingPress();
        for (int x = 0; x < 160; ++x)
            for (int y = 0; y < 77; ++y)
                bench.document.Pixels.set(x, y, 1);
        bench.canvas.paintPixels(bench.document.Pixels);
        bench.tools.miTool_Click(DrawingTools::WhBar);
        bench.tools.Picture1_MouseDown(1, 10.f, 10.f);
        bench.tools.Picture1_MouseMove(1, 12.f, 11.f);
        bench.tools.Picture1_MouseUp(1, 12.f, 11.f);
        QCOMPARE(bench.black().size(), 160 * 77 - 6);
        QCOMPARE(bench.canvas.image(), bench.canvas.render(bench.document.Pixels));
    }

    // An all-black row shows as squares with a gap after every one of them.
    void everySquareHasItsGap()
    {
        CanvasView canvas;
        PixelGrid pixels(160, 77);
        for (int x = 0; x < 160; ++x)
            pixels.set(x, 0, 1);
        const QImage picture = canvas.render(pixels);
        int squares = 0, run = 0;
        for (int x = 0; x <= picture.width(); ++x) {
            const bool black = x < picture.width() && picture.pixel(x, 1) == CanvasView::kBlack;
            if (black) {
                ++run;
            } else if (run > 0) {
                QVERIFY2(run >= 2 && run <= 3, qPrintable(QStringLiteral("square of %1 pixels at %2").arg(run).arg(x)));
                ++squares;
                run = 0;
            }
        }
        QCOMPARE(squares, 160);
    }

    void renderShowsOnlyThePicture()
    {
        CanvasView canvas;
        PixelGrid pixels(160, 77);
        pixels.set(159, 76, 1);
        canvas.xorLine(0, 0, 100, 50); // what is on screen does not leak into the render
        const QImage picture = canvas.render(pixels);
        QCOMPARE(picture.size(), QSize(547, 266));
        QCOMPARE(picture.pixel(545, 264), CanvasView::kBlack);
        QCOMPARE(picture.pixel(10, 5), CanvasView::kBackground);
    }
};

QTEST_MAIN(tst_DrawingTools)
#include "tst_DrawingTools.moc"
