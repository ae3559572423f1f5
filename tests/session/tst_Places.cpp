#include "calc/ByteConversions.h"
#include "document/TiGroupFile.h"
#include "fakes/Fakes.h"
#include "fakes/PictureFixtures.h"
#include "fakes/TestFiles.h"
#include "fakes/TigFixtures.h"
#include "qtplatform/QtFileStore.h"
#include "session/FileSession.h"
#include "session/TiGroup.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <unistd.h>

namespace {
// A 9 x 4 picture variable main\NAME, black at (x, 1).
GroupEntry variable(const char *name, int x)
{
    PixelGrid grid(9, 4);
    grid.set(x, 1, 1);
    return *pictureVariable({"main", name, {}, 9, 4, grid, CalcKind::TI89});
}

QByteArray groupFile(const std::vector<GroupEntry> &variables)
{
    GroupFile group;
    group.comment = "a group";
    for (const GroupEntry &v : variables)
        putVariable(group, v);
    return asByteArray(*writeGroup(group));
}

// As another program writes: a whole new file renamed into the file's place.
bool replaceAtomically(const QString &path, const QByteArray &bytes)
{
    const QString fresh = path + QStringLiteral(".new");
    return writeFile(fresh, bytes) && std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(path).constData()) == 0;
}

// folder\name of each variable of the group file, in order.
QStringList variablesIn(const QByteArray &bytes, const QString &path)
{
    QStringList names;
    const Outcome<GroupFile> group = decodeGroupFile(path, bytes);
    for (const GroupEntry &e : group ? group->entries : std::vector<GroupEntry>())
        if (!e.isFolder())
            names << QString::fromStdString(e.folder + '\\' + e.name);
    return names;
}

// The files as the editor writes them, except that another program renames `theirs` into
// the place of the first file written, just before the write.
class RacingStore : public QtFileStore
{
public:
    QByteArray theirs;
    Done writeGuarded(const QString &path, const QByteArray &bytes, const WriteGuard &guard) override
    {
        if (!theirs.isEmpty() && !replaceAtomically(path, std::exchange(theirs, QByteArray())))
            return Failure{Failure::What::CannotWrite, path, QStringLiteral("the test could not race")};
        return QtFileStore::writeGuarded(path, bytes, guard);
    }
};

std::vector<uint8_t> withoutOffset(std::vector<uint8_t> record)
{
    std::fill(record.begin() + 42, record.begin() + 46, 0);
    return record;
}
} // namespace

// Where pictures live on disk, written through the file session on real files: each of the
// faults a place once had is a row here.
class tst_Places : public QObject
{
    Q_OBJECT

