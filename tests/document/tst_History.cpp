#include "document/PictureDocument.h"

#include <QTest>

namespace {
using Pixel = std::pair<int, int>;

// A change that sets the given pixels to `value` the way the tools do.
void paint(PictureDocument &document, std::initializer_list<Pixel> pixels, int value = 1)
{
    for (const auto &[x, y] : pixels)
        document.setPixel(x, y, value);
    document.endChange();
}

PixelGrid gridWith(int width, int height, std::initializer_list<Pixel> black)
{
    PixelGrid grid(width, height);
    for (const auto &[x, y] : black)
        grid.set(x, y, 1);
    return grid;
}
} // namespace

// The picture's undo and redo history: steps of single pixels and blankings, the limits of
// undo and redo, and what a step costs.
class tst_History : public QObject
{
    Q_OBJECT

private slots:
    void pixelStepsUndoAndRedoInOrder()
    {
        PictureDocument document;
        paint(document, {{1, 1}, {2, 1}});
        paint(document, {{2, 1}, {3, 1}}, 0); // erases (2, 1); (3, 1) was white already
        QCOMPARE(document.pixels(), gridWith(160, 77, {{1, 1}}));

        Revision revision = document.undo();
        QCOMPARE(revision.kind, Revision::Kind::Pixels);
        QCOMPARE(revision.pixels.size(), std::size_t(1)); // only what changed
        QCOMPARE(document.pixels(), gridWith(160, 77, {{1, 1}, {2, 1}}));
        document.undo();
        QCOMPARE(document.pixels(), PixelGrid(160, 77));
        QVERIFY(!document.history().canUndo());
        QVERIFY(document.history().canRedo());

        document.redo();
        document.redo();
        QCOMPARE(document.pixels(), gridWith(160, 77, {{1, 1}}));
        QVERIFY(!document.history().canRedo());
    }

    void undoPastTheStartAndRedoPastTheEndDoNothing()
    {
        PictureDocument document;
        QCOMPARE(document.undo().kind, Revision::Kind::Nothing);
        paint(document, {{5, 5}});
        document.undo();
        QCOMPARE(document.undo().kind, Revision::Kind::Nothing);
        QCOMPARE(document.pixels(), PixelGrid(160, 77));
        document.redo();
        QCOMPARE(document.redo().kind, Revision::Kind::Nothing);
        QCOMPARE(document.pixels(), gridWith(160, 77, {{5, 5}}));
    }

    void aNewChangeDropsWhatCouldBeRedone()
    {
        PictureDocument document;
        paint(document, {{1, 1}});
        paint(document, {{2, 2}});
        document.undo();
        paint(document, {{3, 3}});
        QVERIFY(!document.history().canRedo());
        QCOMPARE(document.redo().kind, Revision::Kind::Nothing);
        document.undo();
        QCOMPARE(document.pixels(), gridWith(160, 77, {{1, 1}}));
    }

    // A change that sets nothing new is no step, and leaves the redo alone.
    void aChangeOfNothingIsNoStep()
    {
        PictureDocument document;
        paint(document, {{1, 1}});
        document.undo();
        paint(document, {{4, 4}}, 0);
        QVERIFY(!document.history().canUndo());
        QVERIFY(document.history().canRedo());
    }

    // ClrDraw (same size) and New (another size) blank the picture; undo brings back the
    // grid as it was, larger than the picture too, and the size; redo blanks it again.
    void blankings_data()
    {
        QTest::addColumn<QSize>("gridBefore");
        QTest::addColumn<QSize>("sizeBefore");
        QTest::addColumn<QSize>("sizeAfter");
        QTest::newRow("ClrDraw") << QSize(160, 77) << QSize(160, 77) << QSize(160, 77);
        QTest::newRow("New, smaller") << QSize(160, 77) << QSize(160, 77) << QSize(20, 10);
        QTest::newRow("ClrDraw of a grown grid") << QSize(160, 77) << QSize(100, 50) << QSize(100, 50);
        QTest::newRow("New after a wide file") << QSize(4000, 100) << QSize(4000, 100) << QSize(160, 77);
    }
    void blankings()
    {
        QFETCH(QSize, gridBefore);
        QFETCH(QSize, sizeBefore);
        QFETCH(QSize, sizeAfter);
        PictureDocument document;
        document.replace(gridWith(gridBefore.width(), gridBefore.height(), {{0, 0}, {99, 49}}), sizeBefore.width(),
                         sizeBefore.height());
        const PixelGrid before = document.pixels();
        paint(document, {{7, 7}});
        document.blank(sizeAfter.width(), sizeAfter.height(), PictureDocument::Blanking::New);
        QCOMPARE(document.pixels(), PixelGrid(sizeAfter.width(), sizeAfter.height()));

        QCOMPARE(document.undo().kind, Revision::Kind::WholePicture);
        QCOMPARE(QSize(document.width(), document.height()), sizeBefore);
        QCOMPARE(document.pixels().at(7, 7), 1);
        document.undo();
        QCOMPARE(document.pixels(), before);

        document.redo();
        QCOMPARE(document.redo().kind, Revision::Kind::WholePicture);
        QCOMPARE(QSize(document.width(), document.height()), sizeAfter);
        QCOMPARE(document.pixels(), PixelGrid(sizeAfter.width(), sizeAfter.height()));
        document.undo();
        QCOMPARE(document.pixels().at(7, 7), 1);
    }

    void blankingABlankPictureIsNoStep()
    {
        PictureDocument document;
        document.blank(160, 77, PictureDocument::Blanking::ClrDraw);
        QVERIFY(!document.history().canUndo());
    }

    // A stroke costs the pixels it changed, not a copy of the picture; a blanking costs one
    // grid; a file read forgets it all.
    void stepsCostWhatTheyChange()
    {
        PictureDocument document;
        document.replace(PixelGrid(4000, 100), 4000, 100);
        for (int stroke = 0; stroke < 100; ++stroke)
            paint(document, {{stroke, 0}, {stroke, 1}});
        QVERIFY2(document.history().bytes() < 100 * 2 * 2 * sizeof(PixelChange), qPrintable(QString::number(document.history().bytes())));
        document.blank(4000, 100, PictureDocument::Blanking::ClrDraw);
        QVERIFY(document.history().bytes() < 4000 * 100 + 100 * 4 * sizeof(PixelChange));
        document.replace(PixelGrid(160, 77), 160, 77);
        QCOMPARE(document.history().bytes(), std::size_t(0));
        QVERIFY(!document.history().canUndo() && !document.history().canRedo());
    }
};

QTEST_GUILESS_MAIN(tst_History)
#include "tst_History.moc"
