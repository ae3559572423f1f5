#include "fakes/FakeProgress.h"
#include "link/EmulatorTransfers.h"

#include "document/GreyPicture.h"
#include "fakes/FakeWindow.h"
#include "qtdialogs/QtProgress.h"
#include "qtplatform/QtCalculatorLink.h"
#include "qtplatform/QtFileStore.h"
#include "shell/TextBox.h"

#include <QElapsedTimer>
#include <QProgressDialog>
#include <QTimer>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

#define restrict __restrict
#include <tilp2/tifiles.h>
#undef restrict

#include <cstring>

namespace {

// A TI-89 string variable main\words ("hello") as libtifiles2 writes its file.
bool writeStringVariable(const QString &path)
{
    static const uint8_t data[] = {0x00, 0x08, 0x00, 'h', 'e', 'l', 'l', 'o', 0x00, 0x2D};
    tifiles_library_init();
    FileContent *content = tifiles_content_create_regular(CALC_TI89);
    VarEntry *entry = tifiles_ve_create_alloc_data(sizeof data);
    std::strcpy(entry->folder, "main");
    std::strcpy(entry->name, "words");
    entry->type = 0x0C;
    entry->size = sizeof data;
    std::memcpy(entry->data, data, sizeof data);
    tifiles_content_add_entry(content, entry);
    const int error = tifiles_file_write_regular(QFile::encodeName(path).constData(), content, nullptr);
    tifiles_content_delete_regular(content);
    return error == 0;
}

// The editor on the emulated calculator's link, its progress dialog real.
struct EditorOnLink
{
    FakeServices fakes;
    QtProgress progress{QStringLiteral("Calculator Link")};
    QtFileStore files; // the picture goes through a real file
    std::unique_ptr<MainWindow> window;

    EditorOnLink()
    {
        for (const auto &[key, value] : {std::pair{"cable", "tiemu"}, {"port", "2"}, {"calc", "ti89"}, {"timeout", "10"}})
            fakes.settings.values[QStringLiteral("dotlark95/link/") + QLatin1String(key)] = QLatin1String(value);
        Services services{fakes.messages, fakes.dialogs, files,          fakes.settings,  fakes.pictures,
                          fakes.printDialog, fakes.launcher, fakes.desktop, fakes.questions, fakes.programs};
        services.linkQuestions = &fakes.linkQuestions;
        services.linkProgress = &progress;
        services.calculatorLink = [](const LinkSettings &settings, Progress *shown) -> std::unique_ptr<CalculatorLink> {
            return std::make_unique<QtCalculatorLink>(settings, EmulatedCalculator::linkHelper(), 60000, shown);
        };
        window = std::make_unique<MainWindow>(services);
        window->endProgram = [] {};
        window->Form_Load({});
    }
    // Send to Calculator until the end says `sent` (PedroM's error box dismissed between).
    void send(EmulatedCalculator &calculator, const QString &sent)
    {
        calculator.transfer([&] {
            window->action(QStringLiteral("miSend"))->trigger();
            const QString said = fakes.messages.shown.isEmpty() ? QString() : fakes.messages.shown.last().text;
            return said == sent ? QString() : said;
        });
        QCOMPARE(fakes.messages.shown.last().text, sent);
    }
};

} // namespace

// The calculator link end to end against an emulated TI-89 (TiEmu running PedroM, booted
// once for this program): dotlark-convert's transfers, the link with its progress, the
// emulator killed in the middle of a transfer, and no emulator at all.
class tst_LinkEmulator : public QObject
{
    Q_OBJECT

    EmulatedCalculator calculator;
    QTemporaryDir dir;

    ToolRun convert(const QStringList &arguments) { return convertOn(calculator, arguments); }

    // dotlark-link itself (for what the converter does not send); what it said.
    QString linkHelper(const QStringList &arguments)
    {
        QString said;
        calculator.transfer([&] {
            QProcess helper;
            helper.start(EmulatedCalculator::linkHelper(), arguments + calculator.linkOptions());
            helper.waitForFinished(60000);
            said = QString::fromUtf8(helper.readAllStandardOutput());
            return said.endsWith(QStringLiteral("done\n")) ? QString() : said;
        });
        return said;
    }

    // Sends the picture as main\rtrip and receives it back into the file back.
    void sendAndReceive(const QString &picture, const QString &back)
    {
        const ToolRun sent = convert({"--send", picture, "--var", "main\\rtrip"});
        QVERIFY2(sent.exitCode == 0, qPrintable(sent.err));
        const ToolRun received = convert({"--receive", "main\\rtrip", back});
        QVERIFY2(received.exitCode == 0, qPrintable(received.err));
    }

private slots:
    void initTestCase()
    {
        EmulatedCalculator::cleanLink();
        if (!calculator.start())
            QSKIP(qPrintable(calculator.why()));
    }

