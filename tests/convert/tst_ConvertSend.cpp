#include "fakes/ConvertRun.h"
#include "fakes/PictureFixtures.h"
#include "fakes/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// dotlark-convert --send, run as the user runs it, with a program standing in for TiLP on
// the PATH and with the real TiLP where it is installed.
class tst_ConvertSend : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    using Run = ToolRun;
    // TiLP asks its questions on standard input, which the run closes.
    static Run run(const QString &file, const QProcessEnvironment &environment)
    {
        return runConvert({QStringLiteral("--send"), file}, environment);
    }

    // A picture of the kind its ending names, in a folder whose name has a blank.
    QString picture(const QString &name)
    {
        const QString path = dir.filePath(QStringLiteral("my pictures/") + name);
        QDir().mkpath(QFileInfo(path).path());
        const CalcKind kind = *kindFromEnding(name.toStdString());
        writeFile(path, pictureFile(16, 8, {}, {.kind = kind}));
        return path;
    }

    // The stand-in first on the PATH, TiLP set up for `model` ("" = not set up at all).
    QProcessEnvironment standIn(int status, const QString &says = {}, const QString &model = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const QString home = dir.filePath(QStringLiteral("home"));
        QDir(home).removeRecursively();
        QDir().mkpath(home);
        environment.insert(QStringLiteral("HOME"), home);
        if (!model.isEmpty())
            writeFile(home + QStringLiteral("/.tilp"), "[DEVICE]\ncalc_model=" + model.toUtf8() + "\ncable_model=DirectLink\n");
        environment.insert(QStringLiteral("PATH"), QStringLiteral(DOTLARK_TEST_DATA "/../standin:/usr/bin:/bin"));
        environment.insert(QStringLiteral("TILP_STANDIN_STATUS"), QString::number(status));
        environment.insert(QStringLiteral("TILP_STANDIN_ARGS"), dir.filePath(QStringLiteral("args")));
        if (!says.isEmpty())
            environment.insert(QStringLiteral("TILP_STANDIN_SAYS"), says);
        return environment;
    }

private slots:
    // TiLP is told the calculator by the file's kind; only its success is ours.
    void standIn_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::addColumn<QString>("model"); // TiLP set up for it
        QTest::addColumn<QString>("calc");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("complaint");
        QTest::newRow("TI-89") << "a.89i" << 0 << "" << "" << "--calc=ti89\n" << 0 << "";
        QTest::newRow("TI-92") << "a.92i" << 0 << "" << "" << "--calc=ti92\n" << 0 << "";
        QTest::newRow("TI-92 Plus") << "a.9xi" << 0 << "" << "" << "--calc=ti92+\n" << 0 << "";
        QTest::newRow("Voyage 200") << "a.v2i" << 0 << "" << "" << "--calc=v200\n" << 0 << "";
        QTest::newRow("TiLP set up for a Titanium") << "a.89i" << 0 << "" << "TI89T USB" << "" << 0 << "";
        QTest::newRow("TiLP set up for a Voyage 200") << "a.9xi" << 0 << "" << "v200" << "" << 0 << "";
        QTest::newRow("TiLP set up for another one") << "a.89i" << 0 << "" << "TI83+" << "--calc=ti89\n" << 0 << "";
        QTest::newRow("TiLP fails") << "a.89i" << 1 << "" << "" << "--calc=ti89\n" << 1
                                    << "a.89i: was not sent: TiLP ended with exit status 1";
        QTest::newRow("an error, then status 0")
            << "a.9xi" << 0 << "tilp-INFO: 10:00:00.000: msg_box1: [Error] [Msg: invalid command ID.]" << ""
            << "--calc=ti92+\n" << 1 << "a.9xi: was not sent: TiLP reported an error";
    }
    void standIn()
    {
        QFETCH(QString, name);
        QFETCH(int, status);
        QFETCH(QString, says);
        QFETCH(QString, model);
        QFETCH(QString, calc);
        QFETCH(int, exitCode);
        QFETCH(QString, complaint);
        const QString file = picture(name);
        const Run r = run(file, standIn(status, says, model));
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(complaint.isEmpty() ? r.err.isEmpty() : r.err.contains(complaint), qPrintable(r.err));
        QVERIFY2(r.out.contains(QStringLiteral("stand-in for TiLP")), qPrintable(r.out)); // TiLP's output is passed on
        QCOMPARE(QString::fromLocal8Bit(readFile(dir.filePath(QStringLiteral("args")))), calc + QStringLiteral("--no-gui\n") + file + u'\n');
    }

    void refusesWithoutTiLP()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PATH"), dir.path());
        const Run r = run(picture(QStringLiteral("b.89i")), environment);
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(QStringLiteral("b.89i")) && r.err.contains(QStringLiteral("sudo apt install tilp2")),
                 qPrintable(r.err));
        QCOMPARE(run(dir.filePath(QStringLiteral("missing.89i")), standIn(0)).exitCode, 1);
    }

    // The real TiLP, set up as freshly installed (no calculator, no cable), takes the file
    // for the right calculator and then fails to reach one: that failure is ours too.
    void realTilp_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("model"); // as TiLP's log names it
        QTest::newRow("TI-89") << "r.89i" << "TI89";
        QTest::newRow("TI-92") << "r.92i" << "TI92";
        QTest::newRow("TI-92 Plus") << "r.9xi" << "TI92+";
        QTest::newRow("Voyage 200") << "r.v2i" << "V200";
    }
    void realTilp()
    {
        QFETCH(QString, name);
        QFETCH(QString, model);
        if (QStandardPaths::findExecutable(QStringLiteral("tilp")).isEmpty())
            QSKIP("TiLP is not installed (Debian package tilp2)");
        QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home.path()); // no settings of TiLP's yet
        const QString file = picture(name);
        const Run r = run(file, environment);
        QVERIFY2(!r.out.contains(QStringLiteral("incompatible")), qPrintable(r.out));
        QVERIFY2(r.out.contains(QStringLiteral("to communicate with calculator ") + model), qPrintable(r.out));
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(QDir::toNativeSeparators(file) + QStringLiteral(": was not sent: TiLP"))
                     && r.err.contains(QStringLiteral("TiLP has no link cable set up")),
                 qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(tst_ConvertSend)
#include "tst_ConvertSend.moc"
