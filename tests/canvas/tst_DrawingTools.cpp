#include "canvas/DrawingTools.h"
#include "fakes/RecordingSurface.h"

#include <QTest>
#include <cmath>

using Points = QList<QPoint>;
using Positions = QList<QPointF>;

// PlotPixel's clipping and colours, the pen's strokes and the press/move/release protocol,
// against a surface that records the rubber bands and a view that records what the
// document announces.
class tst_DrawingTools : public QObject
{
    Q_OBJECT

    struct Bench
    {
        PictureDocument document;
        RecordingSurface surface;
        DrawingTools tools{document, surface};
        int popups = 0;
        QString readout;
        Points announced; // the single pixels the document said it changed, in order
        PictureDocument::Watch watch = document.watch([this](const PictureChange &change) {
            if (change.kind == PictureChange::Kind::Pixels && change.area.width == 1 && change.area.height == 1)
                announced << QPoint(change.area.x, change.area.y);
        });
        Bench()
        {
            tools.popUpTools = [this] { ++popups; };
            tools.showCoordinates = [this](const QString &text) { readout = text; };
        }
        Points black() const { return blackPixels(document.pixels()); }
        // A picture of width x height read in: the given pixels black, no history.
        void picture(int width, int height, const Points &blackOnes = {})
        {
            PixelGrid grid(width, height);
            for (const QPoint &at : blackOnes)
                grid.set(at.x(), at.y(), 1);
            document.replace(std::move(grid), width, height);
        }
        void press(int buttons, QPointF at) { tools.Picture1_MouseDown(buttons, float(at.x()), float(at.y())); }
        void move(int buttons, QPointF at) { tools.Picture1_MouseMove(buttons, float(at.x()), float(at.y())); }
        void release(QPointF at) { tools.Picture1_MouseUp(1, float(at.x()), float(at.y())); }
    };

private slots:
    // One PlotPixel on a 100 x 50 picture whose pixel at `at` was `before`.
    void plotPixel_data()
    {
        QTest::addColumn<Tool>("tool");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("before");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("after");
        QTest::newRow("left of picture") << Tool::Pen << QPoint(-1, 5) << 0 << false << 0;
        QTest::newRow("above picture") << Tool::Pen << QPoint(5, -1) << 0 << false << 0;
        QTest::newRow("right of picture") << Tool::Pen << QPoint(100, 0) << 0 << false << 0;
        QTest::newRow("below picture") << Tool::Pen << QPoint(0, 50) << 0 << false << 0;
        QTest::newRow("bottom-right pixel") << Tool::Pen << QPoint(99, 49) << 0 << true << 1;
        QTest::newRow("pen over black stays black") << Tool::Pen << QPoint(3, 3) << 1 << true << 1;
        QTest::newRow("erase over white stays white") << Tool::Erase << QPoint(3, 3) << 0 << true << 0;
        QTest::newRow("erase over black") << Tool::Erase << QPoint(3, 3) << 1 << true << 0;
        QTest::newRow("no tool") << Tool::None << QPoint(5, 5) << 0 << false << 0;
        for (int tool = toolNumber(Tool::Line); tool <= kToolCount; ++tool)
            QTest::addRow("shape tool %d", tool) << toolFromNumber(tool) << QPoint(5, 5) << 1 << false << 1;
    }
    void plotPixel()
    {
        QFETCH(Tool, tool);
        QFETCH(QPoint, at);
        QFETCH(int, before);
        QFETCH(bool, shown);
        QFETCH(int, after);
        Bench bench;
        bench.picture(100, 50, before ? Points{at} : Points{});
        bench.tools.setCurrentTool(tool);
        bench.tools.PlotPixel(at.x(), at.y());
        QCOMPARE(bench.black(), after ? Points{at} : Points{});
        QCOMPARE(bench.announced, shown ? Points{at} : Points{});
    }

