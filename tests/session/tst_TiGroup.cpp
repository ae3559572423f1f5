#include "calc/ByteConversions.h"
#include "calc/DocumentWords.h"
#include "fakes/TestFiles.h"
#include "fakes/TifilesOracle.h"
#include "session/TiGroup.h"

#include "fakes/LibarchiveZips.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

PixelGrid stripes(int width, int height, int step)
{
    PixelGrid grid(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            grid.set(x, y, x % step == 0);
    return grid;
}

GroupEntry pictureEntry(const char *folder, const char *name, int step)
{
    return *pictureVariable({folder, name, {}, 11, 5, stripes(11, 5, step), CalcKind::TI89});
}

const std::vector<uint8_t> kTextData{0x00, 0x06, 0x00, 0x01, 'h', 'i', 0x00, 0xE0};

GroupFile sampleGroup()
{
    GroupFile group;
    putVariable(group, pictureEntry("main", "pic1", 2));
    putVariable(group, pictureEntry("main", "pic2", 3));
    putVariable(group, GroupEntry{"memo", 0x0B, 0, "notes", kTextData});
    return group;
}

// folder\name and data of each variable, in order.
QStringList variablesOf(const GroupFile &group)
{
    QStringList shown;
    for (const GroupEntry &e : group.entries)
        if (!e.isFolder())
            shown << QString::fromStdString(e.folder + '\\' + e.name) + u' ' + asByteArray(e.data).toHex();
    return shown;
}

QByteArray fileOf(CalcKind kind, const GroupEntry &variable)
{
    return asByteArray(singleVariableFile(GroupFile{kind, variable.folder, {}, {variable}, {}}, 0));
}

} // namespace

Q_DECLARE_METATYPE(CalcKind)

