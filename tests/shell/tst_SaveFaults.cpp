#include "fakes/FullDisk.h"
#include "fakes/OrdinaryUser.h"
#include "fakes/PictureFixtures.h"
#include "fakes/RealFilesWindow.h"
#include "fakes/TestFiles.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

// The picture file the window opens and fails to save over.
QByteArray oldPicture()
{
    return pictureFile(160, 77, {{7, 7}}, {.name = "old", .comment = "kept"});
}

} // namespace

// Saving where the file system says no (a full disk, a read-only file or folder, a folder
// that went away): the old file stays byte for byte, the user is told which file and why,
// and the drawing still counts as unsaved.
class tst_SaveFaults : public QObject
{
    Q_OBJECT

private slots:
    void fullDisk_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("Save") << "save" << "old.89i" << "ERROR in Saving!";
        QTest::newRow("Save As onto the old file") << "saveAs" << "old.89i" << "Disk write error";
        QTest::newRow("bitmap export") << "bitmap" << "old.bmp" << "Can't write the bitmap ";
    }

    void fullDisk()
    {
        QFETCH(QString, command);
        QFETCH(QString, file);
        QFETCH(QString, message);
        FullDisk disk(1024); // room for the old bitmap of the canvas, about 440 KB
        REQUIRE_FULL_DISK(disk);
        RealFilesWindow bench;
        FakeServices &fakes = bench.fakes;
        MainWindow &window = bench.window;
        window.Form_Load({});
        const QString path = disk.path(file);
        const QString opened = disk.path(QStringLiteral("old.89i"));
        QVERIFY(disk.put(QStringLiteral("old.89i"), oldPicture()));
        QVERIFY(disk.put(QStringLiteral("old.bmp"), QByteArray(400 * 1024, 'b')));
        QVERIFY(window.OpenFile(opened, QStringLiteral("old.89i")));
        const QByteArray before = readFile(path);
        drawDot(window);
        disk.fill();

        if (command == u"save") {
            window.miSave_click();
        } else {
            fakes.dialogs.choose(path, command == u"bitmap" ? 2 : 1);
            window.miSaveAs_Click();
        }
        QCOMPARE(readFile(path), before);
        QCOMPARE(fakes.messages.shown.size(), 1);
        const QString text = fakes.messages.shown.first().text;
        QVERIFY2(text.startsWith(message) && text.contains(path) && text.contains(QStringLiteral("No space left on device")),
                 qPrintable(text));
        QVERIFY(!window.action(QStringLiteral("miOpen"))->isEnabled()); // still unsaved
        QCOMPARE(window.currentFile(), opened);
        QCOMPARE(window.recentFiles().at(0).path, QString());
    }

    // As an ordinary user: root may write wherever it likes.
    void refusedByTheFileSystem_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("target");   // in the folder of the opened file
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("reason");
        QTest::newRow("Save onto a read-only file") << "save" << "old.89i" << "ERROR in Saving!" << "Permission denied";
        QTest::newRow("Save As onto a read-only file") << "saveAs" << "old.89i" << "Disk write error" << "Permission denied";
        QTest::newRow("Save As into a read-only folder") << "saveAs" << "locked/new.89i" << "Disk write error"
                                                         << "Permission denied";
        QTest::newRow("Save As into a folder deleted after the dialog")
            << "saveAs" << "gone/new.89i" << "Disk write error" << "No such file or directory";
        QTest::newRow("Save As onto a folder") << "saveAs" << "folder.89i" << "Disk write error"
                                               << "This is a folder, not a file.";
        QTest::newRow("bitmap into a read-only folder") << "bitmap" << "locked/new.bmp" << "Can't write the bitmap "
                                                        << "Permission denied";
    }

    void refusedByTheFileSystem()
    {
        QFETCH(QString, command);
        QFETCH(QString, target);
        QFETCH(QString, message);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QDir folder(dir.path());
        QVERIFY(OrdinaryUser::passable(dir.path()) && OrdinaryUser::own(dir.path()));
        for (const QString &sub : {QStringLiteral("locked"), QStringLiteral("gone"), QStringLiteral("folder.89i")})
            QVERIFY(folder.mkdir(sub) && OrdinaryUser::own(folder.filePath(sub)));
        QVERIFY(::chmod(QFile::encodeName(folder.filePath(QStringLiteral("locked"))).constData(), 0555) == 0);
        const QString opened = folder.filePath(QStringLiteral("old.89i")), path = folder.filePath(target);
        QVERIFY(writeFile(opened, oldPicture()));
        QVERIFY(OrdinaryUser::own(opened) && ::chmod(QFile::encodeName(opened).constData(), 0444) == 0);

        RealFilesWindow bench;
        FakeServices &fakes = bench.fakes;
        MainWindow &window = bench.window;
        window.Form_Load({});
        QVERIFY(window.OpenFile(opened, QStringLiteral("old.89i")));
        window.tools().Picture1_MouseDown(1, 3.5f, 3.5f);
        const QStringList before = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        const bool folderGoes = target.startsWith(u"gone/");
        if (folderGoes)
            fakes.dialogs.afterChoice = [&folder] { QVERIFY(folder.rmdir(QStringLiteral("gone"))); };
        {
            OrdinaryUser user;
            if (command == u"save") {
                window.miSave_click();
            } else {
                fakes.dialogs.choose(path, command == u"bitmap" ? 2 : 1);
                window.miSaveAs_Click();
            }
        }
        QCOMPARE(readFile(opened), oldPicture());
        QCOMPARE(fakes.messages.shown.size(), 1);
        const QString text = fakes.messages.shown.first().text;
        QVERIFY2(text.startsWith(message) && text.contains(path) && text.endsWith(reason), qPrintable(text));
        QVERIFY(!window.action(QStringLiteral("miOpen"))->isEnabled()); // still unsaved
        QCOMPARE(window.currentFile(), opened);
        QCOMPARE(window.recentFiles().at(0).path, QString());
        QStringList after = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        if (folderGoes)
            after << QStringLiteral("gone");
        after.sort();
        QCOMPARE(after, before); // nothing new beside the file
        QVERIFY(QDir(folder.filePath(QStringLiteral("locked"))).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
        ::chmod(QFile::encodeName(folder.filePath(QStringLiteral("locked"))).constData(), 0755);
    }
};

QTEST_MAIN(tst_SaveFaults)
#include "tst_SaveFaults.moc"
