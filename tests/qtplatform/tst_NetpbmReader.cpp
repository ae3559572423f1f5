#include "calc/ByteConversions.h"
#include "document/Picture89i.h"
#include "fakes/FailureWords.h"
#include "fakes/TestFiles.h"
#include "qtplatform/NetpbmReader.h"
#include "qtplatform/QtPictureLoader.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Greys = QList<int>; // expected pixels, row by row: 0..255 grey, or -1 - packed RGB for colour

int rgb(int red, int green, int blue) { return -1 - int(qRgb(red, green, blue) & 0xffffff); }

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out += char(v);
    return out;
}

const QStringList kTools{"pbmmake", "pnmtoplainpnm", "pgmramp", "ppmmake", "pamcut"};

} // namespace

// netpbm's picture formats as netpbm writes them, read by our own reader, by the picture
// loader, and (with files made by netpbm's tools) by dotlark-convert.
class tst_NetpbmReader : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Runs a shell pipeline in the test folder; its standard error on failure.
    QString shell(const QString &command)
    {
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        process.start("/bin/sh", {"-c", command});
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            return command + ": " + QString::fromUtf8(process.readAllStandardError());
        return {};
    }
    struct Run
    {
        int exitCode = -1;
        QString err;
    };
    Run convert(const QStringList &arguments)
    {
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        process.start(DOTLARK_BINARY_DIR "/app/convert/dotlark-convert", arguments);
        if (!process.waitForFinished(30000))
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
    }
    static QString missingTool()
    {
        for (const QString &tool : kTools)
            if (QStandardPaths::findExecutable(tool).isEmpty())
                return tool;
        return {};
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void reads_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<Greys>("pixels");
        const Greys bits{0, 255, 0, 255, 0, 255}; // 101 / 010
        QTest::newRow("plain bits with blanks") << QByteArray("P1\n3 2\n1 0 1\n0 1 0\n") << QSize(3, 2) << bits;
        QTest::newRow("plain bits without blanks") << QByteArray("P1\n3 2\n101\n010\n") << QSize(3, 2) << bits;
        QTest::newRow("plain bits across lines") << QByteArray("P1 3 2 1\n0\n1010") << QSize(3, 2) << bits;
        QTest::newRow("tabs and returns") << QByteArray("P1\t3\r\n2\r\n101\r\n010\r\n") << QSize(3, 2) << bits;
        QTest::newRow("comments in the header")
            << QByteArray("P1\n# made by hand\n3 # width\n#\n2#height\n101010") << QSize(3, 2) << bits;
        QTest::newRow("comments between plain bits") << QByteArray("P1\n3 2\n10# first row\n1 0#\n10") << QSize(3, 2) << bits;
        QTest::newRow("magic joined to the width") << QByteArray("P13 2 101010") << QSize(3, 2) << bits;
        QTest::newRow("raw bits, rows padded") << QByteArray("P4\n3 2\n") + bytes({0xA0, 0x4F}) << QSize(3, 2) << bits;
        QTest::newRow("raw bits, two bytes a row")
            << QByteArray("P4 10 1\n") + bytes({0x80, 0x40}) << QSize(10, 1)
            << Greys{0, 255, 255, 255, 255, 255, 255, 255, 255, 0};
        QTest::newRow("first of two pictures") << QByteArray("P1 1 1 1\nP1 1 1 0\n") << QSize(1, 1) << Greys{0};
        QTest::newRow("plain grey") << QByteArray("P2\n3 1\n4\n0 2 4\n") << QSize(3, 1) << Greys{0, 128, 255};
        QTest::newRow("plain grey, maxval 1") << QByteArray("P2 2 1 1 0 1") << QSize(2, 1) << Greys{0, 255};
        QTest::newRow("plain grey, 16 bits")
            << QByteArray("P2 3 1 65535 32767 32768 65535") << QSize(3, 1) << Greys{127, 128, 255};
        QTest::newRow("raw grey") << QByteArray("P5 3 1 255\n") + bytes({0, 127, 255}) << QSize(3, 1) << Greys{0, 127, 255};
        QTest::newRow("raw grey, 16 bits")
            << QByteArray("P5 3 1 65535\n") + bytes({0, 0, 0x80, 0, 0xff, 0xff}) << QSize(3, 1) << Greys{0, 128, 255};
        // Exactly one blank ends a raw header: what follows it is data, even '#' or a blank.
        QTest::newRow("raw data starting with '#'") << QByteArray("P5 2 1 255\n# ") << QSize(2, 1) << Greys{35, 32};
        QTest::newRow("comment as the blank before raw data")
            << QByteArray("P5 1 1 255#made\n") + bytes({7}) << QSize(1, 1) << Greys{7};
        QTest::newRow("plain colour") << QByteArray("P3\n2 1\n255\n255 0 0\n0 0 255\n") << QSize(2, 1)
                                      << Greys{rgb(255, 0, 0), rgb(0, 0, 255)};
        QTest::newRow("raw colour") << QByteArray("P6 1 1 255\n") + bytes({0xff, 0x80, 0}) << QSize(1, 1)
                                    << Greys{rgb(255, 128, 0)};
        QTest::newRow("raw colour, 16 bits")
            << QByteArray("P6 1 1 1000\n") + bytes({0x03, 0xe8, 0, 0, 0x01, 0xf4}) << QSize(1, 1)
            << Greys{rgb(255, 0, 128)};
    }
    void reads()
    {
        QFETCH(QByteArray, file);
        QFETCH(QSize, size);
        QFETCH(Greys, pixels);
        const Outcome<QImage> result = NetpbmReader(1000).read(file);
        QVERIFY2(result, qPrintable(wordsOf(result)));
        QCOMPARE(result->size(), size);
        Greys seen;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                const QRgb pixel = result->pixel(x, y);
                seen << (pixels.first() < 0 ? rgb(qRed(pixel), qGreen(pixel), qBlue(pixel)) : qGray(pixel));
            }
        QCOMPARE(seen, pixels);
    }

    void refuses_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("problem");
        QTest::newRow("absurd size") << QByteArray("P4 100000 100000\n") << "claims 100000 x 100000 pixels";
        QTest::newRow("size just above the limit") << QByteArray("P5 1001 1 255\n") << "more than the 1000 pixels";
        QTest::newRow("side beyond any number") << QByteArray("P1 99999999999999999999 1\n") << "the width is larger than";
        QTest::newRow("no pixels") << QByteArray("P1 0 5\n") << "0 x 5 pixels";
        QTest::newRow("maxval 0") << QByteArray("P2 1 1 0 0") << "the maxval is 0";
        QTest::newRow("maxval above 16 bits") << QByteArray("P2 1 1 65536 0") << "the maxval is larger than 65535";
        QTest::newRow("sample above maxval") << QByteArray("P2 2 1 4 4 5") << "is 5, above the maxval 4";
        QTest::newRow("raw sample above maxval") << QByteArray("P5 1 1 100\n") + bytes({101}) << "above the maxval 100";
        QTest::newRow("bit that is no bit") << QByteArray("P1 2 1 12") << "'2' instead of 0 or 1";
        QTest::newRow("header ends early") << QByteArray("P2 3") << "ends before the height";
        QTest::newRow("letters in the header") << QByteArray("P2 a 1") << "the width is not a number";
        QTest::newRow("junk after a number") << QByteArray("P2 3x 2") << "followed by 'x'";
        QTest::newRow("raw file ends after the header") << QByteArray("P5 1 1 255") << "ends after the header";
        QTest::newRow("raw data cut short") << QByteArray("P5 3 2 255\n12345") << "6 bytes, 5 are there";
        QTest::newRow("16-bit raw data cut short") << QByteArray("P5 2 1 65535\n123") << "4 bytes, 3 are there";
        QTest::newRow("raw bits cut short") << QByteArray("P4 9 2\n123") << "4 bytes, 3 are there";
        QTest::newRow("plain bits cut short") << QByteArray("P1 3 2 1 0 1 0 1") << "ends in row 2 of 2";
        QTest::newRow("plain samples cut short") << QByteArray("P3 1 2 255 1 2 3 4 5") << "ends in row 2 of 2";
        QTest::newRow("no netpbm magic") << QByteArray("P7 1 1") << "no P1 to P6";
    }
    void refuses()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, problem);
        const Outcome<QImage> result = NetpbmReader(1000).read(file);
        QVERIFY(!result);
        QVERIFY2(wordsOf(result).contains(problem), qPrintable(wordsOf(result)));
    }

    // The loader knows the formats by content and keeps the reader's reason.
    void loaderReadsThemByContent()
    {
        QtPictureLoader loader;
        const Outcome<QImage> image = loader.loadFromBytes("P1\n2 1\n10\n");
        QVERIFY(image);
        QCOMPARE(image->size(), QSize(2, 1));
        QCOMPARE(qGray(image->pixel(0, 0)), 0);
        const Outcome<QImage> refused = loader.loadFromBytes("P4 5000 5000\n");
        QVERIFY(!refused);
        QVERIFY2(wordsOf(refused).contains("5000 x 5000"), qPrintable(wordsOf(refused)));
        QVERIFY(loader.loadFromBytes("P1 1 1 0"));
    }

    // Files made by netpbm's own tools, turned into pictures by dotlark-convert.
    void convertsFilesOfNetpbmTools_data()
    {
        QTest::addColumn<QString>("command"); // writes in.pnm
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("black");   // which pixels must be black: all, none, left half, chequer
        QTest::newRow("plain black bitmap") << "pbmmake -black 20 10 | pnmtoplainpnm" << QSize(20, 10) << "all";
        QTest::newRow("raw white bitmap") << "pbmmake -white 20 10" << QSize(20, 10) << "none";
        QTest::newRow("raw grey chequer") << "pbmmake -gray 20 10" << QSize(20, 10) << "chequer";
        QTest::newRow("plain grey chequer") << "pbmmake -gray 20 10 | pnmtoplainpnm" << QSize(20, 10) << "chequer";
        QTest::newRow("raw grey ramp") << "pgmramp -lr 256 4" << QSize(256, 4) << "left half";
        QTest::newRow("plain grey ramp") << "pgmramp -lr 256 4 | pnmtoplainpnm" << QSize(256, 4) << "left half";
        QTest::newRow("16-bit grey ramp") << "pgmramp -lr -maxval 65535 256 2" << QSize(256, 2) << "left half";
        QTest::newRow("cut from a ramp") << "pgmramp -lr 256 4 | pamcut -left 120 -width 16" << QSize(16, 4) << "left half";
        QTest::newRow("red pixmap") << "ppmmake red 5 3" << QSize(5, 3) << "all";
        QTest::newRow("plain blue pixmap") << "ppmmake blue 5 3 | pnmtoplainpnm" << QSize(5, 3) << "none";
        QTest::newRow("light yellow pixmap") << "ppmmake rgb:ff/ff/7f 5 3" << QSize(5, 3) << "all";
    }
    void convertsFilesOfNetpbmTools()
    {
        if (const QString tool = missingTool(); !tool.isEmpty())
            QSKIP(qPrintable("netpbm's " + tool + " is not installed (Debian package netpbm)"));
        QFETCH(QString, command);
        QFETCH(QSize, size);
        QFETCH(QString, black);
        const QString made = shell(command + " > in.pnm");
        QVERIFY2(made.isEmpty(), qPrintable(made));
        const Run run = convert({"in.pnm", "out.89i"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        const DecodeResult decoded = decode89i(asBytes(readFile(path("out.89i"))));
        QCOMPARE(decoded.error, Picture89iError::None);
        QCOMPARE(QSize(decoded.picture.width, decoded.picture.height), size);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                const bool expected = black == "all" || (black == "left half" && x < size.width() / 2)
                                      || (black == "chequer" && (x + y) % 2 == 1);
                QVERIFY2(bool(decoded.picture.pixels.at(x, y)) == expected, qPrintable(QString("(%1, %2)").arg(x).arg(y)));
            }
    }

    void convertRefusesACutFile()
    {
        if (const QString tool = missingTool(); !tool.isEmpty())
            QSKIP(qPrintable("netpbm's " + tool + " is not installed (Debian package netpbm)"));
        const QString made = shell("pgmramp -lr 256 4 | head -c 500 > cut.pgm");
        QVERIFY2(made.isEmpty(), qPrintable(made));
        const Run run = convert({"cut.pgm", "cut.89i"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("cut.pgm: cannot be read as a picture: the picture data is cut short"), qPrintable(run.err));
        QVERIFY(!QFile::exists(path("cut.89i")));
    }
};

QTEST_GUILESS_MAIN(tst_NetpbmReader)
#include "tst_NetpbmReader.moc"
