#include "fakes/FakeProgress.h"
#include "fakes/TestFiles.h"

#include "qtplatform/LinkReply.h"
#include "qtplatform/QtCalculatorLink.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

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
        QTest::newRow("done, but a failing status") << QByteArray("echo done; exit 3") << -1 << "ended with status 3";
        // Cancel asks the helper to end the exchange: its own words on how it ended are kept;
        // one that does not stop is ended after two of the cable's waits.
        QTest::newRow("cancelled, the exchange ended")
            << QByteArray("trap 'printf \"failure\\tpic was not sent: the transfer was cancelled\\n\"; exit 1' TERM; "
                          "sleep 30 & wait")
            << 200 << "pic was not sent: the transfer was cancelled";
        QTest::newRow("cancelled, deaf to it") << QByteArray("trap '' TERM; sleep 30 & wait; sleep 30 & wait") << 200
                                               << "the transfer was cancelled";
    }
    void helperFaults()
    {
        QFETCH(QByteArray, script);
        QFETCH(int, cancelAfterMs);
        QFETCH(QString, says);
        FakeProgress progress;
        progress.cancelAfterMs = cancelAfterMs;
        LinkSettings settings;
        settings.timeoutSeconds = 1;
        QtCalculatorLink link(settings, standIn(QStringLiteral("helper.sh"), script), 1500, &progress);
        QElapsedTimer clock;
        clock.start();
        const Done sent = link.send(QStringLiteral("/tmp/a.89i"));
        QVERIFY(!sent);
        QCOMPARE(sent.failure().what, Failure::What::LinkFailed);
        QVERIFY2(sent.failure().detail.contains(says), qPrintable(sent.failure().detail));
        QVERIFY(clock.elapsed() < 8000);
        QCOMPARE(progress.ended, 1);
    }

    // A cancel that comes when the transfer has ended (the helper says done as it goes) does
    // not make a sent picture a failure.
    void cancelAfterTheEnd()
    {
        FakeProgress progress;
        progress.cancelAfterMs = 200;
        QtCalculatorLink link({}, standIn(QStringLiteral("late.sh"), "trap 'echo done; exit 0' TERM; sleep 30 & wait"), 5000,
                              &progress);
        const Done sent = link.send(QStringLiteral("/tmp/a.89i"));
        QVERIFY2(sent, qPrintable(sent ? QString() : sent.failure().detail));
    }

    // The silence allowed is counted from the helper's last sign of life, not from its start:
    // a transfer that shows progress for longer than that ends well.
    void longTransferWithProgress()
    {
        const QString helper = standIn(QStringLiteral("slow.sh"), "for i in 1 2 3 4 5 6 7 8; do printf 'progress\\t%d\\t8\\n' $i; "
                                                                 "sleep 0.4; done; echo alive; sleep 0.4; echo done");
        QtCalculatorLink link({}, helper, 1500);
        const Done sent = link.send(QStringLiteral("/tmp/a.89i"));
        QVERIFY2(sent, qPrintable(sent ? QString() : sent.failure().detail));
    }

    // A send in one session: the helper tells what the calculator holds, waits for the
    // answer on its input, and tells each variable sent; No sends nothing.
    void sendAllAsks_data()
    {
        QTest::addColumn<QByteArray>("heldLines");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("held");
        QTest::addColumn<QString>("unsure");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<bool>("declined");
        QTest::newRow("holds one, yes") << QByteArray("held\tmain\tsprd\n") << true << QStringList{"main\\sprd"} << ""
                                        << QStringList{"main\\sprl", "main\\sprd"} << false;
        QTest::newRow("holds one, no") << QByteArray("held\tmain\tsprd\n") << false << QStringList{"main\\sprd"} << ""
                                       << QStringList{} << true;
        QTest::newRow("a list not to trust") << QByteArray("unsure\tone without a name\n") << false << QStringList{}
                                             << "one without a name" << QStringList{} << true;
    }
    void sendAllAsks()
    {
        QFETCH(QByteArray, heldLines);
        QFETCH(bool, answer);
        const QString heard = dir.filePath(QStringLiteral("heard"));
        const QString helper = standIn(
            QStringLiteral("ask.sh"),
            "printf 'calc\\tti89\\tasked\\n" + heldLines.replace('\t', "\\t").replace('\n', "\\n") + "ask\\n'; read answer; echo \"$answer\" > '"
                + heard.toUtf8() + "'; if [ \"$answer\" = yes ]; then printf 'sent\\tmain\\tsprl\\nsent\\tmain\\tsprd\\ndone\\n'; "
                "else printf 'declined\\ndone\\n'; fi");
        QtCalculatorLink link({}, helper, 5000);
        QStringList heldAsked;
        QString unsureAsked;
        const SendReport report = link.sendAll({QStringLiteral("/tmp/l.89i"), QStringLiteral("/tmp/d.89i")},
                                               [&](const QStringList &held, const QString &unsure) {
                                                   heldAsked = held;
                                                   unsureAsked = unsure;
                                                   return answer;
                                               });
        QVERIFY2(!report.failure, qPrintable(report.failure ? report.failure->detail : QString()));
        QTEST(heldAsked, "held");
        QTEST(unsureAsked, "unsure");
        QTEST(report.sent, "sent");
        QTEST(report.declined, "declined");
        QCOMPARE(readFile(heard).trimmed(), answer ? QByteArray("yes") : QByteArray("no"));
        QVERIFY(link.calcUsed());
        QCOMPARE(link.calcUsed()->calc, QStringLiteral("ti89"));
    }

    // A failure after the first of two variables went names what went.
    void sendAllStopsHalfway()
    {
        const QString helper = standIn(QStringLiteral("half.sh"), "printf 'sent\\tmain\\tsprl\\nfailure\\tmain\\\\sprd was not sent: timeout\\n'; exit 1");
        QtCalculatorLink link({}, helper, 5000);
        const SendReport report = link.sendAll({QStringLiteral("/tmp/l.89i"), QStringLiteral("/tmp/d.89i")}, {});
        QCOMPARE(report.sent, QStringList{"main\\sprl"});
        QVERIFY(report.failure);
        QVERIFY(report.failure->detail.contains(QStringLiteral("sprd was not sent")));
    }

    // The cable's lock is the user's own, in the runtime folder, and gone after use: a lock
    // file of the same name that someone else holds in /tmp does not make the cable busy.
    // (A parallel port that is not there: the helper takes the lock, then fails to open it.)
    void lockIsTheUsersOwn()
    {
        QTemporaryDir runtime;
        const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        const int planted = ::open("/tmp/dotlark-link-3-4.lock", O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
        QVERIFY(planted >= 0 && ::flock(planted, LOCK_EX | LOCK_NB) == 0);
        QtCalculatorLink link({QStringLiteral("parallel"), 4, QStringLiteral("ti89"), 1, {}},
                              QStringLiteral(DOTLARK_BINARY_DIR "/app/link/dotlark-link"), 5000);
        const Outcome<std::vector<CalculatorVariable>> listed = link.list();
        QVERIFY(!listed);
        QVERIFY2(!listed.failure().detail.contains(QStringLiteral("busy")), qPrintable(listed.failure().detail));
        QCOMPARE(QDir(runtime.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
        // Held in the runtime folder, it still keeps a second transfer off the cable.
        const int held = ::open(QFile::encodeName(runtime.filePath(QStringLiteral("dotlark-link-3-4.lock"))).constData(),
                                O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        QVERIFY(held >= 0 && ::flock(held, LOCK_EX | LOCK_NB) == 0);
        const Outcome<std::vector<CalculatorVariable>> busy = link.list();
        QVERIFY(!busy && busy.failure().detail.contains(QStringLiteral("busy")));
        ::close(held);
        ::close(planted);
        ::unlink("/tmp/dotlark-link-3-4.lock");
        qputenv("XDG_RUNTIME_DIR", oldRuntime);
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
        QtCalculatorLink link({QStringLiteral("tiemu"), 2, QStringLiteral("ti92+"), 3, {}}, helper, 5000);
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
