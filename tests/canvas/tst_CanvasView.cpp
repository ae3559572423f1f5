#include "canvas/CanvasGeometry.h"
#include "canvas/CanvasView.h"
#include "canvas/DrawingTools.h"
#include "fakes/RecordingSurface.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QTest>
#include <cmath>

using Points = QList<QPoint>;

namespace {
// Collects the regions a widget repaints.
struct PaintSpy : QObject
{
    explicit PaintSpy(QWidget &widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            region += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
    QRegion region;
};
} // namespace

// The canvas widget: its size and squares, the XOR outlines, the render, the document it
// shows and the mouse events it hands to the tools.
class tst_CanvasView : public QObject
{
    Q_OBJECT

    // Sends a mouse event at picture position `at` to the canvas.
    static void send(CanvasView &canvas, QEvent::Type type, QPointF at, Qt::MouseButton button,
                     Qt::MouseButtons held, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const QPointF screen(at.x() * canvas.width() / canvas.scaleWidth(),
                             at.y() * canvas.height() / canvas.scaleHeight());
        QMouseEvent event(type, screen, canvas.mapToGlobal(screen), button, held, modifiers);
        QCoreApplication::sendEvent(&canvas, &event);
    }

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
        PictureDocument document;
        CanvasView canvas(document);
        canvas.setZoom(2);
        document.replace(PixelGrid(width, height), width, height); // fits the canvas at the actual size
        QCOMPARE(canvas.size(), screen);
        QCOMPARE(canvas.image().size(), screen);
        QCOMPARE(canvas.scaleWidth(), width);
        // The far corner of the canvas maps back to the picture's far corner.
        const QPointF corner = canvas.toPicture(QPointF(screen.width(), screen.height()));
        QCOMPARE(corner, QPointF(width, height));
    }

    void cellSquares()
    {
        PictureDocument document;
        CanvasView canvas(document);
        const QImage blank = canvas.image();
        document.setPixel(3, 3, 0);
        QCOMPARE(canvas.image(), blank);
        document.setPixel(3, 3, 1);
        const QImage once = canvas.image();
        document.setPixel(3, 3, 1);
        QCOMPARE(canvas.image(), once);
        // The square covers the top-left 0.8 of the cell: the cell's far corner stays grey.
        QCOMPARE(once.pixel(12, 12), CanvasView::kBlack);
        QCOMPARE(once.pixel(13, 13), CanvasView::kBackground);
        document.setPixel(3, 3, 0);
        QCOMPARE(canvas.image(), blank);
    }

