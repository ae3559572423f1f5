#include "document/Picture89i.h"
#include "platform/ByteConversions.h"
#include "qtplatform/X11Windows.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

// The link program the editor hands pictures to, started for real as File > Send to
// Calculator starts it: it must come up with a window on the X display.
class tst_RealTilp : public QObject
{
    Q_OBJECT

private slots:
    void opensAWindow()
    {
        const QString tilp = QStandardPaths::findExecutable(QStringLiteral("tilp"));
        if (tilp.isEmpty())
            QSKIP("TiLP is not installed (Debian package tilp2)");
        X11Windows windows;
        if (qEnvironmentVariableIsEmpty("DISPLAY") || !windows.usable())
            QSKIP("no X display to show TiLP on");
        QTemporaryDir home;
        const QString picture = home.filePath(QStringLiteral("send.89i"));
        QFile file(picture);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(asByteArray(encode89i("main", "picture", "", 160, 77, PixelGrid(160, 77)).bytes));
        file.close();

        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home.path()); // its settings stay in the test's folder
        process.setProcessEnvironment(environment);
        process.start(tilp, {picture});
        QVERIFY(process.waitForStarted());
        QElapsedTimer clock;
        clock.start();
        std::optional<X11Windows::Id> window;
        while (!window && clock.elapsed() < 15000 && process.state() == QProcess::Running) {
            QThread::msleep(100);
            window = windows.findByProcess(process.processId());
        }
        process.kill();
        process.waitForFinished();
        QVERIFY2(window, "TiLP showed no window within 15 s");
    }
};

QTEST_GUILESS_MAIN(tst_RealTilp)
#include "tst_RealTilp.moc"
