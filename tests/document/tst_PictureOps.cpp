#include "document/PictureDocument.h"
#include "document/PictureOps.h"
#include "fakes/AsciiPictures.h"

#include <QTest>

using namespace PictureOps;

namespace {
// A document holding the picture `rows`, read as from a file.
void load(PictureDocument &document, const QStringList &rows)
{
    PixelGrid pixels = gridOf(rows);
    const int width = pixels.width(), height = pixels.height();
    document.replace(std::move(pixels), width, height);
}
} // namespace

// The operations on whole pictures, and the document's commands built on them: each is one
// step of the history.
class tst_PictureOps : public QObject
{
    Q_OBJECT

private slots:
    void floodFill_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("value");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("inside a box, around a hole")
            << QStringList{"######", "#....#", "#.##.#", "#....#", "######"} << QPoint(1, 1) << 1
            << QStringList{"######", "######", "######", "######", "######"};
        QTest::newRow("the hole is a region of its own")
            << QStringList{"....", ".##.", "....", "...."} << QPoint(1, 1) << 0
            << QStringList{"....", "....", "....", "...."};
        QTest::newRow("diagonals do not connect")
            << QStringList{"#.#", ".#.", "#.#"} << QPoint(1, 0) << 1 << QStringList{"###", ".#.", "#.#"};
        QTest::newRow("round a corridor, not into the walled room")
            << QStringList{".....", "####.", "#..#.", "#.##.", "####."} << QPoint(0, 0) << 1
            << QStringList{"#####", "#####", "#..##", "#.###", "#####"};
        QTest::newRow("already that colour") << QStringList{"#.", ".."} << QPoint(0, 0) << 1 << QStringList{"#.", ".."};
        QTest::newRow("outside the picture") << QStringList{"..", ".."} << QPoint(2, 0) << 1 << QStringList{"..", ".."};
        QTest::newRow("white with the white fill") << QStringList{"##", "#."} << QPoint(0, 1) << 0 << QStringList{"..", ".."};
    }
    void floodFill()
    {
        QFETCH(QStringList, before);
        QFETCH(QPoint, at);
        QFETCH(int, value);
        QFETCH(QStringList, after);
        PictureDocument document;
        load(document, before);
        const bool changed = document.floodFill(at.x(), at.y(), value);
        QCOMPARE(rowsOf(document.pixels()), after);
        QCOMPARE(changed, before != after);
        QCOMPARE(document.history().canUndo(), changed); // one step, or none
        document.undo();
        QCOMPARE(rowsOf(document.pixels()), before);
    }

    // A small fill on a large picture costs its pixels, a large one a grid; both undo.
    void fillCostsWhatItChanges()
    {
        PictureDocument document;
        document.replace(PixelGrid(160, 77), 160, 77);
        for (const auto &[x, y] : {std::pair{10, 10}, {11, 10}, {12, 10}, {10, 11}, {12, 11}, {10, 12}, {11, 12}, {12, 12}})
            document.setPixel(x, y, 1);
        document.endChange();
        const PixelGrid boxed = document.pixels();
        const std::size_t before = document.history().bytes();
        QVERIFY(document.floodFill(11, 11, 1));
        QVERIFY(document.history().bytes() - before < 160 * 77 / 10);
        QVERIFY(document.floodFill(0, 0, 1));
        QVERIFY(document.history().bytes() - before >= 160 * 77);
        QCOMPARE(rowsOf(document.pixels()), QStringList(77, QString(160, u'#')));
        document.undo();
        document.undo();
        QCOMPARE(document.pixels(), boxed);
    }

    // The fill keeps to the picture when the grid is larger (a grown screen grid).
    void floodFillStopsAtThePicture()
    {
        PixelGrid pixels(6, 3);
        QCOMPARE(PictureOps::floodFill(pixels, 4, 2, 0, 0, 1), (std::optional<PixelRect>{{0, 0, 4, 2}}));
        QCOMPARE(rowsOf(pixels), (QStringList{"####..", "####..", "......"}));
    }

    void wholePicture_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<QStringList>("after");
        // The picture is 3 x 2: "##." over "..#".
        QTest::newRow("flip horizontal") << 0 << QStringList{".##", "#.."};
        QTest::newRow("flip vertical") << 1 << QStringList{"..#", "##."};
        QTest::newRow("rotate right") << 2 << QStringList{".#", ".#", "#."};
        QTest::newRow("rotate left") << 3 << QStringList{".#", "#.", "#."};
        QTest::newRow("rotate half") << 4 << QStringList{"#..", ".##"};
        QTest::newRow("invert") << 5 << QStringList{"..#", "##."};
        QTest::newRow("shift right, wrapping") << 6 << QStringList{".##", "#.."};
        QTest::newRow("shift left and down, wrapping") << 7 << QStringList{".#.", "#.#"};
        QTest::newRow("crop the right column") << 8 << QStringList{".", "#"};
        QTest::newRow("scale by 2") << 9 << QStringList{"####..", "####..", "....##", "....##"};
    }
    void wholePicture()
    {
        QFETCH(int, operation);
        QFETCH(QStringList, after);
        const QStringList before{"##.", "..#"};
        // A grid larger than the picture: only the picture counts.
        const PixelGrid pixels = resized(gridOf(before), 3, 2, 5, 4, Anchor::TopLeft);
        PixelGrid result;
        switch (operation) {
        case 0: result = flipped(pixels, 3, 2, Axis::Horizontal); break;
        case 1: result = flipped(pixels, 3, 2, Axis::Vertical); break;
        case 2: result = rotated(pixels, 3, 2, Turn::Right); break;
        case 3: result = rotated(pixels, 3, 2, Turn::Left); break;
        case 4: result = rotated(pixels, 3, 2, Turn::Half); break;
        case 5: result = inverted(pixels, 3, 2); break;
        case 6: result = shifted(pixels, 3, 2, 1, 0); break;
        case 7: result = shifted(pixels, 3, 2, -1, 1); break;
        case 8: result = cropped(pixels, {2, 0, 1, 2}); break;
        default: result = scaled(pixels, 3, 2, 2); break;
        }
        QCOMPARE(rowsOf(result), after);

        // As a command of the document: one step, undone to the picture and size before.
        PictureDocument document;
        load(document, before);
        document.transform(result, result.width(), result.height());
        QCOMPARE(rowsOf(document.pixels(), document.width(), document.height()), after);
        document.undo();
        QCOMPARE(rowsOf(document.pixels(), document.width(), document.height()), before);
        QVERIFY(!document.history().canUndo());
        document.redo();
        QCOMPARE(rowsOf(document.pixels(), document.width(), document.height()), after);
    }

    // A 2 x 2 picture ("#." over ".#") on a 4 x 3 canvas at each anchor, and cut to 1 x 1.
    void canvasSize_data()
    {
        QTest::addColumn<Anchor>("anchor");
        QTest::addColumn<QStringList>("larger");
        QTest::addColumn<QString>("smaller");
        QTest::newRow("top left") << Anchor::TopLeft << QStringList{"#...", ".#..", "...."} << "#";
        QTest::newRow("top") << Anchor::Top << QStringList{".#..", "..#.", "...."} << "#";
        QTest::newRow("top right") << Anchor::TopRight << QStringList{"..#.", "...#", "...."} << ".";
        QTest::newRow("left") << Anchor::Left << QStringList{"#...", ".#..", "...."} << "#";
        QTest::newRow("centre") << Anchor::Centre << QStringList{".#..", "..#.", "...."} << "#";
        QTest::newRow("right") << Anchor::Right << QStringList{"..#.", "...#", "...."} << ".";
        QTest::newRow("bottom left") << Anchor::BottomLeft << QStringList{"....", "#...", ".#.."} << ".";
        QTest::newRow("bottom") << Anchor::Bottom << QStringList{"....", ".#..", "..#."} << ".";
        QTest::newRow("bottom right") << Anchor::BottomRight << QStringList{"....", "..#.", "...#"} << "#";
    }
    void canvasSize()
    {
        QFETCH(Anchor, anchor);
        QFETCH(QStringList, larger);
        QFETCH(QString, smaller);
        const PixelGrid picture = gridOf({"#.", ".#"});
        QCOMPARE(rowsOf(resized(picture, 2, 2, 4, 3, anchor)), larger);
        QCOMPARE(rowsOf(resized(picture, 2, 2, 1, 1, anchor)), QStringList{smaller});
    }

    // A floating selection landing: opaque it brings its white too, transparent only its
    // black; cut at the picture's edges; one step.
    void paste_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("transparent");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("opaque") << QPoint(1, 0) << false << QStringList{"#.#.", "#..#", "####"};
        QTest::newRow("transparent") << QPoint(1, 0) << true << QStringList{"####", "####", "####"};
        QTest::newRow("over the top-left edge") << QPoint(-1, -1) << false << QStringList{".###", "####", "####"};
        QTest::newRow("over the bottom-right edge") << QPoint(3, 2) << false << QStringList{"####", "####", "###."};
        QTest::newRow("wholly outside") << QPoint(4, 0) << false << QStringList{"####", "####", "####"};
    }
    void paste()
    {
        QFETCH(QPoint, at);
        QFETCH(bool, transparent);
        QFETCH(QStringList, after);
        PictureDocument document;
        load(document, {"####", "####", "####"});
        document.paste(gridOf({".#.", "..#"}), at.x(), at.y(), transparent);
        QCOMPARE(rowsOf(document.pixels()), after);
        document.undo();
        QCOMPARE(rowsOf(document.pixels()), (QStringList{"####", "####", "####"}));
        QVERIFY(!document.history().canUndo());
    }

    // Delete of a selection whitens it; a stroke under way before it stays a step of its own.
    void fillRectIsAStepOfItsOwn()
    {
        PictureDocument document;
        load(document, {"####", "####"});
        document.setPixel(0, 0, 0); // a stroke not yet ended
        document.fillRect({2, 0, 5, 5}, 0);
        QCOMPARE(rowsOf(document.pixels()), (QStringList{".#..", "##.."}));
        document.undo();
        QCOMPARE(rowsOf(document.pixels()), (QStringList{".###", "####"}));
        document.undo();
        QCOMPARE(rowsOf(document.pixels()), (QStringList{"####", "####"}));
    }
};

QTEST_GUILESS_MAIN(tst_PictureOps)
#include "tst_PictureOps.moc"