    void xorOutlinesRestoreTheCanvas()
    {
        PictureDocument document;
        PixelGrid pixels(160, 77);
        for (int x = 0; x < 160; x += 3)
            pixels.set(x, 20, 1);
        document.replace(std::move(pixels), 160, 77);
        CanvasView canvas(document);
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

    // The render of a picture whose top row and bottom-right pixel are black: squares with
    // a gap after every one of them, and nothing of what is on screen.
    void render()
    {
        PictureDocument document;
        CanvasView canvas(document);
        PixelGrid pixels(160, 77);
        for (int x = 0; x < 160; ++x)
            pixels.set(x, 0, 1);
        pixels.set(159, 76, 1);
        canvas.xorLine(0, 0, 100, 50);
        const QImage picture = canvas.render(pixels);
        QCOMPARE(picture.size(), QSize(547, 266));
        QCOMPARE(picture.pixel(545, 264), CanvasView::kBlack);
        QCOMPARE(picture.pixel(10, 5), CanvasView::kBackground);
        int squares = 0, run = 0;
        for (int x = 0; x <= picture.width(); ++x) {
            if (x < picture.width() && picture.pixel(x, 1) == CanvasView::kBlack) {
                ++run;
            } else if (run > 0) {
                QVERIFY2(run >= 2 && run <= 3, qPrintable(QStringLiteral("square of %1 pixels at %2").arg(run).arg(x)));
                ++squares;
                run = 0;
            }
        }
        QCOMPARE(squares, 160);
    }

    // The canvas keeps no pixels of its own: after every kind of change of the document it
    // repaints every cell that changed, shows what a canvas made afresh shows, and a new
    // picture brings the actual size; a picture cropped or turned keeps the zoom, and so
    // does its undo.
    void followsTheDocument_data()
    {
        QTest::addColumn<int>("change");
        QTest::addColumn<bool>("fits");
        QTest::newRow("pen pixels") << 0 << false;
        QTest::newRow("undo of a stroke") << 1 << false;
        QTest::newRow("redo of a stroke") << 2 << false;
        QTest::newRow("ClrDraw") << 3 << false;
        QTest::newRow("New of the same size") << 4 << true;
        QTest::newRow("New of another size") << 5 << true;
        QTest::newRow("undo of that New") << 6 << true;
        QTest::newRow("a file read") << 7 << true;
        QTest::newRow("a fresh screen grid") << 8 << false;
        QTest::newRow("turned, another size") << 9 << false;
        QTest::newRow("undo of the turn") << 10 << false;
        QTest::newRow("cropped, then undone and redone") << 11 << false;
    }
    void followsTheDocument()
    {
        QFETCH(int, change);
        QFETCH(bool, fits);
        PictureDocument document;
        CanvasView canvas(document);
        for (int x = 10; x < 40; ++x)
            document.setPixel(x, x / 2, 1);
        document.endChange();
        if (change == 6)
            document.blank(20, 10, PictureDocument::Blanking::New);
        canvas.setZoom(2);
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
        PaintSpy painted(canvas);
        const PixelGrid before = document.pixels();
        switch (change) {
        case 0: document.setPixel(100, 70, 1), document.setPixel(11, 5, 0); break;
        case 1: document.undo(); break;
        case 2: document.undo(), document.redo(); break;
        case 3: document.blank(160, 77, PictureDocument::Blanking::ClrDraw); break;
        case 4: document.blank(160, 77, PictureDocument::Blanking::New); break;
        case 5: document.blank(20, 10, PictureDocument::Blanking::New); break;
        case 6: document.undo(); break;
        case 7: document.replace(PixelGrid(30, 20), 30, 20), document.setPixel(29, 19, 1); break;
        case 9: document.transform(PixelGrid(77, 160), 77, 160); break;
        case 10: document.transform(PixelGrid(77, 160), 77, 160), document.undo(); break;
        case 11: document.transform(PixelGrid(20, 10), 20, 10), document.undo(), document.redo(); break;
        default: document.freshScreenGrid(); break;
        }
        QCOMPARE(canvas.zoom(), fits ? 1.0 : 2.0);
        QCoreApplication::processEvents();
        for (int y = 0; y < document.height(); ++y)
            for (int x = 0; x < document.width(); ++x)
                if (before.at(x, y) != document.pixels().at(x, y)) {
                    const QRect cell = QRectF(canvas.toScreen(QPointF(x, y)), canvas.toScreen(QPointF(x + 0.8, y + 0.8))).toRect();
                    QVERIFY2(painted.region.contains(cell), qPrintable(QStringLiteral("(%1, %2) not repainted").arg(x).arg(y)));
                }
        CanvasView fresh(document);
        fresh.setZoom(canvas.zoom());
        QCOMPARE(canvas.size(), fresh.size());
        QCOMPARE(canvas.image(), fresh.image());
    }

    // An all-black picture: squares with gaps from the actual size up and where a cell has
    // 4 device pixels; below the actual size smaller cells are whole, so no moire bands.
    void gapsOnlyWhereTheyFit_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<bool>("gaps");
        QTest::newRow("actual size, 3.4 pixels") << 1.0 << true;
        QTest::newRow("fit, 2.1 pixels") << 0.62 << false;
        QTest::newRow("3.1 pixels") << 0.9 << false;
        QTest::newRow("zoomed in, 4.8 pixels") << M_SQRT2 << true;
    }
    void gapsOnlyWhereTheyFit()
    {
        QFETCH(double, zoom);
        QFETCH(bool, gaps);
        PictureDocument document;
        CanvasView canvas(document);
        for (int y = 0; y < 77; ++y)
            for (int x = 0; x < 160; ++x)
                document.setPixel(x, y, 1);
        canvas.setZoom(zoom);
        const QImage shown = canvas.image();
        int background = 0;
        for (int y = 0; y < shown.height() - 4; ++y)
            for (int x = 0; x < shown.width() - 4; ++x)
                background += shown.pixel(x, y) == CanvasView::kBackground;
        QCOMPARE(background > 0, gaps);
        QCOMPARE(canvas.render(document.pixels()), CanvasView(document).render(document.pixels())); // the export keeps its squares
    }

