#include "fakes/FailureWords.h"
#include "fakes/FullDisk.h"
#include "fakes/OrdinaryUser.h"
#include "fakes/PlacementProbe.h"
#include "fakes/RenameRace.h"
#include "fakes/TestFiles.h"
#include "qtplatform/PathIdentity.h"
#include "qtplatform/StaleSiblings.h"
#include "qtplatform/WholeFileWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <dlfcn.h>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

ino_t inode(const QString &path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
}

mode_t mode(const QString &path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

constexpr uid_t kNobody = 65534;

// Runs once at the writer's next fsync, that is, after the new bytes are written and
// before the file on disk is replaced: another program's change at the worst moment.
std::function<void()> atNextSync;

} // namespace

// The writer's fsync comes here first (the test program's own definition wins over the C
// library's), so that a test can act between the write and the rename.
extern "C" int fsync(int fd)
{
    if (atNextSync)
        std::exchange(atNextSync, nullptr)();
    static const auto real = reinterpret_cast<int (*)(int)>(::dlsym(RTLD_NEXT, "fsync"));
    return real(fd);
}

namespace {

// Runs the write as an ordinary user, who (unlike root) is bound by the folder's permissions.
bool writeAsOrdinaryUser(const QString &path, const QByteArray &bytes)
{
    if (::geteuid() != 0)
        return writeWholeFile(path, bytes).ok();
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(2);
        ::_exit(writeWholeFile(path, bytes).ok() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

// The program's one file writer, against real file systems.
class tst_WholeFileWriter : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }

private slots:
    void replacesWholeFileKeepingItsPermissions()
    {
        const QString target = path(QStringLiteral("keep.89i"));
        QVERIFY(writeFile(target, QByteArray(5000, 'o')));
        QVERIFY(::chmod(QFile::encodeName(target).constData(), 0640) == 0);
        const Done result = writeWholeFile(target, "new");
        QVERIFY2(result.ok(), qPrintable(wordsOf(result)));
        QCOMPARE(readFile(target), QByteArray("new"));
        QCOMPARE(mode(target), mode_t(0640));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("keep.89i")});
    }

    void followsLinks()
    {
        // A symbolic link stays a link to the rewritten file. A hard link is broken, as a
        // careful editor breaks it: the file at the path is replaced like any other, so that
        // a kill never leaves it half-written, and the other name keeps the old bytes.
        const QString real = path(QStringLiteral("real.89i")), symbolic = path(QStringLiteral("sym.89i")),
                      hard = path(QStringLiteral("hard.89i"));
        QVERIFY(writeFile(real, "old"));
        QVERIFY(QFile::link(real, symbolic));
        QVERIFY(::link(QFile::encodeName(real).constData(), QFile::encodeName(hard).constData()) == 0);
        QVERIFY(writeWholeFile(symbolic, "via symlink").ok());
        QVERIFY(QFileInfo(symbolic).isSymLink());
        QCOMPARE(readFile(real), QByteArray("via symlink"));
        QCOMPARE(readFile(hard), QByteArray("old"));
        QVERIFY(writeWholeFile(hard, "via hard link, longer than before").ok());
        QCOMPARE(readFile(hard), QByteArray("via hard link, longer than before"));
        QCOMPARE(readFile(real), QByteArray("via symlink"));
        QVERIFY(inode(real) != inode(hard));
    }

    // Another name made for a file is no change of the file: a guarded write still goes
    // ahead, and the identity says how many names the file has.
    void aSecondNameIsNoChange()
    {
        QTemporaryDir own;
        const QString target = own.filePath(QStringLiteral("pic.89i")), other = own.filePath(QStringLiteral("backup"));
        QCOMPARE(identifyPath(target).links, quint64(0));
        QVERIFY(writeFile(target, "opened"));
        const WriteGuard guard{identifyPath(target), true};
        QCOMPARE(guard.expected.links, quint64(1));
        QVERIFY(::link(QFile::encodeName(target).constData(), QFile::encodeName(other).constData()) == 0);
        QCOMPARE(identifyPath(target).links, quint64(2));
        const Done result = writeWholeFile(target, "mine", &guard);
        QVERIFY2(result.ok(), qPrintable(wordsOf(result)));
        QCOMPARE(readFile(target), QByteArray("mine"));
        QCOMPARE(readFile(other), QByteArray("opened"));
        QCOMPARE(identifyPath(target).links, quint64(1));
    }

    void writableFileInReadOnlyFolder()
    {
        const QString folder = path(QStringLiteral("locked"));
        QVERIFY(QDir().mkdir(folder));
        const QString target = folder + QStringLiteral("/pic.89i");
        QVERIFY(writeFile(target, QByteArray(3000, 'o')));
        const ino_t before = inode(target);
        QVERIFY(::chmod(QFile::encodeName(target).constData(), 0666) == 0);
        if (::geteuid() == 0) {
            QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0711) == 0); // the way in
            QVERIFY(::chown(QFile::encodeName(folder).constData(), kNobody, kNobody) == 0);
            QVERIFY(::chown(QFile::encodeName(target).constData(), kNobody, kNobody) == 0);
        }
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0555) == 0);
        QVERIFY(writeAsOrdinaryUser(target, "shorter"));
        QCOMPARE(readFile(target), QByteArray("shorter"));
        QCOMPARE(inode(target), before);
        // A file that is itself read-only still refuses.
        QVERIFY(::chmod(QFile::encodeName(target).constData(), 0444) == 0);
        QVERIFY(!writeAsOrdinaryUser(target, "refused"));
        QCOMPARE(readFile(target), QByteArray("shorter"));
        ::chmod(QFile::encodeName(folder).constData(), 0755);
    }

    // A file made read-only in a folder that would take a new one is not replaced: the
    // system's reason, the file as it was, nothing left beside it. Root is not bound by the
    // permission bits and writes it, as the system lets root write any file.
    void readOnlyFileIsNotReplaced()
    {
        QTemporaryDir own;
        QVERIFY(OrdinaryUser::passable(own.path()) && OrdinaryUser::own(own.path()));
        const QString target = own.filePath(QStringLiteral("locked.89i"));
        QVERIFY(writeFile(target, QByteArray(2000, 'o')));
        QVERIFY(OrdinaryUser::own(target));
        QVERIFY(::chmod(QFile::encodeName(target).constData(), 0444) == 0);
        const ino_t before = inode(target);
        {
            OrdinaryUser user;
            const Done result = writeWholeFile(target, "replaced");
            QVERIFY(!result);
            QCOMPARE(wordsOf(result), QStringLiteral("Permission denied"));
        }
        QCOMPARE(readFile(target), QByteArray(2000, 'o'));
        QCOMPARE(inode(target), before);
        QCOMPARE(mode(target), mode_t(0444));
        QCOMPARE(QDir(own.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("locked.89i")});
        if (::geteuid() == 0) {
            QVERIFY(writeWholeFile(target, "by root").ok());
            QCOMPARE(readFile(target), QByteArray("by root"));
            QCOMPARE(mode(target), mode_t(0444));
        }
    }

    // After a save, the files earlier saves of the same file left behind go, and only they:
    // our pattern, an ordinary file, old, and locked by nobody.
    void removesOnlyStaleLeftovers_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("kind"); // file, folder, fifo, link
        QTest::addColumn<int>("ageSeconds");
        QTest::addColumn<bool>("held"); // a live writer holds its lock
        QTest::addColumn<bool>("removed");
        const int old = int(kStaleAfterSeconds) + 30;
        QTest::newRow("stale leftover") << ".pic.89i.3fa9c01b.part" << "file" << old << false << true;
        QTest::newRow("short random part") << ".pic.89i.7.part" << "file" << old << false << true;
        QTest::newRow("being written now") << ".pic.89i.3fa9c01b.part" << "file" << old << true << false;
        QTest::newRow("recent") << ".pic.89i.3fa9c01b.part" << "file" << 5 << false << false;
        QTest::newRow("another file's") << ".pic2.89i.3fa9c01b.part" << "file" << old << false << false;
        QTest::newRow("not hexadecimal") << ".pic.89i.3fa9c01g.part" << "file" << old << false << false;
        QTest::newRow("upper-case digits") << ".pic.89i.3FA9C01B.part" << "file" << old << false << false;
        QTest::newRow("nine digits") << ".pic.89i.3fa9c01b0.part" << "file" << old << false << false;
        QTest::newRow("not hidden") << "pic.89i.3fa9c01b.part" << "file" << old << false << false;
        QTest::newRow("a folder") << ".pic.89i.3fa9c01b.part" << "folder" << old << false << false;
        QTest::newRow("a pipe") << ".pic.89i.3fa9c01b.part" << "fifo" << old << false << false;
        QTest::newRow("a link to a file") << ".pic.89i.3fa9c01b.part" << "link" << old << false << false;
    }

    void removesOnlyStaleLeftovers()
    {
        QFETCH(QString, entry);
        QFETCH(QString, kind);
        QFETCH(int, ageSeconds);
        QFETCH(bool, held);
        QFETCH(bool, removed);
        QTemporaryDir own;
        const QString target = own.filePath(QStringLiteral("pic.89i")), leftover = own.filePath(entry);
        const QByteArray name = QFile::encodeName(leftover);
        QVERIFY(writeFile(target, "old"));
        if (kind == u"file")
            QVERIFY(writeFile(leftover, "half a pic"));
        else if (kind == u"folder")
            QVERIFY(QDir().mkdir(leftover));
        else if (kind == u"fifo")
            QVERIFY(::mkfifo(name.constData(), 0644) == 0);
        else
            QVERIFY(QFile::link(target, leftover));
        const timespec times[2] = {{time(nullptr) - ageSeconds, 0}, {time(nullptr) - ageSeconds, 0}};
        QVERIFY(::utimensat(AT_FDCWD, name.constData(), times, AT_SYMLINK_NOFOLLOW) == 0);
        const int writer = held ? ::open(name.constData(), O_RDONLY | O_CLOEXEC) : -1;
        QVERIFY(!held || ::flock(writer, LOCK_EX | LOCK_NB) == 0);

        QVERIFY(writeWholeFile(target, "new").ok());
        if (writer >= 0)
            ::close(writer);
        QCOMPARE(QFileInfo(leftover).exists() || QFileInfo(leftover).isSymLink(), !removed);
        QCOMPARE(readFile(target), QByteArray("new"));
    }

    void refusesWhatIsNoPlainFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder") << QStringLiteral("sub") << QStringLiteral("This is a folder, not a file.");
        QTest::newRow("fifo") << QStringLiteral("fifo") << QStringLiteral("This is not a regular file.");
        QTest::newRow("missing folder") << QStringLiteral("gone/pic.89i") << QStringLiteral("No such file or directory");
    }

    void refusesWhatIsNoPlainFile()
    {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        QDir(dir.path()).mkdir(QStringLiteral("sub"));
        ::mkfifo(QFile::encodeName(path(QStringLiteral("fifo"))).constData(), 0644);
        const Done result = writeWholeFile(path(target), "x");
        QVERIFY(!result);
        QCOMPARE(wordsOf(result), reason);
    }

    // A guarded write replaces only the file it expects: a rewrite that keeps its length
    // and time (cp -p), and one made while the new bytes were being written, are left as
    // they are, with nothing beside them, and the result says so. (What the editor does
    // with other changes, a file removed, replaced or linked, tst_ChangedOnDisk shows.)
    void guardedWriteRefusesAChangedFile_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("hardLinked");
        QTest::newRow("unchanged") << "none" << false;
        QTest::newRow("unchanged, hard-linked") << "none" << true;
        QTest::newRow("rewritten keeping length and time") << "keepTime" << false;
        QTest::newRow("rewritten while written") << "during" << false;
    }

    void guardedWriteRefusesAChangedFile()
    {
        QFETCH(QString, change);
        QFETCH(bool, hardLinked);
        QTemporaryDir own;
        const QString target = own.filePath(QStringLiteral("pic.89i"));
        QVERIFY(writeFile(target, "opened"));
        if (hardLinked)
            QVERIFY(::link(QFile::encodeName(target).constData(), QFile::encodeName(own.filePath("hard")).constData()) == 0);
        const WriteGuard guard{identifyPath(target), true};
        if (change == u"keepTime") {
            QVERIFY(writeFile(target, "theirs"));
            const timespec times[2] = {{0, UTIME_OMIT}, {guard.expected.modifiedSeconds, guard.expected.modifiedNanoseconds}};
            QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(target).constData(), times, 0) == 0);
        } else if (change == u"during") {
            atNextSync = [&] { QVERIFY(writeFile(target, "theirs")); };
        }
        const QStringList before = QDir(own.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);

        const Done result = writeWholeFile(target, "mine", &guard);
        atNextSync = nullptr;
        QCOMPARE(result.ok(), change == u"none");
        QCOMPARE(!result && result.failure().what == Failure::What::ChangedOnDisk, change != u"none");
        QCOMPARE(readFile(target), change == u"none" ? QByteArray("mine") : QByteArray("theirs"));
        if (change != u"none")
            QCOMPARE(wordsOf(result), QStringLiteral("Another program changed it meanwhile; it is left as it is."));
        QCOMPARE(QDir(own.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), before);
    }

    // A link the caller knows is written through (the file it names changes, the link stays)
    // or, when not to be followed, replaced by the file itself; what it names stays as it was.
    void guardedWriteAndLinks_data()
    {
        QTest::addColumn<bool>("follow");
        QTest::addColumn<bool>("dangling");
        QTest::newRow("followed") << true << false;
        QTest::newRow("replaced") << false << false;
        QTest::newRow("replaced, naming nothing") << false << true;
    }

    void guardedWriteAndLinks()
    {
        QFETCH(bool, follow);
        QFETCH(bool, dangling);
        QTemporaryDir own;
        const QString link = own.filePath(QStringLiteral("pic.89i")), named = own.filePath(QStringLiteral("named"));
        if (!dangling)
            QVERIFY(writeFile(named, "named"));
        QVERIFY(QFile::link(named, link));
        const WriteGuard guard{identifyPath(link), follow};
        const Done result = writeWholeFile(link, "mine", &guard);
        QVERIFY2(result.ok(), qPrintable(wordsOf(result)));
        QCOMPARE(QFileInfo(link).isSymLink(), follow);
        QCOMPARE(readFile(link), QByteArray("mine"));
        QCOMPARE(QFileInfo::exists(named), !dangling);
        if (!dangling)
            QCOMPARE(readFile(named), follow ? QByteArray("mine") : QByteArray("named"));
    }

    // Another program renames its versions in at the worst moments: just before ours goes in
    // (placement 0), between the exchanges that put theirs back (1, 2), or while ours is
    // written (-1). The last of theirs stands, the write is refused, and nothing is left
    // beside. Where the file system refuses the exchange, the writer checks and renames.
    void guardedWriteKeepsWhatArrivesMeanwhile_data()
    {
        QTest::addColumn<bool>("missing"); // the guard expects no file
        QTest::addColumn<QList<int>>("arrivals");
        QTest::addColumn<bool>("into"); // theirs is written into the file, not renamed over it
        QTest::addColumn<bool>("noExchange");
        QTest::newRow("one just before ours goes in") << false << QList<int>{0} << false << false;
        QTest::newRow("one written into it just before") << false << QList<int>{0} << true << false;
        QTest::newRow("one where none was") << true << QList<int>{0} << false << false;
        QTest::newRow("a second between the exchanges") << false << QList<int>{0, 1} << false << false;
        QTest::newRow("a third after the second") << false << QList<int>{0, 1, 2} << false << false;
        QTest::newRow("none, no exchange") << false << QList<int>{} << false << true;
        QTest::newRow("none where none was, no exchange") << true << QList<int>{} << false << true;
        QTest::newRow("one while written, no exchange") << false << QList<int>{-1} << false << true;
    }

    void guardedWriteKeepsWhatArrivesMeanwhile()
    {
        QFETCH(bool, missing);
        QFETCH(QList<int>, arrivals);
        QFETCH(bool, into);
        QFETCH(bool, noExchange);
        QTemporaryDir own;
        const QString target = own.filePath(QStringLiteral("pic.89g")), staging = own.filePath(QStringLiteral("theirs"));
        if (!missing)
            QVERIFY(writeFile(target, "opened"));
        const WriteGuard guard{identifyPath(target), true};
        PlacementProbe probe;
        probe.refuseFlags = noExchange;
        int arrived = 0;
        const auto arrive = [&] {
            QVERIFY(writeFile(into ? target : staging, "theirs " + QByteArray::number(++arrived)));
            QVERIFY(into || ::rename(QFile::encodeName(staging).constData(), QFile::encodeName(target).constData()) == 0);
        };
        for (const int placement : arrivals)
            if (placement < 0)
                atNextSync = arrive;
            else
                probe.before(placement, arrive);

        const Done result = writeWholeFile(target, "mine", &guard);
        atNextSync = nullptr;
        QCOMPARE(arrived, arrivals.size());
        QCOMPARE(result.ok(), arrivals.isEmpty());
        QCOMPARE(readFile(target), arrivals.isEmpty() ? QByteArray("mine") : "theirs " + QByteArray::number(arrived));
        if (!arrivals.isEmpty())
            QCOMPARE(wordsOf(result), QStringLiteral("Another program changed it meanwhile; it is left as it is."));
        QCOMPARE(QDir(own.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{QStringLiteral("pic.89g")});
    }

    // Guarded writes against another program that renames new versions of the file into
    // place in a loop: every write either replaces exactly the version it expected or is
    // refused leaving theirs. Both outcomes must occur, or the race showed nothing.
    void guardedWritesRaceARenamingProgram()
    {
        QTemporaryDir own; // on the disk the tests run on, so every write really syncs
        const RaceFigures race = runRenameRace(own.path(), 300, 64 * 1024, 10000);
        qInfo("%d guarded writes in %lld ms against %ld renamed versions: %d succeeded, %d refused "
              "(%d putting theirs back, %d more than once), %d lost",
              race.writes, race.milliseconds, race.theirs, race.succeeded, race.refused, race.putBack,
              race.putBackAgain, race.lost);
        QVERIFY2(race.lost == 0, qPrintable(race.firstLoss));
        QCOMPARE(race.failed, 0);
        QVERIFY(race.succeeded >= 10);
        QVERIFY(race.refused >= 10);
    }

    // A full disk leaves the old file byte for byte, by either way of writing, and no
    // temporary file behind.
    void fullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("replaced by a new file") << "replaced";
        QTest::newRow("hard-linked, replaced by a new file") << "hardLinked";
        QTest::newRow("written in place, the folder taking no new file") << "inPlace";
    }

    void fullDiskKeepsTheOldFile()
    {
        QFETCH(QString, way);
        FullDisk disk(8);
        REQUIRE_FULL_DISK(disk);
        const QByteArray old(1635, 'o');
        const QString folder = way == u"inPlace" ? disk.path(QStringLiteral("locked")) : disk.path({});
        const QString target = folder + QStringLiteral("/old.89i");
        if (way == u"inPlace")
            QVERIFY(QDir().mkdir(folder) && OrdinaryUser::own(folder));
        QVERIFY(writeFile(target, old));
        if (way == u"hardLinked")
            QVERIFY(::link(QFile::encodeName(target).constData(),
                           QFile::encodeName(disk.path(QStringLiteral("link.89i"))).constData()) == 0);
        if (way == u"inPlace")
            QVERIFY(OrdinaryUser::own(target) && ::chmod(QFile::encodeName(folder).constData(), 0555) == 0);
        disk.fill();
        const QStringList before = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        const Done result = [&] {
            std::optional<OrdinaryUser> user; // bound by the folder's permissions, as root is not
            if (way == u"inPlace")
                user.emplace();
            return writeWholeFile(target, QByteArray(6000, 'n'));
        }();
        ::chmod(QFile::encodeName(folder).constData(), 0755);
        QVERIFY(!result);
        QCOMPARE(wordsOf(result), QStringLiteral("No space left on device"));
        QCOMPARE(readFile(target), old);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), before);
    }
};

QTEST_GUILESS_MAIN(tst_WholeFileWriter)
#include "tst_WholeFileWriter.moc"