class tst_TiGroup : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip()
    {
        const Outcome<QByteArray> zip = encodeTiGroup("g.tig", sampleGroup());
        QVERIFY(zip);
        QVERIFY(isTiGroup(*zip));
        QVERIFY(zip->right(22).startsWith("PK\x05\x06")); // nothing after the end record
        const Outcome<GroupFile> back = decodeGroupFile("g.tig", *zip);
        QVERIFY(back);
        QCOMPARE(variablesOf(*back), variablesOf(sampleGroup()));
        QCOMPARE(decodeGroupPicture(*back, findVariable(*back, "main", "pic2")).picture.pixels, stripes(11, 5, 3));
    }

    // Names read from a file may hold anything; no member name leaves the folder.
    void memberNamesStayInside()
    {
        GroupFile group;
        putVariable(group, pictureEntry("..", "/etc", 2));
        putVariable(group, pictureEntry("a\\b", "c\x01", 2));
        const QByteArray zip = *encodeTiGroup("x.tig", group);
        QVERIFY(zip.contains("..._etc.89i"));
        QVERIFY(zip.contains("a_b.c_.89i"));
        QVERIFY(!zip.contains("/etc"));
    }

    // Damaged files are refused with the reason; a checksum that disagrees is a warning.
    void refusals_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("words"); // in the failure's detail
        QTest::newRow("broken ZIP") << QByteArray("PK\x03\x04garbage and more garbage", 30) << "cannot be";
        QTest::newRow("68k group past the end") << asByteArray(*writeGroup(sampleGroup())).left(200)
                                                << "Entry 5 (notes\\memo) of the group has its data outside the file.";
    }
    void refusals()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, words);
        const Outcome<GroupFile> read = decodeGroupFile("bad.89g", bytes);
        QVERIFY(!read);
        QCOMPARE(read.failure().what, Failure::What::DamagedPicture);
        QVERIFY2(read.failure().detail.contains(words), qPrintable(read.failure().detail));
    }

    void memberNoVariable()
    {
        const QByteArray archive = libarchiveZip({{"readme.txt", "not a calculator file at all"}});
        QVERIFY(isTiGroup(archive));
        const Outcome<GroupFile> read = decodeTiGroup("x.tig", archive);
        QVERIFY(!read);
        QVERIFY2(read.failure().detail.contains("readme.txt is no calculator variable"),
                 qPrintable(read.failure().detail));
    }

    void checksumWarning()
    {
        std::vector<uint8_t> bytes = *writeGroup(sampleGroup());
        bytes[bytes.size() - 3] ^= 0x10; // the last variable's data
        QStringList warnings;
        QVERIFY(decodeGroupFile("g.89g", asByteArray(bytes), &warnings));
        QCOMPARE(warnings, QStringList{"the checksum of notes\\memo disagrees with its data"});
    }

    // A group of more entries than a group file counts is refused saying so.
    void tooManyEntries()
    {
        GroupFile group;
        group.entries.assign(65536, GroupEntry{"memo", 0x0B, 0, "notes", kTextData});
        const Outcome<QByteArray> written = encodeGroupFile("g.89g", group);
        QVERIFY(!written);
        QCOMPARE(written.failure().detail, groupReason(GroupError::TooManyEntries));
    }

    // A TIGroup's variables in member order, both of two members of one variable, with
    // folder entries that a 68k group keeps; its calculator the first member's; folder and
    // link members hold none.
    void tigVariables_data()
    {
        QTest::addColumn<QByteArray>("zip");
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<CalcKind>("kind");
        const GroupEntry pic2 = pictureEntry("main", "pic1", 2), pic3 = pictureEntry("main", "pic1", 3);
        const GroupEntry program{"q", 0x12, 0, "main", {0x00, 0x03, 0x01, 0x02, 0xDC}}, text{"memo", 0x0B, 0, "notes", kTextData};
        const auto shown = [](const std::vector<GroupEntry> &entries) { return variablesOf({CalcKind::TI89, "main", {}, entries, {}}); };
        QTest::newRow("one variable twice")
            << libarchiveZip({{"main.pic1.89i", fileOf(CalcKind::TI89, pic2)}, {"main.pic1.89i", fileOf(CalcKind::TI89, pic3)}})
            << shown({pic2, pic3}) << CalcKind::TI89;
        QTest::newRow("TI-92 first, a folder and a link")
            << libarchiveZip({{"main.q.92p", fileOf(CalcKind::TI92, program)}, {"sub/", {}, AE_IFDIR},
                              {"link", "main.q.92p", AE_IFLNK}, {"main.pic1.89i", fileOf(CalcKind::TI89, pic2)}})
            << shown({program, pic2}) << CalcKind::TI92;
        QTest::newRow("folders in turn")
            << libarchiveZip({{"a.89i", fileOf(CalcKind::TI89, pic2)}, {"b.89t", fileOf(CalcKind::TI89, text)},
                              {"c.89p", fileOf(CalcKind::TI89, program)}})
            << shown({pic2, text, program}) << CalcKind::TI89;
    }
    void tigVariables()
    {
        QFETCH(QByteArray, zip);
        QFETCH(QStringList, variables);
        QFETCH(CalcKind, kind);
        const Outcome<GroupFile> read = decodeGroupFile("g.tig", zip);
        QVERIFY2(read, qPrintable(read ? QString() : read.failure().detail));
        QCOMPARE(variablesOf(*read), variables);
        QCOMPARE(read->kind, kind);
        const GroupReadResult again = readGroup(*writeGroup(*read));
        QCOMPARE(variablesOf(again.group), variables);
    }

    // Both ways against libtifiles2: a TIGroup it makes of single files we read; one we
    // write it reads with the same variables and file names.
    void oracle()
    {
#ifndef HAVE_TIFILES
        QSKIP("libtifiles2 is not installed");
#else
        QTemporaryDir dir;
        const GroupFile group = sampleGroup();
        QStringList singles;
        for (size_t i = 0; i < group.entries.size(); ++i) {
            const GroupEntry &e = group.entries[i];
            if (e.isFolder())
                continue;
            singles << dir.filePath(QString::fromStdString(e.folder + '.' + e.name + '.'
                                                           + variableFileEnding(group.kind, e.type)));
            QVERIFY(writeFile(singles.last(), asByteArray(singleVariableFile(group, int(i)))));
        }
        const QString theirs = dir.filePath("theirs.tig");
        QVERIFY(oracleWriteTig(theirs, singles));
        const Outcome<GroupFile> read = decodeGroupFile(theirs, readFile(theirs));
        QVERIFY(read);
        QCOMPARE(variablesOf(*read), variablesOf(group));

        const QString ours = dir.filePath("ours.tig");
        QVERIFY(writeFile(ours, *encodeGroupFile(ours, group)));
        bool ok = false;
        QStringList files;
        const std::vector<OracleVariable> back = oracleReadTig(ours, ok, &files);
        QVERIFY(ok);
        QCOMPARE(files, QStringList({"main.pic1.89i", "main.pic2.89i", "notes.memo.89t"}));
        QCOMPARE(back.size(), size_t(3));
        QCOMPARE(back[2], (OracleVariable{"notes", "memo", 0x0B, 0, asByteArray(kTextData)}));
#endif
    }
};

QTEST_GUILESS_MAIN(tst_TiGroup)
#include "tst_TiGroup.moc"