    // Pen strokes through press and left-button moves; each move's last column is left
    // for the next segment, which starts there.
    void penStrokes_data()
    {
        QTest::addColumn<bool>("penChosen");
        QTest::addColumn<QPointF>("press");
        QTest::addColumn<Positions>("moves");
        QTest::addColumn<Points>("expected");
        // At start-up the first press only restores the Pen; the stroke starts at the press.
        QTest::newRow("first press after start-up")
            << false << QPointF(10.7, 3.2) << Positions{{14.2, 3.5}, {16.0, 4.9}}
            << Points{{10, 3}, {11, 3}, {12, 3}, {13, 3}, {14, 3}, {15, 3}, {16, 4}};
        QTest::newRow("off the edge and back")
            << true << QPointF(1.5, 1.5) << Positions{{-2.0, 1.5}, {3.5, 1.5}}
            << Points{{0, 1}, {1, 1}, {2, 1}, {3, 1}};
        QTest::newRow("moves within the pen's pixel")
            << true << QPointF(4.2, 4.2) << Positions{{4.9, 4.9}, {4.5, 4.1}} << Points{{4, 4}};
    }
    void penStrokes()
    {
        QFETCH(bool, penChosen);
        QFETCH(QPointF, press);
        QFETCH(Positions, moves);
        QFETCH(Points, expected);
        Bench bench;
        if (penChosen)
            bench.tools.miTool_Click(Tool::Pen);
        bench.press(1, press);
        QCOMPARE(bench.black(), penChosen ? Points{QPoint(int(press.x()), int(press.y()))} : Points{});
        for (const QPointF &to : moves)
            bench.move(1, to);
        QCOMPARE(bench.black(), expected);
        // The pen point is the last move's pixel.
        QCOMPARE(bench.tools.drag().StartX, std::floor(float(moves.last().x())));
        QCOMPARE(bench.tools.drag().StartY, std::floor(float(moves.last().y())));
        QVERIFY(!bench.tools.xorMode());
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
        bench.tools.miTool_Click(Tool::Pen);
        bench.press(pressButtons, {5.5, 5.5});
        QCOMPARE(bench.black().size(), pixelsAfterPress);
        QCOMPARE(bench.popups, popup ? 1 : 0);
        QCOMPARE(bench.document.menus().hasUnsavedDrawing(), !popup);
        QCOMPARE(bench.document.menus().pictureShown, !popup);
        bench.move(moveButtons, {8.5, 5.5});
        QCOMPARE(bench.black().size(), pixelsAfterMove);
        bench.tools.Picture1_MouseUp(moveButtons, 8.5f, 5.5f);
        QVERIFY(!bench.tools.xorMode());
    }

