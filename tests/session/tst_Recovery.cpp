#include "fakes/Fakes.h"
#include "fakes/OrdinaryUser.h"
#include "fakes/PictureFixtures.h"
#include "qtplatform/PosixPrivateFolder.h"
#include "qtplatform/QtFileStore.h"
#include "session/FileSession.h"
#include "session/RecoveryKeeper.h"
#include "session/RecoveryStore.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A lock as an editor that has ended left it: its process is gone.
void writeDeadLock(const QString &path)
{
    QProcess shell;
    shell.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("echo $$")});
    QVERIFY(shell.waitForFinished());
    const QByteArray deadPid = shell.readAllStandardOutput().trimmed();
    QByteArray contents;
    {
        QLockFile lock(path);
        QVERIFY(lock.tryLock(0));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        contents = file.readAll();
    }
    contents = deadPid + contents.mid(contents.indexOf('\n'));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

void writeFile(const QString &path, const QByteArray &bytes, int ageSeconds = 0)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime);
}

// A copy that reads: a blank picture of 8 x 4 pixels.
QByteArray goodCopy()
{
    RecoveryCopy copy;
    copy.width = 8;
    copy.height = 4;
    copy.pixels = PixelGrid(8, 4);
    const std::vector<uint8_t> bytes = encodeRecovery(copy);
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

bool givenToNobody(const QString &path) { return ::geteuid() == 0 && OrdinaryUser::own(path); }
} // namespace

// The recovery copy without a window: when the keeper writes and removes it, what it holds,
// and which copies of other editors are orphans.
class tst_Recovery : public QObject
{
    Q_OBJECT

    struct Bench
    {
        QTemporaryDir folder;
        FakeFileStore pictures; // the session's picture files
        FakeSettings settings;
        QtFileStore files;      // the copies are real files
        PosixPrivateFolder privateFolder{folder.path()};
        RecoveryStore store{files, privateFolder};
        FileSession session{pictures, settings};
        std::unique_ptr<RecoveryKeeper> keeper;
        Bench()
        {
            store.writeDelayMs = 100;
            keeper = std::make_unique<RecoveryKeeper>(session, store);
            session.startUp();
        }
        // A press of the pen on the picture, as the tools make it.
        void draw(int x, int y, int value = 1)
        {
            session.document().drawn();
            session.document().setPixel(x, y, value);
            session.document().endChange();
            keeper->changed();
        }
        bool copyExists() const { return QFile::exists(store.ownPath()); }
    };

private slots:
    void copyHoldsTheWork_data()
    {
        QTest::addColumn<int>("levels");
        QTest::addColumn<QString>("file");
        QTest::newRow("black and white, no file") << 2 << QString();
        QTest::newRow("grey, opened from a file") << 4 << "/p/a.9xi";
    }
    void copyHoldsTheWork()
    {
        QFETCH(int, levels);
        QFETCH(QString, file);
        Bench bench;
        if (!file.isEmpty()) {
            bench.pictures.files[file] = pictureFile(30, 20, {{1, 1}}, {.folder = "fold", .comment = "note"});
            QVERIFY(bench.session.openFile(file, QStringLiteral("a.9xi"), false).ok);
        }
        if (levels == 4)
            QVERIFY(bench.session.document().setLevels(4));
        bench.draw(5, 6, levels == 4 ? 2 : 1);
        bench.session.document().setTexts({"f", "n", "comment \x81"});
        bench.keeper->changed();
        QVERIFY(!bench.copyExists()); // not at once: a few moments after the last change
        QTRY_VERIFY(bench.copyExists());

        const Outcome<RecoveryCopy> copy = bench.store.read(bench.store.ownPath());
        QVERIFY(copy);
        RecoveryCopy expected = bench.session.recoveryCopy();
        expected.madeAt = copy->madeAt;
        QVERIFY(*copy == expected);
        QCOMPARE(copy->levels, levels);
        QCOMPARE(copy->pixels.at(5, 6), levels == 4 ? 2 : 1);
        QCOMPARE(copy->comment, "comment \x81");
        QCOMPARE(QString::fromStdString(copy->file), file);
        QCOMPARE(copy->kind, file.isEmpty() ? CalcKind::TI89 : CalcKind::TI92Plus);
        QVERIFY(qAbs(copy->madeAt - QDateTime::currentMSecsSinceEpoch()) < 10000);

        // Taken back (the window's tests see the pixels and texts): the calculator too.
        Bench other;
        other.session.takeRecovered(*copy);
        QCOMPARE(other.session.kind(), copy->kind);
        QCOMPARE(other.session.document().levels(), levels);
    }

