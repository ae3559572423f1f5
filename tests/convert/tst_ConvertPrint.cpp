#include "document/Picture89i.h"
#include "fakes/ConvertRun.h"
#include "fakes/PictureFixtures.h"
#include "fakes/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// dotlark-convert's limits, run as the user runs it: the picture sizes every command takes,
// and the page values --print-pdf takes.
namespace {

using Run = ToolRun;

Run run(const QStringList &arguments) { return runConvert(arguments); }

} // namespace

class tst_ConvertPrint : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

    QString path(const QString &name) const { return dir.filePath(name); }

    QString writePicture(const QString &name, int width, int height)
    {
        return writeFile(path(name), blackPictureFile(width, height)) ? path(name) : QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QVERIFY2(QFile::exists(DOTLARK_BINARY_DIR "/app/convert/dotlark-convert"), "build dotlark-convert first");
    }

    // 32767 x 16 is 65536 bytes of pixel data, more than a picture file holds: every
    // command that reads a picture refuses it as the editor does, and writes nothing.
    void picturesBeyondTheFileFormatAreRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("output");
        const QString in = QStringLiteral("IN");
        QTest::newRow("--print-pdf") << QStringList{"--print-pdf", "OUT", in} << "out.pdf";
        QTest::newRow("to PNG") << QStringList{in, "OUT"} << "out.png";
        QTest::newRow("to PBM") << QStringList{in, "OUT"} << "out.pbm";
        QTest::newRow("rewrite") << QStringList{in, "OUT"} << "out.89i";
        QTest::newRow("--info") << QStringList{"--info", in} << "";
        QTest::newRow("--send") << QStringList{"--send", in} << "";
    }
    void picturesBeyondTheFileFormatAreRefused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, output);
        const QString in = writePicture(QStringLiteral("wide.89i"), 32767, 16);
        arguments.replaceInStrings(QStringLiteral("IN"), in);
        if (!output.isEmpty())
            arguments.replaceInStrings(QStringLiteral("OUT"), path(output));
        const Run r = run(arguments);
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(QDir::toNativeSeparators(in) + ": The picture is 32767 x 16 pixels: 65536 bytes of "
                                                             "pixel data, more than the 65530 a picture file holds."),
                 qPrintable(r.err));
        QVERIFY(output.isEmpty() || !QFile::exists(path(output)));
    }

    // The widest picture a file holds, all black, is 15 rows of 32767 squares: one dashed
    // stroke a row rather than a box a square (2.6 MB of PDF and seconds before).
    void widestPicturePrintsSmall()
    {
        const QString in = writePicture(QStringLiteral("widest.89i"), 32767, 15);
        const Run r = run({"--print-pdf", path("widest.pdf"), in});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY(QFile(path("widest.pdf")).size() < 20000);
    }

    // Page values that put pixels of the picture (160 x 77 unless said) wholly beyond the
    // 8.5 x 11 inch page, or beyond any number, are refused naming the options and the edge;
    // no PDF appears.
    void offPageValuesAreRefused_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("reason");
        QTest::newRow("--top 1e6") << QStringList{"--top", "1e6"} << 77
                                   << "--top 1000000 and --width 4 put the picture off the page: its last row would "
                                      "start 1e+06 inches from the page's top edge, and the page is 11 inches tall";
        QTest::newRow("--top 1e306, beyond twips") << QStringList{"--top", "1e306"} << 77
                                                   << "--top 1e+306 and --width 4 put the picture off the page";
        QTest::newRow("--left 8") << QStringList{"--left", "8"} << 77
                                  << "--left 8 and --width 4 put the picture off the page: its last column would "
                                     "start 12 inches from the page's left edge, and the page is 8.5 inches wide";
        QTest::newRow("--width beyond any number")
            << QStringList{"--width", "1e308", "--left", "1e308"} << 77
            << "its last column would start more than 1.8e+308 inches from the page's left edge";
        QTest::newRow("a tall picture at the usual width")
            << QStringList{} << 1000 << "--top 1 and --width 4 put the picture off the page: its last row would start "
                                        "26.1321 inches";
    }
    void offPageValuesAreRefused()
    {
        QFETCH(QStringList, options);
        QFETCH(int, height);
        QFETCH(QString, reason);
        const QString in = writePicture(QStringLiteral("in.89i"), 160, height);
        const Run r = run(QStringList{"--print-pdf", path("off.pdf"), in} + options);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(reason), qPrintable(r.err));
        QVERIFY(!QFile::exists(path("off.pdf")));
    }

    // Values that start every pixel on the page print, up to the page's edges (the last
    // square may then be cut, as the editor's print cuts it).
    void valuesOnThePagePrint_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("no margins") << QStringList{"--top", "0", "--left", "0"};
        QTest::newRow("last column at 8.49 inches") << QStringList{"--left", "4.49"};
        QTest::newRow("last row at 10.97 inches") << QStringList{"--top", "9.05"};
    }
    void valuesOnThePagePrint()
    {
        QFETCH(QStringList, options);
        const QString in = writePicture(QStringLiteral("in.89i"), 160, 77);
        QFile::remove(path("on.pdf"));
        const Run r = run(QStringList{"--print-pdf", path("on.pdf"), in} + options);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY(QFile::exists(path("on.pdf")));
    }
};

QTEST_GUILESS_MAIN(tst_ConvertPrint)
#include "tst_ConvertPrint.moc"
