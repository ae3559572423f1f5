#include "fakes/ConvertRun.h"
#include "fakes/FakeProgress.h"
#include "fakes/TestFiles.h"
#include "link/EmulatedCalculator.h"

#include "calc/PictureFile.h"
#include "qtplatform/QtCalculatorLink.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <random>

// The calculator link end to end against an emulated TI-89 (TiEmu running PedroM, booted
// once for this program): dotlark-convert's transfers, the link with its progress, the
// emulator killed in the middle of a transfer, and no emulator at all.
class tst_LinkEmulator : public QObject
{
    Q_OBJECT

    EmulatedCalculator calculator;
    QTemporaryDir dir;

    ToolRun convert(const QStringList &arguments) { return runConvert(arguments + calculator.linkOptions()); }

    // PedroM's link now and then stops answering after a transfer, TiLP's as well (a
    // timeout, error 4, from then on): `transfers` runs once more on a freshly booted
    // emulator when it failed that way. A fault of ours fails both times.
    template<class Transfers>
    void withFreshEmulatorOnTimeout(Transfers transfers)
    {
        QString said;
        if (transfers(said) || !said.contains(QStringLiteral("(error 4)")))
            return;
        qWarning("the emulated calculator stopped answering; booting it again");
        QVERIFY2(calculator.restart(), qPrintable(calculator.why()));
        transfers(said);
    }

    // A 160 x 77 picture of random pixels.
    QString randomPicture(const QString &name, unsigned seed)
    {
        std::mt19937 random(seed);
        PixelGrid pixels(160, 77);
        for (int y = 0; y < 77; ++y)
            for (int x = 0; x < 160; ++x)
                pixels.set(x, y, random() % 3 == 0);
        const EncodeResult encoded = encode89i("main", "picture", "", 160, 77, pixels);
        const QString path = dir.filePath(name);
        writeFile(path, QByteArray(reinterpret_cast<const char *>(encoded.bytes.data()), qsizetype(encoded.bytes.size())));
        return path;
    }

    static PixelGrid pixelsOf(const QString &path)
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const Outcome<CalcPicture> picture = decodePictureFile(path, file.readAll());
        return picture ? picture->pixels : PixelGrid();
    }

    // Sends the picture as main\rtrip and receives it back into the file back; false, with
    // what the tool said, when either fails.
    bool sendAndReceive(const QString &picture, const QString &back, QString &said)
    {
        const ToolRun sent = convert({"--send", picture, "--var", "main\\rtrip"});
        const ToolRun received = sent.exitCode == 0 ? convert({"--receive", "main\\rtrip", back}) : ToolRun{};
        said = sent.err + received.err;
        return sent.exitCode == 0 && received.exitCode == 0;
    }

private slots:
    void initTestCase()
    {
        EmulatedCalculator::cleanLink();
        if (!calculator.start())
            QSKIP(qPrintable(calculator.why()));
    }

    // Pixel for pixel there and back; a second send replaces the variable; the list shows it.
    void sendListReceive()
    {
        const QString first = randomPicture(QStringLiteral("first.89i"), 1);
        const QString second = randomPicture(QStringLiteral("second.89i"), 2);
        const QString back1 = dir.filePath(QStringLiteral("back1.89i")), back2 = dir.filePath(QStringLiteral("back2.89i"));
        ToolRun listed;
        withFreshEmulatorOnTimeout([&](QString &said) {
            if (!sendAndReceive(first, back1, said) || !sendAndReceive(second, back2, said))
                return false;
            listed = convert({"--list"});
            said = listed.err;
            return listed.exitCode == 0;
        });
        QCOMPARE(pixelsOf(back1), pixelsOf(first));
        QCOMPARE(pixelsOf(back2), pixelsOf(second));
        QVERIFY2(listed.out.contains(QStringLiteral("main\\rtrip\tpicture\t1547\n")), qPrintable(listed.out));
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
        ToolRun r;
        withFreshEmulatorOnTimeout([&](QString &said) {
            r = convert(QStringList{"--capture", out} + options);
            said = r.err;
            return r.exitCode == 0;
        });
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
        LinkSettings settings{QStringLiteral("tiemu"), 2, QStringLiteral("ti89"), 10};
        FakeProgress progress;
        QtCalculatorLink link(settings, EmulatedCalculator::linkHelper(), 60000, &progress);
        std::optional<Outcome<std::vector<CalculatorVariable>>> listed;
        withFreshEmulatorOnTimeout([&](QString &said) {
            listed = link.list();
            said = *listed ? QString() : listed->failure().detail;
            return listed->ok();
        });
        QVERIFY2(*listed, qPrintable(listed->ok() ? QString() : listed->failure().detail));
        QVERIFY(progress.begun.size() >= 1 && progress.begun.size() == progress.ended);
        QCOMPARE(progress.begun[0], QStringLiteral("Reading the calculator's variables..."));
    }

    // The emulator ends in the middle of a screen transfer: the helper says so and ends.
    void emulatorKilledMidTransfer()
    {
        QProcess helper;
        helper.start(EmulatedCalculator::linkHelper(), QStringList{"screen", "full"} + calculator.linkOptions());
        QByteArray answer;
        while (!answer.contains("progress") && helper.waitForReadyRead(20000))
            answer += helper.readAllStandardOutput();
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

QTEST_GUILESS_MAIN(tst_LinkEmulator)
#include "tst_LinkEmulator.moc"
