#include "fakes/Fakes.h"
#include "fakes/PictureFixtures.h"
#include "fakes/TableTranslator.h"
#include "session/FileSession.h"
#include "session/TiGroup.h"

#include <QDir>
#include <QTest>

namespace {
// The session's picture file: the pixel at (1, 1) black, in the folder "fold" with the comment "note".
QByteArray sample(int width, int height)
{
    return pictureFile(width, height, {{1, 1}}, {.folder = "fold", .comment = "note"});
}
} // namespace

// The file session on its own, with no window: what each command changes and says.
class tst_FileSession : public QObject
{
    Q_OBJECT

    struct Bench
    {
        FakeFileStore files;
        FakeSettings settings;
        FileSession session{files, settings};
        Bench() { session.startUp(); }
    };

private slots:
    void openTakesTheWholePicture()
    {
        Bench bench;
        bench.files.files[QStringLiteral("/p/a.89i")] = sample(20, 10);
        const SessionOutcome outcome = bench.session.openChosen(QStringLiteral("/p/a.89i"), QStringLiteral("a.89i"));
        QVERIFY(outcome.ok && outcome.pictureReplaced && outcome.fileTitleChanged && outcome.recentChanged);
        QVERIFY(outcome.message.isEmpty());
        QCOMPARE(bench.session.document().texts().folder, "fold");
        QCOMPARE(bench.session.document().texts().comment, "note");
        QCOMPARE(bench.session.document().width(), 20);
        QCOMPARE(bench.session.document().pixels().at(1, 1), 1);
        QCOMPARE(bench.session.recent().at(0).caption, QStringLiteral("a.89i"));
    }

    // A refused file changes nothing of the session.
    // The file dialogs' filters are constants, made before the editor loads its language:
    // they still show in the language loaded later, and in English without one.
    void filtersFollowTheLanguage()
    {
        const QString english = kGroupFilesFilter;
        QVERIFY(english.startsWith(QStringLiteral("Calculator groups (")));
        {
            const TableTranslator french({{"TiGroup", {{kGroupFilesFilter.source, "Groupes|*.89g"}}},
                                          {"FileSession", {{kGreySaveFilter.source, "Deux images|*.89g"}}}});
            QCOMPARE(QString(kGroupFilesFilter), QStringLiteral("Groupes|*.89g"));
            QCOMPARE(QString(kGreySaveFilter), QStringLiteral("Deux images|*.89g"));
        }
        QCOMPARE(QString(kGroupFilesFilter), english);
    }