    void cleanupTestCase()
    {
        qInfo("error boxes dismissed: %d, boots: %d", calculator.dismissals(), calculator.boots());
    }

    // Pixel for pixel there and back; a second send replaces the variable; the list shows it.
    void sendListReceive()
    {
        const QString first = dir.filePath(QStringLiteral("first.89i")), second = dir.filePath(QStringLiteral("second.89i"));
        writeRandomPicture(first, 1);
        writeRandomPicture(second, 2);
        const QString back1 = dir.filePath(QStringLiteral("back1.89i")), back2 = dir.filePath(QStringLiteral("back2.89i"));
        sendAndReceive(first, back1);
        sendAndReceive(second, back2);
        if (QTest::currentTestFailed())
            return;
        const ToolRun listed = convert({"--list"});
        QCOMPARE(pixelsOf(back1), pixelsOf(first));
        QCOMPARE(pixelsOf(back2), pixelsOf(second));
        QVERIFY2(listed.out.contains(QStringLiteral("main\\rtrip\tpicture\t1547\n")), qPrintable(listed.out + listed.err));
    }

    void capture_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QSize>("size");
        QTest::newRow("clipped") << QStringList{} << QSize(160, 100);
        QTest::newRow("full") << QStringList{"--full"} << QSize(240, 128);
    }
    // PedroM's prompt screen: the size asked for, with its banner's black pixels at the top.
    void capture()
    {
        QFETCH(QStringList, options);
        QFETCH(QSize, size);
        const QString out = dir.filePath(QStringLiteral("screen.png"));
        QFile::remove(out);
        const ToolRun r = convert(QStringList{"--capture", out} + options);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const QImage screen(out);
        QCOMPARE(screen.size(), size);
        int black = 0;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 100; ++x)
                black += qGray(screen.pixel(x, y)) < 128;
        QVERIFY2(black > 50, qPrintable(QString::number(black)));
    }

    // The editor's way: the link shows its work and keeps the event loop running.
    void linkWithProgress()
    {
        LinkSettings settings{QStringLiteral("tiemu"), 2, QStringLiteral("ti89"), 10, {}};
        FakeProgress progress;
        QtCalculatorLink link(settings, EmulatedCalculator::linkHelper(), 60000, &progress);
        std::optional<Outcome<std::vector<CalculatorVariable>>> listed;
        calculator.transfer([&] {
            listed = link.list();
            return *listed ? QString() : listed->failure().detail;
        });
        QVERIFY2(*listed, qPrintable(listed->ok() ? QString() : listed->failure().detail));
        QVERIFY(progress.begun.size() >= 1 && progress.begun.size() == progress.ended);
        QCOMPARE(progress.begun[0], QStringLiteral("Reading the calculator's variables..."));
    }

    // The editor's Send to Calculator: the picture in memory goes under the boxes' names with
    // the progress dialog up, the end says so, and it comes back the same.
    void editorSends()
    {
        EditorOnLink editor;
        MainWindow &window = *editor.window;
        for (float x = 2.5f; x < 150; x += 7)
            drawDot(window, x, x / 3);
        window.folderBox()->setText(QStringLiteral("main"));
        window.nameBox()->setText(QStringLiteral("edsend"));
        QStringList dialogTexts;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (const QProgressDialog *dialog = editor.progress.dialog(); dialog && dialog->isVisible())
                dialogTexts << dialog->labelText();
        });
        watch.start(50);
        editor.send(calculator, QStringLiteral("main\\edsend was sent to the TI-89."));
        watch.stop();
        QVERIFY2(!dialogTexts.isEmpty() && dialogTexts.last().startsWith(QStringLiteral("Sending ")), qPrintable(dialogTexts.join(u'|')));
        const QString back = dir.filePath(QStringLiteral("edsend.89i"));
        const ToolRun received = convert({"--receive", "main\\edsend", back});
        QVERIFY2(received.exitCode == 0, qPrintable(received.err));
        QCOMPARE(pixelsOf(back), window.document().pixels());
    }

    // A grey picture goes as its two planes, main\gsprl and main\gsprd; both come back equal.
    void editorSendsGreyPlanes()
    {
        EditorOnLink editor;
        MainWindow &window = *editor.window;
        GreyPicture grey(40, 20);
        for (int y = 0; y < grey.height; ++y)
            for (int x = 0; x < grey.width; ++x)
                grey.setLevel(x, y, GreyLevel((x / 3 + y) % 4));
        window.document().replace(levelsFromGrey(grey), grey.width, grey.height, 4);
        window.folderBox()->setText(QStringLiteral("main"));
        window.nameBox()->setText(QStringLiteral("gspr"));
        editor.send(calculator, QStringLiteral("main\\gsprl and main\\gsprd were sent to the TI-89."));
        for (const auto &[name, plane] : {std::pair{"gsprl", &grey.light}, std::pair{"gsprd", &grey.dark}}) {
            const QString back = dir.filePath(QLatin1String(name) + QStringLiteral(".89i"));
            const ToolRun received = convert({"--receive", QStringLiteral("main\\") + QLatin1String(name), back});
            QVERIFY2(received.exitCode == 0, qPrintable(received.err));
            QCOMPARE(pixelsOf(back), *plane);
        }
    }

    // Automatic finds the calculator (it says which it is) and the converter says so.
    void automaticFindsTheCalculator()
    {
        ToolRun r;
        calculator.transfer([&] {
            r = runConvert({"--list", "--cable", "tiemu", "--port", "2", "--calc", "auto", "--timeout", "10"});
            return r.exitCode == 0 ? QString() : r.err;
        });
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.contains(QStringLiteral("the calculator answered as the TI-89")), qPrintable(r.err));
    }

    // Cancel before the first packet and in the middle of the data: the old picture stays,
    // the calculator is told the send ends (it answers: nothing is said to be waiting), and
    // the next transfer works.
    void cancelKeepsTheCalculatorReady_data()
    {
        QTest::addColumn<int>("cancelAfterMs"); // -1: at the first bytes told
        QTest::newRow("before the first packet") << 300;
        QTest::newRow("in the data") << -1;
    }
    void cancelKeepsTheCalculatorReady()
    {
        QFETCH(int, cancelAfterMs);
        const QString old = dir.filePath(QStringLiteral("old.89i")), big = dir.filePath(QStringLiteral("cancelled.89i"));
        writeRandomPicture(old, 5);
        writeRandomPicture(big, 6, 240, 2000);
        const ToolRun sent = convert({"--send", old, "--var", "main\\cancel"});
        QVERIFY2(sent.exitCode == 0, qPrintable(sent.err));
        const ToolRun named = runConvert({big, dir.filePath(QStringLiteral("cancel.89i")), "--name", "cancel"});
        QVERIFY2(named.exitCode == 0, qPrintable(named.err));
        FakeProgress progress;
        progress.cancelAfterMs = cancelAfterMs;
        progress.cancelAtFirstStep = cancelAfterMs < 0;
        QtCalculatorLink link({QStringLiteral("tiemu"), 2, QStringLiteral("ti89"), 10, {}}, EmulatedCalculator::linkHelper(),
                              0, &progress);
        Done cancelled;
        calculator.transfer([&] {
            progress.steps.clear();
            cancelled = link.send(dir.filePath(QStringLiteral("cancel.89i")));
            // PedroM's error box before anything went is no cancel: dismissed and tried again.
            return !cancelled && cancelled.failure().detail.contains(QStringLiteral("(error 4)")) ? cancelled.failure().detail
                                                                                               : QString();
        });
        QVERIFY(!cancelled);
        QVERIFY2(cancelled.failure().detail.endsWith(QStringLiteral("the transfer was cancelled")),
                 qPrintable(cancelled.failure().detail));
        if (cancelAfterMs < 0)
            QVERIFY(!progress.steps.isEmpty() && progress.steps.first().first < progress.steps.first().second);
        const QString back = dir.filePath(QStringLiteral("cancelback.89i"));
        const ToolRun received = convert({"--receive", "main\\cancel", back});
        QVERIFY2(received.exitCode == 0, qPrintable(received.err));
        QCOMPARE(pixelsOf(back), pixelsOf(old));
    }

    // A variable that is not a picture: the converter says so and writes nothing.
    void receiveNotAPicture()
    {
        const QString words = dir.filePath(QStringLiteral("words.89s")), out = dir.filePath(QStringLiteral("words.png"));
        QVERIFY(writeStringVariable(words));
        const QString sent = linkHelper({"send", words});
        QVERIFY2(sent.endsWith(QStringLiteral("done\n")), qPrintable(sent));
        const ToolRun r = convert({"--receive", "main\\words", out});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(QStringLiteral("main\\words")) && r.err.contains(QStringLiteral("is not a picture variable")),
                 qPrintable(r.err));
        QVERIFY(!QFile::exists(out));
        // Nor does a file that holds no variable go: the link library's words say why.
        const QString garbage = dir.filePath(QStringLiteral("garbage.89i"));
        writeFile(garbage, "not a calculator file");
        const QString refused = linkHelper({"send", garbage});
        QVERIFY2(refused.contains(QStringLiteral("failure\tthe picture was not sent: Msg: invalid file")), qPrintable(refused));
    }

    // A second transfer while one runs is refused at once; the first goes on.
    void cableBusy()
    {
        QProcess first;
        first.start(EmulatedCalculator::linkHelper(), QStringList{"screen", "full"} + calculator.linkOptions());
        QVERIFY(first.waitForStarted());
        QThread::msleep(500);
        QElapsedTimer clock;
        clock.start();
        const ToolRun second = runConvert(QStringList{"--list"} + calculator.linkOptions());
        QCOMPARE(second.exitCode, 1);
        QVERIFY2(second.err.contains(QStringLiteral("The cable is busy")), qPrintable(second.err));
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(first.waitForFinished(60000));
        const QString answer = QString::fromUtf8(first.readAllStandardOutput());
        // PedroM's error box now and then (see EmulatedCalculator) is no fault of the lock.
        if (answer.contains(QStringLiteral("(error 4)")))
            calculator.dismissError();
        else
            QVERIFY2(answer.endsWith(QStringLiteral("done\n")), qPrintable(answer));
    }

    // Pictures of 60 KB until the calculator's memory is full (PedroM then shows an error
    // and answers nothing): the send that does not fit fails within the timeout, saying
    // what to do. The calculator is then full: the tests after this one read only.
    // Three fit on a fresh calculator, but PedroM keeps the memory it set aside for the
    // variable whose send was cancelled (cancelKeepsTheCalculatorReady): two are sure to fit.
    void outOfMemory()
    {
        const QString big = dir.filePath(QStringLiteral("big.89i"));
        writeRandomPicture(big, 4, 240, 2000);
        ToolRun r;
        QElapsedTimer clock;
        for (int i = 0; i < 8 && r.exitCode != 1; ++i) {
            const QStringList send{"--send", big, "--var", QStringLiteral("main\\big%1").arg(i)};
            clock.start();
            // The first sends fit: a timeout there is PedroM's passing error box.
            r = i < 2 ? convert(send) : runConvert(send + calculator.linkOptions());
            QVERIFY2(r.exitCode == 0 || i >= 2, qPrintable(r.err));
        }
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(QStringLiteral("big.89i: The picture was not sent"))
                     && r.err.contains(QStringLiteral("if the calculator shows an error, press ESC on it and try again")),
                 qPrintable(r.err));
        QVERIFY2(clock.elapsed() < 30000, qPrintable(QString::number(clock.elapsed())));
        calculator.dismissError();
    }

    // The emulator ends in the middle of a screen transfer: the helper says so and ends.
    void emulatorKilledMidTransfer()
    {
        QProcess helper;
        QByteArray answer;
        // Started again when PedroM's error box kept it from beginning.
        calculator.transfer([&] {
            helper.start(EmulatedCalculator::linkHelper(), QStringList{"screen", "full"} + calculator.linkOptions());
            answer.clear();
            while (!answer.contains("progress") && helper.waitForReadyRead(20000))
                answer += helper.readAllStandardOutput();
            helper.waitForFinished(answer.contains("progress") ? 0 : 30000);
            return answer.contains("progress") ? QString() : QString::fromUtf8(answer);
        });
        QVERIFY2(answer.contains("progress"), answer.constData());
        calculator.kill();
        QVERIFY(helper.waitForFinished(30000));
        answer += helper.readAllStandardOutput();
        QCOMPARE(helper.exitCode(), 1);
        QVERIFY2(answer.contains("failure\tthe screen was not received: "), answer.constData());
    }

    // Nothing at the other end of the emulator's link: a clear failure within the timeout.
    void noEmulator()
    {
        calculator.kill();
        QElapsedTimer clock;
        clock.start();
        const ToolRun r = convert({"--list"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(QStringLiteral("No emulator is running")), qPrintable(r.err));
        QVERIFY2(clock.elapsed() < 20000, qPrintable(QString::number(clock.elapsed())));
    }
};

QTEST_MAIN(tst_LinkEmulator)
#include "tst_LinkEmulator.moc"
