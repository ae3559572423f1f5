#include "calc/ByteConversions.h"
#include "document/Picture89i.h"
#include "fakes/ConvertRun.h"
#include "fakes/FullDisk.h"
#include "fakes/PictureFixtures.h"
#include "fakes/TestFiles.h"
#include "import/PictureImport.h"
#include "import/ScaledImport.h"
#include "qtplatform/QtPictureLoader.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray png(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    return imageFile(image);
}

using Points = QList<QPoint>;

// A picture with translucent parts: a dark disc fading out on transparency.
QByteArray translucentPng()
{
    QImage image(300, 220, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = std::max(0, 255 - int(std::hypot(x - 150, y - 110) * 2));
            image.setPixel(x, y, qRgba(x % 256, 40, y % 256, alpha));
        }
    return imageFile(image);
}

// A grey JPEG beyond the loader's limit for decoded pixels (8400 x 6000, 50.4 megapixels),
// made once: shading with sharp edges, like a photo.
const QByteArray &largeJpeg()
{
    static const QByteArray bytes = [] {
        QImage image(8400, 6000, QImage::Format_Grayscale8);
        for (int y = 0; y < image.height(); ++y) {
            uchar *line = image.scanLine(y);
            for (int x = 0; x < image.width(); ++x)
                line[x] = uchar((x / 7 + y / 5) % 256 / ((x / 300 + y / 200) % 2 + 1));
        }
        return imageFile(image, "JPEG", 80);
    }();
    return bytes;
}

// A JPEG whose frame header claims width x height (its pixels do not matter: only the
// header is read before the picture is refused).
QByteArray jpegClaiming(int width, int height)
{
    QByteArray bytes = photoFile(16, 16);
    const qsizetype frame = bytes.indexOf("\xff\xc0");
    bytes[frame + 5] = char(height >> 8);
    bytes[frame + 6] = char(height);
    bytes[frame + 7] = char(width >> 8);
    bytes[frame + 8] = char(width);
    return bytes;
}

// A two-colour picture: the left half `left`, the right half `right`.
QByteArray halves(QRgb left, QRgb right)
{
    QImage image(8, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            image.setPixel(x, y, x < 4 ? left : right);
    return imageFile(image);
}

} // namespace

Q_DECLARE_METATYPE(ScaleSettings)

