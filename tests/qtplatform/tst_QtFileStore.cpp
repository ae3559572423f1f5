#include "fakes/OrdinaryUser.h"
#include "platform/FailureText.h"
#include "qtplatform/QtFileStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// What the editor's reader refuses, against real files, pipes and devices: each with its
// reason, at once, and without reading a byte of what it refuses.
class tst_QtFileStore : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }

    void make(const QString &name, qint64 size)
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(size)); // sparse: no time or disk spent on the bytes
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        make(QStringLiteral("largest.89i"), QtFileStore::kMaxReadBytes);
        make(QStringLiteral("too large.89i"), QtFileStore::kMaxReadBytes + 1);
        make(QStringLiteral("empty.89i"), 0);
        make(QStringLiteral("secret.89i"), 10);
        QVERIFY(::chmod(QFile::encodeName(path(QStringLiteral("secret.89i"))).constData(), 0600) == 0);
        QVERIFY(::mkfifo(QFile::encodeName(path(QStringLiteral("pipe.89i"))).constData(), 0644) == 0);
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.89i")));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path(QStringLiteral("zero.89i"))));
        QVERIFY(QFile::link(path(QStringLiteral("loop b.89i")), path(QStringLiteral("loop a.89i"))));
        QVERIFY(QFile::link(path(QStringLiteral("loop a.89i")), path(QStringLiteral("loop b.89i"))));
        QVERIFY(OrdinaryUser::passable(dir.path()));
    }

    void reads_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason"); // empty: read
        QTest::addColumn<qint64>("size");
        const QString tooLarge = QStringLiteral("The file is larger than %1 bytes.").arg(QtFileStore::kMaxReadBytes);
        QTest::newRow("4 MB exactly") << "largest.89i" << "" << QtFileStore::kMaxReadBytes;
        QTest::newRow("empty") << "empty.89i" << "" << qint64(0);
        QTest::newRow("one byte over 4 MB") << "too large.89i" << tooLarge << qint64(0);
        QTest::newRow("pipe without a writer") << "pipe.89i" << "This is a device or a pipe, not a file." << qint64(0);
        QTest::newRow("/dev/zero") << "/dev/zero" << "This is a device or a pipe, not a file." << qint64(0);
        QTest::newRow("link to /dev/zero") << "zero.89i" << "This is a device or a pipe, not a file." << qint64(0);
        QTest::newRow("folder") << "folder.89i" << "This is a folder, not a file." << qint64(0);
        QTest::newRow("missing") << "missing.89i" << "The file does not exist." << qint64(0);
        QTest::newRow("missing folder") << "gone/pic.89i" << "The file does not exist." << qint64(0);
        QTest::newRow("link loop") << "loop a.89i" << "Too many levels of symbolic links." << qint64(0);
        QTest::newRow("name of 5000 characters") << QString(5000, u'n') << "File name too long." << qint64(0);
        QTest::newRow("another user's") << "secret.89i" << "Permission denied." << qint64(0);
    }

    void reads()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QFETCH(qint64, size);
        QtFileStore files;
        QElapsedTimer clock;
        clock.start();
        std::optional<Outcome<QByteArray>> result;
        {
            OrdinaryUser user; // root would read another user's file
            result = files.readAll(name.startsWith(u'/') ? name : path(name));
        }
        QVERIFY2(clock.elapsed() < 2000, "the reader waited");
        QCOMPARE(result->ok(), reason.isEmpty());
        QCOMPARE(result->ok() ? QString() : describe(result->failure()), reason);
        if (result->ok())
            QCOMPARE(result->value().size(), size);
    }
};

QTEST_GUILESS_MAIN(tst_QtFileStore)
#include "tst_QtFileStore.moc"
