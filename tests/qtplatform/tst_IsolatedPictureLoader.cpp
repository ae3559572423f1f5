#include "fakes/FakeProgress.h"
#include "fakes/PictureFixtures.h"
#include "fakes/Sanitizer.h"
#include "fakes/TestFiles.h"
#include "qtplatform/IsolatedPictureLoader.h"
#include "qtplatform/QtPictureLoader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace {

const QString kHelper = QStringLiteral(DOTLARK_BINARY_DIR "/app/decode/dotlark-decode");
const QString kStandin = QStringLiteral(DECODE_STANDIN);

// The window records of the fixtures' metafiles (origin 0, 0; extent 1440 x 720), `body`,
// and the end record unless left out.
QByteArray metafileRecords(const Bytes &body, bool end = true)
{
    Bytes records;
    records.u32(5).u16(0x020B).u16(0).u16(0);
    records.u32(5).u16(0x020C).u16(720).u16(1440);
    records.data.append(body.data);
    if (end)
        records.u32(3).u16(0);
    return records.data;
}

// The placeable metafile with one word of its metafile header (at `offset` behind the
// placeable header) set to `value`.
QByteArray changedHeader(int offset, quint16 value)
{
    QByteArray bytes = metafile(true);
    bytes[22 + offset] = char(value & 0xFF);
    bytes[22 + offset + 1] = char(value >> 8);
    return bytes;
}

