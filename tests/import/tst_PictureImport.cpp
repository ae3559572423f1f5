#include "fakes/AddressSpace.h"
#include "import/PictureImport.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QTest>

namespace {

QList<QPoint> imported(const QImage &image)
{
    QList<QPoint> points;
    importPicture(image, [&](int x, int y) { points.append(QPoint(x, y)); });
    return points;
}

QImage filled(int width, int height, QColor colour,
              QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, format);
    image.fill(colour);
    return image;
}

// The smallest rectangle holding all points; also checks it is completely filled.
QRect filledBounds(const QList<QPoint> &points)
{
    QRect bounds;
    for (const QPoint &p : points)
        bounds |= QRect(p, QSize(1, 1));
    return bounds.width() * bounds.height() == points.size() ? bounds : QRect();
}

} // namespace

class tst_PictureImport : public QObject
{
    Q_OBJECT
private slots:
    // An all-black picture of each size lands on these screen pixels.
    void placement_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("screen");
        QTest::newRow("full screen") << QSize(160, 77) << QRect(0, 0, 160, 77);
        QTest::newRow("larger is cut right and bottom") << QSize(161, 78) << QRect(0, 0, 160, 77);
        QTest::newRow("much larger") << QSize(640, 480) << QRect(0, 0, 160, 77);
        QTest::newRow("smaller is centred") << QSize(100, 50) << QRect(30, 13, 100, 50);
        QTest::newRow("159 wide") << QSize(159, 10) << QRect(1, 33, 159, 10);
        QTest::newRow("77 rows") << QSize(10, 77) << QRect(75, 0, 10, 77);
        QTest::newRow("76 rows") << QSize(10, 76) << QRect(75, 0, 10, 76);
        QTest::newRow("odd sizes") << QSize(3, 5) << QRect(79, 36, 3, 5);
        QTest::newRow("one pixel") << QSize(1, 1) << QRect(80, 38, 1, 1);
    }
    void placement()
    {
        QFETCH(QSize, size);
        QFETCH(QRect, screen);
        const QList<QPoint> points = imported(filled(size.width(), size.height(), Qt::black));
        QCOMPARE(filledBounds(points), screen);
    }

    // Plotting goes row by row, left to right, so the cut keeps the top-left part.
    void largerPictureKeepsItsTopLeft()
    {
        QImage image = filled(200, 100, Qt::white);
        image.setPixel(0, 0, qRgb(0, 0, 0));
        image.setPixel(159, 76, qRgb(0, 0, 0));
        image.setPixel(160, 0, qRgb(0, 0, 0));
        image.setPixel(0, 77, qRgb(0, 0, 0));
        image.setPixel(5, 2, qRgb(0, 0, 0));
        QCOMPARE(imported(image), (QList<QPoint>{{0, 0}, {5, 2}, {159, 76}}));
    }

    // The packed colour decides, blue first: not a brightness.
    void threshold_data()
    {
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<bool>("dark");
        QTest::newRow("grey 127") << qRgb(127, 127, 127) << true;
        QTest::newRow("grey 128") << qRgb(128, 128, 128) << false;
        QTest::newRow("just below mid grey") << qRgb(127, 128, 128) << true;
        QTest::newRow("very light yellow") << qRgb(255, 255, 127) << true;
        QTest::newRow("red") << qRgb(255, 0, 0) << true;
        QTest::newRow("yellow") << qRgb(255, 255, 0) << true;
        QTest::newRow("blue") << qRgb(0, 0, 255) << false;
        QTest::newRow("light cyan") << qRgb(127, 255, 255) << false;
        QTest::newRow("white") << qRgb(255, 255, 255) << false;
        QTest::newRow("transparent black is white") << qRgba(0, 0, 0, 0) << false;
        QTest::newRow("opaque black") << qRgba(0, 0, 0, 255) << true;
        QTest::newRow("half-transparent black is mid grey") << qRgba(0, 0, 0, 128) << true;
        QTest::newRow("faint black is light") << qRgba(0, 0, 0, 100) << false;
    }
    void threshold()
    {
        QFETCH(QRgb, colour);
        QFETCH(bool, dark);
        QCOMPARE(isDarkImportPixel(colour), dark);
        // The same through a whole picture, in a format with alpha.
        QImage image(1, 1, QImage::Format_ARGB32);
        image.setPixel(0, 0, colour);
        const QList<QPoint> expected = dark ? QList<QPoint>{{80, 38}} : QList<QPoint>{};
        QCOMPARE(imported(image), expected);
    }

    void indexedAndMonochromePictures()
    {
        QImage mono(8, 2, QImage::Format_Mono);
        mono.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
        mono.fill(0);
        mono.setPixel(3, 1, 1);
        QCOMPARE(imported(mono), (QList<QPoint>{{79, 38}}));
    }

    // Only the part placed is converted: a picture of the readers' largest size, 48 MB as
    // it is, would take 192 MB more converted whole.
    void hugePictureConvertsOnlyThePlacedPart()
    {
        QImage line(50331648, 1, QImage::Format_Indexed8);
        line.setColorTable({qRgb(0, 0, 0)});
        line.fill(0);
        QList<QPoint> points;
        QVERIFY2(withinAddressSpace(16 << 20, [&] { points = imported(line); }), "more than 16 MB taken");
        QCOMPARE(filledBounds(points), QRect(0, 38, 160, 1));
    }

    void emptyPictureImportsNothing()
    {
        QVERIFY(imported(QImage()).isEmpty());
        QVERIFY(imported(filled(0, 0, Qt::black)).isEmpty());
    }

    void question()
    {
        QCOMPARE(importQuestion(QStringLiteral("/home/u/pics/a b.bmp")),
                 QStringLiteral("/home/u/pics/a b.bmp\n\r\n\r     ...this picture?"));
    }
};

QTEST_GUILESS_MAIN(tst_PictureImport)
#include "tst_PictureImport.moc"
