#include "import/PictureImages.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QTest>

// Pictures from outside judged by their luminance, and text in 1 bit.
class tst_PictureImages : public QObject
{
    Q_OBJECT

private slots:
    void luminance_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("black");
        QTest::newRow("black") << QColor(0, 0, 0) << 1;
        QTest::newRow("white") << QColor(255, 255, 255) << 0;
        QTest::newRow("grey just below half") << QColor(127, 127, 127) << 1;
        QTest::newRow("grey at half") << QColor(128, 128, 128) << 0;
        QTest::newRow("yellow is light") << QColor(255, 255, 0) << 0;
        QTest::newRow("navy is dark") << QColor(0, 0, 128) << 1;
        QTest::newRow("pure green is light") << QColor(0, 255, 0) << 0;
        QTest::newRow("pure red is dark") << QColor(255, 0, 0) << 1;
        QTest::newRow("transparent black shows the white under it") << QColor(0, 0, 0, 0) << 0;
        QTest::newRow("black at 60 percent") << QColor(0, 0, 0, 153) << 1;
    }
    void luminance()
    {
        QFETCH(QColor, colour);
        QFETCH(int, black);
        QImage image(3, 2, QImage::Format_ARGB32);
        image.fill(colour);
        const PixelGrid pixels = luminancePixels(image);
        QCOMPARE(pixels.width(), 3);
        QCOMPARE(pixels.height(), 2);
        QCOMPARE(pixels.at(2, 1), black);
    }

    // Sharp text: the size of the line, black where the letters are, and bold wider.
    void text_data()
    {
        QTest::addColumn<int>("pixelSize");
        QTest::newRow("5 pixels") << 5;
        QTest::newRow("8 pixels") << 8;
        QTest::newRow("16 pixels") << 16;
    }
    void text()
    {
        QFETCH(int, pixelSize);
        const QString family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
        const PixelGrid regular = textPixels(QStringLiteral("Hi 89"), family, pixelSize, false);
        const PixelGrid bold = textPixels(QStringLiteral("Hi 89"), family, pixelSize, true);
        QVERIFY(regular.width() > 0 && regular.height() >= pixelSize);
        int black = 0;
        for (int y = 0; y < regular.height(); ++y)
            for (int x = 0; x < regular.width(); ++x)
                black += regular.at(x, y);
        QVERIFY(black > 0 && black < regular.width() * regular.height() / 2);
        QVERIFY(bold.width() >= regular.width());
        QCOMPARE(textPixels(QString(), family, pixelSize, false).width(), 0);
    }
};

QTEST_MAIN(tst_PictureImages)
#include "tst_PictureImages.moc"
