#include "fakes/FakeProgress.h"
#include "fakes/TestFiles.h"

#include "qtplatform/LinkReply.h"
#include "qtplatform/QtCalculatorLink.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The link's side in the program: the helper's answer read, and a helper that hangs,
// crashes, talks nonsense or is cancelled. Shell scripts play the helper; the real one is
// tested against the emulator (tests/link).
class tst_QtCalculatorLink : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    // A helper that runs `script` with /bin/sh.
    QString standIn(const QString &name, const QByteArray &script)
    {
        const QString path = dir.filePath(name);
        writeFile(path, "#!/bin/sh\n" + script + "\n");
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

private slots:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<bool>("done");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<int>("variables");
        QTest::addColumn<bool>("malformed");
        QTest::newRow("done") << QByteArray("progress\t1\t2\ndone\n") << true << "" << 0 << false;
        QTest::newRow("failure") << QByteArray("failure\tno cable\n") << false << "no cable" << 0 << false;
        QTest::newRow("list") << QByteArray("variable\tmain\tpic\t10\t1547\t0\nvariable\tf\tp\t12\t9\t2\ndone\n")
                              << true << "" << 2 << false;
        QTest::newRow("nothing") << QByteArray() << false << "" << 0 << true;
        QTest::newRow("cut short") << QByteArray("variable\tmain\tpic\t10\t1547\t0\n") << false << "" << 1 << true;
        QTest::newRow("bad type") << QByteArray("variable\tmain\tpic\tzz\t1\t0\ndone\n") << false << "" << 0 << true;
        QTest::newRow("after done") << QByteArray("done\nvariable\tmain\tpic\t10\t1\t0\n") << false << "" << 0 << true;
        QTest::newRow("unknown word") << QByteArray("hello\ndone\n") << false << "" << 0 << true;
        QTest::newRow("screen short") << QByteArray("screen\t16\t2\tffff00\ndone\n") << false << "" << 0 << true;
        QTest::newRow("screen odd hex") << QByteArray("screen\t8\t1\tfff\ndone\n") << false << "" << 0 << true;
    }
    void parse()
    {
        QFETCH(QByteArray, output);
        const LinkReply reply = LinkReply::parse(output);
        QTEST(reply.done, "done");
        QTEST(reply.failure, "failure");
        QTEST(int(reply.variables.size()), "variables");
        QTEST(!reply.malformed.isEmpty(), "malformed");
    }

    // Rows of whole bytes, high bit leftmost, as sent.
    void screenRows()
    {
        const LinkReply reply = LinkReply::parse("screen\t12\t2\t80f00001\ndone\n");
        QVERIFY(reply.done && reply.screen);
        QCOMPARE(reply.screen->width, 12);
        QCOMPARE(reply.screen->rows, QByteArray::fromHex("80f00001"));
    }

    // Each way the helper can go wrong is a LinkFailed failure in words, never a hang.
    void helperFaults_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<int>("cancelAfterMs");
        QTest::addColumn<QString>("says");
        QTest::newRow("hangs") << QByteArray("exec sleep 30") << -1 << "did not answer within 1.5 seconds";
        QTest::newRow("cancelled") << QByteArray("exec sleep 30") << 200 << "the transfer was cancelled";
        QTest::newRow("crashes") << QByteArray("kill -SEGV $$") << -1 << "stopped on a fault";
        QTest::newRow("says nothing") << QByteArray("exit 0") << -1 << "ended without an answer";
        QTest::newRow("its failure") << QByteArray("printf 'failure\\tcable busy\\n'; exit 1") << -1 << "cable busy";
    }
    void helperFaults()
    {
        QFETCH(QByteArray, script);
        QFETCH(int, cancelAfterMs);
        QFETCH(QString, says);
        FakeProgress progress;
        progress.cancelAfterMs = cancelAfterMs;
        QtCalculatorLink link({}, standIn(QStringLiteral("helper.sh"), script), 1500, &progress);
        QElapsedTimer clock;
        clock.start();
        const Done sent = link.send(QStringLiteral("/tmp/a.89i"));
        QVERIFY(!sent);
        QCOMPARE(sent.failure().what, Failure::What::LinkFailed);
        QVERIFY2(sent.failure().detail.contains(says), qPrintable(sent.failure().detail));
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(progress.ended, 1);
    }

    void missingHelper()
    {
        QtCalculatorLink link({}, dir.filePath(QStringLiteral("nothing-here")), 1500);
        const Outcome<CalculatorScreen> screen = link.capture(true);
        QVERIFY(!screen);
        QVERIFY2(screen.failure().detail.contains(QStringLiteral("cannot be started")), qPrintable(screen.failure().detail));
    }

    // The options reach the helper as the settings give them.
    void settingsReachTheHelper()
    {
        const QString args = dir.filePath(QStringLiteral("args"));
        const QString helper = standIn(QStringLiteral("echo.sh"), "echo \"$@\" > '" + args.toUtf8() + "'; echo done");
        QtCalculatorLink link({QStringLiteral("tiemu"), 2, QStringLiteral("ti92+"), 3}, helper, 5000);
        QVERIFY(link.receive(QStringLiteral("main"), QStringLiteral("pic"), dir.filePath(QStringLiteral("o.89i"))));
        QFile file(args);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().trimmed(), "receive main pic " + dir.filePath(QStringLiteral("o.89i")).toUtf8()
                                               + " --cable tiemu --port 2 --calc ti92+ --timeout 3");
    }

    // The bytes so far reach the progress as the helper tells them, the last of each batch
    // of lines; a line cut in two waits for its end.
    void progressShowsTheBytes()
    {
        const QString helper = standIn(QStringLiteral("progress.sh"),
                                       "printf 'progress\t10\t300\nprogress\t20\t300\n'; sleep 0.3; printf 'progress\t1'; "
                                       "sleep 0.3; printf '50\t300\n'; sleep 0.3; printf 'progress\t300\t300\ndone\n'");
        FakeProgress progress;
        QtCalculatorLink link({}, helper, 5000, &progress);
        QVERIFY(link.send(QStringLiteral("/tmp/a.89i")));
        QCOMPARE(progress.steps, (QList<std::pair<qint64, qint64>>{{20, 300}, {150, 300}, {300, 300}}));
    }
};

QTEST_GUILESS_MAIN(tst_QtCalculatorLink)
#include "tst_QtCalculatorLink.moc"
