#include "fakes/FakeWindow.h"
#include "fakes/FullDisk.h"
#include "fakes/GroupFakes.h"
#include "fakes/PictureFixtures.h"
#include "fakes/RealFilesWindow.h"
#include "shell/TextBox.h"

#include <QAction>
#include <QFile>
#include <QTest>

namespace {
const QString kGroup = QStringLiteral("/g/pics.89g");

// Three pictures, the third in another folder, and a program: [main] main\pic1 main\pic2
// main\prog [pics] pics\pic3.
QByteArray threePictures()
{
    return groupOf({pictureFile(8, 4, {{0, 0}}, {.name = "pic1"}), pictureFile(20, 10, {{19, 9}}, {.name = "pic2"}),
                    pictureFile(5, 5, {}, {.folder = "pics", .name = "pic3"})},
                   true);
}

struct Bench : FakeWindow
{
    QString path = kGroup;
    void openGroup(const QByteArray &bytes, std::initializer_list<int> chosen = {})
    {
        fakes.files.files[path] = bytes;
        fakes.groupQuestions.answers = chosen;
        fakes.dialogs.choose(path);
        window.miOpen_click();
    }
    GroupFile saved() { return groupIn(fakes.files.files.value(path), path); }
    QString lastMessage() const { return fakes.messages.shown.isEmpty() ? QString() : fakes.messages.shown.last().text; }
    void name(const QString &folder, const QString &name)
    {
        window.folderBox()->setText(folder);
        window.nameBox()->setText(name);
    }
};

// folder\name of every entry of the group, folder entries as "[folder]".
QStringList entryNames(const GroupFile &group)
{
    QStringList names;
    for (const GroupEntry &entry : group.entries)
        names << (entry.isFolder() ? u'[' + QString::fromStdString(entry.name) + u']'
                                   : QString::fromStdString(entry.folder + '\\' + entry.name));
    return names;
}

PixelGrid pixelsOf(const GroupFile &group, const char *folder, const char *name)
{
    return decodeGroupPicture(group, findVariable(group, folder, name)).picture.pixels;
}
} // namespace

