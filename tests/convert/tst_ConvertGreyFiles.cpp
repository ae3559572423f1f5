#include "fakes/ConvertRun.h"
#include "fakes/GreyRamp.h"
#include "fakes/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// dotlark-convert's scaled import of four grey levels into a picture file: the light and dark
// planes as two picture files beside it, the same pictures as a group of the pair holds.
class tst_ConvertGreyFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString path(const QString &name) const { return dir.filePath(name); }

    // A plane of a picture file or of a group (--var) as plain PBM bytes.
    QByteArray plane(const QStringList &source)
    {
        const QString out = path(QStringLiteral("plane.pbm"));
        QFile::remove(out);
        const ToolRun r = runConvert(source + QStringList{out});
        if (r.exitCode != 0)
            qWarning("%s", qPrintable(r.err));
        return readFile(out);
    }

private slots:
    void initTestCase() { QVERIFY(greyRamp(16, 10, 200).save(path("ramp.png"))); }

    // Both planes are the group's pair bit for bit, named after --name, for the calculator
    // of the output's ending; the output named itself is not written.
    void planesEqualTheGroup_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<QString>("calculator");
        QTest::newRow("TI-89") << "89i" << "TI-89";
        QTest::newRow("TI-92 Plus") << "9xi" << "TI-92 Plus";
    }
    void planesEqualTheGroup()
    {
        QFETCH(QString, ending);
        QFETCH(QString, calculator);
        const QStringList options{"--stretch", "--size", "40x30", "--gray", "4", "--dither", "atkinson", "--name", "sky"};
        ToolRun r = runConvert(QStringList{path("ramp.png"), path("pair.89g")} + options);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        r = runConvert(QStringList{path("ramp.png"), path("sky." + ending)} + options);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY(r.err.contains("skyl." + ending) && r.err.contains("skyd." + ending));
        QVERIFY(!QFileInfo::exists(path("sky." + ending)));

        for (const QString &suffix : {QStringLiteral("l"), QStringLiteral("d")}) {
            const QString file = path("sky" + suffix + "." + ending);
            const QByteArray fromFile = plane({file});
            QVERIFY(!fromFile.isEmpty());
            QCOMPARE(fromFile, plane({path("pair.89g"), "--var", "sky" + suffix}));
            r = runConvert({"--info", file});
            QVERIFY(r.out.contains("name:        sky" + suffix));
            QVERIFY(r.out.contains("calculator:  " + calculator));
        }
        // The light plane is not the dark one: the ramp has both greys.
        QVERIFY(plane({path("skyl." + ending)}) != plane({path("skyd." + ending)}));
    }

    // A picture file of a plane's name is replaced, as the output is; anything else there is
    // left as it is and nothing is written.
    void inTheWay_data()
    {
        QTest::addColumn<QByteArray>("light"); // what is there before; empty: a picture
        QTest::addColumn<bool>("darkFolder");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("earlier planes") << QByteArray() << false << 0;
        QTest::newRow("a text where the light plane goes") << QByteArray("my notes") << false << 1;
        QTest::newRow("a folder where the dark plane goes") << QByteArray() << true << 1;
    }
    void inTheWay()
    {
        QFETCH(QByteArray, light);
        QFETCH(bool, darkFolder);
        QFETCH(int, exitCode);
        QTemporaryDir here;
        const QString out = here.filePath("out.89i"), lightFile = here.filePath("outl.89i");
        const QString darkFile = here.filePath("outd.89i");
        const QStringList call{path("ramp.png"), out, "--fit", "--gray", "4", "--name", "out"};
        QCOMPARE(runConvert(call).exitCode, 0);
        const QByteArray earlierLight = readFile(lightFile);
        if (!light.isEmpty())
            QVERIFY(writeFile(lightFile, light));
        if (darkFolder)
            QVERIFY(QFile::remove(darkFile) && QDir(here.path()).mkdir("outd.89i"));
        const QByteArray before = readFile(lightFile);

        const ToolRun r = runConvert(QStringList(call) << "--invert");
        QCOMPARE(r.exitCode, exitCode);
        if (exitCode == 0) {
            QVERIFY(readFile(lightFile) != earlierLight);
            return;
        }
        QVERIFY2(r.err.contains("is there and is not a calculator picture"), qPrintable(r.err));
        QCOMPARE(readFile(lightFile), before);
        QCOMPARE(QFileInfo(darkFile).isDir(), darkFolder);
    }
};

QTEST_GUILESS_MAIN(tst_ConvertGreyFiles)
#include "tst_ConvertGreyFiles.moc"