    // The copy waits for the end of a stroke, and is written then.
    void waitsWhileBusy()
    {
        Bench bench;
        bool busy = true;
        bench.keeper->busy = [&busy] { return busy; };
        bench.draw(1, 1);
        QTest::qWait(400);
        QVERIFY(!bench.copyExists());
        busy = false;
        QTRY_VERIFY(bench.copyExists());
    }

    // A save, or undo back to the saved picture: nothing unsaved, no copy, at once.
    void goesWhenNothingIsUnsaved()
    {
        Bench bench;
        bench.pictures.files[QStringLiteral("/p/a.89i")] = pictureFile(20, 10);
        QVERIFY(bench.session.openFile(QStringLiteral("/p/a.89i"), QStringLiteral("a.89i"), false).ok);
        bench.draw(2, 2);
        QVERIFY(bench.keeper->keepNow());
        QVERIFY(bench.copyExists());
        QVERIFY(bench.session.save().ok);
        bench.keeper->changed();
        QVERIFY(!bench.copyExists());
        QVERIFY(!bench.keeper->writePending());

        bench.draw(3, 3);
        QVERIFY(bench.keeper->keepNow());
        bench.session.document().undo();
        bench.keeper->changed();
        QVERIFY(!bench.copyExists());
    }

    // Copies of editors still running are not offered; those of editors gone are, newest
    // first; each is then kept, deleted or set aside.
    void orphans()
    {
        Bench bench;
        const QDir folder(bench.folder.path());
        bench.draw(1, 1);
        QVERIFY(bench.keeper->keepNow()); // this editor's own
        writeFile(folder.filePath("live.dlrecovery"), "x");
        QLockFile liveLock(folder.filePath("live.lock"));
        QVERIFY(liveLock.tryLock(0));
        writeFile(folder.filePath("killed.dlrecovery"), "x", 60);
        writeDeadLock(folder.filePath("killed.lock"));
        writeFile(folder.filePath("unlocked.dlrecovery"), "x", 10);
        writeFile(folder.filePath("other.txt"), "x");
        writeDeadLock(folder.filePath("ended.lock")); // an editor killed with nothing unsaved

        std::vector<RecoveryStore::Orphan> orphans = bench.store.lockOrphans();
        QCOMPARE(orphans.size(), size_t(2));
        QCOMPARE(QFileInfo(orphans[0].path).fileName(), "unlocked.dlrecovery");
        QCOMPARE(QFileInfo(orphans[1].path).fileName(), "killed.dlrecovery");
        QVERIFY(!folder.exists("ended.lock") && folder.exists("live.lock"));
        // Held while offered: another editor starting now does not offer them too.
        RecoveryStore second(bench.files, bench.privateFolder);
        QVERIFY(second.lockOrphans().empty());

        RecoveryStore::release(orphans[0]);
        QVERIFY(folder.exists("unlocked.dlrecovery") && !folder.exists("unlocked.lock"));
        bench.store.discard(orphans[1]);
        QVERIFY(!folder.exists("killed.dlrecovery") && !folder.exists("killed.lock"));

        writeFile(folder.filePath("unlocked.dlrecovery.damaged"), "older");
        orphans = bench.store.lockOrphans();
        QCOMPARE(orphans.size(), size_t(1));
        QCOMPARE(bench.store.setAside(orphans[0]), folder.filePath("unlocked.dlrecovery.damaged.2"));
        QVERIFY(!folder.exists("unlocked.dlrecovery") && folder.exists("unlocked.dlrecovery.damaged"));
        QVERIFY(bench.store.lockOrphans().empty());
        QVERIFY(bench.copyExists());
    }

