#include "qtplatform/QtProgramRunner.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Programs started without waiting: their end, status and output come back through the
// event loop, and one the editor leaves behind goes on.
class tst_QtProgramRunner : public QObject
{
    Q_OBJECT

private slots:
    void reportsTheEnd_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        QTest::newRow("status 1, both streams") << "echo out; echo err >&2; sleep 0.3; exit 1" << 1 << "out\nerr\n";
        QTest::newRow("status 0") << "echo fine" << 0 << "fine\n";
        QTest::newRow("killed") << "echo going; kill -9 $$" << -1 << "going\n";
    }
    void reportsTheEnd()
    {
        QFETCH(QString, script);
        QFETCH(int, status);
        QFETCH(QString, output);
        QtProgramRunner runner;
        std::optional<ProgramEnd> end;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(runner.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script},
                             [&](const ProgramEnd &ended) { end = ended; }));
        QVERIFY(clock.elapsed() < 250); // it did not wait for the program
        QVERIFY(runner.isRunning(QStringLiteral("/bin/sh")));
        QTRY_VERIFY_WITH_TIMEOUT(end.has_value(), 10000);
        QVERIFY(!runner.isRunning(QStringLiteral("/bin/sh")));
        QCOMPARE(end->exitStatus, status);
        QCOMPARE(end->output, output);
    }

    void cannotStart()
    {
        QtProgramRunner runner;
        bool called = false;
        QVERIFY(!runner.start(QStringLiteral("/nonexistent/tilp"), {}, [&](const ProgramEnd &) { called = true; }));
        QVERIFY(!runner.isRunning(QStringLiteral("/nonexistent/tilp")));
        QTest::qWait(100);
        QVERIFY(!called);
    }

    // The editor ends while a transfer runs: the program is not killed and is not reported.
    void outlivesTheRunner()
    {
        QTemporaryDir dir;
        const QString marker = dir.filePath(QStringLiteral("done"));
        bool called = false;
        {
            QtProgramRunner runner;
            QVERIFY(runner.start(QStringLiteral("/bin/sh"),
                                 {QStringLiteral("-c"), QStringLiteral("sleep 0.5; echo still here; touch \"$0\""), marker},
                                 [&](const ProgramEnd &) { called = true; }));
        }
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
        QTest::qWait(100);
        QVERIFY(!called);
    }
};

QTEST_GUILESS_MAIN(tst_QtProgramRunner)
#include "tst_QtProgramRunner.moc"
