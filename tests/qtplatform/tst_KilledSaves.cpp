#include "fakes/TestFiles.h"
#include "qtplatform/StaleSiblings.h"
#include "qtplatform/WholeFileWriter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// Two versions of a picture-sized file and then some, of different lengths and bytes.
QByteArray version(int length, char seed)
{
    QByteArray bytes(length, Qt::Uninitialized);
    for (int i = 0; i < length; ++i)
        bytes[i] = char(seed + i % 251);
    return bytes;
}

// What the saving process tells the test through memory they share.
struct Progress
{
    std::atomic<int> saving{0};     // 1 from the start of a save until it has returned
    std::atomic<long> completed{0}; // saves that returned
};

// Saves the two versions in turn, as fast as it can, until it is killed.
[[noreturn]] void saveForever(const QString &target, const QByteArray &first, const QByteArray &second, Progress &progress)
{
    for (long i = 0;; ++i) {
        progress.saving = 1;
        const bool ok = writeWholeFile(target, i % 2 ? second : first).ok();
        progress.saving = 0;
        if (!ok)
            ::_exit(3);
        ++progress.completed;
    }
}

QStringList siblingsOf(const QString &folder, const QString &name)
{
    QStringList found;
    for (const QString &entry : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (isSiblingName(QFile::encodeName(entry), QFile::encodeName(name)))
            found << entry;
    return found;
}

void age(const QString &path, int seconds)
{
    const timespec times[2] = {{time(nullptr) - seconds, 0}, {time(nullptr) - seconds, 0}};
    QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0);
}

} // namespace

// A process saving through the program's writer, killed at random moments again and again:
// the file is always one whole version, and what the killed saves leave behind goes with
// the next save once it is old.
class tst_KilledSaves : public QObject
{
    Q_OBJECT

private slots:
    // A file with a second hard link is as safe as any other: the link is made again before
    // every kill, so that the first save of each saver meets a file of two names. Its
    // versions are group-sized, so a write into the file itself would take long enough for
    // kills to land inside it.
    void killedWhileSaving_data()
    {
        QTest::addColumn<int>("firstBytes");
        QTest::addColumn<int>("secondBytes");
        QTest::addColumn<bool>("hardLinked");
        QTest::newRow("one name") << 96 * 1024 << 23 * 1024 + 7 << false;
        QTest::newRow("a second hard link") << 2 * 1024 * 1024 << 700 * 1024 + 3 << true;
    }

    void killedWhileSaving()
    {
        QFETCH(int, firstBytes);
        QFETCH(int, secondBytes);
        QFETCH(bool, hardLinked);
        QTemporaryDir dir; // on the disk the tests run on, so every save really syncs
        const QString target = dir.filePath(QStringLiteral("killed.89i"));
        const QString other = dir.filePath(QStringLiteral("other name.89i"));
        const QByteArray first = version(firstBytes, 'a'), second = version(secondBytes, 'k');
        QVERIFY(writeWholeFile(target, first).ok());

        // Kills spread over about three saves' time, so that most land inside one.
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 5; ++i)
            QVERIFY(writeWholeFile(target, i % 2 ? second : first).ok());
        const qint64 spreadUs = std::max<qint64>(3 * clock.nsecsElapsed() / 5 / 1000, 500);

        auto *progress = static_cast<Progress *>(
            ::mmap(nullptr, sizeof(Progress), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
        QVERIFY(progress != MAP_FAILED);
        new (progress) Progress;
        constexpr int kKills = 250;
        int midSave = 0;
        long saves = 0;
        QStringList broken;
        clock.restart();
        for (int kill = 0; kill < kKills; ++kill) {
            progress->saving = 0;
            progress->completed = 0;
            if (hardLinked) {
                QFile::remove(other);
                QVERIFY(::link(QFile::encodeName(target).constData(), QFile::encodeName(other).constData()) == 0);
            }
            const pid_t saver = ::fork();
            QVERIFY(saver >= 0);
            if (saver == 0)
                saveForever(target, first, second, *progress);
            // The delay counts from the first save's start, not from the fork.
            QElapsedTimer started;
            started.start();
            while (progress->saving.load() == 0 && progress->completed.load() == 0 && started.elapsed() < 2000)
                std::this_thread::yield();
            ::usleep(useconds_t(QRandomGenerator::global()->bounded(spreadUs)));
            ::kill(saver, SIGKILL);
            int status = 0;
            QCOMPARE(::waitpid(saver, &status, 0), saver);
            QVERIFY2(WIFSIGNALED(status), "the saver stopped on its own: a save failed");
            midSave += progress->saving.load();
            saves += progress->completed.load();
            for (const QString &name : hardLinked ? QStringList{target, other} : QStringList{target}) {
                const QByteArray now = readFile(name);
                if (now != first && now != second)
                    broken << QStringLiteral("kill %1 left %2 bytes in %3").arg(kill).arg(now.size()).arg(QFileInfo(name).fileName());
            }
        }
        if (!broken.isEmpty())
            QFAIL(qPrintable(QStringLiteral("%1 of %2 kills left a broken file; %3").arg(broken.size()).arg(kKills).arg(broken.first())));
        const qint64 loopMs = clock.elapsed();
        ::munmap(progress, sizeof(Progress));

        const QStringList leftovers = siblingsOf(dir.path(), QStringLiteral("killed.89i"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), leftovers.size() + (hardLinked ? 2 : 1));
        qInfo("%d kills in %lld ms (%ld whole saves between them), %d inside a save, %lld leftover files",
              kKills, loopMs, saves, midSave, qint64(leftovers.size()));
        QVERIFY2(midSave >= kKills / 4, "too few kills landed inside a save to show anything");

        // The next save leaves the recent ones (a writer might still be at work on them)...
        QVERIFY(writeWholeFile(target, first).ok());
        QCOMPARE(siblingsOf(dir.path(), QStringLiteral("killed.89i")), leftovers);
        // ... and removes them once they are old.
        for (const QString &leftover : leftovers)
            age(dir.filePath(leftover), kStaleAfterSeconds + 5);
        QVERIFY(writeWholeFile(target, second).ok());
        QCOMPARE(siblingsOf(dir.path(), QStringLiteral("killed.89i")), QStringList());
        QCOMPARE(readFile(target), second);
    }
};

QTEST_GUILESS_MAIN(tst_KilledSaves)
#include "tst_KilledSaves.moc"