    // Only the user's own copies are offered: not another user's (root plants them, as that
    // user could in a folder open to all), readable or not, and not a link to one of ours.
    // None of them is locked, or renamed as damaged.
    void othersCopiesAreNotOffered()
    {
        Bench bench;
        const QDir folder(bench.folder.path());
        QTemporaryDir elsewhere;
        writeFile(folder.filePath("theirs.dlrecovery"), goodCopy());
        writeFile(folder.filePath("theirs-damaged.dlrecovery"), "x");
        if (!givenToNobody(folder.filePath("theirs.dlrecovery")) || !givenToNobody(folder.filePath("theirs-damaged.dlrecovery")))
            QSKIP("Only root can give a copy to another user.");
        writeFile(elsewhere.filePath("ours.dlrecovery"), goodCopy());
        QVERIFY(QFile::link(elsewhere.filePath("ours.dlrecovery"), folder.filePath("link.dlrecovery")));
        writeFile(folder.filePath("mine.dlrecovery"), goodCopy());
        QStringList after = folder.entryList(QDir::Files | QDir::System) << "mine.lock"; // held while offered
        after.sort();

        std::vector<RecoveryStore::Orphan> orphans = bench.store.lockOrphans();
        QCOMPARE(orphans.size(), size_t(1));
        QCOMPARE(QFileInfo(orphans[0].path).fileName(), "mine.dlrecovery");
        QCOMPARE(folder.entryList(QDir::Files | QDir::System, QDir::Name), after);
    }

    // A folder that is not the user's alone keeps no copy and offers none, even one that reads.
    void refusedFolderKeepsAndOffersNothing_data()
    {
        QTest::addColumn<bool>("link");
        QTest::newRow("a link to a folder of ours") << true;
        QTest::newRow("another user's, open to all") << false;
    }
    void refusedFolderKeepsAndOffersNothing()
    {
        QFETCH(bool, link);
        QTemporaryDir dir;
        const QString real = dir.filePath("real"), used = link ? dir.filePath("recovery") : real;
        QVERIFY(QDir().mkdir(real) && ::chmod(QFile::encodeName(real).constData(), 0777) == 0);
        if (link)
            QVERIFY(QFile::link(real, used));
        else if (!givenToNobody(real))
            QSKIP("Only root can give a folder to another user.");
        writeFile(real + "/planted.dlrecovery", goodCopy());
        QtFileStore files;
        PosixPrivateFolder privateFolder(used);
        RecoveryStore store(files, privateFolder);
        QVERIFY(store.folderCheck().trouble != PrivateFolder::Trouble::None);
        QVERIFY(store.lockOrphans().empty());
        RecoveryCopy copy;
        copy.width = copy.height = 1;
        copy.pixels = PixelGrid(1, 1);
        QVERIFY(!store.write(copy).ok());
        QCOMPARE(QDir(real).entryList(QDir::Files | QDir::System), QStringList{"planted.dlrecovery"});
    }

    void folderFollowsXdgState_data()
    {
        QTest::addColumn<QByteArray>("state");
        QTest::addColumn<QString>("folder");
        QTest::newRow("set") << QByteArray("/s/state") << "/s/state/dotlark/recovery";
        QTest::newRow("not set") << QByteArray() << QDir::homePath() + "/.local/state/dotlark/recovery";
        QTest::newRow("relative, ignored") << QByteArray("state") << QDir::homePath() + "/.local/state/dotlark/recovery";
    }
    void folderFollowsXdgState()
    {
        QFETCH(QByteArray, state);
        QFETCH(QString, folder);
        const QByteArray was = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", state);
        const QString found = RecoveryStore::defaultFolder();
        qputenv("XDG_STATE_HOME", was);
        QCOMPARE(found, folder);
    }
};

QTEST_GUILESS_MAIN(tst_Recovery)
#include "tst_Recovery.moc"
