#include "calc/ByteConversions.h"
#include "document/GroupFile.h"
#include "document/TiGroupFile.h"
#include "fakes/ConvertRun.h"
#include "fakes/FullDisk.h"
#include "fakes/PictureFixtures.h"
#include "fakes/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

// dotlark-convert's group commands, run as a user runs them.
class tst_ConvertGroups : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString path(const QString &name) const { return dir.filePath(name); }

    // a.89i (main\pica, one black pixel) and b.89i (sprites\picb, another).
    void writePictures()
    {
        QVERIFY(writeFile(path("a.89i"), pictureFile(9, 4, {{1, 1}}, {"main", "pica"})));
        QVERIFY(writeFile(path("b.89i"), pictureFile(9, 4, {{7, 2}}, {"sprites", "picb"})));
        QVERIFY(writeFile(path("c.89i"), pictureFile(9, 4, {{3, 3}}, {"main", "pica"}))); // a.89i's name
    }

private slots:
    // --group writes each kind of group; --list shows it; GROUP OUT --var gives back the
    // very picture file that went in.
    void groupListExtract_data()
    {
        QTest::addColumn<QString>("group");
        QTest::newRow("TI-89") << "g.89g";
        QTest::newRow("Voyage 200") << "g.v2g";
        QTest::newRow("TIGroup") << "g.tig";
    }
    void groupListExtract()
    {
        QFETCH(QString, group);
        writePictures();
        ToolRun r = runConvert({path("a.89i"), path("b.89i"), "--group", path(group)});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        r = runConvert({"--list", path(group)});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, "main\\pica\tpicture\t15\nsprites\\picb\tpicture\t15\n");
        r = runConvert({path(group), path("out.89i"), "--var", "sprites\\picb"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const QByteArray out = readFile(path("out.89i"));
        const DecodeResult back = decode89i(asBytes(out));
        QCOMPARE(back.picture.name, "picb");
        QCOMPARE(back.picture.pixels, decode89i(asBytes(readFile(path("b.89i")))).picture.pixels);
        r = runConvert({path(group), path("out.pbm"), "--var", "pica"}); // main\ left out
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(readFile(path("out.pbm")), "P1\n9 4\n0 0 0 0 0 0 0 0 0\n0 1 0 0 0 0 0 0 0\n0 0 0 0 0 0 0 0 0\n0 0 0 0 0 0 0 0 0\n");
    }

    // --add replaces the picture of the same folder\name in place and keeps every other
    // entry, a text variable too, byte for byte; a new name is added; no group: one is made.
    void addKeepsTheRest()
    {
        writePictures();
        GroupFile group;
        putVariable(group, GroupEntry{"memo", 0x0B, 1, "main", {0x00, 0x06, 0x00, 0x01, 'h', 'i', 0x00, 0xE0}});
        putVariable(group, *pictureVariable(decode89i(asBytes(readFile(path("a.89i")))).picture));
        putVariable(group, *pictureVariable(decode89i(asBytes(readFile(path("b.89i")))).picture));
        QVERIFY(writeFile(path("keep.89g"), asByteArray(*writeGroup(group))));
        QVERIFY(writeFile(path("new.89i"), pictureFile(5, 5, {{4, 4}}, {"main", "pica"})));

        ToolRun r = runConvert({path("new.89i"), path("keep.89g"), "--add"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY2(r.err.contains("replaces the variable main\\pica"), qPrintable(r.err));
        const GroupFile after = readGroup(asBytes(readFile(path("keep.89g")))).group;
        QCOMPARE(after.entries.size(), group.entries.size());
        for (size_t i = 0; i < after.entries.size(); ++i)
            if (after.entries[i].name != "pica")
                QCOMPARE(after.entries[i].data, group.entries[i].data);
        QCOMPARE(decodeGroupPicture(after, findVariable(after, "main", "pica")).picture.width, 5);

        r = runConvert({path("new.89i"), path("keep.89g"), "--add", "--var", "games\\hero"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(runConvert({"--list", path("keep.89g")}).out.endsWith("games\\hero\tpicture\t12\n"));

        r = runConvert({path("a.89i"), path("made.9xg"), "--add"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(readFile(path("made.9xg")).startsWith("**TI92P*"));
    }

    // On a full disk --add fails with the reason and the group keeps every byte.
    void fullDiskKeepsTheGroup()
    {
        FullDisk disk(16);
        REQUIRE_FULL_DISK(disk);
        writePictures();
        QVERIFY(runConvert({path("a.89i"), path("b.89i"), "--group", path("g.89g")}).exitCode == 0);
        const QByteArray old = readFile(path("g.89g"));
        QVERIFY(disk.put("g.89g", old));
        disk.fill();
        const ToolRun r = runConvert({path("a.89i"), disk.path("g.89g"), "--add", "--var", "more"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("cannot be written: No space left on device"), qPrintable(r.err));
        QCOMPARE(readFile(disk.path("g.89g")), old);
    }

    // A variable whose checksum disagrees is noted by its folder\name: what the file holds
    // escaped, the separator written once.
    void checksumNoteNamesTheVariable_data()
    {
        QTest::addColumn<QByteArray>("folder");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain names") << QByteArray("foo") << QByteArray("picb") << "g.89g" << "foo\\picb";
        QTest::newRow("a TIGroup") << QByteArray("foo") << QByteArray("picb") << "g.tig" << "foo\\picb";
        QTest::newRow("a line break") << QByteArray("fo\ro") << QByteArray("picb") << "g.89g" << "fo\\ro\\picb";
        QTest::newRow("a backslash held") << QByteArray("a\\b") << QByteArray("pic") << "g.89g" << "a\\\\b\\pic";
    }
    void checksumNoteNamesTheVariable()
    {
        QFETCH(QByteArray, folder);
        QFETCH(QByteArray, name);
        QFETCH(QString, group);
        QFETCH(QString, shown);
        GroupFile file;
        putVariable(file, *pictureVariable({folder.toStdString(), name.toStdString(), {}, 9, 4, PixelGrid(9, 4)}));
        QByteArray bytes = asByteArray(*writeGroup(file));
        bytes[bytes.size() - 3] = char(bytes[bytes.size() - 3] ^ 0x10); // the variable's last byte
        if (group.endsWith(".tig"))
            bytes = asByteArray(*writeTigArchive({{*makeTigMember("foo.picb.89i", asBytes(bytes))}, {}}));
        QVERIFY(writeFile(path(group), bytes));
        const ToolRun r = runConvert({"--list", path(group)});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, "dotlark-convert: note: " + path(group) + ": the checksum of " + shown + " disagrees with its data\n");
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("words");
        QTest::newRow("damaged group") << QStringList{"--list", "cut.89g"} << 1
                                       << "cut.89g: Entry 2 (main\\pica) of the group has its data outside the file.";
        QTest::newRow("which picture") << QStringList{"g.89g", "out.png"} << 1 << "the group holds 2 pictures";
        QTest::newRow("no such picture") << QStringList{"g.89g", "out.png", "--var", "main\\picz"} << 1
                                         << "the group holds no picture variable main\\picz";
        QTest::newRow("bad name") << QStringList{"g.89g", "out.png", "--var", "main\\9lives"} << 1 << "9lives";
        QTest::newRow("add to a picture") << QStringList{"a.89i", "b.89i", "--add"} << 2
                                          << "the group must end in .89g, .92g, .9xg, .v2g or .tig";
        QTest::newRow("group of images") << QStringList{"a.89i", "--group", "out.png"} << 2 << "--group takes a file";
        QTest::newRow("missing group") << QStringList{"--list", "none.89g"} << 1 << "none.89g: The file does not exist.";
        QTest::newRow("link options") << QStringList{"--list", "g.89g", "--cable", "null"} << 2
                                      << "--cable does not go with this command";
        // A group holds one variable of a name: neither picture is dropped unsaid.
        QTest::newRow("two pictures of one name") << QStringList{"a.89i", "c.89i", "--group", "all.89g"} << 1
                                                  << "c.89i: holds main\\pica, as ";
    }
    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, words);
        writePictures();
        QVERIFY(runConvert({path("a.89i"), path("b.89i"), "--group", path("g.89g")}).exitCode == 0);
        QVERIFY(writeFile(path("cut.89g"), readFile(path("g.89g")).left(140)));
        const QByteArray before = readFile(path("b.89i"));
        for (QString &argument : arguments)
            if (argument.contains(u'.'))
                argument = path(argument);
        const ToolRun r = runConvert(arguments);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(r.err.contains(words), qPrintable(r.err));
        QVERIFY(!QFile::exists(path("out.png")));
        QVERIFY(!QFile::exists(path("all.89g")));
        QCOMPARE(readFile(path("b.89i")), before);
    }
};

QTEST_GUILESS_MAIN(tst_ConvertGroups)
#include "tst_ConvertGroups.moc"