    void refusalsChangeNothing_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "/p/gone.89i" << QByteArray() << "Can't open /p/gone.89i\rThe file does not exist.";
        QTest::newRow("short") << "/p/short.89i" << QByteArray(10, 'x') << "Can't open /p/short.89i\r";
        QTest::newRow("wrong ending") << "/p/a.txt" << sample(5, 5) << "Not a valid filename!";
        QTest::newRow("beyond the format") << "/p/big.89i" << blackPictureFile(8000, 100)
                                           << "Can't open /p/big.89i\rThe picture is 8000 x 100 pixels: 100000 bytes "
                                              "of pixel data, more than the 65530 a picture file holds.";
    }

    // Every size whose rows fit the format's 16-bit data length opens, and starts a new
    // history.
    void picturesTheFormatHolds_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("4000 x 100") << 4000 << 100;
        QTest::newRow("1000 x 500") << 1000 << 500;
        QTest::newRow("32767 x 15") << 32767 << 15;
        QTest::newRow("8 x 32767") << 8 << 32767;
    }
    void picturesTheFormatHolds()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        Bench bench;
        PictureDocument &document = bench.session.document();
        document.setPixel(0, 0, 1);
        document.endChange();
        bench.files.files[QStringLiteral("/p/big.89i")] = sample(width, height);
        const SessionOutcome outcome = bench.session.openChosen(QStringLiteral("/p/big.89i"), QStringLiteral("big.89i"));
        QVERIFY2(outcome.ok, qPrintable(outcome.message));
        QCOMPARE(document.size(), (PictureSize{width, height}));
        QCOMPARE(document.pixels().at(1, 1), 1);
        QVERIFY(!document.history().canUndo());
    }
    void refusalsChangeNothing()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        Bench bench;
        if (!bytes.isEmpty())
            bench.files.files[path] = bytes;
        const PixelGrid before = bench.session.document().pixels();
        const SessionOutcome outcome = bench.session.openChosen(path, path.section(u'/', -1));
        QVERIFY(!outcome.ok && !outcome.pictureReplaced && !outcome.recentChanged);
        QVERIFY2(outcome.message.startsWith(message), qPrintable(outcome.message));
        QCOMPARE(bench.session.currentFile(), QString());
        QCOMPARE(bench.session.document().pixels(), before);
        QVERIFY(bench.session.recent().isEmpty());
    }

    void saveAsTargets_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("filter");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("ask");
        using Kind = FileSession::SaveAsTarget::Kind;
        QTest::newRow("picture") << "/p/a.89i" << 1 << int(Kind::Picture) << "/p/a.89i" << false;
        QTest::newRow("bitmap filter adds the ending over a file") << "/p/old" << 2 << int(Kind::Bitmap) << "/p/old.bmp" << true;
        QTest::newRow("bitmap filter, new file") << "/p/new" << 2 << int(Kind::Bitmap) << "/p/new.bmp" << false;
        QTest::newRow("bitmap typed: the dialog asked") << "/p/old.bmp" << 1 << int(Kind::Bitmap) << "/p/old.bmp" << false;
        QTest::newRow("no ending") << "/p/a" << 1 << int(Kind::InvalidName) << "/p/a" << false;
    }
    void saveAsTargets()
    {
        QFETCH(QString, chosen);
        QFETCH(int, filter);
        QFETCH(int, kind);
        QFETCH(QString, path);
        QFETCH(bool, ask);
        Bench bench;
        bench.files.files[QStringLiteral("/p/old.bmp")] = "bitmap";
        const FileSession::SaveAsTarget target = bench.session.saveAsTarget(chosen, filter);
        QCOMPARE(int(target.kind), kind);
        QCOMPARE(target.path, path);
        QCOMPARE(target.askToReplace, ask);
    }

    // Save As takes the new name only when the file was written.
    void saveAsKeepsTheOldNameOnFailure()
    {
        Bench bench;
        bench.files.files[QStringLiteral("/p/a.89i")] = sample(8, 8);
        bench.session.openFile(QStringLiteral("/p/a.89i"), QStringLiteral("a.89i"), false);
        bench.session.document().drawn();
        bench.files.unwritable << QStringLiteral("/ro/b.89i");
        const SessionOutcome failed = bench.session.saveAs(QStringLiteral("/ro/b.89i"), QStringLiteral("b.89i"));
        QCOMPARE(failed.message, QStringLiteral("Disk write error\r/ro/b.89i\rPermission denied"));
        QCOMPARE(bench.session.currentFile(), QStringLiteral("/p/a.89i"));
        QVERIFY(bench.session.document().menus().hasUnsavedDrawing());
        QVERIFY(bench.session.saveAs(QStringLiteral("/p/b.89i"), QStringLiteral("b.89i")).ok);
        QCOMPARE(bench.session.currentFileTitle(), QStringLiteral("b.89i"));
        QVERIFY(!bench.session.document().menus().hasUnsavedDrawing());
        QCOMPARE(bench.session.recent().at(0).path, QStringLiteral("/p/b.89i"));
    }

    void recentListSurvivesARun()
    {
        Bench bench;
        for (const char *name : {"/p/1.89i", "/p/2.89i", "/p/3.89i", "/p/4.89i", "/p/5.89i"})
            bench.files.files[QString::fromLatin1(name)] = sample(4, 4);
        for (const char *name : {"/p/1.89i", "/p/2.89i", "/p/3.89i", "/p/4.89i", "/p/5.89i"})
            bench.session.openChosen(QString::fromLatin1(name), QString::fromLatin1(name).mid(3));
        bench.session.writeRecent();
        FileSession next(bench.files, bench.settings);
        next.startUp();
        QCOMPARE(next.recent().at(0).path, QStringLiteral("/p/5.89i"));
        QCOMPARE(next.recent().at(3).caption, QStringLiteral("2.89i"));
    }

    // The list as the next start reads it, after some files were opened: whole, clean paths,
    // each file once, however it was named or stored before.
    void recentFilesByWholePath_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<QStringList>("listed");
        const QString here = QDir::currentPath();
        QTest::newRow("relative name") << QStringList() << QStringList{"files/r.89i"} << QStringList{here + "/files/r.89i"};
        QTest::newRow("same name twice") << QStringList() << QStringList{"files/r.89i", "files/r.89i"}
                                         << QStringList{here + "/files/r.89i"};
        QTest::newRow("same file, other spellings") << QStringList() << QStringList{"/p/a.89i", "/p//x/../a.89i", "/p/./a.89i"}
                                                    << QStringList{"/p/a.89i"};
        QTest::newRow("opened again: to the top") << QStringList() << QStringList{"/p/a.89i", "/p/b.89i", "/p/a.89i"}
                                                  << QStringList{"/p/a.89i", "/p/b.89i"};
        QTest::newRow("older relative entry gives way") << QStringList{"files/r.89i", "/p/b.89i"}
                                                        << QStringList{here + "/files/r.89i"}
                                                        << QStringList{here + "/files/r.89i", "/p/b.89i"};
        QTest::newRow("stored twice: kept once") << QStringList{"/p/a.89i", "/p/a.89i", "/p/b.89i"} << QStringList()
                                                 << QStringList{"/p/a.89i", "/p/b.89i"};
        QTest::newRow("stored twice, opened again") << QStringList{"/p/a.89i", "/p/b.89i", "/p/a.89i", "/p/c.89i"}
                                                    << QStringList{"/p/a.89i"}
                                                    << QStringList{"/p/a.89i", "/p/b.89i", "/p/c.89i"};
        // A name with no file part has no caption, yet stays in the list where the one
        // stored twice made room.
        QTest::newRow("stored twice, then a folder") << QStringList{"/p/a.89i", "/p/a.89i", "/folder/"} << QStringList()
                                                     << QStringList{"/p/a.89i", "/folder/"};
    }
    void recentFilesByWholePath()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, opened);
        QFETCH(QStringList, listed);
        FakeFileStore files;
        FakeSettings settings;
        for (int i = 0; i < stored.size(); ++i)
            settings.values[QStringLiteral("dotlark95/Recent Files/%1recent").arg(i)] = stored[i];
        FileSession session(files, settings);
        session.startUp();
        for (const QString &path : opened) {
            files.files[path] = sample(4, 4);
            QVERIFY(session.openChosen(path, path.section(u'/', -1)).ok);
            QCOMPARE(session.currentFile(), QDir::cleanPath(QDir::current().absoluteFilePath(path)));
        }
        session.writeRecent();
        FileSession next(files, settings);
        next.startUp();
        QStringList paths;
        for (int i = 0; i < RecentList::kCount; ++i)
            if (!next.recent().at(i).path.isEmpty())
                paths << next.recent().at(i).path;
        QCOMPARE(paths, listed);
    }
};

QTEST_GUILESS_MAIN(tst_FileSession)
#include "tst_FileSession.moc"
