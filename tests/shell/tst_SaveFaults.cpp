#include "document/Picture89i.h"
#include "fakes/FullDisk.h"
#include "fakes/ShellFakes.h"
#include "qtplatform/QtFileStore.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QFile>
#include <QTest>

namespace {

QByteArray pictureFile()
{
    PixelGrid pixels(160, 77);
    pixels.set(7, 7, true);
    const EncodeResult encoded = encode89i("main", "old", "kept", 160, 77, pixels);
    return QByteArray(reinterpret_cast<const char *>(encoded.bytes.data()), qsizetype(encoded.bytes.size()));
}

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Saving onto a real disk that is full: the old file stays byte for byte, the user is told
// which file and why, and the drawing still counts as unsaved.
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
        FakeServices fakes;
        QtFileStore files;
        MainWindow window(Services{fakes.messages, fakes.dialogs, files, fakes.settings, fakes.pictures,
                                   fakes.printDialog, fakes.launcher, fakes.desktop, fakes.questions, fakes.programs});
        window.endProgram = [] {};
        window.Form_Load({});
        const QString path = disk.path(file);
        const QString opened = disk.path(QStringLiteral("old.89i"));
        QVERIFY(disk.put(QStringLiteral("old.89i"), pictureFile()));
        QVERIFY(disk.put(QStringLiteral("old.bmp"), QByteArray(400 * 1024, 'b')));
        QVERIFY(window.OpenFile(opened, QStringLiteral("old.89i")));
        const QByteArray before = read(path);
        window.tools().Picture1_MouseDown(1, 3.5f, 3.5f);
        window.tools().Picture1_MouseDown(1, 3.5f, 3.5f);
        disk.fill();

        if (command == u"save") {
            window.miSave_click();
        } else {
            fakes.dialogs.choose(path, command == u"bitmap" ? 2 : 1);
            window.miSaveAs_Click();
        }
        QCOMPARE(read(path), before);
        QCOMPARE(fakes.messages.shown.size(), 1);
        const QString text = fakes.messages.shown.first().text;
        QVERIFY2(text.startsWith(message) && text.contains(path) && text.contains(QStringLiteral("No space left on device")),
                 qPrintable(text));
        QVERIFY(!window.action(QStringLiteral("miOpen"))->isEnabled()); // still unsaved
        QCOMPARE(window.currentFile(), opened);
        QCOMPARE(window.recentFiles().at(0).path, QString());
    }
};

QTEST_MAIN(tst_SaveFaults)
#include "tst_SaveFaults.moc"
