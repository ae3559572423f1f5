#include "calc/ByteConversions.h"
#include "fakes/PictureFixtures.h"
#include "fakes/RealFilesWindow.h"
#include "fakes/TestFiles.h"
#include "qtplatform/QtProgramRunner.h"
#include "shell/MainWindow.h"
#include "shell/TextBox.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kTilp = QStringLiteral("/usr/bin/tilp");

// The picture the tests send: its first pixel black.
QByteArray picture(CalcKind kind = CalcKind::TI89)
{
    return pictureFile(8, 8, {{0, 0}}, {.comment = "hello", .kind = kind});
}

struct Bench : FakeWindow
{
    Bench() { fakes.programs.installed[QStringLiteral("tilp")] = kTilp; }
    void open(const QString &path, CalcKind kind = CalcKind::TI89)
    {
        fakes.files.files[path] = picture(kind);
        QVERIFY(window.OpenFile(path, QFileInfo(path).fileName()));
    }
    QString sent() const { return fakes.programs.started.isEmpty() ? QString() : fakes.programs.started.last().last(); }
};
} // namespace

// File > Open in TiLP... hands the picture to TiLP for the calculator of its
// kind, one transfer at a time, without writing the user's file, and reports a failed one.
class tst_OpenInTilp : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;

private slots:
    // TiLP's settings (~/.tilp) of the machine the tests run on play no part.
    void initTestCase() { qputenv("HOME", QFile::encodeName(m_home.path())); }

    // An open picture goes as a copy in a private folder, named after the variable: the file
    // stays as it was, the drawing stays unsaved, the copy holds what the window shows.
    void sendsACopyForTheKind_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("calc");
        QTest::addColumn<QString>("copyName");
        QTest::newRow("TI-89") << "/p/a.89i" << "--calc=ti89" << "pic.89i";
        QTest::newRow("TI-92") << "/p/a.92i" << "--calc=ti92" << "pic.92i";
        QTest::newRow("TI-92 Plus") << "/p/a.9xi" << "--calc=ti92+" << "pic.9xi";
        QTest::newRow("Voyage 200") << "/p/a.v2i" << "--calc=v200" << "pic.v2i";
    }
    void sendsACopyForTheKind()
    {
        QFETCH(QString, file);
        QFETCH(QString, calc);
        QFETCH(QString, copyName);
        Bench bench;
        bench.open(file, *kindFromEnding(file.toStdString()));
        const QByteArray before = bench.fakes.files.files.value(file);
        drawDot(bench.window);
        bench.window.commentBox()->setText(QStringLiteral("new comment"));
        bench.window.miOpenInTilp_Click();

        QCOMPARE(bench.fakes.programs.started.size(), 1);
        QCOMPARE(bench.fakes.programs.started[0].mid(0, 2), (QStringList{kTilp, calc}));
        const QString copy = bench.sent();
        QCOMPARE(QFileInfo(copy).fileName(), copyName);
        QVERIFY(QFileInfo(QFileInfo(copy).path()).isDir());
        QCOMPARE(QFile(QFileInfo(copy).path()).permissions() & (QFile::ReadOther | QFile::ReadGroup), QFile::Permissions());
        QCOMPARE(bench.fakes.files.written, QStringList{copy});
        QCOMPARE(bench.fakes.files.files.value(file), before);
        QVERIFY(bench.window.document().menus().hasUnsavedDrawing());
        const DecodeResult sent = decode89i(asBytes(bench.fakes.files.files.value(copy)));
        QCOMPARE(sent.picture.comment, std::string("new comment"));
        QVERIFY(sent.picture.pixels.at(3, 3));
        QCOMPARE(sent.picture.kind, *kindFromEnding(file.toStdString()));

        bench.fakes.programs.finish(0);
        QVERIFY(!QFileInfo::exists(QFileInfo(copy).path())); // the private folder goes with the transfer
        QVERIFY(bench.fakes.messages.shown.isEmpty());
    }

    // What comes before TiLP: without a file the picture is saved through Save As first (a
    // cancelled dialog sends nothing); bad names and a missing TiLP stop it with a message.
    void stopsOrSavesFirst_data()
    {
        QTest::addColumn<bool>("tilp");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("saveAs");  // the Save As choice, "" = cancel
        QTest::addColumn<QString>("sent");    // "" = nothing started
        QTest::addColumn<QString>("message"); // part of the message shown, "" = none
        QTest::newRow("no TiLP") << false << true << "pic" << "" << "" << "sudo apt install tilp2";
        QTest::newRow("no file: Save As") << true << false << "pic" << "/p/new.9xi" << "/p/new.9xi" << "";
        QTest::newRow("Save As cancelled") << true << false << "pic" << "" << "" << "";
        QTest::newRow("bad name") << true << true << "1pic" << "" << "" << "Pic";
    }
    void stopsOrSavesFirst()
    {
        QFETCH(bool, tilp);
        QFETCH(bool, opened);
        QFETCH(QString, name);
        QFETCH(QString, saveAs);
        QFETCH(QString, sent);
        QFETCH(QString, message);
        Bench bench;
        if (!tilp)
            bench.fakes.programs.installed.clear();
        if (opened)
            bench.open(QStringLiteral("/p/a.89i"));
        drawDot(bench.window);
        bench.window.nameBox()->setText(name);
        if (!saveAs.isEmpty())
            bench.fakes.dialogs.choose(saveAs);
        bench.window.miOpenInTilp_Click();
        QCOMPARE(bench.sent(), sent);
        if (!sent.isEmpty())
            QCOMPARE(bench.fakes.programs.started[0], (QStringList{kTilp, QStringLiteral("--calc=ti92+"), sent}));
        QCOMPARE(bench.fakes.dialogs.requests.size(), tilp && !opened ? 1 : 0);
        QCOMPARE(bench.fakes.messages.texts().join(u' ').contains(message), true);
        QCOMPARE(bench.fakes.messages.shown.isEmpty(), message.isEmpty());
    }

    // When TiLP ends badly the user learns it, with the file and the end of TiLP's output.
    void reportsAFailedTransfer_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("expected"); // "" = no message
        const QString log = QStringLiteral("tilp-INFO: Opening cable null\n\ntilp-INFO: msg_box1: [Error] [Msg: invalid "
                                           "command ID.\nCause: received an unexpected Command ID]\n");
        QTest::newRow("sent") << 0 << "tilp-INFO: done\n" << "";
        QTest::newRow("exit status 1")
            << 1 << log
            << "/p/a.89i was not sent to the calculator.\rTiLP ended with exit status 1.\rTiLP has no link cable set "
               "up: start TiLP (tilp) and choose the cable and the calculator in its settings.\r\r"
               "tilp-INFO: Opening cable null\ntilp-INFO: msg_box1: [Error] [Msg: invalid command ID.\n"
               "Cause: received an unexpected Command ID]";
        QTest::newRow("crashed") << -1 << "" << "/p/a.89i was not sent to the calculator.\rTiLP ended abnormally.";
        QTest::newRow("error, then status 0") << 0 << log << "TiLP reported an error.";
    }
    void reportsAFailedTransfer()
    {
        QFETCH(int, status);
        QFETCH(QString, output);
        QFETCH(QString, expected);
        Bench bench;
        bench.open(QStringLiteral("/p/a.89i"));
        bench.window.miOpenInTilp_Click();
        QVERIFY(bench.fakes.messages.shown.isEmpty()); // nothing waits for TiLP
        bench.fakes.programs.finish(status, output);
        QCOMPARE(bench.fakes.messages.shown.size(), expected.isEmpty() ? 0 : 1);
        if (!expected.isEmpty()) {
            QVERIFY2(bench.fakes.messages.shown[0].text.contains(expected), qPrintable(bench.fakes.messages.shown[0].text));
            QCOMPARE(bench.fakes.messages.shown[0].caption, MainWindow::kTitle);
        }
    }

    void outputIsShortened()
    {
        QString output;
        for (int i = 0; i < 40; ++i)
            output += QStringLiteral("line %1 ").arg(i) + QString(300, u'x') + u'\n';
        const QStringList lines = outputTail(output).split(u'\n');
        QCOMPARE(lines.size(), 6);
        QVERIFY(lines.first().startsWith(QStringLiteral("line 34 ")));
        QCOMPARE(lines.last().size(), 120);
        QVERIFY(lines.last().endsWith(QStringLiteral("...")));
    }

    // A second Ctrl+L while our TiLP still runs starts no second one; once it ended it does.
    void oneTransferAtATime()
    {
        Bench bench;
        bench.open(QStringLiteral("/p/a.89i"));
        bench.window.miOpenInTilp_Click();
        bench.window.miOpenInTilp_Click();
        QCOMPARE(bench.fakes.programs.started.size(), 1);
        QCOMPARE(bench.fakes.messages.texts(),
                 QStringList{QStringLiteral("TiLP is already running, sending a picture to the calculator."
                                            "\rWait until it has finished, then send again.")});
        bench.fakes.programs.finish(0);
        bench.window.miOpenInTilp_Click();
        QCOMPARE(bench.fakes.programs.started.size(), 2);
    }

    // No private folder can be made (the temporary folder is a file): nothing is sent and the
    // user learns why; the file is not written instead.
    void copyCannotBeWritten()
    {
        Bench bench;
        bench.open(QStringLiteral("/p/a.89i"));
        const QByteArray tmp = qgetenv("TMPDIR");
        QFile notAFolder(m_home.filePath(QStringLiteral("tmp")));
        QVERIFY(notAFolder.open(QIODevice::WriteOnly));
        qputenv("TMPDIR", QFile::encodeName(notAFolder.fileName()));
        bench.window.miOpenInTilp_Click();
        qputenv("TMPDIR", tmp);
        QVERIFY(bench.fakes.programs.started.isEmpty());
        QVERIFY(bench.fakes.files.written.isEmpty());
        QCOMPARE(bench.fakes.messages.shown.size(), 1);
        QVERIFY2(bench.fakes.messages.shown[0].text.startsWith(
                     QStringLiteral("/p/a.89i was not sent to the calculator: its copy for TiLP cannot be written.\r")),
                 qPrintable(bench.fakes.messages.shown[0].text));
    }

    void cannotStart()
    {
        Bench bench;
        bench.open(QStringLiteral("/p/a.89i"));
        bench.fakes.programs.startFails = true;
        bench.window.miOpenInTilp_Click();
        QCOMPARE(bench.fakes.messages.texts(), QStringList{QStringLiteral("Can't start /usr/bin/tilp")});
    }

    // The whole road with real files and a program that stands in for TiLP on the PATH and
    // fails as TiLP does without a calculator: the message comes when it has ended, the
    // window answers in the meantime, and the user's file is not written.
    void standInThatFails()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("mine.89i"));
        QVERIFY(writeFile(file, picture()));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QByteArray(DOTLARK_TEST_DATA "/../standin:") + path);
        qputenv("TILP_STANDIN_SECONDS", "1");
        qputenv("TILP_STANDIN_SAYS", "msg_box1: [Error] [No cable]");
        QtProgramRunner programs;
        RealFilesWindow bench(nullptr, nullptr, &programs);
        FakeServices &fakes = bench.fakes;
        MainWindow &window = bench.window;
        window.Form_Load({});
        QVERIFY(window.OpenFile(file, QStringLiteral("mine.89i")));
        drawDot(window);
        QElapsedTimer clock;
        clock.start();
        window.miOpenInTilp_Click();
        window.miOpenInTilp_Click();
        QVERIFY(clock.elapsed() < 800);
        QCOMPARE(fakes.messages.texts().size(), 1); // already running
        QTRY_COMPARE_WITH_TIMEOUT(fakes.messages.texts().size(), 2, 10000);
        qputenv("PATH", path);
        const QString shown = fakes.messages.texts().last();
        QVERIFY2(shown.contains(QDir::toNativeSeparators(file)) && shown.contains(QStringLiteral("exit status 1"))
                     && shown.contains(QStringLiteral("No cable")) && shown.contains(QStringLiteral("--calc=ti89")),
                 qPrintable(shown));
        QCOMPARE(readFile(file), picture());
    }
};

QTEST_MAIN(tst_OpenInTilp)
#include "tst_OpenInTilp.moc"
