#include "fakes/AddressSpace.h"
#include "fakes/GreyRamp.h"
#include "import/PictureImport.h"
#include "import/ScaledImport.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(Placement)
Q_DECLARE_METATYPE(Tone)

namespace {

const QSize kScreen(160, 77);

double linearOf(int value)
{
    const double v = value / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

// File > Import's result on a blank screen.
PixelGrid importedGrid(const QImage &image)
{
    PixelGrid grid(kScreen.width(), kScreen.height());
    importPicture(image, [&](int x, int y) { grid.set(x, y, 1); });
    return grid;
}

int blackCount(const PixelGrid &grid, QRect area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += grid.at(x, y);
    return count;
}

// Greys around mid grey, some translucent.
QImage edgeGreys(QSize size, bool translucent)
{
    static const int values[] = {0, 1, 126, 127, 128, 129, 254, 255};
    static const int alphas[] = {0, 1, 2, 127, 128, 129, 253, 254};
    QImage image(size, QImage::Format_ARGB32);
    QRandomGenerator random(14);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const int alpha = translucent && random.bounded(2) ? alphas[random.bounded(8)] : 255;
            const int grey = values[random.bounded(8)];
            image.setPixel(x, y, qRgba(grey, grey, grey, alpha));
        }
    }
    return image;
}

QImage photoLike(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const double u = double(x) / size.width(), v = double(y) / size.height();
            int r = int(127.5 + 127 * std::sin(6 * u + 2 * v));
            int g = int(127.5 + 127 * std::cos(4 * v - 3 * u));
            int b = (u - 0.6) * (u - 0.6) + (v - 0.4) * (v - 0.4) < 0.04 ? 20 : int(255 * v);
            image.setPixel(x, y, qRgb(r, g, b));
        }
    }
    return image;
}

} // namespace

class tst_ScaledImport : public QObject
{
    Q_OBJECT
private slots:
    // 16 bands of grey from black to white, dithered to black and white or to four levels:
    // each band's mean light, counting the levels as the calculator shows them (black 0,
    // dark grey 1/3, light grey 2/3, white 1), is its brightness in linear light.
    void ditheredRampFollowsBrightness_data()
    {
        QTest::addColumn<Tone>("tone");
        QTest::addColumn<bool>("fourLevels");
        for (const bool four : {false, true}) {
            const char *levels = four ? "4 levels" : "black and white";
            QTest::addRow("Floyd-Steinberg, %s", levels) << Tone::FloydSteinberg << four;
            QTest::addRow("Atkinson, %s", levels) << Tone::Atkinson << four;
        }
    }
    void ditheredRampFollowsBrightness()
    {
        QFETCH(Tone, tone);
        QFETCH(bool, fourLevels);
        constexpr int kBands = 16, kRows = 12, kWidth = 240;
        const QImage ramp = greyRamp(kBands, kRows, kWidth);
        ScaleSettings settings;
        settings.placement = Placement::Stretch;
        settings.tone = tone;
        const ScaleSource source(ramp, ramp.size());
        const GreyPicture grey = fourLevels ? scaledGrey(source, settings)
                                            : greyFromPlane(scaledPixels(source, settings), kWidth, ramp.height());
        for (int band = 0; band < kBands; ++band) {
            double light = 0;
            for (int y = band * kRows; y < (band + 1) * kRows; ++y)
                for (int x = 0; x < kWidth; ++x)
                    light += 1 - int(grey.level(x, y)) / 3.0;
            light /= kWidth * kRows;
            if (std::abs(light - linearOf(band * 17)) > 0.03)
                QFAIL(qPrintable(QStringLiteral("band %1 (grey %2): light %3, expected %4")
                                     .arg(band).arg(band * 17).arg(light).arg(linearOf(band * 17))));
        }
    }

    // At 1:1 on the calculator screen with the default threshold, a grey picture gives the same
    // pixels as File > Import (colours differ: the threshold sees brightness).
    void actualEqualsImport_data()
    {
        QTest::addColumn<QImage>("picture");
        QTest::newRow("smaller") << edgeGreys(QSize(101, 40), false);
        QTest::newRow("larger") << edgeGreys(QSize(230, 120), false);
        QTest::newRow("translucent") << edgeGreys(QSize(160, 77), true);
        QTest::newRow("larger translucent") << edgeGreys(QSize(170, 90), true);
        QTest::newRow("one pixel") << edgeGreys(QSize(1, 1), false);
        QImage indexed = edgeGreys(QSize(150, 80), true).convertToFormat(QImage::Format_Indexed8);
        QTest::newRow("indexed") << indexed;
    }
    void actualEqualsImport()
    {
        QFETCH(QImage, picture);
        ScaleSettings settings;
        settings.placement = Placement::Actual;
        QCOMPARE(scaledPixels(ScaleSource(picture, kScreen), settings), importedGrid(picture));
    }

