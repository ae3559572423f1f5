#include "fakes/FullDisk.h"
#include "qtplatform/WholeFileWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

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

// Runs the write as an ordinary user, who (unlike root) is bound by the folder's permissions.
bool writeAsOrdinaryUser(const QString &path, const QByteArray &bytes)
{
    if (::geteuid() != 0)
        return writeWholeFile(path, bytes).ok;
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(2);
        ::_exit(writeWholeFile(path, bytes).ok ? 0 : 1);
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
        write(target, QByteArray(5000, 'o'));
        QVERIFY(::chmod(QFile::encodeName(target).constData(), 0640) == 0);
        const FileStore::Result result = writeWholeFile(target, "new");
        QVERIFY2(result.ok, qPrintable(result.reason));
        QCOMPARE(read(target), QByteArray("new"));
        QCOMPARE(mode(target), mode_t(0640));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("keep.89i")});
    }

    void followsLinks()
    {
        // A symbolic link stays a link to the rewritten file; a hard link keeps sharing it.
        const QString real = path(QStringLiteral("real.89i")), symbolic = path(QStringLiteral("sym.89i")),
                      hard = path(QStringLiteral("hard.89i"));
        write(real, "old");
        QVERIFY(QFile::link(real, symbolic));
        QVERIFY(::link(QFile::encodeName(real).constData(), QFile::encodeName(hard).constData()) == 0);
        QVERIFY(writeWholeFile(symbolic, "via symlink").ok);
        QVERIFY(QFileInfo(symbolic).isSymLink());
        QCOMPARE(read(hard), QByteArray("via symlink"));
        QVERIFY(writeWholeFile(hard, "via hard link, longer than before").ok);
        QCOMPARE(read(real), QByteArray("via hard link, longer than before"));
        QCOMPARE(inode(real), inode(hard));
    }

    void writableFileInReadOnlyFolder()
    {
        const QString folder = path(QStringLiteral("locked"));
        QVERIFY(QDir().mkdir(folder));
        const QString target = folder + QStringLiteral("/pic.89i");
        write(target, QByteArray(3000, 'o'));
        const ino_t before = inode(target);
        QVERIFY(::chmod(QFile::encodeName(target).constData(), 0666) == 0);
        if (::geteuid() == 0) {
            QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0711) == 0); // the way in
            QVERIFY(::chown(QFile::encodeName(folder).constData(), kNobody, kNobody) == 0);
            QVERIFY(::chown(QFile::encodeName(target).constData(), kNobody, kNobody) == 0);
        }
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0555) == 0);
        QVERIFY(writeAsOrdinaryUser(target, "shorter"));
        QCOMPARE(read(target), QByteArray("shorter"));
        QCOMPARE(inode(target), before);
        // A file that is itself read-only still refuses.
        QVERIFY(::chmod(QFile::encodeName(target).constData(), 0444) == 0);
        QVERIFY(!writeAsOrdinaryUser(target, "refused"));
        QCOMPARE(read(target), QByteArray("shorter"));
        ::chmod(QFile::encodeName(folder).constData(), 0755);
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
        const FileStore::Result result = writeWholeFile(path(target), "x");
        QVERIFY(!result.ok);
        QCOMPARE(result.reason, reason);
    }

    // A full disk leaves the old file byte for byte, by either way of writing, and no
    // temporary file behind.
    void fullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<bool>("hardLinked");
        QTest::newRow("replaced by a new file") << false;
        QTest::newRow("written in place") << true;
    }

    void fullDiskKeepsTheOldFile()
    {
        QFETCH(bool, hardLinked);
        FullDisk disk(8);
        REQUIRE_FULL_DISK(disk);
        const QByteArray old(1635, 'o');
        QVERIFY(disk.put(QStringLiteral("old.89i"), old));
        if (hardLinked)
            QVERIFY(::link(QFile::encodeName(disk.path(QStringLiteral("old.89i"))).constData(),
                           QFile::encodeName(disk.path(QStringLiteral("link.89i"))).constData()) == 0);
        disk.fill();
        const QStringList before = disk.entries();
        const FileStore::Result result = writeWholeFile(disk.path(QStringLiteral("old.89i")), QByteArray(6000, 'n'));
        QVERIFY(!result.ok);
        QCOMPARE(result.reason, QStringLiteral("No space left on device"));
        QCOMPARE(read(disk.path(QStringLiteral("old.89i"))), old);
        QCOMPARE(disk.entries(), before);
    }
};

QTEST_GUILESS_MAIN(tst_WholeFileWriter)
#include "tst_WholeFileWriter.moc"
