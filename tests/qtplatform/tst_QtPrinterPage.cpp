#include "qtplatform/QtPrinterPage.h"

#include <QFontDatabase>
#include <QImage>
#include <QTest>

// The Qt printer page on an image "printer" of 144 dots per inch: one pixel is 10 twips.
namespace {

QImage paper()
{
    QImage image(850, 1100, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = qRound(144 / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}

bool black(const QImage &image, int x, int y) { return qGray(image.pixel(x, y)) < 100; }

// The leftmost inked column in the rows [top, bottom), or -1.
int firstInkColumn(const QImage &image, int top, int bottom)
{
    for (int x = 0; x < image.width(); ++x)
        for (int y = top; y < bottom; ++y)
            if (qGray(image.pixel(x, y)) < 128)
                return x;
    return -1;
}

} // namespace

class tst_QtPrinterPage : public QObject
{
    Q_OBJECT
private slots:
    void boxesLandOnTheTwipGrid()
    {
        QImage image = paper();
        QtPrinterPage page(image);
        QVERIFY(page.DrawBox(1440, 1440, 2880, 2160, Qt::black, true));
        QVERIFY(page.SetPenWidth(5));
        QVERIFY(page.DrawBox(3000, 1000, 4000, 2000, Qt::black, false));
        QVERIFY(page.EndDocument());
        // Filled: 144..288 x 144..216 pixels.
        QVERIFY(black(image, 145, 145));
        QVERIFY(black(image, 286, 214));
        QVERIFY(!black(image, 141, 180));
        QVERIFY(!black(image, 291, 180));
        QVERIFY(!black(image, 200, 219));
        // Outline of 5 dots around 300..400 x 100..200, interior untouched.
        QVERIFY(black(image, 300, 150) && black(image, 302, 150) && black(image, 298, 150));
        QVERIFY(black(image, 350, 200));
        QVERIFY(!black(image, 350, 150));
        QVERIFY(!black(image, 294, 150));
    }

    // The device sees nothing until the document ends: a job that stops half-way prints
    // nothing at all, and a finished document takes no more drawing.
    void nothingReachesTheDeviceBeforeTheEnd()
    {
        QImage image = paper();
        {
            QtPrinterPage page(image);
            QVERIFY(page.DrawBox(0, 0, 8000, 8000, Qt::black, true));
            QVERIFY(page.PrintText(QStringLiteral("abandoned"), true));
        }
        QCOMPARE(image, paper());
        QtPrinterPage page(image);
        QVERIFY(page.DrawBox(0, 0, 100, 100, Qt::black, true));
        QVERIFY(page.EndDocument());
        QVERIFY(!page.DrawBox(0, 0, 100, 100, Qt::black, true));
        QVERIFY(!page.EndDocument());
    }

    // Text continues behind itself on the line; an ended line goes back to the left edge
    // of the drawing area, one line of the font lower.
    void textPositions()
    {
        QImage image = paper();
        QtPrinterPage page(image);
        QVERIFY(page.SetFont(QStringLiteral("Arial"), 10));
        QVERIFY(page.SetTextPos(2000, 2000));
        QVERIFY(page.PrintText(QStringLiteral("III"), false));
        QVERIFY(page.PrintText(QStringLiteral("III"), true));
        QVERIFY(page.PrintText(QStringLiteral("III"), true));
        QVERIFY(page.SetTextX(3000));
        QVERIFY(page.PrintText(QStringLiteral("III"), true));
        QVERIFY(page.EndDocument());
        // 10 points is 200 twips, 20 pixels: a line is a little over that.
        const int firstLine = firstInkColumn(image, 200, 222);
        QVERIFY2(firstLine >= 200 && firstLine <= 203, QByteArray::number(firstLine));
        QVERIFY(firstInkColumn(image, 225, 245) <= 3); // the ended line: at the left edge
        QVERIFY(firstInkColumn(image, 248, 268) >= 300); // the moved x
        // The second "III" follows the first: six strokes, not three printed over each other.
        int strokes = 0;
        bool inStroke = false;
        for (int x = 195; x < 320; ++x) {
            const bool ink = firstInkColumn(image.copy(x, 200, 1, 22), 0, 22) == 0;
            strokes += ink && !inStroke;
            inStroke = ink;
        }
        QCOMPARE(strokes, 6);
    }

    void arialHasAnInstalledFace()
    {
        if (!QFontDatabase::families().contains(QStringLiteral("Liberation Sans")))
            QSKIP("Liberation Sans (Debian package fonts-liberation2) is not installed");
        QVERIFY(QFontDatabase::families().contains(printableFace(QStringLiteral("Arial")), Qt::CaseInsensitive));
        QCOMPARE(printableFace(QStringLiteral("Liberation Serif")), QStringLiteral("Liberation Serif"));
    }
};

QTEST_MAIN(tst_QtPrinterPage)
#include "tst_QtPrinterPage.moc"
