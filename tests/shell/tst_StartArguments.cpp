#include "fakes/PictureFixtures.h"
#include "fakes/RealFilesWindow.h"
#include "fakes/TestFiles.h"
#include "platform/ShownNames.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The editor started with awkward names after its options, reading real files: a name that
// is a file opens it exactly, anything else is named in a message with the system's reason,
// and the window starts empty.
class tst_StartArguments : public QObject
{
    Q_OBJECT

    CurrentTemporaryFolder dir; // relative names are the folder's: the shell hands them on as typed

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        for (const char *name : {"two words.89i", "it's \"so\".89i", "\"quoted\".89i", "\"", "-", "--help", "-x",
                                 "\xc3\x9cn\xc3\xaf c\xc3\xb8" "d\xc3\xa9 \xe7\x94\xbb.89i"})
            QVERIFY2(writeFile(dir.filePath(QString::fromUtf8(name)), pictureFile(8, 2, {{1, 1}}, {.name = "start"})), name);
    }

    void opensTheNamedFile_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("opened");
        QTest::newRow("blanks, as two words") << QStringList{"two", "words.89i"} << "two words.89i";
        QTest::newRow("blanks in one word") << QStringList{dir.filePath("two words.89i")} << dir.filePath("two words.89i");
        QTest::newRow("a pair of quotes around it") << QStringList{"\"two words.89i\""} << "two words.89i";
        QTest::newRow("quotes inside") << QStringList{"it's \"so\".89i"} << "it's \"so\".89i";
        QTest::newRow("a quote first") << QStringList{"\"quoted\".89i"} << "\"quoted\".89i";
        QTest::newRow("a lone quote") << QStringList{"\""} << "\"";
        QTest::newRow("non-ASCII letters") << QStringList{QStringLiteral("\u00DCn\u00EF c\u00F8d\u00E9 \u753B.89i")}
                                           << QStringLiteral("\u00DCn\u00EF c\u00F8d\u00E9 \u753B.89i");
        QTest::newRow("a lone -") << QStringList{"-"} << "-";
        QTest::newRow("--help after --") << QStringList{"--help"} << "--help";
        QTest::newRow("-x after --") << QStringList{"-x"} << "-x";
    }

    void opensTheNamedFile()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, opened);
        RealFilesWindow bench;
        const FakeServices &fakes = bench.fakes;
        MainWindow &window = bench.window;
        bench.window.start(words);
        QCOMPARE(fakes.messages.texts(), QStringList());
        // Kept by its whole path: the recent list opens it from any folder.
        const QString whole = QDir(dir.path()).filePath(opened);
        QCOMPARE(window.currentFile(), whole);
        QCOMPARE(window.recentFiles().at(0).path, whole);
        QCOMPARE(window.document().width(), 8);
    }

    void namesNoPicture_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("message");
        const QString longName = dir.filePath(QString(5000, u'n') + QStringLiteral(".89i"));
        QTest::newRow("5000 characters") << QStringList{longName}
                                         << "Can't open " + shownName(longName, kMessageNameLength) + "\rFile name too long.";
        const QString deep = dir.path() + QStringLiteral("/d").repeated(2500) + QStringLiteral(".89i");
        QTest::newRow("5000 characters of folders") << QStringList{deep}
                                                    << "Can't open " + shownName(deep, kMessageNameLength) + "\rFile name too long.";
        QTest::newRow("a folder") << QStringList{dir.path()} << "Can't open " + dir.path() + "\rThis is a folder, not a file.";
        QTest::newRow("a missing file") << QStringList{"no", "such.89i"} << "Can't open no such.89i\rThe file does not exist.";
        QTest::newRow("a device") << QStringList{"/dev/zero"} << "Can't open /dev/zero\rThis is a device or a pipe, not a file.";
    }

    void namesNoPicture()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, message);
        RealFilesWindow bench;
        const FakeServices &fakes = bench.fakes;
        MainWindow &window = bench.window;
        bench.window.start(words);
        QCOMPARE(fakes.messages.texts(), QStringList{message});
        QCOMPARE(window.currentFile(), QString());
        QVERIFY(!window.action(QStringLiteral("miSaveAs"))->isEnabled());
        QCOMPARE(window.document().width(), 160);
    }
};

QTEST_MAIN(tst_StartArguments)
#include "tst_StartArguments.moc"