// Group files in the editor on fakes: opening a picture of a group, saving it back with the
// other variables byte for byte, Save As leaving the group, Add to Group..., and the refusals.
class tst_GroupCommands : public QObject
{
    Q_OBJECT

private slots:
    // The chooser lists the pictures only, with their sizes and previews; the chosen one opens
    // with the group as its file; drawn on and saved, it changes and nothing else does.
    void savesTheChosenPictureBack_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("89g") << kGroup;
        QTest::newRow("TIGroup") << QStringLiteral("/g/pics.tig");
    }
    void savesTheChosenPictureBack()
    {
        QFETCH(QString, path);
        Bench bench;
        bench.path = path;
        const QByteArray before = *encodeGroupFile(path, groupIn(threePictures()));
        bench.openGroup(before, {1});
        QCOMPARE(bench.fakes.groupQuestions.offered.size(), 1);
        QCOMPARE(bench.fakes.groupQuestions.offered[0], (QStringList{"main\\pic1 11", "main\\pic2 37", "pics\\pic3 12"}));
        QCOMPARE(bench.fakes.groupQuestions.previews[0], (QList<QSize>{{8, 4}, {20, 10}, {5, 5}}));
        QCOMPARE(bench.window.statusFileName(), QFileInfo(path).fileName() + QStringLiteral(" [main\\pic2]"));
        QCOMPARE(bench.window.folderBox()->text(), QStringLiteral("main"));
        QCOMPARE(bench.window.document().width(), 20);
        QCOMPARE(bench.window.recentFiles().at(0).path, path);

        drawDot(bench.window, 0.5f, 0.5f);
        bench.window.miSave_click();
        QCOMPARE(bench.lastMessage(), QString());
        QCOMPARE(menuState(bench.window), QStringLiteral("EEEEE"));
        const GroupFile old = groupIn(before, path), now = bench.saved();
        QCOMPARE(entryNames(now), entryNames(old));
        for (size_t i = 0; i < old.entries.size(); ++i)
            if (old.entries[i].name != "pic2")
                QVERIFY2(now.entries[i].data == old.entries[i].data, old.entries[i].name.c_str());
        const PixelGrid pic2 = pixelsOf(now, "main", "pic2");
        QVERIFY(pic2.at(0, 0) && pic2.at(19, 9));

        // Save As makes it a picture file of its own: the next Save leaves the group alone.
        const QByteArray group = bench.fakes.files.files.value(path);
        bench.fakes.dialogs.choose(QStringLiteral("/g/one.89i"));
        bench.window.miSaveAs_Click();
        QCOMPARE(bench.window.statusFileName(), QStringLiteral("one.89i"));
        drawDot(bench.window, 5.5f, 5.5f);
        bench.window.miSave_click();
        QCOMPARE(bench.fakes.files.files.value(path), group);
        QVERIFY(decode89i(std::span(reinterpret_cast<const uint8_t *>(bench.fakes.files.files.value("/g/one.89i").constData()),
                                    size_t(bench.fakes.files.files.value("/g/one.89i").size())))
                    .picture.pixels.at(5, 5));
    }

    // One picture opens without a question, from the Open dialog, a drop, the recent list
    // or the command line; a group without pictures and a damaged one are refused naming
    // the file; a cancelled chooser leaves everything as it was.
    void openings_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QByteArray>("group");
        QTest::addColumn<QString>("title"); // status bar after it, "" = nothing opened
        QTest::addColumn<QString>("said");
        const QByteArray one = groupOf({pictureFile(8, 4, {}, {.name = "only"}), pictureFile(2, 2, {}, {.name = "x"})});
        const QByteArray single = groupOf({pictureFile(8, 4, {}, {.name = "only"})}, true);
        const QByteArray none = groupOf({}, true);
        const QString title = QStringLiteral("pics.89g [main\\only]");
        QTest::newRow("open, one picture") << "open" << single << title << "";
        QTest::newRow("drop") << "drop" << single << title << "";
        QTest::newRow("recent") << "recent" << single << title << "";
        QTest::newRow("command line") << "command line" << single << title << "";
        QTest::newRow("chooser cancelled") << "open" << one << "" << "";
        QTest::newRow("no picture") << "open" << none << "" << "/g/pics.89g holds no picture.";
        QTest::newRow("damaged") << "drop" << single.left(70) << ""
                                 << "Can't open /g/pics.89g\rThe group's table of entries runs past the end of the file.";
    }
    void openings()
    {
        QFETCH(QString, how);
        QFETCH(QByteArray, group);
        QFETCH(QString, title);
        QFETCH(QString, said);
        FakeServices fakes;
        fakes.files.files[kGroup] = group;
        fakes.settings.values[QStringLiteral("dotlark95/Recent Files/0recent")] = kGroup;
        MainWindow window(fakes.services());
        window.endProgram = [] {};
        window.Form_Load(how == QStringLiteral("command line") ? kGroup : QString());
        if (how == QStringLiteral("open")) {
            fakes.dialogs.choose(kGroup);
            window.miOpen_click();
        } else if (how == QStringLiteral("drop"))
            window.Picture1_OLEDragDrop({kGroup});
        else if (how == QStringLiteral("recent"))
            window.miRecent_Click(0);
        QCOMPARE(window.statusFileName(), title);
        QCOMPARE(window.currentFile(), title.isEmpty() ? QString() : kGroup);
        QCOMPARE(fakes.messages.shown.isEmpty() ? QString() : fakes.messages.shown.last().text, said);
    }

    // New names in the boxes: Save renames the variable in its place; when they name
    // another variable of the group it asks, and Yes puts the picture in that one's place.
    void saveUnderOtherNames_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("answer"); // -1: not asked
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("title");
        const QStringList untouched{"[main]", "main\\pic1", "main\\pic2", "main\\prog", "[pics]", "pics\\pic3"};
        QTest::newRow("free name") << "main" << "sun" << -1
                                   << QStringList{"[main]", "main\\pic1", "main\\sun", "main\\prog", "[pics]", "pics\\pic3"}
                                   << "pics.89g [main\\sun]";
        QTest::newRow("another folder") << "art" << "sun" << -1
                                        << QStringList{"[main]", "main\\pic1", "main\\prog", "[pics]", "pics\\pic3", "[art]", "art\\sun"}
                                        << "pics.89g [art\\sun]";
        QTest::newRow("another's name, yes") << "main" << "pic1" << int(Messages::Answer::Yes)
                                             << QStringList{"[main]", "main\\pic1", "main\\prog", "[pics]", "pics\\pic3"}
                                             << "pics.89g [main\\pic1]";
        QTest::newRow("another's name, no") << "pics" << "pic3" << int(Messages::Answer::No) << untouched
                                            << "pics.89g [main\\pic2]";
    }
    void saveUnderOtherNames()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(int, answer);
        QFETCH(QStringList, entries);
        QFETCH(QString, title);
        Bench bench;
        bench.openGroup(threePictures(), {1});
        bench.name(folder, name);
        if (answer >= 0)
            bench.fakes.messages.answers = {Messages::Answer(answer)};
        bench.window.miSave_click();
        QCOMPARE(entryNames(bench.saved()), entries);
        QCOMPARE(bench.window.statusFileName(), title);
        if (answer >= 0)
            QCOMPARE(bench.fakes.messages.shown.value(0).text,
                     QStringLiteral("/g/pics.89g already holds %1\\%2. Replace it with this picture?").arg(folder, name));
        if (answer == int(Messages::Answer::Yes))
            QCOMPARE(pixelsOf(bench.saved(), "main", "pic1").width(), 20);
    }

    // Another program changed the group after it was opened: Save asks, and Yes keeps what
    // the other program wrote into the other variables.
    void saveKeepsOtherProgramsChanges()
    {
        Bench bench;
        bench.openGroup(threePictures(), {0});
        bench.fakes.files.files[kGroup] = groupOf({pictureFile(8, 4, {}, {.name = "pic1"}), pictureFile(3, 3, {}, {.name = "new"})});
        drawDot(bench.window);
        bench.fakes.messages.answers = {Messages::Answer::Yes};
        bench.window.miSave_click();
        QCOMPARE(bench.fakes.messages.shown.value(0).text,
                 QStringLiteral("/g/pics.89g has changed on disk since it was opened. Replace it with this picture?"));
        QCOMPARE(entryNames(bench.saved()), (QStringList{"[main]", "main\\pic1", "main\\new"}));
        QVERIFY(pixelsOf(bench.saved(), "main", "pic1").at(3, 3));
    }

    // Add to Group... into a new group (a bare name gets the picture's group ending) and into
    // an existing one, asking before it replaces a variable of the same name; the picture
    // keeps its own file.
    void addToGroup_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("answer"); // -1: not asked
        QTest::addColumn<QStringList>("entries"); // of the group afterwards, empty: not written
        QTest::addColumn<QString>("said");
        const QStringList untouched{"[main]", "main\\pic1", "main\\pic2", "main\\prog", "[pics]", "pics\\pic3"};
        QTest::newRow("new") << "/g/new" << -1 << QStringList{"main\\sun"} << "main\\sun was added to /g/new.89g.";
        QTest::newRow("existing") << kGroup << -1
                                  << QStringList{"[main]", "main\\pic1", "main\\pic2", "main\\prog", "main\\sun", "[pics]", "pics\\pic3"}
                                  << "main\\sun was added to /g/pics.89g.";
        QTest::newRow("replace, yes") << kGroup << int(Messages::Answer::Yes) << untouched << "main\\pic2 was added to /g/pics.89g.";
        QTest::newRow("replace, no") << kGroup << int(Messages::Answer::No) << QStringList{}
                                     << "/g/pics.89g already holds main\\pic2. Replace it with this picture?";
    }
    void addToGroup()
    {
        QFETCH(QString, chosen);
        QFETCH(int, answer);
        QFETCH(QStringList, entries);
        QFETCH(QString, said);
        Bench bench;
        const QByteArray before = threePictures();
        bench.fakes.files.files[kGroup] = before;
        drawDot(bench.window);
        bench.name(QStringLiteral("main"), answer >= 0 ? QStringLiteral("pic2") : QStringLiteral("sun"));
        if (answer >= 0)
            bench.fakes.messages.answers = {Messages::Answer(answer)};
        bench.fakes.dialogs.choose(chosen);
        bench.window.action(QStringLiteral("miAddToGroup"))->trigger();
        const QString written = chosen.endsWith(QStringLiteral(".89g")) ? chosen : chosen + QStringLiteral(".89g");
        QCOMPARE(bench.lastMessage(), said);
        if (entries.isEmpty())
            QCOMPARE(bench.fakes.files.files.value(written), before);
        else
            QCOMPARE(entryNames(groupIn(bench.fakes.files.files.value(written))), entries);
        QCOMPARE(bench.window.currentFile(), QString());
    }

    // A save, or an Add to Group, that finds no room on the disk leaves the group file as it
    // was and says so; the picture stays unsaved.
    void fullDiskLeavesTheGroup()
    {
        FullDisk disk(64);
        REQUIRE_FULL_DISK(disk);
        const QByteArray before = groupOf({pictureFile(160, 77, {}, {.name = "big"})}, true);
        QVERIFY(disk.put(QStringLiteral("pics.89g"), before));
        RealFilesWindow bench;
        bench.window.Form_Load(disk.path(QStringLiteral("pics.89g")));
        QCOMPARE(bench.window.statusFileName(), QStringLiteral("pics.89g [main\\big]"));
        drawDot(bench.window);
        disk.fill();
        bench.window.miSave_click();
        const QString noRoom = QStringLiteral("No space left on device");
        QCOMPARE(menuState(bench.window), QStringLiteral("DDEEE")); // unsaved, as before
        bench.window.nameBox()->setText(QStringLiteral("other"));
        bench.fakes.dialogs.choose(disk.path(QStringLiteral("pics.89g")));
        bench.window.miAddToGroup_Click();
        QCOMPARE(bench.fakes.messages.texts(), (QStringList{"ERROR in Saving!\r" + disk.path("pics.89g") + "\r" + noRoom,
                                                            "main\\other was not added to " + disk.path("pics.89g") + ".\r" + noRoom}));
        QFile file(disk.path(QStringLiteral("pics.89g")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QCOMPARE(disk.entries(), (QStringList{QStringLiteral("filler"), QStringLiteral("pics.89g")}));
    }
};

QTEST_MAIN(tst_GroupCommands)
#include "tst_GroupCommands.moc"