QImage checker()
{
    QImage image(16, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            image.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    return image;
}

// A real 1 x 1 PNG whose header claims 30000 x 30000.
QByteArray pngBomb()
{
    QImage one(1, 1, QImage::Format_Grayscale8);
    one.fill(0);
    return pngClaiming(one, 30000, 30000);
}

QByteArray gifBomb() { return gif(30000, 30000); }

QByteArray bmpBomb()
{
    Bytes b;
    b.raw({'B', 'M'}).u32(54 + 16).u16(0).u16(0).u32(54);
    b.u32(40).u32(65535).u32(65535).u16(1).u16(24).u32(0).u32(0).u32(2835).u32(2835).u32(0).u32(0);
    b.raw({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    return b.data;
}

} // namespace

class tst_IsolatedPictureLoader : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        if (!writeFile(path, bytes))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // A stand-in for the helper, as a shell script.
    QString script(const QString &name, const QByteArray &body)
    {
        const QString path = m_dir.filePath(name);
        if (!writeProgram(path, "#!/bin/sh\n" + body + "\n"))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    // Good pictures come back exactly as the in-process loader reads them.
    void picturesCrossIntact_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("bmp") << imageFile(checker(), "BMP");
        QTest::newRow("png") << imageFile(checker(), "PNG");
        QTest::newRow("placeable metafile") << metafile(true);
        QTest::newRow("netpbm") << QByteArray("P1\n4 2\n1010\n0101\n");
    }
    void picturesCrossIntact()
    {
        QFETCH(QByteArray, bytes);
        const Outcome<QImage> direct = QtPictureLoader().loadFromBytes(bytes);
        QVERIFY(direct);
        IsolatedPictureLoader loader(kHelper);
        const Outcome<QImage> isolated = loader.load(write(QStringLiteral("good"), bytes));
        QVERIFY2(isolated, qPrintable(isolated ? QString() : isolated.failure().detail));
        QCOMPARE(*isolated, direct->convertToFormat(QImage::Format_ARGB32));
    }

    // The hint reaches the helper: the same reduced or cut picture, and the full size.
    void hintCrossesIntact_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("cover");
        QTest::addColumn<QSize>("topLeft");
        QTest::addColumn<QSize>("size");
        const QByteArray jpeg = photoFile(2400, 1600);
        QTest::newRow("jpeg cover") << jpeg << QSize(320, 154) << QSize() << QSize(600, 400);
        QTest::newRow("jpeg top-left") << jpeg << QSize() << QSize(160, 77) << QSize(160, 77);
        QTest::newRow("png top-left") << photoFile(200, 50, "PNG") << QSize() << QSize(160, 77) << QSize(160, 50);
    }
    void hintCrossesIntact()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, cover);
        QFETCH(QSize, topLeft);
        QFETCH(QSize, size);
        const Outcome<LoadedPicture> direct = QtPictureLoader().loadFromBytesFor(bytes, {cover, topLeft});
        QVERIFY(direct);
        IsolatedPictureLoader loader(kHelper);
        const Outcome<LoadedPicture> isolated = loader.loadFor(write(QStringLiteral("hinted"), bytes), {cover, topLeft});
        QVERIFY2(isolated, qPrintable(isolated ? QString() : isolated.failure().detail));
        QCOMPARE(isolated->image.size(), size);
        QCOMPARE(isolated->fullSize, direct->fullSize);
        QCOMPARE(isolated->image, direct->image.convertToFormat(QImage::Format_ARGB32));
    }

    // A picture of 1 x 50331648 pixels (1 KB as a run-length-encoded bitmap) has as many
    // rows: they cross in pieces, within the reader's deadline, not in a write each.
    void tallPictureCrossesInTime()
    {
        const QString path = write(QStringLiteral("tall.bmp"), rleBitmap(1, 50331648, 8, Bytes().raw({0, 1}).data));
        IsolatedPictureLoader loader(kHelper);
        const Outcome<QImage> tall = loader.load(path);
        QVERIFY2(tall, qPrintable(tall ? QString() : tall.failure().detail));
        QCOMPARE(tall->size(), QSize(1, 50331648));
        QCOMPARE(tall->pixel(0, 25165824), qRgb(0, 0, 0));
    }

    // Whatever the file, the load ends within seconds with a reason, and nothing is returned.
    void hostileFilesGiveAReason_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("png bomb") << "bomb.png" << "30000 x 30000";
        QTest::newRow("gif bomb") << "bomb.gif" << "";
        QTest::newRow("bmp bomb") << "bomb.bmp" << "";
        QTest::newRow("truncated png") << "cut.png" << "";
        QTest::newRow("empty") << "empty.bmp" << "empty";
        QTest::newRow("not a picture") << "text.bmp" << "";
        QTest::newRow("fifo") << "fifo.bmp" << "pipe";
        QTest::newRow("device") << "/dev/zero" << "device";
        QTest::newRow("folder") << "." << "folder";
        QTest::newRow("symlink loop") << "loop.bmp" << "symbolic links";
        QTest::newRow("missing") << "missing.bmp" << "No such file";
    }
    void hostileFilesGiveAReason()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        write(QStringLiteral("bomb.png"), pngBomb());
        write(QStringLiteral("bomb.gif"), gifBomb());
        write(QStringLiteral("bomb.bmp"), bmpBomb());
        const QByteArray png = imageFile(checker(), "PNG");
        write(QStringLiteral("cut.png"), png.left(png.size() / 2));
        write(QStringLiteral("empty.bmp"), {});
        write(QStringLiteral("text.bmp"), "hello, picture reader\n");
        const QByteArray fifo = QFile::encodeName(m_dir.filePath(QStringLiteral("fifo.bmp")));
        const QByteArray loop = QFile::encodeName(m_dir.filePath(QStringLiteral("loop.bmp")));
        const QByteArray other = QFile::encodeName(m_dir.filePath(QStringLiteral("other.bmp")));
        ::mkfifo(fifo.constData(), 0600);
        ::symlink(other.constData(), loop.constData());
        ::symlink(loop.constData(), other.constData());

        // Read whole, and with a hint of what is needed.
        for (const LoadHint &hint : {LoadHint{}, LoadHint{QSize(320, 154), QSize(160, 77)}}) {
            IsolatedPictureLoader loader(kHelper);
            QElapsedTimer clock;
            clock.start();
            const QString path = name.startsWith(u'/') ? name : m_dir.filePath(name);
            const auto refused = loader.loadFor(path, hint);
            QVERIFY(!refused);
            QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
            QVERIFY(!refused.failure().detail.isEmpty());
            QVERIFY2(refused.failure().detail.contains(reason), qPrintable(refused.failure().detail));
        }
    }

    // A helper that crashes, stalls, spins, lies about the size or says nothing is refused.
    void misbehavingHelperIsContained_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("reason");
        QTest::newRow("crash") << QByteArray("kill -SEGV $$") << "stopped on a fault";
        QTest::newRow("stall") << QByteArray("exec sleep 30") << "longer than";
        QTest::newRow("spin") << QByteArray("ulimit -S -t 1; while :; do :; done") << "processor time";
        QTest::newRow("huge picture")
            << QByteArray("printf 'DLKD\\001\\000\\000\\000\\377\\377\\000\\000\\377\\377\\000\\000'; exec cat /dev/zero")
            << "announced a picture of 65535 x 65535";
        // A 2 x 2 picture of 2 x 2 in its file.
        const QByteArray twoByTwo("printf 'DLKD\\001\\000\\000\\000\\002\\000\\000\\000\\002\\000\\000\\000"
                                  "\\002\\000\\000\\000\\002\\000\\000\\000'; ");
        QTest::newRow("more than announced") << twoByTwo + "head -c 100 /dev/zero" << "more than it announced";
        QTest::newRow("short picture") << twoByTwo + "head -c 3 /dev/zero" << "without an answer";
        QTest::newRow("huge full size")
            << QByteArray("printf 'DLKD\\001\\000\\000\\000\\002\\000\\000\\000\\002\\000\\000\\000"
                          "\\377\\377\\000\\000\\377\\377\\000\\000'; exec cat /dev/zero")
            << "full size of 65535 x 65535";
        QTest::newRow("silent") << QByteArray("exit 3") << "without an answer (exit status 3)";
        // The real helper, given less memory than a file of 60 MB takes to read.
        QTest::newRow("out of memory")
            << "ulimit -v 100000; head -c 60000000 /dev/zero > \"$1\"; exec " + kHelper.toUtf8() + " \"$1\""
            << "needs more than the 97 MB of memory this reader may use";
    }
    void misbehavingHelperIsContained()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, reason);
        if (kAddressSanitizer && QTest::currentDataTag() == QByteArrayLiteral("out of memory"))
            QSKIP("the helper cannot start in a bounded address space under AddressSanitizer");
        // The spinning helper needs its second of processor time before the wall clock runs
        // out, also on a busy machine; the others are stopped by the wall clock or answer at once.
        const int timeoutMs = QTest::currentDataTag() == QByteArrayLiteral("spin") ? 6000 : 1500;
        IsolatedPictureLoader loader(script(QStringLiteral("helper.sh"), body), timeoutMs);
        QElapsedTimer clock;
        clock.start();
        const auto refused = loader.load(write(QStringLiteral("any.bmp"), imageFile(checker(), "BMP")));
        QVERIFY(!refused);
        QVERIFY(clock.elapsed() < timeoutMs + 3500);
        QVERIFY2(refused.failure().detail.contains(reason), qPrintable(refused.failure().detail));
    }

    // A metafile that libwmf would refuse, or that this program refuses for it, says why.
    void metafileFailuresGiveTheirReason_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("placeable header cut short")
            << metafile(true).left(12) << "the metafile's placeable header is cut short";
        QTest::newRow("empty frame") << placeableRectangle(QRect(QPoint(0, 0), QPoint(0, 720)), 1440, QRect(0, 0, 1, 1))
                                     << "gives an empty frame of 0 x 720 units";
        QTest::newRow("no units per inch") << metafile(true, 1440, 720, 0) << "gives 0 units per inch";
        QTest::newRow("header of 8 words") << changedHeader(2, 8) << "gives its size as 8 words, not 9";
        QTest::newRow("record beyond the largest")
            << placeableMetafile(metafileRecords(Bytes().u32(7).u16(0x041B).u16(540).u16(1080).u16(180).u16(360)), 5)
            << "record at byte 60 is of 7 words, larger than the 5 its header allows";
        QTest::newRow("object beyond the table")
            << placeableMetafile(metafileRecords(Bytes().u32(4).u16(0x012D).u16(3)), 7)
            << "record at byte 60 uses object 3 of a table of 1";
        QTest::newRow("record of two words")
            << placeableMetafile(metafileRecords(Bytes().u32(2).u16(0x041B)), 7)
            << "record at byte 60 is of 2 words, too short to be a record";
        QTest::newRow("cut-off record")
            << placeableMetafile(metafileRecords(Bytes().u32(20).u16(0x041B).u16(540), false), 20)
            << "ends in the middle of its record at byte 60";
        QTest::newRow("no end record")
            << placeableMetafile(metafileRecords(Bytes(), false), 7) << "ends without its end record";
        QTest::newRow("rectangle without corners")
            << placeableMetafile(metafileRecords(Bytes().u32(3).u16(0x041B)), 7) << "the metafile's records are damaged";
        QTest::newRow("picture of no size") << placeableRectangle(QRect(QPoint(0, 0), QPoint(1, 1)), 1440, QRect(0, 0, 1, 1))
                                            << "the metafile's picture is 0 x 0 pixels";
    }
    void metafileFailuresGiveTheirReason()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        IsolatedPictureLoader loader(kHelper);
        const auto refused = loader.load(write(QStringLiteral("bad.wmf"), bytes));
        QVERIFY(!refused);
        QVERIFY2(refused.failure().detail.contains(reason), qPrintable(refused.failure().detail));
    }

    // A helper that stalls or answers late leaves the caller's event loop turning, shown as
    // work under way; Cancel ends the helper at once.
    void slowHelperLeavesTheLoopTurning_data()
    {
        QTest::addColumn<int>("sleepMs");
        QTest::addColumn<int>("cancelAfterMs");
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<QString>("reason"); // empty: the picture comes
        QTest::newRow("cancelled while stalling") << 60000 << 300 << 10000 << "the reading was cancelled";
        QTest::newRow("answering late") << 700 << -1 << 10000 << "";
        QTest::newRow("stalling past the deadline") << 60000 << -1 << 700 << "took longer than 0.7 seconds";
    }
    void slowHelperLeavesTheLoopTurning()
    {
        QFETCH(int, sleepMs);
        QFETCH(int, cancelAfterMs);
        QFETCH(int, timeoutMs);
        QFETCH(QString, reason);
        const QString pidFile = m_dir.filePath(QStringLiteral("standin.pid"));
        qputenv("DECODE_STANDIN_PID", QFile::encodeName(pidFile));
        qputenv("DECODE_STANDIN_MS", QByteArray::number(sleepMs));
        FakeProgress progress;
        progress.cancelAfterMs = cancelAfterMs;
        IsolatedPictureLoader loader(kStandin, timeoutMs, &progress);
        const QString path = write(QStringLiteral("slow.wmf"), metafile(true));

        const LoopLatency latency;
        const Outcome<QImage> picture = loader.load(path);
        QVERIFY2(latency.longestMs() < 100, qPrintable(QString::number(latency.longestMs())));
        if (cancelAfterMs >= 0)
            QVERIFY2(progress.cancelled.elapsed() < 100, qPrintable(QString::number(progress.cancelled.elapsed())));
        QCOMPARE(progress.begun, QStringList{QStringLiteral("Reading slow.wmf...")});
        QCOMPARE(progress.ended, 1);
        QCOMPARE(picture.ok(), reason.isEmpty());
        if (picture)
            QCOMPARE(picture->pixel(1, 1), qRgb(0, 0, 0));
        else
            QVERIFY2(picture.failure().detail.contains(reason), qPrintable(picture.failure().detail));
        // The helper is gone, not left to run on.
        const int pid = readFile(pidFile).trimmed().toInt();
        QVERIFY(pid > 0 && ::kill(pid, 0) == -1 && errno == ESRCH);
        qunsetenv("DECODE_STANDIN_PID");
        qunsetenv("DECODE_STANDIN_MS");
    }

    void missingHelperIsNamed()
    {
        IsolatedPictureLoader loader(m_dir.filePath(QStringLiteral("no-such-helper")));
        const auto refused = loader.load(write(QStringLiteral("any.bmp"), imageFile(checker(), "BMP")));
        QVERIFY(!refused);
        QVERIFY2(refused.failure().detail.contains(QStringLiteral("cannot be started")), qPrintable(refused.failure().detail));
    }
};

QTEST_GUILESS_MAIN(tst_IsolatedPictureLoader)
#include "tst_IsolatedPictureLoader.moc"