    // Every channel value comes back exactly from linear light: grey k is black for a
    // threshold above k and white from k down.
    void thresholdSeesExactValues()
    {
        QImage greys(256, 1, QImage::Format_RGB32);
        for (int k = 0; k < 256; ++k)
            greys.setPixel(k, 0, qRgb(k, k, k));
        const ScaleSource source(greys, greys.size());
        ScaleSettings settings;
        settings.placement = Placement::Actual;
        for (int threshold = 0; threshold <= 256; ++threshold) {
            settings.threshold = threshold;
            const PixelGrid grid = scaledPixels(source, settings);
            for (int k = 0; k < 256; ++k) {
                if (grid.at(k, 0) != (k < threshold))
                    QFAIL(qPrintable(QStringLiteral("grey %1, threshold %2").arg(k).arg(threshold)));
            }
        }
    }

    void geometry_data()
    {
        QTest::addColumn<QSize>("fullSize");
        QTest::addColumn<QSize>("target");
        QTest::addColumn<Placement>("placement");
        QTest::addColumn<QRectF>("source");
        QTest::addColumn<QRect>("placed");
        const QSize wide(400, 100), tall(100, 400);
        QTest::newRow("wide fit") << wide << kScreen << Placement::Fit << QRectF(0, 0, 400, 100) << QRect(0, 18, 160, 40);
        QTest::newRow("wide fill") << wide << kScreen << Placement::Fill
                                   << QRectF(200 - 80 / 0.77, 0, 160 / 0.77, 100) << QRect(0, 0, 160, 77);
        QTest::newRow("wide stretch") << wide << kScreen << Placement::Stretch << QRectF(0, 0, 400, 100) << QRect(0, 0, 160, 77);
        QTest::newRow("tall fit") << tall << kScreen << Placement::Fit << QRectF(0, 0, 100, 400) << QRect(70, 0, 19, 77);
        QTest::newRow("tall fill") << tall << kScreen << Placement::Fill
                                   << QRectF(0, 200 - 77 / 3.2, 100, 77 / 1.6) << QRect(0, 0, 160, 77);
        QTest::newRow("1x1 fit") << QSize(1, 1) << kScreen << Placement::Fit << QRectF(0, 0, 1, 1) << QRect(41, 0, 77, 77);
        QTest::newRow("1x1 fill") << QSize(1, 1) << kScreen << Placement::Fill
                                  << QRectF(0, (1 - 77 / 160.0) / 2, 1, 77 / 160.0) << QRect(0, 0, 160, 77);
        QTest::newRow("1x1 stretch") << QSize(1, 1) << QSize(7, 5) << Placement::Stretch << QRectF(0, 0, 1, 1) << QRect(0, 0, 7, 5);
        QTest::newRow("3x2 fit") << QSize(3, 2) << kScreen << Placement::Fit << QRectF(0, 0, 3, 2) << QRect(22, 0, 116, 77);
        QTest::newRow("3x2 fit odd target") << QSize(3, 2) << QSize(9, 7) << Placement::Fit << QRectF(0, 0, 3, 2) << QRect(0, 0, 9, 6);
        QTest::newRow("3x2 fill odd target") << QSize(3, 2) << QSize(9, 7) << Placement::Fill
                                             << QRectF(0.5 * (3 - 2 * 9 / 7.0), 0, 2 * 9 / 7.0, 2) << QRect(0, 0, 9, 7);
        QTest::newRow("actual smaller") << QSize(100, 50) << kScreen << Placement::Actual << QRectF(0, 0, 100, 50) << QRect(30, 13, 100, 50);
        QTest::newRow("actual larger") << QSize(200, 100) << kScreen << Placement::Actual << QRectF(0, 0, 160, 77) << QRect(0, 0, 160, 77);
        QTest::newRow("actual odd target") << QSize(3, 5) << QSize(7, 9) << Placement::Actual << QRectF(0, 0, 3, 5) << QRect(2, 2, 3, 5);
        QTest::newRow("actual one side larger") << QSize(300, 20) << QSize(161, 79) << Placement::Actual
                                                << QRectF(0, 0, 161, 20) << QRect(0, 29, 161, 20);
        QTest::newRow("no picture") << QSize(0, 0) << kScreen << Placement::Fit << QRectF() << QRect();
        QTest::newRow("no target") << wide << QSize(0, 77) << Placement::Fill << QRectF() << QRect();
    }
    void geometry()
    {
        QFETCH(QSize, fullSize);
        QFETCH(QSize, target);
        QFETCH(Placement, placement);
        QFETCH(QRectF, source);
        QFETCH(QRect, placed);
        const PlacementGeometry g = placementGeometry(fullSize, target, placement);
        QCOMPARE(g.target, placed);
        if (!placed.isEmpty())
            QCOMPARE(g.source, source);
    }

