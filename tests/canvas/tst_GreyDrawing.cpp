#include "canvas/DrawingTools.h"
#include "fakes/AsciiPictures.h"
#include "fakes/GreyPictures.h"
#include "fakes/RecordingSurface.h"

#include <QTest>

using Positions = QList<QPointF>;

// The tools on a grey picture: the black tools, shapes and fills draw the ink's level, the
// white ones white, each drag one step; a black-and-white picture takes black whatever the ink.
class tst_GreyDrawing : public QObject
{
    Q_OBJECT

    struct Bench
    {
        PictureDocument document;
        RecordingSurface surface;
        DrawingTools tools{document, surface};
        explicit Bench(const QStringList &rows, int levels = 4)
        {
            const int width = int(rows.first().size()), height = int(rows.size());
            document.replace(levels == 4 ? levelsFromGrey(greyOf(rows)) : gridOf(rows), width, height, levels);
            document.drawn(); // keep the grid at the press
        }
        QStringList rows() const
        {
            const PixelGrid &cells = document.pixels();
            return document.isGrey() ? rowsOfGrey(greyFromLevels(cells, document.width(), document.height()))
                                     : rowsOf(cells, document.width(), document.height());
        }
        void drag(const Positions &positions)
        {
            tools.Picture1_MouseDown(1, float(positions.first().x()), float(positions.first().y()));
            for (qsizetype i = 1; i < positions.size(); ++i)
                tools.Picture1_MouseMove(1, float(positions[i].x()), float(positions[i].y()));
            tools.Picture1_MouseUp(1, float(positions.last().x()), float(positions.last().y()));
        }
    };

private slots:
    void tools_data()
    {
        QTest::addColumn<int>("levels");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<Tool>("tool");
        QTest::addColumn<int>("ink");
        QTest::addColumn<Positions>("drag"); // press, moves; released at the last (a stroke leaves its last pixel)
        QTest::addColumn<QStringList>("after");
        const QStringList blank{"....", "....", "...."};
        const QStringList ringed{"####", "#..#", "####"};
        QTest::newRow("pen stroke in light grey")
            << 4 << blank << Tool::Pen << 1 << Positions{{0.5, 1.5}, {3.5, 1.5}} << QStringList{"....", "---.", "...."};
        QTest::newRow("pen in white over black") << 4 << ringed << Tool::Pen << 0 << Positions{{0.5, 0.5}} << QStringList{".###", "#..#", "####"};
        QTest::newRow("erase whatever the ink")
            << 4 << QStringList{"+++", "+++"} << Tool::Erase << 3 << Positions{{0.5, 0.5}, {2.5, 0.5}} << QStringList{"..+", "+++"};
        QTest::newRow("box in dark grey") << 4 << blank << Tool::Box << 2 << Positions{{0.5, 0.5}, {3.5, 2.5}} << QStringList{"++++", "+..+", "++++"};
        QTest::newRow("white box over dark grey")
            << 4 << QStringList{"++++", "++++", "++++"} << Tool::WhBox << 3 << Positions{{0.5, 0.5}, {3.5, 2.5}} << QStringList{"....", ".++.", "...."};
        QTest::newRow("fill inside a black ring") << 4 << ringed << Tool::Fill << 1 << Positions{{1.5, 1.5}} << QStringList{"####", "#--#", "####"};
        QTest::newRow("fill takes the clicked level only")
            << 4 << QStringList{"--++", "--..", "...."} << Tool::Fill << 3 << Positions{{0.5, 0.5}} << QStringList{"##++", "##..", "...."};
        QTest::newRow("white fill of a dark region")
            << 4 << QStringList{"++#.", "+.#."} << Tool::WhFill << 2 << Positions{{0.5, 0.5}} << QStringList{"..#.", "..#."};
        QTest::newRow("black and white: fill black whatever the ink") << 2 << ringed << Tool::Fill << 2 << Positions{{1.5, 1.5}} << QStringList{"####", "####", "####"};
    }
    void tools()
    {
        QFETCH(int, levels);
        QFETCH(QStringList, before);
        QFETCH(Tool, tool);
        QFETCH(int, ink);
        QFETCH(Positions, drag);
        QFETCH(QStringList, after);
        Bench bench(before, levels);
        bench.tools.setInk(ink);
        bench.tools.miTool_Click(tool);
        bench.drag(drag);
        QCOMPARE(bench.rows(), after);
        QCOMPARE(bench.document.levels(), levels);
        bench.document.undo(); // the drag was one step
        QCOMPARE(bench.rows(), Bench(before, levels).rows());
    }

    // K or Alt with a click picks the level under the pointer as the ink: that press and
    // its drag draw nothing, the tool stays, and the next press draws in the level picked.
    void pickLevel_data()
    {
        QTest::addColumn<int>("levels");
        QTest::addColumn<QPointF>("picked");
        QTest::addColumn<int>("ink");
        QTest::addColumn<QStringList>("after"); // then the pen pressed at the last pixel
        QTest::newRow("light grey") << 4 << QPointF(1.5, 0.5) << 1 << QStringList{"#-+-"};
        QTest::newRow("white") << 4 << QPointF(3.2, 0.9) << 0 << QStringList{"#-+."};
        QTest::newRow("outside the picture: the ink stays") << 4 << QPointF(7.5, 0.5) << 3 << QStringList{"#-+#"};
        QTest::newRow("black and white: no pick, the stroke draws") << 2 << QPointF(1.5, 0.5) << 3 << QStringList{"##.#"};
    }
    void pickLevel()
    {
        QFETCH(int, levels);
        QFETCH(QPointF, picked);
        QFETCH(int, ink);
        QFETCH(QStringList, after);
        Bench bench({"#-+."}, levels);
        bench.tools.miTool_Click(Tool::Pen);
        bench.tools.armPickLevel();
        QCOMPARE(bench.tools.pickingLevel(), levels == 4);
        bench.drag({picked, {2.5, 0.5}});
        QCOMPARE(bench.tools.pickingLevel(), false);
        QCOMPARE(bench.tools.ink(), ink);
        QCOMPARE(bench.tools.currentTool(), Tool::Pen);
        bench.drag({{3.5, 0.5}});
        QCOMPARE(bench.rows(), after);
    }
};

QTEST_GUILESS_MAIN(tst_GreyDrawing)
#include "tst_GreyDrawing.moc"
