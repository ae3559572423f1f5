#include "import/ScaledImport.h"

#include <QTest>

class tst_ScaledGrey : public QObject
{
    Q_OBJECT
private slots:
    // By thresholds: the nearest level in linear light; where the picture does not reach
    // (the bars of Fit) stays white, and invert swaps the ends.
    void thresholdLevels()
    {
        QImage strip(4, 1, QImage::Format_RGB32);
        const int values[] = {255, 200, 130, 20}; // linear light 1, .58, .22, .007
        for (int x = 0; x < 4; ++x)
            strip.setPixel(x, 0, qRgb(values[x], values[x], values[x]));
        ScaleSettings settings;
        settings.placement = Placement::Fit;
        const GreyPicture grey = scaledGrey(ScaleSource(strip, QSize(4, 3)), settings);
        const GreyLevel expected[] = {GreyLevel::White, GreyLevel::LightGrey, GreyLevel::DarkGrey, GreyLevel::Black};
        for (int x = 0; x < 4; ++x) {
            QCOMPARE(grey.level(x, 0), GreyLevel::White);
            QCOMPARE(grey.level(x, 1), expected[x]);
            QCOMPARE(grey.level(x, 2), GreyLevel::White);
        }
        settings.invert = true;
        const GreyPicture inverted = scaledGrey(ScaleSource(strip, QSize(4, 3)), settings);
        QCOMPARE(inverted.level(0, 1), GreyLevel::Black);
        QCOMPARE(inverted.level(3, 1), GreyLevel::White);
        QCOMPARE(inverted.level(0, 0), GreyLevel::White);
    }
};

QTEST_GUILESS_MAIN(tst_ScaledGrey)
#include "tst_ScaledGrey.moc"