    // Fine patterns scaled down by an odd ratio average to an even grey: no moire.
    void finePatternsGiveEvenGrey_data()
    {
        QTest::addColumn<int>("pattern");
        QTest::addColumn<Placement>("placement");
        QTest::newRow("checkerboard stretched") << 0 << Placement::Stretch;
        QTest::newRow("vertical lines fitted") << 1 << Placement::Fit;
        QTest::newRow("horizontal lines filled") << 2 << Placement::Fill;
    }
    void finePatternsGiveEvenGrey()
    {
        QFETCH(int, pattern);
        QFETCH(Placement, placement);
        QImage image(1003, 517, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int bit = pattern == 0 ? (x + y) % 2 : pattern == 1 ? x % 2 : y % 2;
                image.setPixel(x, y, bit ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
            }
        const PlacedPicture placed = placePicture(ScaleSource(image, kScreen), placement);
        float lowest = 1, highest = 0;
        for (std::size_t i = 0; i < placed.covered.size(); ++i) {
            if (!placed.covered[i])
                continue;
            lowest = std::min(lowest, placed.colour.green[i]);
            highest = std::max(highest, placed.colour.green[i]);
        }
        QVERIFY2(lowest > 0.47f && highest < 0.53f, qPrintable(QStringLiteral("%1..%2").arg(lowest).arg(highest)));
        // Half the light is grey 188: above the mid grey, so all white.
        ScaleSettings settings;
        settings.placement = placement;
        QCOMPARE(blackCount(tonePicture(placed, settings), QRect(QPoint(0, 0), kScreen)), 0);
    }

    // A picture read at 1/2, 1/4 or 1/8 of its size places nearly as the whole one.
    void reducedSourceNearlyEqualsFull_data()
    {
        QTest::addColumn<int>("factor");
        QTest::addColumn<Placement>("placement");
        QTest::newRow("1/2 fit") << 2 << Placement::Fit;
        QTest::newRow("1/4 fill") << 4 << Placement::Fill;
        QTest::newRow("1/8 stretch") << 8 << Placement::Stretch;
        QTest::newRow("1/8 fit") << 8 << Placement::Fit;
    }
    void reducedSourceNearlyEqualsFull()
    {
        QFETCH(int, factor);
        QFETCH(Placement, placement);
        const QImage full = photoLike(QSize(1601, 1203));
        const QSize reducedSize((full.width() + factor - 1) / factor, (full.height() + factor - 1) / factor);
        const QImage reduced = full.scaled(reducedSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const PlacedPicture a = placePicture(ScaleSource(full, kScreen), placement);
        const PlacedPicture b = placePicture(ScaleSource(reduced, full, full.size(), kScreen), placement);
        QCOMPARE(a.covered, b.covered);
        double difference = 0;
        for (std::size_t i = 0; i < a.covered.size(); ++i)
            difference += std::abs(a.colour.red[i] - b.colour.red[i]) + std::abs(a.colour.blue[i] - b.colour.blue[i]);
        QVERIFY2(difference / a.covered.size() < 0.02, qPrintable(QString::number(difference / a.covered.size())));
        ScaleSettings settings;
        settings.placement = placement;
        const PixelGrid ta = tonePicture(a, settings), tb = tonePicture(b, settings);
        int differing = 0;
        for (int y = 0; y < ta.height(); ++y)
            for (int x = 0; x < ta.width(); ++x)
                differing += ta.at(x, y) != tb.at(x, y);
        QVERIFY2(differing < ta.width() * ta.height() / 50, qPrintable(QString::number(differing)));
    }

    // Tone settings on a picture that leaves white bars (a wide picture, fitted): what
    // changes is inside the picture only.
    void toneSettings_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<Tone>("tone");
        QTest::addColumn<bool>("invert");
        QTest::addColumn<int>("brightness");
        QTest::addColumn<int>("contrast");
        QTest::addColumn<bool>("black"); // the picture's pixels; the bars are always white
        QTest::newRow("white") << QColor(Qt::white) << Tone::Threshold << false << 0 << 0 << false;
        QTest::newRow("white inverted") << QColor(Qt::white) << Tone::Threshold << true << 0 << 0 << true;
        QTest::newRow("white dithered inverted") << QColor(Qt::white) << Tone::FloydSteinberg << true << 0 << 0 << true;
        QTest::newRow("black, Atkinson") << QColor(Qt::black) << Tone::Atkinson << false << 0 << 0 << true;
        QTest::newRow("transparent is white") << QColor(0, 0, 0, 0) << Tone::Threshold << false << 0 << 0 << false;
        QTest::newRow("transparent dithered") << QColor(0, 0, 0, 0) << Tone::FloydSteinberg << false << 0 << 0 << false;
        QTest::newRow("grey brightened") << QColor(120, 120, 120) << Tone::Threshold << false << 10 << 0 << false;
        QTest::newRow("grey darkened") << QColor(130, 130, 130) << Tone::Threshold << false << -10 << 0 << true;
        QTest::newRow("dark grey, no contrast") << QColor(40, 40, 40) << Tone::Threshold << false << 0 << -100 << false;
        QTest::newRow("light grey, contrast") << QColor(125, 125, 125) << Tone::Threshold << false << 0 << 100 << true;
        QTest::newRow("white darkened fully") << QColor(Qt::white) << Tone::FloydSteinberg << false << -100 << 0 << true;
    }
    void toneSettings()
    {
        QFETCH(QColor, colour);
        QFETCH(Tone, tone);
        QFETCH(bool, invert);
        QFETCH(int, brightness);
        QFETCH(int, contrast);
        QFETCH(bool, black);
        QImage image(400, 100, QImage::Format_ARGB32);
        image.fill(colour);
        ScaleSettings settings{Placement::Fit, tone, 128, invert, brightness, contrast};
        const PixelGrid grid = scaledPixels(ScaleSource(image, kScreen), settings);
        const QRect picture(0, 18, 160, 40);
        QCOMPARE(blackCount(grid, picture), black ? 160 * 40 : 0);
        QCOMPARE(blackCount(grid, QRect(QPoint(0, 0), kScreen)), blackCount(grid, picture));
    }

    // A slender picture within the loader's limit (12 million pixels, 6 wide or 6 high) is
    // placed without an intermediate picture of the screen's width by its whole height, which
    // would take 4 GB: the placements work within 1 GB more than the test already uses.
    void slenderPictures_data()
    {
        QTest::addColumn<bool>("tall");
        QTest::addColumn<Placement>("placement");
        for (const bool tall : {true, false}) {
            const char *shape = tall ? "6 x 2000000" : "2000000 x 6";
            QTest::addRow("%s stretched", shape) << tall << Placement::Stretch;
            QTest::addRow("%s filling", shape) << tall << Placement::Fill;
            QTest::addRow("%s fitted", shape) << tall << Placement::Fit;
        }
    }
    void slenderPictures()
    {
        QFETCH(bool, tall);
        QFETCH(Placement, placement);
        const int length = 2000000;
        // Black in the first half of its length, white in the second.
        QImage image(tall ? 6 : length, tall ? length : 6, QImage::Format_RGB32);
        image.fill(Qt::white);
        for (int i = 0; i < length / 2; ++i) {
            for (int j = 0; j < 6; ++j)
                image.setPixel(tall ? j : i, tall ? i : j, qRgb(0, 0, 0));
        }
        PixelGrid grid;
        const bool fitted = withinAddressSpace(qint64(1) << 30, [&] {
            grid = scaledPixels(ScaleSource(image, kScreen), ScaleSettings{placement, Tone::Threshold});
        });
        QVERIFY2(fitted, "more than 1 GB taken");
        QCOMPARE(grid.width(), 160);
        QCOMPARE(grid.height(), 77);
        if (placement == Placement::Fit) // a sliver of the picture at most
            return;
        // Stretched, and filled from the picture's middle: the first half black.
        const QRect first = tall ? QRect(0, 0, 160, 37) : QRect(0, 0, 79, 77);
        const QRect second = tall ? QRect(0, 40, 160, 37) : QRect(81, 0, 79, 77);
        QCOMPARE(blackCount(grid, first), first.width() * first.height());
        QCOMPARE(blackCount(grid, second), 0);
    }

    // Pictures of the readers' largest size (50331648 pixels, 1 KB as a run-length-encoded
    // bitmap) in shapes far from the target's are placed with little besides the picture: no
    // copy, row or weight table as long as the picture, no copy of it converted whole.
    // Black in the first half of their length, white in the second.
    void farShapesTakeLittleMemory_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("indexed"); // else RGB32
        QTest::addColumn<Placement>("placement");
        QTest::addColumn<QSize>("target");
        const QSize wide(50331648, 1), tall(1, 50331648);
        QTest::newRow("wide, fitted") << wide << false << Placement::Fit << kScreen;
        QTest::newRow("wide, filling") << wide << false << Placement::Fill << kScreen;
        QTest::newRow("wide, stretched") << wide << false << Placement::Stretch << kScreen;
        QTest::newRow("wide, indexed, stretched") << wide << true << Placement::Stretch << kScreen;
        QTest::newRow("tall, fitted") << tall << false << Placement::Fit << kScreen;
        QTest::newRow("tall, filling") << tall << false << Placement::Fill << kScreen;
        QTest::newRow("163000 x 308 onto 32000 x 16") << QSize(163000, 308) << false << Placement::Stretch << QSize(32000, 16);
    }
    void farShapesTakeLittleMemory()
    {
        QFETCH(QSize, size);
        QFETCH(bool, indexed);
        QFETCH(Placement, placement);
        QFETCH(QSize, target);
        const bool across = size.width() >= size.height();
        QImage image(size, indexed ? QImage::Format_Indexed8 : QImage::Format_RGB32);
        if (indexed)
            image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        image.fill(indexed ? 1u : 0xffffffffu);
        for (int y = 0; y < (across ? size.height() : size.height() / 2); ++y) {
            uchar *line = image.scanLine(y);
            const int black = across ? size.width() / 2 : size.width();
            if (indexed)
                std::fill(line, line + black, uchar(0));
            else
                std::fill(reinterpret_cast<QRgb *>(line), reinterpret_cast<QRgb *>(line) + black, qRgb(0, 0, 0));
        }
        PixelGrid grid;
        QVERIFY2(withinAddressSpace(128 << 20, [&] { grid = scaledPixels(ScaleSource(image, target), {placement}); }),
                 "more than 128 MB taken");
        const QRect placed = placementGeometry(size, target, placement).target;
        for (int y = 0; y < target.height(); ++y)
            for (int x = 0; x < target.width(); ++x) {
                const double along = across ? (x - placed.x() + 0.5) / placed.width() : (y - placed.y() + 0.5) / placed.height();
                if (placed.contains(x, y) && std::abs(along - 0.5) < 0.02)
                    continue; // where black meets white
                if (grid.at(x, y) != (placed.contains(x, y) && along < 0.5))
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            }
    }

