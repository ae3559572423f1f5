#include "fakes/PictureFixtures.h"
#include "fakes/RealFilesWindow.h"
#include "fakes/TestFiles.h"
#include "platform/ShownNames.h"
#include "qtplatform/QtSettings.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// The user's settings live here for the whole run: set before the application exists, as
// the store's place is found from it then.
QTemporaryDir *configHome = nullptr;

QString storeFile() { return configHome->filePath(QStringLiteral("dotlark95/dotlark95.conf")); }

void writeStore(const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(storeFile()).path());
    QVERIFY(writeFile(storeFile(), bytes));
}

QByteArray garbage(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &c : bytes)
        c = char(random.bounded(256));
    return bytes;
}

QByteArray recentEntry(const QString &path)
{
    return "[Recent%20Files]\n0recent=" + path.toUtf8() + "\n";
}

} // namespace

// The editor starting from a settings store someone else wrote: the real store and the real
// file reading, with only the dialogs and message boxes stood in for.
class tst_HostileSettings : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QtSettings settings;
    std::unique_ptr<RealFilesWindow> bench;
    FakeServices *fakes = nullptr;
    MainWindow *window = nullptr;

    void startWindow()
    {
        bench = std::make_unique<RealFilesWindow>(&settings);
        fakes = &bench->fakes;
        window = &bench->window;
        window->Form_Load({});
    }

    QMenu *fileMenu() const { return window->menuBar()->actions().first()->menu(); }

    void checkSaneRecentMenu()
    {
        for (int i = 0; i < 4; ++i) {
            const QAction *item = window->action(QStringLiteral("mirecent%1").arg(i));
            QVERIFY2(item->text().size() <= kMenuNameLength + 1, qPrintable(item->text().left(100)));
            QVERIFY(!item->text().contains(u'\n'));
        }
        QVERIFY2(fileMenu()->sizeHint().width() < 800, qPrintable(QString::number(fileMenu()->sizeHint().width())));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        // The store really is the file the tests write.
        QtSettings().setValue(QStringLiteral("dotlark95"), QStringLiteral("probe"), QStringLiteral("key"), QStringLiteral("v"));
        QVERIFY2(QFile::exists(storeFile()), qPrintable(storeFile()));
        // ... and the one QSettings keeps for the program in the desktop's own way.
        QCOMPARE(QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("dotlark95"), QStringLiteral("dotlark95"))
                     .fileName(),
                 storeFile());
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.89i"))).constData(), 0644) == 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("zero.89i"))));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.89i")));
        QVERIFY(writeFile(dir.filePath(QStringLiteral("picture.89i")), pictureFile(8, 8)));
    }

    void cleanup() { bench.reset(); }

    void startsWhateverTheStoreHolds_data()
    {
        QTest::addColumn<QByteArray>("store");
        QTest::addColumn<QString>("firstCaption");
        const QString huge = QStringLiteral("/p/") + QString(100 * 1024, u'x') + QStringLiteral(".89i");
        QTest::newRow("binary garbage") << garbage(8192, 1) << QString();
        QTest::newRow("garbage after the section") << "[Recent%20Files]\n" + garbage(8192, 2) << QString();
        QTest::newRow("NUL bytes in an entry") << QByteArray("[Recent%20Files]\n0recent=/p/a\0b.89i\n", 36) << QString();
        QTest::newRow("a serialised value of nonsense")
            << QByteArray("[Recent%20Files]\n0recent=@Variant(\\0\\0\\0\\x7f\\xff\\xff\\xff\\xff)\n") << QString();
        // Qt reserves room for the 185 million strings the list claims (4.4 GB) before it
        // finds there are none.
        QTest::newRow("a serialised list claiming 185 million strings")
            << QByteArray("[Recent%20Files]\n0recent=@Variant(\\0\\0\\0\\xb\\xb\\xb\\xb\\xb)\n") << QString();
        // QSettings turns such a value into a bitmap before the program sees it.
        QTest::newRow("a serialised bitmap")
            << QByteArray("[Recent%20Files]\n1recent=@Variant(\\0\\0\\0In\\0\\0\\0\\x4\\0x\\0y)\n") << QString();
        QTest::newRow("a byte array") << QByteArray("[Recent%20Files]\n0recent=@ByteArray(/p/b.89i)\n") << QString("b.89i");
        QTest::newRow("a list instead of a path") << QByteArray("[Recent%20Files]\n0recent=/p/a, /p/b.89i\n") << QString();
        QTest::newRow("line breaks in a name") << QByteArray("[Recent%20Files]\n0recent=\"/p/two\\nlines.89i\"\n")
                                               << QStringLiteral("two\uFFFDlines.89i");
        QTest::newRow("an entry of 100 KB") << recentEntry(huge)
                                            << shownName(QString(100 * 1024, u'x') + QStringLiteral(".89i"), kMenuNameLength);
        QTest::newRow("a line of 900 KB") << "[Recent%20Files]\n1recent=" + QByteArray(900 << 10, 'y') + "\n" << QString();
    }

    void startsWhateverTheStoreHolds()
    {
        QFETCH(QByteArray, store);
        QFETCH(QString, firstCaption);
        writeStore(store);
        QElapsedTimer clock;
        clock.start();
        startWindow();
        QVERIFY2(clock.elapsed() < 5000, "the start took too long");
        QCOMPARE(fakes->messages.shown.size(), 0);
        checkSaneRecentMenu();
        if (!firstCaption.isEmpty())
            QCOMPARE(window->action(QStringLiteral("mirecent0"))->data().toString(), firstCaption);
        QCOMPARE(window->currentFile(), QString());
    }

    // The store's file is no ordinary file or a huge one: the window starts with an empty
    // list at once, and leaves the thing alone when the list is written at exit.
    void startsWhateverTheStoreIs_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a pipe") << "pipe";
        QTest::newRow("a link to /dev/zero") << "device";
        QTest::newRow("a folder") << "folder";
        QTest::newRow("larger than 1 MB") << "huge";
    }

    void startsWhateverTheStoreIs()
    {
        QFETCH(QString, kind);
        const QByteArray file = QFile::encodeName(storeFile());
        QFile::remove(storeFile());
        if (kind == u"pipe")
            QVERIFY(::mkfifo(file.constData(), 0644) == 0);
        else if (kind == u"device")
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), storeFile()));
        else if (kind == u"folder")
            QVERIFY(QDir().mkdir(storeFile()));
        else
            writeStore("[Recent%20Files]\n0recent=/p/a.89i\n" + QByteArray(QtSettings::kMaxStoreBytes, '#'));
        // Should the store be opened after all, a writer comes along and ends the wait.
        std::atomic<bool> done{false};
        std::thread rescue([&] {
            for (int i = 0; i < 50 && !done; ++i)
                QThread::msleep(100);
            if (!done && kind == u"pipe") {
                const int fd = ::open(file.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0)
                    ::close(fd);
            }
        });
        QElapsedTimer clock;
        clock.start();
        startWindow();
        const bool startedEmpty = window->recentFiles().at(0).path.isEmpty();
        fakes->dialogs.choose(dir.filePath(QStringLiteral("picture.89i")));
        window->miOpen_click();
        window->miExit_Click(); // writes the list
        const qint64 took = clock.elapsed();
        done = true;
        rescue.join();
        QVERIFY2(took < 2000, "the store was used");
        QVERIFY(startedEmpty);
        QCOMPARE(window->recentFiles().at(0).path, dir.filePath(QStringLiteral("picture.89i")));
        const QFileInfo after(storeFile());
        if (kind == u"huge")
            QCOMPARE(after.size(), qint64(QtSettings::kMaxStoreBytes) + 34);
        else
            QVERIFY(after.isSymLink() || after.isDir() || (after.exists() && !after.isFile()));
        QFile::remove(storeFile());
        QDir().rmdir(storeFile());
    }

    // A recent entry that names no readable picture: the message names it and says why,
    // at once, and the window stays as it started.
    void choosingAnEntryThatIsNoPicture_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        const QString huge = dir.filePath(QString(100 * 1024, u'x') + QStringLiteral(".89i"));
        QTest::newRow("100 KB of name") << huge << "Can't open " + shownName(huge, kMessageNameLength)
                                                       + "\rFile name too long.";
        QTest::newRow("a pipe") << dir.filePath("pipe.89i")
                                << "Can't open " + dir.filePath("pipe.89i") + "\rThis is a device or a pipe, not a file.";
        QTest::newRow("a link to /dev/zero")
            << dir.filePath("zero.89i") << "Can't open " + dir.filePath("zero.89i") + "\rThis is a device or a pipe, not a file.";
        QTest::newRow("a folder") << dir.filePath("folder.89i")
                                  << "Can't open " + dir.filePath("folder.89i") + "\rThis is a folder, not a file.";
        QTest::newRow("a missing file") << dir.filePath("gone.89i")
                                        << "Can't open " + dir.filePath("gone.89i") + "\rThe file does not exist.";
        QTest::newRow("/dev/zero itself") << "/dev/zero" << "Not a valid filename!";
    }

    void choosingAnEntryThatIsNoPicture()
    {
        QFETCH(QString, path);
        QFETCH(QString, message);
        writeStore(recentEntry(path));
        startWindow();
        QCOMPARE(window->recentFiles().at(0).path, path);
        QElapsedTimer clock;
        clock.start();
        window->action(QStringLiteral("mirecent0"))->trigger();
        QVERIFY2(clock.elapsed() < 2000, "choosing the entry blocked");
        QCOMPARE(fakes->messages.texts(), QStringList{message});
        QCOMPARE(window->currentFile(), QString());
        QVERIFY(!window->action(QStringLiteral("miSaveAs"))->isEnabled()); // still no picture
        QCOMPARE(window->recentFiles().at(0).path, path);                  // the list keeps it
    }
};

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    configHome = &home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    QApplication app(argc, argv);
    tst_HostileSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_HostileSettings.moc"
