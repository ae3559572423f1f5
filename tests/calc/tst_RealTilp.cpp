#include "calc/Tilp.h"
#include "fakes/PictureFixtures.h"
#include "fakes/TestFiles.h"
#include "qtplatform/X11Windows.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The link program the editor hands pictures to, started for real with the arguments File >
// Send to Calculator gives it: with no settings of its own yet, it must come up with a window
// on the X display and take the picture for the calculator of its kind, not refuse it as
// "incompatible with the target handheld".
class tst_RealTilp : public QObject
{
    Q_OBJECT

private slots:
    void opensAWindow_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("model"); // as TiLP's log names it
        QTest::newRow("TI-89") << "send.89i" << "TI89";
        QTest::newRow("Voyage 200") << "send.v2i" << "V200";
    }
    void opensAWindow()
    {
        QFETCH(QString, name);
        QFETCH(QString, model);
        const QString tilp = QStandardPaths::findExecutable(Tilp::program);
        if (tilp.isEmpty())
            QSKIP("TiLP is not installed (Debian package tilp2)");
        X11Windows windows;
        if (qEnvironmentVariableIsEmpty("DISPLAY") || !windows.usable())
            QSKIP("no X display to show TiLP on");
        QTemporaryDir home;
        const QString picture = home.filePath(name);
        const CalcKind kind = *kindFromEnding(name.toStdString());
        QVERIFY(writeFile(picture, pictureFile(160, 77, {}, {.name = "picture", .kind = kind})));

        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home.path()); // its settings stay in the test's folder
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(tilp, Tilp::windowArguments(kind, picture));
        QVERIFY(process.waitForStarted());
        QElapsedTimer clock;
        clock.start();
        std::optional<X11Windows::Id> window;
        QString log;
        const QString opened = QStringLiteral("to communicate with calculator ");
        while ((!window || !log.contains(opened)) && clock.elapsed() < 15000 && process.state() == QProcess::Running) {
            process.waitForReadyRead(100);
            log += QString::fromLocal8Bit(process.readAll());
            window = windows.findByProcess(process.processId());
        }
        process.kill();
        process.waitForFinished();
        QVERIFY2(window, "TiLP showed no window within 15 s");
        QVERIFY2(log.contains(opened + model), qPrintable(log));
        QVERIFY2(!log.contains(QStringLiteral("incompatible")), qPrintable(log));
    }
};

QTEST_GUILESS_MAIN(tst_RealTilp)
#include "tst_RealTilp.moc"
