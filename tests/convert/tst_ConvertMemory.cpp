#include "calc/ByteConversions.h"
#include "document/Picture89i.h"
#include "fakes/ConvertRun.h"
#include "fakes/MeasuredRun.h"
#include "fakes/PictureFixtures.h"
#include "fakes/Sanitizer.h"
#include "fakes/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// dotlark-convert on inputs of a few KB that claim as much as the readers take, in shapes far
// from the screen's: the converter and its picture reader together stay under 300 MB, and the
// picture is imported, or refused, as any other.
class tst_ConvertMemory : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString path(const QString &name) const { return dir.filePath(name); }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void hostileInputsStayUnder300Mb_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("black"); // of the output picture; -1: refused
        QTest::addColumn<QString>("message");
        // Run-length-encoded bitmaps that end at once: all black (colour 0), 64 bytes.
        const auto rle = [](int width, int height) { return rleBitmap(width, height, 8, Bytes().raw({0, 1}).data); };
        const QByteArray wide = rle(50331648, 1), tall = rle(1, 50331648), slab = rle(163000, 308);
        QTest::newRow("50331648 x 1, fitted") << wide << "o.89i" << QStringList{"--fit"} << 160 << "";
        QTest::newRow("50331648 x 1, filling") << wide << "o.89i" << QStringList{"--fill"} << 160 * 77 << "";
        QTest::newRow("50331648 x 1, stretched") << wide << "o.89i" << QStringList{"--stretch"} << 160 * 77 << "";
        QTest::newRow("1 x 50331648, fitted") << tall << "o.89i" << QStringList{"--fit"} << 77 << "";
        QTest::newRow("1 x 50331648, whole") << tall << "o.89i" << QStringList{} << -1
                                             << "The picture's width or height is larger than 32767.";
        QTest::newRow("163000 x 308, fitted") << slab << "o.89i" << QStringList{"--fit"} << 160 << "";
        QTest::newRow("163000 x 308, stretched onto 32000 x 16")
            << slab << "o.89i" << QStringList{"--stretch", "--size", "32000x16"} << 32000 * 16 << "";
        // A picture of 61 KB drawn 16 times larger as plain PBM: 2 bytes each of 126 million pixels.
        QTest::newRow("32767 x 15 as PBM, scaled 16 times")
            << pictureFile(32767, 15) << "o.pbm" << QStringList{"--scale", "16"} << -1
            << "the image would be 524272 x 240 pixels, more than the 50331648 pixels written at most";
    }
    void hostileInputsStayUnder300Mb()
    {
        QFETCH(QByteArray, input);
        QFETCH(QString, output);
        QFETCH(QStringList, options);
        QFETCH(int, black);
        QFETCH(QString, message);
        const QString in = path(output.endsWith(u".pbm") ? QStringLiteral("in.89i") : QStringLiteral("in.bmp"));
        QVERIFY(writeFile(in, input));
        QFile::remove(path(output));
        const MeasuredRun run = runMeasured(convertToolPath(), QStringList{in, path(output)} + options);
        QVERIFY2(run.exitCode == (black < 0 ? 1 : 0), qPrintable(run.err));
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        if (!kAddressSanitizer) // its shadow memory counts as resident
            QVERIFY2(run.peakKilobytes < 300 * 1024, qPrintable(QStringLiteral("%1 KB").arg(run.peakKilobytes)));
        if (black < 0) {
            QVERIFY(!QFile::exists(path(output)));
            return;
        }
        const DecodeResult d = decode89i(asBytes(readFile(path(output))));
        QCOMPARE(d.error, Picture89iError::None);
        int count = 0;
        for (int y = 0; y < d.picture.height; ++y)
            for (int x = 0; x < d.picture.width; ++x)
                count += d.picture.pixels.at(x, y);
        QCOMPARE(count, black);
    }
};

QTEST_GUILESS_MAIN(tst_ConvertMemory)
#include "tst_ConvertMemory.moc"