    void firstPressRestoresSavedTool()
    {
        Bench bench;
        bench.tools.miTool_Click(Tool::Bar);
        bench.tools.parkTool(); // as after reading a file
        QCOMPARE(bench.tools.currentTool(), Tool::None);
        QCOMPARE(bench.tools.checkedTool(), Tool::Bar);
        bench.tools.Picture1_MouseDown(1, 1, 1);
        QCOMPARE(bench.tools.currentTool(), Tool::Bar);
        bench.tools.parkTool();
        bench.tools.parkTool(); // parking with no tool active falls back to the Pen
        QCOMPARE(bench.tools.savedTool(), Tool::Pen);
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
        bench.picture(picture.width(), picture.height(), {QPoint(0, 0)});
        bench.tools.miTool_Click(Tool::Pen);
        bench.tools.Picture1_MouseDown(1, picture.width() - 0.5f, 10.5f);
        QCOMPARE(QSize(bench.document.pixels().width(), bench.document.pixels().height()), grid);
        QCOMPARE(bench.document.size(), (PictureSize{picture.width(), picture.height()}));
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

    // A shape drag through the mouse protocol: one band while dragging, replaced by two
    // outline drawings per move, none after the release, which plots the shape.
    void shapeDrag_data()
    {
        QTest::addColumn<Tool>("tool");
        QTest::addColumn<QPointF>("end");
        QTest::addColumn<bool>("allBlack"); // the picture before the drag
        QTest::addColumn<int>("changed");   // pixels the shape changed
        QTest::newRow("box") << Tool::Box << QPointF(5.8, 7.1) << false << 12; // 4 x 4 outline
        QTest::newRow("bar") << Tool::Bar << QPointF(5.8, 7.1) << false << 15; // 5 x 3
        QTest::newRow("white bar over black") << Tool::WhBar << QPointF(4.2, 6.4) << true << 6; // 3 x 2
        QTest::newRow("white box over white") << Tool::WhBox << QPointF(5.8, 7.1) << false << 0;
        QTest::newRow("circle") << Tool::Circle << QPointF(12.2, 4.9) << false << 22; // radius to (12, 4), top half off the picture
        QTest::newRow("ellipse") << Tool::Ellipse << QPointF(20.5, 9.5) << false << 46;
        QTest::newRow("line back to its start") << Tool::Line << QPointF(2.3, 4.9) << false << 0;
    }
    void shapeDrag()
    {
        QFETCH(Tool, tool);
        QFETCH(QPointF, end);
        QFETCH(bool, allBlack);
        QFETCH(int, changed);
        Bench bench;
        bench.document.drawn(); // keep the grid at the press
        Points all;
        for (int x = 0; allBlack && x < 160; ++x)
            for (int y = 0; y < 77; ++y)
                all << QPoint(x, y);
        bench.picture(160, 77, all);
        const PixelGrid before = bench.document.pixels();
        bench.tools.miTool_Click(tool);
        bench.press(1, {2.3, 4.9});
        bench.move(1, {30, 30});
        bench.move(1, end);
        QVERIFY(bench.tools.xorMode());
        QCOMPARE(bench.surface.showing.size(), 1);
        QVERIFY(bench.document.pixels() == before); // the band is on screen only
        bench.tools.Picture1_MouseUp(1, 70.f, 70.f); // the release position is not used
        QVERIFY(!bench.tools.xorMode());
        QCOMPARE(bench.tools.currentTool(), tool);
        // Over a uniform picture only pixels of the shape's colour can have changed.
        const int black = int(bench.black().size());
        QCOMPARE(allBlack ? 160 * 77 - black : black, changed);
        // No trace of the band remains.
        QCOMPARE(bench.surface.outlinesDrawn, 4);
        QCOMPARE(bench.surface.showing.size(), 0);
    }

    // Each drag, press to release, is one step of the history, whatever the tool: undone it
    // leaves the picture as before, redone as after. A right click and a drag that changes
    // nothing are no step.
    void dragsAreSteps_data()
    {
        QTest::addColumn<Tool>("tool");
        QTest::addColumn<Positions>("drag"); // press, moves..., release
        QTest::addColumn<int>("steps");
        QTest::newRow("pen stroke") << Tool::Pen << Positions{{2.5, 2.5}, {9.5, 4.5}, {9.5, 12.5}, {9.5, 12.5}} << 1;
        QTest::newRow("pen click") << Tool::Pen << Positions{{2.5, 2.5}, {2.5, 2.5}} << 1;
        QTest::newRow("erase over black") << Tool::Erase << Positions{{0.5, 0.5}, {6.5, 0.5}, {6.5, 0.5}} << 1;
        QTest::newRow("erase over white") << Tool::Erase << Positions{{0.5, 9.5}, {6.5, 9.5}, {6.5, 9.5}} << 0;
        QTest::newRow("box") << Tool::Box << Positions{{2.5, 2.5}, {30, 30}, {8.5, 7.5}, {70, 70}} << 1;
        QTest::newRow("white bar") << Tool::WhBar << Positions{{0.5, 0.5}, {4.5, 4.5}, {4.5, 4.5}} << 1;
        QTest::newRow("shape without a move") << Tool::Circle << Positions{{20.5, 20.5}, {20.5, 20.5}} << 0;
    }
    void dragsAreSteps()
    {
        QFETCH(Tool, tool);
        QFETCH(Positions, drag);
        QFETCH(int, steps);
        Bench bench;
        int added = 0;
        bench.tools.historyChanged = [&] { ++added; };
        bench.document.drawn(); // a picture drawn on: the press keeps its grid
        bench.picture(160, 77, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}});
        const PixelGrid before = bench.document.pixels();
        bench.tools.miTool_Click(tool);
        bench.press(1, drag.first());
        for (qsizetype i = 1; i + 1 < drag.size(); ++i)
            bench.move(1, drag.at(i));
        bench.release(drag.last());
        bench.press(2, {1, 1}); // the tool menu: no change
        QCOMPARE(added, steps);
        const PixelGrid after = bench.document.pixels();
        QCOMPARE(after != before, steps == 1);
        bench.document.undo();
        QCOMPARE(bench.document.pixels(), before);
        bench.document.redo();
        QCOMPARE(bench.document.pixels(), after);
    }

    // The Select tool: a drag selects from pixel to pixel, a drag inside takes the
    // selection along (floating, the picture unchanged), a press elsewhere lands it as one
    // step; Fill and WhFill fill at the press; Text asks for the text there.
    void selectFillAndText_data()
    {
        QTest::addColumn<Tool>("tool");
        QTest::addColumn<Positions>("drag"); // press, moves..., release; a second drag follows an empty position
        QTest::addColumn<Points>("black");
        QTest::addColumn<int>("steps");
        const Positions nextDrag{{-100, -100}};
        QTest::newRow("select changes nothing") << Tool::Select << Positions{{0.5, 0.5}, {2.5, 0.5}, {2.5, 0.5}}
                                                << Points{{0, 0}, {1, 0}, {5, 5}} << 0;
        QTest::newRow("move floats, a click elsewhere lands and selects nothing")
            << Tool::Select
            << (Positions{{0.5, 0.5}, {1.5, 0.5}, {1.5, 0.5}} + nextDrag + Positions{{0.2, 0.7}, {0.2, 2.7}, {0.2, 2.7}}
                + nextDrag + Positions{{50.5, 50.5}, {50.5, 50.5}})
            << Points{{0, 2}, {1, 2}, {5, 5}} << 1;
        PixelGrid allBlack(160, 77);
        for (int y = 0; y < 77; ++y)
            for (int x = 0; x < 160; ++x)
                allBlack.set(x, y, 1);
        QTest::newRow("fill around the dots") << Tool::Fill << Positions{{9.5, 9.5}, {9.5, 9.5}} << blackPixels(allBlack) << 1;
        QTest::newRow("white fill of a dot") << Tool::WhFill << Positions{{5.5, 5.5}, {5.5, 5.5}} << Points{{0, 0}, {1, 0}} << 1;
        QTest::newRow("text asks, changes nothing") << Tool::Text << Positions{{7.5, 3.5}, {7.5, 3.5}}
                                                    << Points{{0, 0}, {1, 0}, {5, 5}} << 0;
    }
    void selectFillAndText()
    {
        QFETCH(Tool, tool);
        QFETCH(Positions, drag);
        QFETCH(Points, black);
        QFETCH(int, steps);
        Bench bench;
        bench.picture(160, 77, {{0, 0}, {1, 0}, {5, 5}});
        bench.document.drawn();
        int added = 0;
        bench.tools.historyChanged = [&] { ++added; };
        QPoint textAt;
        bench.tools.startText = [&](int x, int y) { textAt = QPoint(x, y); };
        bench.tools.miTool_Click(tool);
        // Drags are separated by a position far outside.
        QList<Positions> drags{{}};
        for (const QPointF &at : drag)
            at.x() < -50 ? void(drags << Positions{}) : void(drags.last() << at);
        for (const Positions &one : drags) {
            bench.press(1, one.first());
            for (qsizetype i = 1; i + 1 < one.size(); ++i)
                bench.move(1, one.at(i));
            bench.release(one.last());
        }
        QCOMPARE(added, steps);
        QCOMPARE(bench.black(), black);
        QCOMPARE(textAt, tool == Tool::Text ? QPoint(7, 3) : QPoint());
        QCOMPARE(bench.tools.selection().active(), tool == Tool::Select && QTest::currentDataTag() == QByteArray("select changes nothing"));
        for (int i = 0; i < steps; ++i)
            bench.document.undo();
        QCOMPARE(bench.black(), (Points{{0, 0}, {1, 0}, {5, 5}}));
    }

    // A press whose release never came ends its stroke: the next drag is a step of its own.
    void aPressEndsADragLeftOpen()
    {
        Bench bench;
        bench.tools.miTool_Click(Tool::Pen);
        bench.press(1, {1.5, 1.5});
        bench.press(1, {5.5, 5.5});
        bench.release({5.5, 5.5});
        bench.document.undo();
        QCOMPARE(bench.black(), Points{QPoint(1, 1)});
    }
};

QTEST_GUILESS_MAIN(tst_DrawingTools)
#include "tst_DrawingTools.moc"