// The dotlark-convert program, run as the user runs it.
class tst_ConvertTool : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    using Run = ToolRun;
    static Run run(const QStringList &arguments, const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
    {
        return runConvert(arguments, environment, 30000);
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    // The picture file in the test folder, decoded.
    DecodeResult decoded(const QString &name) const { return decode89i(asBytes(readFile(path(name)))); }

    // A 10 x 3 picture with its corners (0, 0) and (9, 2) black.
    QString writeSample(const QString &name)
    {
        if (!writeFile(path(name), pictureFile(10, 3, {{0, 0}, {9, 2}}, {.folder = "fold", .comment = "hello"})))
            qFatal("cannot write %s", qPrintable(path(name)));
        return path(name);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QVERIFY2(QFile::exists(DOTLARK_BINARY_DIR "/app/convert/dotlark-convert"), "build dotlark-convert first");
    }

    void exportsImages_data()
    {
        QTest::addColumn<QString>("output");
        QTest::newRow("png") << "out.png";
        QTest::newRow("bmp") << "out.BMP";
    }
    void exportsImages()
    {
        QFETCH(QString, output);
        const Run r = run({writeSample("in.89i"), path(output)});
        QCOMPARE(r.exitCode, 0);
        const QImage image(path(output));
        QCOMPARE(image.size(), QSize(10, 3));
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 10; ++x) {
                const bool black = (x == 0 && y == 0) || (x == 9 && y == 2);
                QCOMPARE(image.pixel(x, y), black ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
            }
    }

    // The picture operations on export and rewrite, in their order, and refused values.
    void pictureOperations_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QByteArray>("pbm"); // empty: refused as wrong usage
        // The picture is 3 x 2: "#.." over "..#".
        QTest::newRow("flip h") << QStringList{"--flip", "h"} << "o.pbm" << QByteArray("P1\n3 2\n0 0 1\n1 0 0\n");
        QTest::newRow("rotate 90") << QStringList{"--rotate", "90"} << "o.pbm" << QByteArray("P1\n2 3\n0 1\n0 0\n1 0\n");
        QTest::newRow("invert") << QStringList{"--invert"} << "o.pbm" << QByteArray("P1\n3 2\n0 1 1\n1 1 0\n");
        QTest::newRow("canvas, bottom right") << QStringList{"--canvas", "4x3+br"} << "o.pbm"
                                              << QByteArray("P1\n4 3\n0 0 0 0\n0 1 0 0\n0 0 0 1\n");
        QTest::newRow("canvas, then rotate 180") << QStringList{"--rotate", "180", "--canvas", "4x2"} << "o.pbm"
                                                 << QByteArray("P1\n4 2\n0 1 0 0\n0 0 0 1\n");
        QTest::newRow("scale 2") << QStringList{"--scale", "2"} << "o.pbm"
                                 << QByteArray("P1\n6 4\n1 1 0 0 0 0\n1 1 0 0 0 0\n0 0 0 0 1 1\n0 0 0 0 1 1\n");
        QTest::newRow("rewritten rotated") << QStringList{"--rotate", "270"} << "o.89i" << QByteArray("P1\n2 3\n0 1\n0 0\n1 0\n");
        QTest::newRow("flip d") << QStringList{"--flip", "d"} << "o.pbm" << QByteArray();
        QTest::newRow("rotate 45") << QStringList{"--rotate", "45"} << "o.pbm" << QByteArray();
        QTest::newRow("scale 17") << QStringList{"--scale", "17"} << "o.pbm" << QByteArray();
        QTest::newRow("canvas anchor") << QStringList{"--canvas", "4x3+middle"} << "o.pbm" << QByteArray();
        QTest::newRow("canvas too large") << QStringList{"--canvas", "40000x2"} << "o.pbm" << QByteArray();
        QTest::newRow("scale on a rewrite") << QStringList{"--scale", "2"} << "o.89i" << QByteArray();
    }
    void pictureOperations()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, output);
        QFETCH(QByteArray, pbm);
        QVERIFY(writeFile(path("in.89i"), pictureFile(3, 2, {{0, 0}, {2, 1}}, {.folder = "m", .name = "p"})));
        for (const QString &old : {output, QStringLiteral("o.pbm")})
            QFile::remove(path(old));
        const Run r = run(QStringList{path("in.89i"), path(output)} + options);
        QCOMPARE(r.exitCode, pbm.isEmpty() ? 2 : 0);
        if (pbm.isEmpty()) {
            QVERIFY(!QFileInfo::exists(path(output)));
            return;
        }
        if (output.endsWith(QStringLiteral(".89i")))
            QCOMPARE(run({path(output), path("o.pbm")}).exitCode, 0);
        QCOMPARE(readFile(path("o.pbm")), pbm);
    }

    void exportsPlainPbm()
    {
        QCOMPARE(run({writeSample("in.89i"), path("out.pbm")}).exitCode, 0);
        QCOMPARE(readFile(path("out.pbm")), QByteArray("P1\n10 3\n1 0 0 0 0 0 0 0 0 0\n0 0 0 0 0 0 0 0 0 0\n"
                                                   "0 0 0 0 0 0 0 0 0 1\n"));
        // Long rows are broken so that no line exceeds 70 characters.
        QVERIFY(writeFile(path("wide.89i"), pictureFile(80, 1, {}, {.folder = "m", .name = "p"})));
        QCOMPARE(run({path("wide.89i"), path("wide.pbm")}).exitCode, 0);
        for (const QByteArray &line : readFile(path("wide.pbm")).split('\n'))
            QVERIFY(line.size() <= 70);
    }

    // Every pixel is judged by its packed colour against mid grey; transparent is white.
    void importsImages()
    {
        const QList<QPair<QRgb, bool>> samples{
            {qRgb(127, 127, 127), true},  {qRgb(128, 128, 128), false}, {qRgb(255, 255, 127), true},
            {qRgb(255, 0, 0), true},      {qRgb(0, 0, 255), false},     {qRgb(127, 255, 255), false},
            {qRgba(0, 0, 0, 0), false},   {qRgb(0, 0, 0), true},        {qRgb(255, 255, 255), false}};
        QImage image(int(samples.size()), 2, QImage::Format_ARGB32);
        image.fill(Qt::white);
        for (int x = 0; x < samples.size(); ++x)
            image.setPixel(x, 1, samples[x].first);
        QVERIFY(image.save(path("colours.png")));
        const Run r = run({path("colours.png"), path("colours.89i")});
        QCOMPARE(r.exitCode, 0);
        const DecodeResult d = decoded("colours.89i");
        QCOMPARE(d.error, Picture89iError::None);
        QCOMPARE(d.picture.width, int(samples.size()));
        QCOMPARE(d.picture.height, 2);
        QCOMPARE(d.picture.folder, "main");
        QCOMPARE(d.picture.name, "picture");
        QCOMPARE(d.picture.comment, "made with DOTLARK");
        for (int x = 0; x < samples.size(); ++x) {
            QVERIFY(!d.picture.pixels.at(x, 0));
            QVERIFY2(bool(d.picture.pixels.at(x, 1)) == samples[x].second, qPrintable(QString::number(x)));
        }
    }

    void importTakesTexts()
    {
        QImage image(3, 3, QImage::Format_RGB32);
        image.fill(Qt::black);
        QVERIFY(image.save(path("dark.bmp")));
        const Run r = run({path("dark.bmp"), path("dark.89i"), "--folder", "graphs", "--name",
                           QStringLiteral("\u03B1beta"), "--comment", "a note"});
        QCOMPARE(r.exitCode, 0);
        const DecodeResult d = decoded("dark.89i");
        QCOMPARE(d.picture.folder, "graphs");
        QCOMPARE(d.picture.name, "\x80" "beta");
        QCOMPARE(d.picture.comment, "a note");
    }

    // --screen places the picture as File > Import does, on a blank 160 x 77 picture.
    void screenImport_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("blackCount"); // -1: not counted
        QTest::addColumn<Points>("black");
        QTest::addColumn<Points>("white");
        QTest::newRow("100 x 50, centred") << png(100, 50) << "a.png" << 100 * 50
                                           << Points{{30, 13}, {129, 13}, {30, 62}, {129, 62}}
                                           << Points{{29, 13}, {130, 62}, {30, 12}, {129, 63}};
        QTest::newRow("1 x 1") << png(1, 1) << "b.png" << 1 << Points{{80, 38}} << Points{};
        QTest::newRow("161 x 78, cut") << png(161, 78) << "c.png" << 160 * 77 << Points{{0, 0}, {159, 76}} << Points{};
        // A metafile named like a bitmap: the content decides. 96 x 48 lands at (32, 14).
        QTest::newRow("metafile") << metafile(true) << "d.bmp" << -1 << Points{{80, 38}, {58, 28}, {102, 48}}
                                  << Points{{0, 0}, {34, 16}, {53, 38}, {107, 38}, {80, 23}, {80, 53}};
    }
    void screenImport()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, fileName);
        QFETCH(int, blackCount);
        QFETCH(Points, black);
        QFETCH(Points, white);
        QVERIFY(writeFile(path(fileName), file));
        const Run r = run({path(fileName), path("screen.89i"), "--screen", "--name", "scr"});
        QCOMPARE(r.exitCode, 0);
        const DecodeResult d = decoded("screen.89i");
        QCOMPARE(d.error, Picture89iError::None);
        QCOMPARE(QSize(d.picture.width, d.picture.height), QSize(160, 77));
        QCOMPARE(d.picture.name, "scr");
        int count = 0;
        for (int y = 0; y < 77; ++y)
            for (int x = 0; x < 160; ++x)
                count += d.picture.pixels.at(x, y);
        if (blackCount >= 0)
            QCOMPARE(count, blackCount);
        for (const QPoint &p : black)
            QVERIFY2(d.picture.pixels.at(p.x(), p.y()), qPrintable(QStringLiteral("white at %1,%2").arg(p.x()).arg(p.y())));
        for (const QPoint &p : white)
            QVERIFY2(!d.picture.pixels.at(p.x(), p.y()), qPrintable(QStringLiteral("black at %1,%2").arg(p.x()).arg(p.y())));
    }

    // The scaled imports give exactly the pipeline's pixels for the same picture and settings,
    // the picture read as the converter reads it (a large JPEG reduced).
    void scaledImportMatchesThePipeline_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<ScaleSettings>("settings");
        QTest::addColumn<QSize>("size");
        const QByteArray jpeg = photoFile(2400, 1600);
        const QSize screen(160, 77);
        using P = Placement;
        using T = Tone;
        QTest::newRow("jpeg fit") << jpeg << QStringList{"--fit"} << ScaleSettings{} << screen;
        QTest::newRow("jpeg fill, dithered, odd size")
            << jpeg << QStringList{"--fill", "--dither", "fs", "--size", "99x41"}
            << ScaleSettings{P::Fill, T::FloydSteinberg, 128, false, 0, 0} << QSize(99, 41);
        QTest::newRow("jpeg stretch, Atkinson, inverted")
            << jpeg << QStringList{"--stretch", "--dither", "atkinson", "--invert"}
            << ScaleSettings{P::Stretch, T::Atkinson, 128, true, 0, 0} << screen;
        QTest::newRow("jpeg fit, threshold, brightness, contrast")
            << jpeg << QStringList{"--fit", "--threshold", "100", "--brightness", "20", "--contrast", "-30"}
            << ScaleSettings{P::Fit, T::Threshold, 100, false, 20, -30} << screen;
        QTest::newRow("translucent png fit, dithered")
            << translucentPng() << QStringList{"--fit", "--dither", "fs", "--size", "240x128"}
            << ScaleSettings{P::Fit, T::FloydSteinberg, 128, false, 0, 0} << QSize(240, 128);
        QTest::newRow("tiny png stretch") << png(3, 2) << QStringList{"--stretch", "--size", "7x5"}
                                          << ScaleSettings{P::Stretch, T::Threshold, 128, false, 0, 0} << QSize(7, 5);
        // --screen reads only the top-left part of a JPEG: still File > Import's pixels.
        QTest::newRow("jpeg screen") << jpeg << QStringList{"--screen"}
                                     << ScaleSettings{P::Actual, T::Threshold, 128, false, 0, 0} << screen;
        // Beyond the limit for decoded pixels, a JPEG is decoded reduced, or its top-left part.
        QTest::newRow("large jpeg fit") << largeJpeg() << QStringList{"--fit"} << ScaleSettings{} << screen;
        QTest::newRow("large jpeg fill, dithered")
            << largeJpeg() << QStringList{"--fill", "--dither", "fs"}
            << ScaleSettings{P::Fill, T::FloydSteinberg, 128, false, 0, 0} << screen;
        QTest::newRow("large jpeg stretch, large target")
            << largeJpeg() << QStringList{"--stretch", "--size", "240x128"}
            << ScaleSettings{P::Stretch, T::Threshold, 128, false, 0, 0} << QSize(240, 128);
        QTest::newRow("large jpeg screen") << largeJpeg() << QStringList{"--screen"}
                                           << ScaleSettings{P::Actual, T::Threshold, 128, false, 0, 0} << screen;
    }
    void scaledImportMatchesThePipeline()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, options);
        QFETCH(ScaleSettings, settings);
        QFETCH(QSize, size);
        QVERIFY(writeFile(path("scaled.in"), file));
        const Run r = run(QStringList{path("scaled.in"), path("scaled.89i")} + options);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const DecodeResult d = decoded("scaled.89i");
        QCOMPARE(d.error, Picture89iError::None);
        QCOMPARE(QSize(d.picture.width, d.picture.height), size);

        // --screen places as File > Import does, by its own colour rule.
        const bool actual = settings.placement == Placement::Actual;
        const Outcome<LoadedPicture> loaded =
            QtPictureLoader().loadFor(path("scaled.in"), actual ? LoadHint{{}, size} : LoadHint{scaleCoverSize(size), {}});
        QVERIFY(loaded);
        PixelGrid expected(size.width(), size.height());
        if (actual)
            importPicture(loaded->image, [&](int x, int y) { expected.set(x, y, 1); });
        else
            expected = scaledPixels(ScaleSource(loaded->image, QImage(), loaded->fullSize, size), settings);
        int black = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                black += expected.at(x, y);
                if (d.picture.pixels.at(x, y) != expected.at(x, y))
                    QFAIL(qPrintable(QStringLiteral("differs at %1,%2").arg(x).arg(y)));
            }
        QVERIFY(black > 0); // not an empty picture that any fault would match
    }

    // A picture beyond what is read is refused with its size and the limit; a JPEG only
    // where no reduced or partial decoding brings it within the limit.
    void refusesPicturesBeyondTheLimits_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("message");
        const QByteArray bmp = Bytes().raw({'B', 'M'}).u32(54).u32(0).u32(54).u32(40).u32(9000).u32(6000)
                                   .u16(1).u16(24).u32(0).u32(0).u32(0).u32(0).u32(0).u32(0).data;
        QTest::newRow("bitmap, fit") << bmp << QStringList{"--fit"}
                                     << "the picture is 9000 x 6000 pixels, more than the 50331648 pixels read at most";
        QTest::newRow("jpeg beyond its own limit, fit")
            << jpegClaiming(20000, 20000) << QStringList{"--fit"}
            << "the picture is 20000 x 20000 pixels, more than the 268435456 pixels read at most";
        QTest::newRow("large jpeg read whole") << largeJpeg() << QStringList{}
                                               << "the picture is 8400 x 6000 pixels, more than the 50331648 pixels read at most";
    }
    void refusesPicturesBeyondTheLimits()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, options);
        QFETCH(QString, message);
        QVERIFY(writeFile(path("limit.in"), file));
        QFile::remove(path("limit.89i"));
        const Run r = run(QStringList{path("limit.in"), path("limit.89i")} + options);
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(!QFile::exists(path("limit.89i")));
    }

    // Import Scaled's threshold sees a colour's brightness; --screen keeps File > Import's
    // packed-colour rule (blue decides first).
    void thresholdSeesBrightness_data()
    {
        QTest::addColumn<QRgb>("left");
        QTest::addColumn<QRgb>("right");
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("leftBlack");
        QTest::addColumn<bool>("rightBlack");
        const QRgb yellow = qRgb(255, 255, 0), navy = qRgb(0, 0, 128);
        QTest::newRow("yellow, navy") << yellow << navy << "--fit" << false << true;
        QTest::newRow("green, blue") << qRgb(0, 255, 0) << qRgb(0, 0, 255) << "--stretch" << false << true;
        QTest::newRow("light yellow, light cyan") << qRgb(255, 255, 127) << qRgb(127, 255, 255) << "--fill" << false << false;
        QTest::newRow("greys 127, 128") << qRgb(127, 127, 127) << qRgb(128, 128, 128) << "--fit" << true << false;
        QTest::newRow("screen: yellow, blue") << yellow << qRgb(0, 0, 255) << "--screen" << true << false;
    }
    void thresholdSeesBrightness()
    {
        QFETCH(QRgb, left);
        QFETCH(QRgb, right);
        QFETCH(QString, option);
        QFETCH(bool, leftBlack);
        QFETCH(bool, rightBlack);
        QVERIFY(writeFile(path("yb.png"), halves(left, right)));
        const QStringList size = option == "--screen" ? QStringList{} : QStringList{"--size", "8x4"};
        const Run r = run(QStringList{path("yb.png"), path("yb.89i"), option} + size);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const DecodeResult d = decoded("yb.89i");
        const QPoint at = option == "--screen" ? QPoint(76, 36) : QPoint(0, 0); // the picture's corner
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 8; ++x)
                QCOMPARE(d.picture.pixels.at(at.x() + x, at.y() + y) != 0, x < 4 ? leftBlack : rightBlack);
    }

    // A JPEG that ends before its picture does is imported as far as it goes, with a note
    // that it is damaged; a whole one, also with bytes after its end, gets no note.
    void damagedJpeg_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("damaged");
        const QByteArray jpeg = photoFile(320, 200);
        const QByteArray cut = jpeg.left(jpeg.size() / 2);
        // An embedded thumbnail ends with its own end marker, inside a segment of the file.
        const QByteArray thumbnail = QByteArray("\xff\xd8\xff\xe1") + char(0) + char(12)
                                     + QByteArray("Exif\0\0\xff\xd8\xff\xd9", 10) + jpeg.mid(2);
        QTest::newRow("whole, fit") << jpeg << "--fit" << false;
        QTest::newRow("trailing bytes, fit") << jpeg + QByteArray(100, 'x') << "--fit" << false;
        QTest::newRow("cut, fit") << cut << "--fit" << true;
        QTest::newRow("cut, screen") << cut << "--screen" << true;
        QTest::newRow("cut after a thumbnail, stretch") << thumbnail.left(thumbnail.size() - 300) << "--stretch" << true;
        QTest::newRow("whole after a thumbnail, stretch") << thumbnail << "--stretch" << false;
    }
    void damagedJpeg()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, option);
        QFETCH(bool, damaged);
        QVERIFY(writeFile(path("cut.jpg"), file));
        const Run r = run({path("cut.jpg"), path("cut.89i"), option});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QCOMPARE(decoded("cut.89i").error, Picture89iError::None);
        const QString note = QStringLiteral("dotlark-convert: note: %1 is damaged: it ends before its picture does; "
                                            "the part that could be read is imported")
                                 .arg(path("cut.jpg"));
        QCOMPARE(r.err.contains(note), damaged);
    }

    // A scaled import's option out of range is a usage error naming the option, and
    // nothing is written.
    void scaledOptionErrors_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("named");
        QTest::newRow("threshold above") << QStringList{"--fit", "--threshold", "257"} << "--threshold";
        QTest::newRow("threshold not a number") << QStringList{"--fill", "--threshold", "mid"} << "--threshold";
        QTest::newRow("brightness above") << QStringList{"--fit", "--brightness", "101"} << "--brightness";
        QTest::newRow("contrast below") << QStringList{"--stretch", "--contrast", "-101"} << "--contrast";
        QTest::newRow("unknown dither") << QStringList{"--fit", "--dither", "ordered"} << "--dither";
        QTest::newRow("size without height") << QStringList{"--fit", "--size", "160"} << "--size";
        QTest::newRow("size zero") << QStringList{"--fit", "--size", "0x77"} << "--size";
        QTest::newRow("size negative") << QStringList{"--fit", "--size", "-5x77"} << "--size";
        QTest::newRow("size too large") << QStringList{"--fit", "--size", "99999x99999"} << "--size";
        QTest::newRow("two placements") << QStringList{"--fit", "--stretch"} << "--stretch";
        QTest::newRow("with --screen") << QStringList{"--screen", "--fill"} << "--fill";
        QTest::newRow("tone option without placement") << QStringList{"--dither", "fs"} << "--dither";
    }
    void scaledOptionErrors()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, named);
        QVERIFY(writeFile(path("any.png"), png(20, 10)));
        const Run r = run(QStringList{path("any.png"), path("p.89i")} + options);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(named), qPrintable(r.err));
        QVERIFY(!QFile::exists(path("p.89i")));
    }

    // The print runs headless even where no display and no Qt platform are set.
    void printsPdf_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("bareEnvironment");
        QTest::newRow("defaults") << QStringList{} << false;
        QTest::newRow("all options") << QStringList{"--top", "0", "--left", "0.5", "--width", "7.5", "--fileinfo", "--comment"}
                                     << false;
        QTest::newRow("no display") << QStringList{"--fileinfo"} << true;
    }
    void printsPdf()
    {
        QFETCH(QStringList, options);
        QFETCH(bool, bareEnvironment);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (bareEnvironment)
            for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
                environment.remove(name);
        QFile::remove(path("page.pdf"));
        const Run r = run(QStringList{"--print-pdf", path("page.pdf"), writeSample("in.89i")} + options, environment);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY(readFile(path("page.pdf")).startsWith("%PDF"));
    }

    // A picture one pixel wide has no pitch to print with: refused, and no PDF appears.
    void onePixelWideIsNotPrinted()
    {
        QVERIFY(writeFile(path("thin.89i"), pictureFile(1, 5, {}, {.name = "thin"})));
        const Run r = run({"--print-pdf", path("thin.pdf"), path("thin.89i")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("thin.89i"), qPrintable(r.err));
        QVERIFY(!QFile::exists(path("thin.pdf")));
        QVERIFY(QDir(dir.path()).entryList({"thin.pdf*"}).isEmpty());
    }

    // The rewrite puts lengths and checksum right and keeps everything else.
    void rewrites()
    {
        QByteArray broken = readFile(writeSample("in.89i"));
        const QByteArray good = broken;
        broken[0] = 'X';
        broken[77] = 0x7F;
        broken[broken.size() - 1] = 0;
        QVERIFY(writeFile(path("broken.89i"), broken));
        QCOMPARE(run({path("broken.89i"), path("fixed.89i")}).exitCode, 0);
        QCOMPARE(readFile(path("fixed.89i")), good);
        QCOMPARE(run({path("broken.89i"), path("renamed.89i"), "--name", "other"}).exitCode, 0);
        QCOMPARE(decoded("renamed.89i").picture.name, "other");
    }

    // Onto a full disk the rewrite and the PDF page fail with the reason, and the file that
    // was there before keeps every byte.
    void fullDiskKeepsTheOldOutput_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("rewrite") << "out.89i" << QStringList{path("in.89i"), "OUT"};
        QTest::newRow("--print-pdf") << "out.pdf" << QStringList{"--print-pdf", "OUT", path("in.89i")};
    }
    void fullDiskKeepsTheOldOutput()
    {
        QFETCH(QString, output);
        QFETCH(QStringList, arguments);
        FullDisk disk(16);
        REQUIRE_FULL_DISK(disk);
        writeSample("in.89i");
        const QByteArray old(3000, 'o');
        QVERIFY(disk.put(output, old));
        disk.fill();
        arguments.replaceInStrings(QStringLiteral("OUT"), disk.path(output));
        const Run r = run(arguments);
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(disk.path(output) + QStringLiteral(": cannot be written: No space left on device")),
                 qPrintable(r.err));
        QCOMPARE(readFile(disk.path(output)), old);
    }

    // An output that another program writes while the tool works (here: while the picture
    // reader runs, through a stand-in that writes it first) is left as that program made it,
    // whether it was there at the start or not.
    void leavesAnOutputChangedMeanwhile_data()
    {
        QTest::addColumn<bool>("existed");
        QTest::newRow("rewritten meanwhile") << true;
        QTest::newRow("made meanwhile") << false;
    }
    void leavesAnOutputChangedMeanwhile()
    {
        QFETCH(bool, existed);
        QTemporaryDir tool;
        const QString convert = tool.filePath("dotlark-convert"), reader = tool.filePath("dotlark-decode");
        QVERIFY(QFile::copy(DOTLARK_BINARY_DIR "/app/convert/dotlark-convert", convert));
        QVERIFY(writeProgram(reader, "#!/bin/sh\nprintf theirs > \"$CHANGED_OUTPUT\"\nexec " DOTLARK_BINARY_DIR
                                     "/app/convert/dotlark-decode \"$@\"\n"));
        const QString out = path(existed ? "changed.89i" : "made.89i");
        QFile::remove(out);
        if (existed)
            QVERIFY(writeFile(out, readFile(writeSample("before.89i"))));
        QVERIFY(writeFile(path("in.png"), png(8, 8)));
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("CHANGED_OUTPUT", out);
        process.setProcessEnvironment(environment);
        process.start(convert, {path("in.png"), out});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
                 "dotlark-convert: " + out + ": cannot be written: Another program changed it meanwhile; it is left as it is.\n");
        QCOMPARE(readFile(out), QByteArray("theirs"));
    }

    void describes()
    {
        QByteArray data = readFile(writeSample("in.89i"));
        data[data.size() - 2] = char(data[data.size() - 2] + 1);
        QVERIFY(writeFile(path("badsum.89i"), data));
        const Run r = run({"--info", path("badsum.89i")});
        QCOMPARE(r.exitCode, 0);
        for (const char *line : {"folder:      fold", "name:        pic", "comment:     hello", "width:       10",
                                    "height:      3", "signature:   agrees", "type byte:   agrees", "file length: agrees",
                                    "data length: agrees", "tag byte:    agrees", "checksum:    disagrees"})
            QVERIFY2(r.out.contains(line), qPrintable(line));
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("one file") << QStringList{"a.89i"};
        QTest::newRow("unknown option") << QStringList{"a.89i", "b.png", "--colour"};
        QTest::newRow("missing value") << QStringList{"a.png", "b.89i", "--name"};
        QTest::newRow("unknown output type") << QStringList{"a.89i", "b.gif"};
        QTest::newRow("names on export") << QStringList{"a.89i", "b.png", "--folder", "x"};
        QTest::newRow("info with two files") << QStringList{"--info", "a.89i", "b.89i"};
        QTest::newRow("screen with a .89i input") << QStringList{"a.89i", "b.89i", "--screen"};
        QTest::newRow("screen and info") << QStringList{"--screen", "--info", "a.89i"};
        const QStringList print{"--print-pdf", path("p.pdf"), writeSample("in.89i")};
        QTest::newRow("print: not a number") << print + QStringList{"--top", "abc"};
        QTest::newRow("print: number with unit") << print + QStringList{"--width", "4in"};
        QTest::newRow("print: empty number") << print + QStringList{"--left", ""};
        QTest::newRow("print: infinite") << print + QStringList{"--top", "inf"};
        QTest::newRow("print: negative margin") << print + QStringList{"--left", "-0.1"};
        QTest::newRow("print: width below 0.1") << print + QStringList{"--width", "0.09"};
        QTest::newRow("print: comment with a text") << print + QStringList{"--comment", "x"};
        QTest::newRow("print: names") << print + QStringList{"--folder", "x"};
        QTest::newRow("print: output not .pdf") << QStringList{"--print-pdf", path("p.89i"), writeSample("in.89i")};
        QTest::newRow("print: no input") << QStringList{"--print-pdf", path("p.pdf")};
    }
    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        const Run r = run(arguments);
        QCOMPARE(r.exitCode, 2);
        QVERIFY(!r.err.isEmpty());
        QVERIFY(!QFile::exists(path("p.pdf")) && !QFile::exists(path("p.89i")));
    }

    void help()
    {
        const Run r = run({"--help"});
        QCOMPARE(r.exitCode, 0);
        for (const char *part : {"OUT.pbm", "--folder", "--name", "--comment", "--info", "8421504", "--screen", "--print-pdf",
                                 "--top", "--left", "--width", "--fileinfo", "Exit status", "--fit", "--fill",
                                 "--stretch", "--dither", "--threshold", "--invert", "--size", "--brightness", "--contrast"})
            QVERIFY2(r.out.contains(part), part);
    }

    // Refused inputs and unwritable outputs: exit 1, a message naming the file, and an
    // existing output left exactly as it was.
    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named");  // what the message must contain
        QTest::addColumn<QString>("output"); // the file that must stay untouched
        const QString sample = writeSample("in.89i");
        QImage(600, 900, QImage::Format_RGB32).save(path("huge.png"));
        QVERIFY(writeFile(path("short.89i"), readFile(sample).left(95)));
        QVERIFY(writeFile(path("notapicture.png"), "not a picture"));
        QTest::newRow("bad var name") << QStringList{path("huge.png"), path("keep.89i"), "--name", "1pic"}
                                      << "First character of Pic Var Name can't be digit." << "keep.89i";
        QTest::newRow("bad folder name") << QStringList{sample, path("keep.89i"), "--folder", "a_b"}
                                         << "in Folder Name: <_>" << "keep.89i";
        QTest::newRow("name too long") << QStringList{sample, path("keep.89i"), "--name", "abcdefghi"} << "abcdefghi" << "keep.89i";
        QTest::newRow("missing input") << QStringList{path("none.89i"), path("keep.png")} << "none.89i" << "keep.png";
        QTest::newRow("truncated input") << QStringList{path("short.89i"), path("keep.pbm")} << "short.89i" << "keep.pbm";
        QTest::newRow("unreadable image") << QStringList{path("notapicture.png"), path("keep.89i")} << "notapicture.png" << "keep.89i";
        QTest::newRow("too large") << QStringList{path("huge.png"), path("keep.89i")} << "huge.png" << "keep.89i";
        QTest::newRow("scaled, unreadable image") << QStringList{path("notapicture.png"), path("keep.89i"), "--fit"}
                                                  << "notapicture.png" << "keep.89i";
        QTest::newRow("scaled, missing image") << QStringList{path("none.png"), path("keep.89i"), "--fill"}
                                               << "none.png" << "keep.89i";
        QTest::newRow("unwritable output") << QStringList{sample, path("no/such/dir/out.89i")} << "out.89i" << "keep.89i";
        QTest::newRow("print of a truncated file") << QStringList{"--print-pdf", path("keep.pdf"), path("short.89i")}
                                                   << "short.89i" << "keep.pdf";
        QTest::newRow("print to an unwritable place") << QStringList{"--print-pdf", path("no/such/dir/out.pdf"), sample}
                                                      << "out.pdf" << "keep.pdf";
    }
    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, output);
        QVERIFY(writeFile(path(output), "previous content"));
        const Run r = run(arguments);
        QCOMPARE(r.exitCode, 1);
        QFETCH(QString, named);
        QVERIFY2(r.err.contains(named), qPrintable(r.err));
        QCOMPARE(readFile(path(output)), QByteArray("previous content"));
        QVERIFY(QDir(dir.path()).entryList({"*.89i.*", "*.png.*", "*.pbm.*", "*.pdf.*"}).isEmpty());
    }

    // An output that is the input under any name is refused before anything is written: the
    // same path, another spelling of it, a symbolic or a hard link. The input keeps every byte.
    void neverWritesOverItsInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("output"); // as named on the command line
        const QString in = path("self.89i");
        QTest::newRow("the same path") << QStringList{in, in} << in;
        QTest::newRow("another spelling") << QStringList{in, dir.path() + "/./sub/../self.89i"} << dir.path() + "/./sub/../self.89i";
        QTest::newRow("a symbolic link") << QStringList{in, path("symlink.89i")} << path("symlink.89i");
        QTest::newRow("a hard link") << QStringList{in, path("hardlink.9xi"), "--name", "other"} << path("hardlink.9xi");
        QTest::newRow("an image linked to it") << QStringList{in, path("linked.png")} << path("linked.png");
        QTest::newRow("a page linked to it") << QStringList{"--print-pdf", path("linked.pdf"), in} << path("linked.pdf");
        QTest::newRow("linked the other way") << QStringList{path("symlink.89i"), in} << in;
    }
    void neverWritesOverItsInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, output);
        const QString in = writeSample("self.89i");
        const QByteArray before = readFile(in);
        QDir(dir.path()).mkdir("sub");
        for (const QString &link : {QStringLiteral("symlink.89i"), QStringLiteral("linked.png"), QStringLiteral("linked.pdf")}) {
            QFile::remove(path(link));
            QVERIFY(QFile::link(in, path(link)));
        }
        QFile::remove(path("hardlink.9xi"));
        QVERIFY(::link(QFile::encodeName(in).constData(), QFile::encodeName(path("hardlink.9xi")).constData()) == 0);
        const Run r = run(arguments);
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(output + ": is the same file as"), qPrintable(r.err));
        QCOMPARE(readFile(in), before);
        QVERIFY(QFileInfo(path("symlink.89i")).isSymLink());
        QVERIFY(QDir(dir.path()).entryList({".*.part"}, QDir::Files | QDir::Hidden).isEmpty());
    }

    // Names the shell hands over as they are: every one reaches the file it names, or gets a
    // message naming it with the reason and exit status 1; only wrong usage gives 2.
    void awkwardNames_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("written"); // the output then holds a picture; empty: nothing written
        QTest::addColumn<QString>("message"); // in the complaint
        QTest::newRow("blanks") << QStringList{"in put.89i", "out put.png"} << 0 << "out put.png" << "";
        QTest::newRow("quotes") << QStringList{"\"in\" it's.89i", "\"out.pbm"} << 0 << "\"out.pbm" << "";
        QTest::newRow("non-ASCII letters") << QStringList{QStringLiteral("\u00FCber \u753B.89i"), QStringLiteral("\u00E9t\u00E9.9xi")}
                                           << 0 << QStringLiteral("\u00E9t\u00E9.9xi") << "";
        QTest::newRow("a lone - is a file") << QStringList{"-", "dash.png"} << 0 << "dash.png" << "";
        QTest::newRow("a lone - as output") << QStringList{"in put.89i", "-"} << 2 << "" << "";
        QTest::newRow("option-like names after --") << QStringList{"--", "--help.89i", "-x.89i"} << 0 << "-x.89i" << "";
        QTest::newRow("--info after --") << QStringList{"--info", "--", "--info"} << 0 << "" << "";
        QTest::newRow("option-like name without --") << QStringList{"-x.89i", "out.png"} << 2 << "" << "-x.89i";
        const QString longName = QString(5000, u'n') + ".89i";
        QTest::newRow("5000-character input") << QStringList{longName, "out.png"} << 1 << "" << "File name too long";
        QTest::newRow("5000-character output") << QStringList{"in put.89i", longName} << 1 << "" << "File name too long";
        const QString deep = QStringLiteral("d/").repeated(2500) + "in.89i";
        QTest::newRow("5000 characters of folders") << QStringList{"in put.89i", deep} << 1 << "" << "File name too long";
        QTest::newRow("5000-character image") << QStringList{QString(5000, u'n') + ".png", "out.89i"} << 1 << ""
                                              << "File name too long";
        QTest::newRow("a folder as input") << QStringList{"folder.89i", "out.png"} << 1 << "" << "folder, not a file";
        QTest::newRow("a folder as output") << QStringList{"in put.89i", "folder.89i"} << 1 << "" << "folder, not a file";
        QTest::newRow("a folder as image") << QStringList{"folder.89i/", "out.89i", "--screen"} << 1 << ""
                                           << "folder.89i/: This is a folder, not a file.";
        QTest::newRow("a pipe as input") << QStringList{"pipe.89i", "out.png"} << 1 << "" << "pipe";
    }
    void awkwardNames()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, written);
        QFETCH(QString, message);
        QTemporaryDir here;
        const QByteArray sample = readFile(writeSample("in.89i"));
        for (const QString &name : {QStringLiteral("in put.89i"), QStringLiteral("\"in\" it's.89i"), QStringLiteral("-"),
                                    QStringLiteral("--help.89i"), QStringLiteral("--info"), QStringLiteral("\u00FCber \u753B.89i")}) {
            QVERIFY(writeFile(here.filePath(name), sample));
        }
        QVERIFY(QDir(here.path()).mkdir("folder.89i"));
        QVERIFY(::mkfifo(QFile::encodeName(here.filePath("pipe.89i")).constData(), 0644) == 0);
        const QStringList before = QDir(here.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

        QProcess process;
        process.setWorkingDirectory(here.path());
        process.start(DOTLARK_BINARY_DIR "/app/convert/dotlark-convert", arguments);
        QVERIFY(process.waitForFinished(30000));
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == exitCode, qPrintable(err));
        QVERIFY2(err.contains(message), qPrintable(err));
        if (exitCode == 1) // one line of complaint (Qt may add notes of its own)
            QCOMPARE(err.split(u'\n').filter(QRegularExpression("^dotlark-convert: ")).size(), 1);
        QStringList after = QDir(here.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        if (!written.isEmpty()) {
            QVERIFY(after.removeOne(written));
            const QByteArray out = readFile(here.filePath(written));
            QVERIFY(!out.isEmpty());
            if (written.endsWith(".89i") || written.endsWith(".9xi"))
                QCOMPARE(decode89i(asBytes(out)).error, Picture89iError::None);
        }
        QCOMPARE(after, before); // nothing else appeared, nothing went
        QCOMPARE(readFile(here.filePath("in put.89i")), sample);
    }
};

QTEST_GUILESS_MAIN(tst_ConvertTool)
#include "tst_ConvertTool.moc"