    // A selection shows its outline; moved, its pixels float where it is and the place left
    // shows white; landed and deselected, the canvas shows the picture alone.
    void selectionOverThePicture()
    {
        PictureDocument document;
        document.setPixel(2, 2, 1);
        CanvasView canvas(document);
        DrawingTools tools(document, canvas);
        canvas.setTools(&tools);
        const QImage plain = canvas.image();
        tools.selection().select({1, 1, 3, 3});
        QVERIFY(canvas.image() != plain);
        tools.selection().moveBy(10, 0);
        QCOMPARE(canvas.image().pixel(canvas.toScreen({2.2, 2.2}).toPoint()), CanvasView::kBackground);
        QCOMPARE(canvas.image().pixel(canvas.toScreen({12.2, 2.2}).toPoint()), CanvasView::kBlack);
        QCOMPARE(document.pixels().at(2, 2), 1);
        tools.landSelection();
        tools.selection().deselect();
        CanvasView fresh(document);
        QCOMPARE(canvas.image(), fresh.image());
        QCOMPARE(document.pixels().at(12, 2), 1);
    }

    // With the focus on the canvas, a tool's letter chooses it (Shift: its white twin).
    void toolKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<Tool>("tool");
        QTest::newRow("P") << int(Qt::Key_P) << false << Tool::Pen;
        QTest::newRow("E") << int(Qt::Key_E) << false << Tool::Erase;
        QTest::newRow("L") << int(Qt::Key_L) << false << Tool::Line;
        QTest::newRow("Shift+L") << int(Qt::Key_L) << true << Tool::WhLine;
        QTest::newRow("Shift+B") << int(Qt::Key_B) << true << Tool::WhBox;
        QTest::newRow("R") << int(Qt::Key_R) << false << Tool::Bar;
        QTest::newRow("Shift+C") << int(Qt::Key_C) << true << Tool::WhCircle;
        QTest::newRow("O") << int(Qt::Key_O) << false << Tool::Ellipse;
        QTest::newRow("S") << int(Qt::Key_S) << false << Tool::Select;
        QTest::newRow("Shift+F") << int(Qt::Key_F) << true << Tool::WhFill;
        QTest::newRow("T") << int(Qt::Key_T) << false << Tool::Text;
        QTest::newRow("Shift+P: none, the tool stays") << int(Qt::Key_P) << true << Tool::Box;
        QTest::newRow("X: none, the tool stays") << int(Qt::Key_X) << false << Tool::Box;
    }
    void toolKeys()
    {
        QFETCH(int, key);
        QFETCH(bool, shift);
        QFETCH(Tool, tool);
        PictureDocument document;
        CanvasView canvas(document);
        DrawingTools tools(document, canvas);
        canvas.setTools(&tools);
        tools.miTool_Click(Tool::Box);
        QTest::keyClick(&canvas, Qt::Key(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(tools.checkedTool(), tool);
    }

    // The arrow keys move the selection a pixel at a time, floating; Enter lands it.
    void arrowsMoveTheSelection()
    {
        PictureDocument document;
        document.setPixel(2, 2, 1);
        document.endChange();
        CanvasView canvas(document);
        DrawingTools tools(document, canvas);
        canvas.setTools(&tools);
        tools.miTool_Click(Tool::Select);
        tools.selection().select({2, 2, 1, 1});
        QTest::keyClick(&canvas, Qt::Key_Right);
        QTest::keyClick(&canvas, Qt::Key_Right);
        QTest::keyClick(&canvas, Qt::Key_Down);
        QCOMPARE(tools.selection().rect(), (PixelRect{4, 3, 1, 1}));
        QCOMPARE(document.pixels().at(2, 2), 1); // floating: not yet moved on the picture
        QTest::keyClick(&canvas, Qt::Key_Return);
        QCOMPARE(document.pixels().at(2, 2), 0);
        QCOMPARE(document.pixels().at(4, 3), 1);
    }

    // The zoom steps are powers of sqrt(2) through the actual size, from the smallest zoom
    // the caller allows up to cells of 64 screen pixels.
    void zoomSteps_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<double>("smallest");
        QTest::addColumn<double>("in");
        QTest::addColumn<double>("out");
        const double largest = CanvasGeometry::largestZoom();
        QTest::newRow("actual size") << 1.0 << 0.1 << M_SQRT2 << M_SQRT1_2;
        QTest::newRow("between steps") << 1.2 << 0.1 << M_SQRT2 << 1.0;
        QTest::newRow("at the smallest") << 0.04 << 0.04 << std::pow(2.0, -4.5) << 0.04;
        QTest::newRow("at the largest") << largest << 0.1 << largest << 16.0;
        QTest::newRow("actual size fits") << 1.0 << 1.0 << M_SQRT2 << 1.0;
    }
    void zoomSteps()
    {
        QFETCH(double, zoom);
        QFETCH(double, smallest);
        QFETCH(double, in);
        QFETCH(double, out);
        QCOMPARE(CanvasGeometry::zoomedIn(zoom), in);
        QCOMPARE(CanvasGeometry::zoomedOut(zoom, smallest), out);
        QCOMPARE(CanvasGeometry::screenWidth(160, CanvasGeometry::largestZoom()), 160 * 64);
    }

    // A picture opened smaller than the frame shows fitted in whole square cells; one that
    // fills it at the actual size or more opens at the actual size.
    void openingZoom_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QSize>("shown");
        QTest::newRow("16 x 16 sprite") << QSize(16, 16) << QSize(547, 266) << QSize(256, 256);
        QTest::newRow("16 x 16, maximised") << QSize(16, 16) << QSize(1600, 900) << QSize(896, 896);
        QTest::newRow("20 x 10") << QSize(20, 10) << QSize(547, 266) << QSize(520, 260);
        QTest::newRow("one pixel: the largest cell") << QSize(1, 1) << QSize(547, 266) << QSize(64, 64);
        QTest::newRow("150 x 70: cells of 3 would be smaller") << QSize(150, 70) << QSize(547, 266) << QSize(513, 242);
        QTest::newRow("the graph screen") << QSize(160, 77) << QSize(547, 266) << QSize(547, 266);
        QTest::newRow("V200 screen: scrolls") << QSize(240, 128) << QSize(547, 266) << QSize(821, 442);
    }
    void openingZoom()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, frame);
        QFETCH(QSize, shown);
        PictureDocument document;
        CanvasView canvas(document);
        canvas.setOpeningZoom([&](int w, int h) { return CanvasGeometry::openingZoom(w, h, frame.width(), frame.height()); });
        document.replace(PixelGrid(picture.width(), picture.height()), picture.width(), picture.height());
        QCOMPARE(canvas.size(), shown);
        QCOMPARE(canvas.toPicture(QPointF(shown.width(), shown.height())), QPointF(picture.width(), picture.height()));
    }

    // Zoomed in, every cell is a square of whole screen pixels (at 400%, 13.7 across made 14)
    // and only the two colours appear.
    void zoomedSquares()
    {
        PictureDocument document;
        CanvasView canvas(document);
        document.setPixel(3, 3, 1);
        canvas.setZoom(4);
        QCOMPARE(canvas.size(), QSize(160 * 14, 77 * 14));
        const QImage shown = canvas.image();
        // Cell 3 spans 42 to 56 screen pixels each way; its square ends at the 0.8 mark, 53.2.
        QCOMPARE(shown.pixel(42, 42), CanvasView::kBlack);
        QCOMPARE(shown.pixel(52, 52), CanvasView::kBlack);
        QCOMPARE(shown.pixel(53, 42), CanvasView::kBackground);
        QCOMPARE(shown.pixel(42, 53), CanvasView::kBackground);
        QCOMPARE(shown.pixel(41, 42), CanvasView::kBackground);
        QCOMPARE(shown.copy(0, 0, 120, 120).convertToFormat(QImage::Format_Indexed8).colorCount(), 2);
        QCOMPARE(canvas.toPicture(QPointF(160 * 14, 77 * 14)), QPointF(160, 77));
        QCOMPARE(canvas.render(PixelGrid()).size(), QSize(547, 266)); // the actual size at any zoom
    }

    // Zoomed in past the actual size, a shape starts and ends on the pixels under the press
    // and the release wherever in them the pointer is (the designed rounding, halves to
    // even, put a bar dragged between pixel centres at 468% a column off); Shift keeps lines
    // straight and boxes square.
    void shapesLandOnThePixelsUnderThePointer_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("tool");
        QTest::addColumn<QPointF>("press");
        QTest::addColumn<QPointF>("release");
        QTest::addColumn<QRect>("covered");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("shift");
        const double largest = CanvasGeometry::largestZoom(); // 1872%, cells of 64
        const double at468 = 16 / double(CanvasGeometry::kCellWidth);
        QTest::newRow("bar, centres, 468%") << at468 << int(Tool::Bar) << QPointF(1.5, 2.5) << QPointF(6.5, 6.5)
                                           << QRect(QPoint(1, 2), QPoint(6, 6)) << 30 << false;
        QTest::newRow("bar, edges, 141%") << std::sqrt(2.0) << int(Tool::Bar) << QPointF(1.05, 2.9) << QPointF(6.95, 6.1)
                                         << QRect(QPoint(1, 2), QPoint(6, 6)) << 30 << false;
        QTest::newRow("line across, 468%") << at468 << int(Tool::Line) << QPointF(2.7, 4.5) << QPointF(10.3, 4.5)
                                          << QRect(QPoint(2, 4), QPoint(10, 4)) << 9 << false;
        QTest::newRow("line up, 1872%") << largest << int(Tool::Line) << QPointF(4.5, 10.2) << QPointF(4.5, 2.8)
                                        << QRect(QPoint(4, 2), QPoint(4, 10)) << 9 << false;
        QTest::newRow("bar, centres, 1872%") << largest << int(Tool::Bar) << QPointF(6.5, 6.5) << QPointF(1.5, 2.5)
                                            << QRect(QPoint(1, 2), QPoint(6, 6)) << 30 << false;
        QTest::newRow("bar, centres, 100%") << 1.0 << int(Tool::Bar) << QPointF(1.5, 2.5) << QPointF(6.5, 6.5)
                                           << QRect(QPoint(2, 2), QPoint(6, 6)) << 25 << false;
        QTest::newRow("bar, centres, 200%") << 2.0 << int(Tool::Bar) << QPointF(1.5, 2.5) << QPointF(6.5, 6.5)
                                           << QRect(QPoint(1, 2), QPoint(6, 6)) << 30 << false;
        QTest::newRow("line across, 100%") << 1.0 << int(Tool::Line) << QPointF(2.5, 4.5) << QPointF(10.5, 4.5)
                                          << QRect(QPoint(2, 4), QPoint(10, 4)) << 9 << false;
        QTest::newRow("line across, 200%") << 2.0 << int(Tool::Line) << QPointF(2.5, 4.5) << QPointF(10.5, 4.5)
                                          << QRect(QPoint(2, 4), QPoint(10, 4)) << 9 << false;
        QTest::newRow("line across, 1872%") << largest << int(Tool::Line) << QPointF(2.5, 4.5) << QPointF(10.5, 4.5)
                                           << QRect(QPoint(2, 4), QPoint(10, 4)) << 9 << false;
        // Shift while dragging: a line across, down or at 45 degrees, a square box or bar.
        QTest::newRow("shift: line kept across") << 1.0 << int(Tool::Line) << QPointF(2.5, 2.5) << QPointF(9.5, 3.9)
                                                << QRect(QPoint(2, 2), QPoint(9, 2)) << 8 << true;
        QTest::newRow("shift: line at 45 degrees, 468%") << at468 << int(Tool::Line) << QPointF(2.5, 2.5) << QPointF(6.5, 7.5)
                                                        << QRect(QPoint(2, 2), QPoint(7, 7)) << 6 << true;
        QTest::newRow("shift: square box") << 1.0 << int(Tool::Box) << QPointF(1.5, 1.5) << QPointF(5.5, 3.5)
                                          << QRect(QPoint(1, 1), QPoint(5, 5)) << 16 << true;
        QTest::newRow("shift: square bar, 200%") << 2.0 << int(Tool::Bar) << QPointF(5.5, 5.5) << QPointF(1.5, 3.5)
                                                << QRect(QPoint(1, 1), QPoint(5, 5)) << 25 << true;
    }
    void shapesLandOnThePixelsUnderThePointer()
    {
        QFETCH(double, zoom);
        QFETCH(int, tool);
        QFETCH(QPointF, press);
        QFETCH(QPointF, release);
        QFETCH(QRect, covered);
        QFETCH(int, count);
        QFETCH(bool, shift);
        const Qt::KeyboardModifiers held = shift ? Qt::ShiftModifier : Qt::NoModifier;
        PictureDocument document;
        CanvasView canvas(document);
        canvas.setZoom(zoom);
        DrawingTools tools(document, canvas);
        canvas.setTools(&tools);
        tools.miTool_Click(Tool(tool));
        send(canvas, QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton, held);
        send(canvas, QEvent::MouseMove, release, Qt::NoButton, Qt::LeftButton, held);
        send(canvas, QEvent::MouseButtonRelease, release, Qt::LeftButton, Qt::NoButton, held);
        const Points black = blackPixels(document.pixels());
        QRect bounds;
        for (const QPoint &pixel : black)
            bounds |= QRect(pixel, QSize(1, 1));
        QCOMPARE(bounds, covered);
        QCOMPARE(black.size(), count);
    }

    // Qt's mouse events reach the tools as buttons 1/2/4 and picture positions at every
    // zoom; a shape dragged on the real canvas leaves no trace of its band.
    void mouseEventsReachTheTools_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::newRow("actual size") << 1.0;
        QTest::newRow("zoomed in") << 3.0;
        QTest::newRow("zoomed out") << 0.5;
    }
    void mouseEventsReachTheTools()
    {
        QFETCH(double, zoom);
        PictureDocument document;
        CanvasView canvas(document);
        canvas.setZoom(zoom);
        // The canvas as it shows the grid with nothing else on it.
        const auto afresh = [&] {
            CanvasView fresh(document);
            fresh.setZoom(zoom);
            return fresh.image();
        };
        DrawingTools tools(document, canvas);
        canvas.setTools(&tools);
        int popups = 0;
        tools.popUpTools = [&] { ++popups; };
        tools.miTool_Click(Tool::Pen);

        send(canvas, QEvent::MouseButtonPress, {7.5, 7.5}, Qt::RightButton, Qt::RightButton);
        QCOMPARE(popups, 1);
        if (zoom == 1.0)
            QCOMPARE(canvas.pressPosition(), canvas.mapToGlobal(QPoint(26, 26)));
        QVERIFY(!document.menus().hasUnsavedDrawing());
        send(canvas, QEvent::MouseButtonRelease, {7.5, 7.5}, Qt::RightButton, Qt::NoButton);

        send(canvas, QEvent::MouseButtonPress, {1.5, 1.5}, Qt::MiddleButton, Qt::MiddleButton);
        send(canvas, QEvent::MouseMove, {4.5, 1.5}, Qt::NoButton, Qt::MiddleButton);
        send(canvas, QEvent::MouseButtonRelease, {4.5, 1.5}, Qt::MiddleButton, Qt::NoButton);
        QCOMPARE(blackPixels(document.pixels()), Points{QPoint(1, 1)});

        tools.miTool_Click(Tool::Box);
        send(canvas, QEvent::MouseButtonPress, {2.3, 4.9}, Qt::LeftButton, Qt::LeftButton);
        send(canvas, QEvent::MouseMove, {30, 30}, Qt::NoButton, Qt::LeftButton);
        send(canvas, QEvent::MouseMove, {5.8, 7.1}, Qt::NoButton, Qt::LeftButton);
        QVERIFY(tools.xorMode());
        QVERIFY(canvas.image() != afresh());
        send(canvas, QEvent::MouseButtonRelease, {70, 70}, Qt::LeftButton, Qt::NoButton);
        QVERIFY(!tools.xorMode());
        QCOMPARE(blackPixels(document.pixels()).size(), 1 + 12);
        QCOMPARE(canvas.image(), afresh());
    }
};

QTEST_MAIN(tst_CanvasView)
#include "tst_CanvasView.moc"