    struct Bench
    {
        QTemporaryDir dir;
        RacingStore files;
        FakeSettings settings;
        FileSession session{files, settings};
        Bench() { session.startUp(); }
        QString path(const QString &name) const { return dir.filePath(name); }
        PictureDocument &document() { return session.document(); }
        void draw()
        {
            document().drawn();
            document().setPixel(0, 0, 1);
            document().endChange();
        }
        // The group's picture folder\name opened, a dot drawn at (0, 0).
        bool openAndDraw(const QString &group, const std::string &name, const std::string &folder = "main")
        {
            const Outcome<GroupOnDisk> read = Place::readGroup(files, group);
            if (!read || !session.open(Place::openVariable(*read, findVariable(read->group, folder, name)), false).ok)
                return false;
            draw();
            return true;
        }
    };

private slots:
    // Save into a group rewrites the group as it is on disk at that moment, only the
    // picture's variable changed; a group that cannot be read again is not written at all
    // (never the copy read when it was opened).
    void savedIntoTheGroupAsItIsNow_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("three variables added") << "grown";
        QTest::newRow("grown past the read limit") << "huge";
        QTest::newRow("damaged") << "damaged";
    }
    void savedIntoTheGroupAsItIsNow()
    {
        QFETCH(QString, change);
        Bench b;
        const QString group = b.path("pics.89g");
        QVERIFY(writeFile(group, groupFile({variable("pic1", 1), variable("pic2", 2)})));
        QVERIFY(b.openAndDraw(group, "pic1"));
        std::vector<GroupEntry> grown{variable("pic1", 1), variable("pic2", 2), variable("pic3", 3), variable("pic4", 4),
                                      variable("pic5", 5)};
        if (change == u"huge") // a text of 4 MiB beside them
            grown.push_back({"big", 0x0B, 0, "main", std::vector<uint8_t>(QtFileStore::kMaxReadBytes, 0)});
        QByteArray theirs = groupFile(grown);
        if (change == u"damaged")
            theirs.truncate(200);
        QVERIFY(replaceAtomically(group, theirs));

        const std::optional<Place::Changed> found = b.session.changedOnDisk();
        QVERIFY(found);
        const SessionOutcome outcome = b.session.saveReplacing(*found);
        QCOMPARE(outcome.ok, change == u"grown");
        if (change != u"grown") {
            QVERIFY2(outcome.message.startsWith(QStringLiteral("ERROR in Saving!\r")), qPrintable(outcome.message));
            QCOMPARE(readFile(group), theirs);
            QVERIFY(b.document().hasUnsavedWork());
            return;
        }
        const QByteArray now = readFile(group);
        QCOMPARE(variablesIn(now, group), QStringList({"main\\pic1", "main\\pic2", "main\\pic3", "main\\pic4", "main\\pic5"}));
        const GroupFile saved = *decodeGroupFile(group, now);
        QCOMPARE(decodeGroupPicture(saved, findVariable(saved, "main", "pic1")).picture.pixels.at(0, 0), 1);
        for (const char *other : {"pic2", "pic3", "pic4", "pic5"})
            QVERIFY(saved.entries[size_t(findVariable(saved, "main", other))].data == variable(other, other[3] - '0').data);
    }

    // Add to Group takes the group as it finds it: a version another program renames into
    // place between the read and the write is read in turn, and nothing of it is lost.
    void addKeepsAVersionThatCameMeanwhile()
    {
        Bench b;
        const QString group = b.path("pics.89g");
        QVERIFY(writeFile(group, groupFile({variable("pic1", 1)})));
        b.files.theirs = groupFile({variable("pic1", 1), variable("theirs", 2)});
        QVERIFY(writeFile(b.path("a.89i"), pictureFile(9, 4, {{3, 3}}, {"main", "mine"})));
        QVERIFY(b.session.openFile(b.path("a.89i"), QStringLiteral("a.89i"), false).ok);
        const SessionOutcome added = b.session.addToGroup(group);
        QVERIFY2(added.ok, qPrintable(added.message));
        QVERIFY(b.files.theirs.isEmpty()); // the race ran
        QCOMPARE(variablesIn(readFile(group), group), QStringList({"main\\pic1", "main\\theirs", "main\\mine"}));
    }

    // A save into a TIGroup replaces the member of the picture's variable and keeps every
    // other member exactly as it was: another calculator's, folders, links, comments, two
    // members of one variable. A variable held twice is refused, naming both members.
    void tigMembersKeptByteForByte_data()
    {
        QTest::addColumn<QString>("name");       // Pic Var Name at the save
        QTest::addColumn<QString>("member");     // the picture's member afterwards; empty: refused
        QTest::addColumn<bool>("twice");
        QTest::newRow("saved") << "pic" << "main.pic.89i" << false;
        QTest::newRow("renamed") << "art" << "main.art.89i" << false;
        QTest::newRow("held twice") << "pic" << QString() << true;
    }
    void tigMembersKeptByteForByte()
    {
        QFETCH(QString, name);
        QFETCH(QString, member);
        QFETCH(bool, twice);
        Bench b;
        std::vector<ZipSource> ours{{"main.pic.89i", variableFile(CalcKind::TI89, variable("pic", 1))}};
        if (twice)
            ours.push_back({"copy.pic.89i", variableFile(CalcKind::TI89, variable("pic", 2))});
        const QString path = b.path("pics.tig");
        const QByteArray before = manyKinds(ours);
        QVERIFY(writeFile(path, before));
        QVERIFY(b.openAndDraw(path, "pic"));
        CalcTexts texts = b.document().texts();
        texts.name = name.toStdString();
        b.document().setTexts(texts);

        const SessionOutcome saved = b.session.save();
        QCOMPARE(saved.ok, !twice);
        if (twice) {
            QVERIFY2(saved.message.contains(QStringLiteral("main.pic.89i and copy.pic.89i")), qPrintable(saved.message));
            QCOMPARE(readFile(path), before);
            return;
        }
        const QByteArray after = readFile(path);
        const TigArchive was = readTigArchive(asBytes(before)).archive, now = readTigArchive(asBytes(after)).archive;
        QCOMPARE(now.members.size(), was.members.size());
        QCOMPARE(QString::fromStdString(now.members[0].name), member);
        for (size_t i = 1; i < was.members.size(); ++i) {
            QVERIFY2(now.members[i].local == was.members[i].local, was.members[i].name.c_str());
            QVERIFY(withoutOffset(now.members[i].central) == withoutOffset(was.members[i].central));
        }
        QCOMPARE(now.comment, was.comment);
        QCOMPARE(asByteArray(*writeTigArchive(now)), after); // no padding, nothing but the archive
        const GroupFile back = *decodeGroupFile(path, after);
        QCOMPARE(decodeGroupPicture(back, findVariable(back, "main", texts.name)).picture.pixels.at(0, 0), 1);
    }

    // A group with a second name (a hard link) is saved as a new file, whole or not at all:
    // the other name keeps what it held, and the user is told.
    void hardLinkedGroupSavedWhole()
    {
        Bench b;
        const QString group = b.path("pics.89g"), other = b.path("other.89g");
        const QByteArray before = groupFile({variable("pic1", 1)});
        QVERIFY(writeFile(group, before));
        QVERIFY(::link(QFile::encodeName(group).constData(), QFile::encodeName(other).constData()) == 0);
        QVERIFY(b.openAndDraw(group, "pic1"));
        const SessionOutcome saved = b.session.save();
        QVERIFY(saved.ok);
        QVERIFY2(saved.message.contains(QStringLiteral("had other names (hard links)")), qPrintable(saved.message));
        QCOMPARE(readFile(other), before);
        QVERIFY(readFile(group) != before);
    }

    // A grey picture saved as two picture files: the name typed names both; they keep the
    // comment whatever the planes' names; either file offers the pair, and a change to
    // either one is seen at the next save.
    void greyPairAsTwoFiles()
    {
        Bench b;
        PixelGrid levels(4, 2);
        levels.put(1, 0, 1);
        levels.put(2, 0, 2);
        levels.put(3, 1, 3);
        b.document().read(levels, 4, 2, 4, {"main", "picture", "my note"}, nullptr);
        b.draw();
        const FileSession::GreySaveTarget target = b.session.greySaveAsTarget(b.path("greypair"), 3);
        QCOMPARE(target.files, QStringList({b.path("greypairl.89i"), b.path("greypaird.89i")}));
        const SessionOutcome saved = b.session.saveGreyAs(target, b.session.planeNames());
        QVERIFY2(saved.ok, qPrintable(saved.message));
        for (const QString &file : target.files)
            QCOMPARE(decode89i(asBytes(readFile(file))).picture.comment, "my note"); // picturel: 8 characters

        Bench again;
        const auto pair = Place::pairedFiles(again.files, b.path("greypaird.89i"));
        QVERIFY(pair);
        QCOMPARE(pair->first, b.path("greypairl.89i"));
        QVERIFY(again.session.open(Place::openFilePair(again.files, pair->first, pair->second), true).ok);
        QCOMPARE(again.document().levels(), 4);
        QCOMPARE(again.document().pixels(), b.document().pixels());
        QCOMPARE(again.document().texts(), (CalcTexts{"main", "picture", "my note"}));
        QVERIFY(replaceAtomically(pair->second, readFile(pair->first)));
        const std::optional<Place::Changed> changed = again.session.changedOnDisk();
        QVERIFY(changed);
        QCOMPARE(changed->paths, QStringList{pair->second});
    }

    // An import forgets the file: Save has nothing to write to and is disabled, the toolbar's
    // Save goes to Save As, and nothing is written to an empty name.
    void saveAfterAnImport()
    {
        Bench b;
        QVERIFY(writeFile(b.path("a.89i"), pictureFile(9, 4)));
        QVERIFY(b.session.openFile(b.path("a.89i"), QStringLiteral("a.89i"), false).ok);
        b.session.pictureImported();
        QVERIFY(!b.document().shownMenus().saveEnabled);
        QCOMPARE(b.session.toolbarCommand(QStringLiteral("Save")).command, FileSession::Command::SaveAs);
        QVERIFY(!b.session.save().ok);
        QCOMPARE(readFile(b.path("a.89i")), pictureFile(9, 4));
    }

    // Undo of ClrDraw and of New gives back the whole picture: pixels, size, texts, file and
    // File menu; a Save As then keeps the variable's own name.
    void undoGivesTheWholePictureBack_data()
    {
        QTest::addColumn<bool>("clear");
        QTest::newRow("ClrDraw") << true;
        QTest::newRow("New") << false;
    }
    void undoGivesTheWholePictureBack()
    {
        QFETCH(bool, clear);
        Bench b;
        QVERIFY(writeFile(b.path("a.89i"), pictureFile(9, 4, {{2, 2}}, {"fold", "pic", "note"})));
        QVERIFY(b.session.openFile(b.path("a.89i"), QStringLiteral("a.89i"), false).ok);
        b.draw();
        const PixelGrid pixels = b.document().pixels();
        const auto menus = b.document().shownMenus();
        if (clear)
            b.document().clearDrawing();
        else
            b.document().newPicture(20, 10, 2);
        QCOMPARE(b.session.currentFile(), QString());
        QVERIFY(b.document().undo().stateChanged);
        QCOMPARE(b.document().pixels(), pixels);
        QCOMPARE(b.document().texts(), (CalcTexts{"fold", "pic", "note"}));
        QCOMPARE(b.session.currentFile(), b.path("a.89i"));
        QCOMPARE(b.session.currentFileTitle(), QStringLiteral("a.89i"));
        QVERIFY(b.document().shownMenus() == menus);
        QVERIFY(b.session.saveAs(b.path("b.89i"), QStringLiteral("b.89i")).ok);
        QCOMPARE(decode89i(asBytes(readFile(b.path("b.89i")))).picture.name, "pic");
    }

    // A sprite opened from C source and saved: unchanged, the file is not touched; changed,
    // only its literals are, and the next save finds them where they moved to; another
    // program's version is written into only when the user agreed, by the sprite's name,
    // and one that no longer holds the sprite, or that lands just before the write, is
    // left as it is with the drawing unsaved.
    void sourceSpriteSavedInPlace_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *name : {"unchanged", "drawn twice", "changed meanwhile", "sprite gone meanwhile", "raced",
                                 "grey into black and white", "resized"})
            QTest::newRow(name) << name;
    }
    void sourceSpriteSavedInPlace()
    {
        QFETCH(QString, kind);
        Bench b;
        const QString path = b.path("ship.c");
        const QByteArray before = "/* sprites */\nunsigned char ship_light[2] = {24, 60};\nunsigned char ship_dark[2] = {0, 24};\n"
                                  "const unsigned char dot[1] = {0x01};\n";
        QVERIFY(writeFile(path, before));
        const Outcome<SourceOnDisk> read = Place::readSource(b.files, path);
        QVERIFY(read);
        const int sprite = kind == u"grey into black and white" ? 1 : 0; // dot, else ship
        QVERIFY(b.session.open(Place::openSprite(*read, sprite), false).ok);
        QCOMPARE(b.session.currentFileTitle(), sprite == 0 ? "ship.c [ship]" : "ship.c [dot]");
        const FileIdentity opened = b.files.identify(path);
        if (kind == u"unchanged") {
            QVERIFY(b.session.save().ok);
            QCOMPARE(readFile(path), before);
            QVERIFY(b.files.identify(path) == opened); // not written at all
            return;
        }
        if (kind == u"grey into black and white" || kind == u"resized") {
            if (kind == u"resized")
                b.document().transform(PixelGrid(9, 2), 9, 2);
            else
                QVERIFY(b.document().setLevels(4));
            const SessionOutcome outcome = b.session.save();
            QVERIFY(!outcome.ok);
            QVERIFY2(outcome.message.contains(kind == u"resized" ? "The picture is 9 x 2 pixels, and the arrays of ship hold 8 x 2"
                                                                 : "dot is a black-and-white sprite"),
                     qPrintable(outcome.message));
            QCOMPARE(readFile(path), before);
            return;
        }
        b.draw(); // (0, 0) light grey: 24 -> 152, a literal one digit longer
        QByteArray expected = QByteArray(before).replace("{24, 60}", "{152, 60}");
        const QByteArray theirs = QByteArray("// theirs\n") + (kind == u"sprite gone meanwhile" ? QByteArray("int x;\n") : before);
        if (kind == u"raced")
            b.files.theirs = theirs;
        if (kind == u"changed meanwhile" || kind == u"sprite gone meanwhile")
            QVERIFY(replaceAtomically(path, theirs));
        const std::optional<Place::Changed> found = b.session.changedOnDisk();
        const SessionOutcome outcome = found ? b.session.saveReplacing(*found) : b.session.save();
        if (kind == u"sprite gone meanwhile" || kind == u"raced") {
            QVERIFY(!outcome.ok);
            QCOMPARE(readFile(path), theirs);
            QVERIFY(b.document().hasUnsavedWork());
            return;
        }
        QVERIFY2(outcome.ok, qPrintable(outcome.message));
        if (kind == u"changed meanwhile")
            expected.prepend("// theirs\n");
        QCOMPARE(readFile(path), expected);
        if (kind == u"drawn twice") {
            b.document().drawn();
            b.document().setPixel(7, 1, 3); // black: 60 -> 61 and 24 -> 25
            b.document().endChange();
            QVERIFY(b.session.save().ok);
            QCOMPARE(readFile(path), QByteArray(expected).replace("{152, 60}", "{152, 61}").replace("{0, 24}", "{0, 25}"));
        }
    }
};

QTEST_GUILESS_MAIN(tst_Places)
#include "tst_Places.moc"