    // A picture reduced along each axis on its own fills the target from its middle, as that
    // middle alone stretches onto it: 24000 x 200 pixels, which one factor would leave whole.
    void farShapeFillsFromItsMiddle()
    {
        QImage image(24000, 200, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb(x % 1000 / 4, y, 255 - y));
        const QRectF middle = placementGeometry(image.size(), kScreen, Placement::Fill).source;
        const PlacedPicture filled = placePicture(ScaleSource(image, kScreen), Placement::Fill);
        const QImage part = image.copy(middle.toAlignedRect());
        const PlacedPicture stretched = placePicture(ScaleSource(part, kScreen), Placement::Stretch);
        double difference = 0;
        for (std::size_t i = 0; i < filled.covered.size(); ++i)
            difference += std::abs(filled.colour.red[i] - stretched.colour.red[i])
                          + std::abs(filled.colour.green[i] - stretched.colour.green[i]);
        QVERIFY2(difference / filled.covered.size() < 0.01, qPrintable(QString::number(difference / filled.covered.size())));
    }

    // Nothing to place: a null picture, or an empty target.
    void nothingToPlace()
    {
        QCOMPARE(scaledPixels(ScaleSource(QImage(), kScreen), ScaleSettings{}), PixelGrid(160, 77));
        QImage black(10, 10, QImage::Format_RGB32);
        black.fill(Qt::black);
        QCOMPARE(scaledPixels(ScaleSource(black, QSize(0, 0)), ScaleSettings{}), PixelGrid());
        // A source without its 1:1 part still scales, and places nothing at 1:1.
        const ScaleSource scaledOnly(black, QImage(), QSize(100, 100), kScreen);
        ScaleSettings settings;
        QCOMPARE(blackCount(scaledPixels(scaledOnly, settings), QRect(0, 0, 160, 77)), 77 * 77);
        settings.placement = Placement::Actual;
        QCOMPARE(scaledPixels(scaledOnly, settings), PixelGrid(160, 77));
    }
};

QTEST_GUILESS_MAIN(tst_ScaledImport)
#include "tst_ScaledImport.moc"
