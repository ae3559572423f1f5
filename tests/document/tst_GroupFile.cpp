#include "calc/ByteConversions.h"
#include "document/GroupFile.h"
#include "fakes/TestFiles.h"
#include "fakes/TifilesOracle.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

using Bytes = std::vector<uint8_t>;

PixelGrid diagonal(int width, int height, int step)
{
    PixelGrid grid(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            grid.set(x, y, (x + y) % step == 0);
    return grid;
}

CalcPicture picture(const char *folder, const char *name, int step)
{
    return {folder, name, {}, 13, 6, diagonal(13, 6, step), CalcKind::TI89};
}

QByteArray pictureData(const CalcPicture &p)
{
    const Bytes file = encode89i(p).bytes;
    return QByteArray(reinterpret_cast<const char *>(file.data()) + 86, qsizetype(file.size() - 88));
}

// A text variable's data: length, 00 01, the text, 00 E0.
const QByteArray kTextData = QByteArray::fromHex("000a" "0001" "68656c6c6f21" "00e0");

// A group as libtifiles2 writes it: 18-byte header up to the count, a table with folder
// entries, then data. Three variables in two folders, one of them text.
Bytes sampleGroup(CalcKind kind = CalcKind::TI89)
{
    GroupFile group;
    group.kind = kind;
    putVariable(group, *pictureVariable(picture("main", "pic1", 2)));
    putVariable(group, GroupEntry{"notes", 0x0B, 0, "main", Bytes(kTextData.begin(), kTextData.end())});
    putVariable(group, *pictureVariable(picture("graphs", "pic2", 3)));
    return *writeGroup(group);
}

void put16(Bytes &b, size_t at, unsigned v) { b[at] = uint8_t(v), b[at + 1] = uint8_t(v >> 8); }
void put32(Bytes &b, size_t at, uint32_t v) { put16(b, at, v & 0xFFFF), put16(b, at + 2, v >> 16); }

} // namespace

Q_DECLARE_METATYPE(GroupError)

class tst_GroupFile : public QObject
{
    Q_OBJECT

private slots:
    // The layout: folder entries before their variables, with their counts; a one-variable
    // file is a .89i file; rewriting what was read gives the same bytes.
    void layout()
    {
        const Bytes bytes = sampleGroup();
        const GroupReadResult read = readGroup(bytes);
        QCOMPARE(read.error, GroupError::None);
        QVERIFY(read.checksumMismatches.empty());
        QStringList shown;
        for (const GroupEntry &e : read.group.entries)
            shown << QString::fromStdString(e.isFolder() ? "[" + e.name + "]" : e.folder + "\\" + e.name);
        QCOMPARE(shown, QStringList({"[main]", "main\\pic1", "main\\notes", "[graphs]", "graphs\\pic2"}));
        QCOMPARE(bytes[0x3C + 14], uint8_t(2)); // main's count
        QCOMPARE(bytes[0x3C + 16 * 3 + 14], uint8_t(1));
        QCOMPARE(*writeGroup(read.group), bytes);

        const std::vector<GroupPicture> pictures = picturesIn(read.group);
        QCOMPARE(pictures.size(), size_t(2));
        QCOMPARE(pictures[1].name, "pic2");
        const DecodeResult second = decodeGroupPicture(read.group, pictures[1].entry);
        QCOMPARE(second.picture.pixels, diagonal(13, 6, 3));
        QCOMPARE(second.picture.folder, "graphs");
        const CalcPicture alone{"graphs", "pic2", read.group.comment, 13, 6, diagonal(13, 6, 3), CalcKind::TI89};
        QCOMPARE(singleVariableFile(read.group, pictures[1].entry), encode89i(alone).bytes);
    }

    // Replacing a picture keeps every other entry's bytes; a new folder gets its entry; a
    // folder whose last variable goes loses its entry.
    void edits()
    {
        GroupFile group = readGroup(sampleGroup()).group;
        putVariable(group, *pictureVariable(picture("main", "pic1", 5)));
        QCOMPARE(decodeGroupPicture(group, 1).picture.pixels, diagonal(13, 6, 5));
        QCOMPARE(group.entries[2].data, Bytes(kTextData.begin(), kTextData.end()));
        QCOMPARE(group.entries.size(), size_t(5));

        putVariable(group, *pictureVariable(picture("sprites", "hero", 2)));
        putVariable(group, *pictureVariable(picture("graphs", "pic3", 2)));
        QCOMPARE(group.entries[5].name, "pic3");
        QVERIFY(group.entries[6].isFolder());
        QCOMPARE(group.entries[6].name, "sprites");
        const GroupReadResult again = readGroup(*writeGroup(group));
        QCOMPARE(again.error, GroupError::None);
        QCOMPARE(findVariable(again.group, "sprites", "hero"), 7);

        QVERIFY(removeVariable(group, "sprites", "hero"));
        QVERIFY(!removeVariable(group, "sprites", "hero"));
        QCOMPARE(group.entries.size(), size_t(6));
        QVERIFY(removeVariable(group, "main", "pic1"));
        QCOMPARE(group.entries[0].name, "main"); // notes is still in it
    }

    // The u16 count holds 65,535 entries, folder entries among them; one more is refused
    // as too many entries, not as a file too large.
    void entryLimit_data()
    {
        QTest::addColumn<int>("variables");
        QTest::addColumn<int>("folders");
        QTest::addColumn<GroupError>("error");
        QTest::newRow("65,535 variables") << 65535 << 0 << GroupError::None;
        QTest::newRow("65,536 variables") << 65536 << 0 << GroupError::TooManyEntries;
        QTest::newRow("65,534 variables, 2 folders") << 65534 << 2 << GroupError::TooManyEntries;
    }
    void entryLimit()
    {
        QFETCH(int, variables);
        QFETCH(int, folders);
        QFETCH(GroupError, error);
        GroupFile group;
        for (int f = 0; f < folders; ++f)
            group.entries.push_back({"f" + std::to_string(f), kGroupFolderType, 0, {}, {}});
        group.entries.insert(group.entries.begin() + (folders ? 1 : 0), size_t(variables),
                             GroupEntry{"t", 0x0B, 0, "f0", Bytes(kTextData.begin(), kTextData.end())});
        QCOMPARE(groupWriteError(group), error);
        const std::optional<Bytes> written = writeGroup(group);
        QCOMPARE(written.has_value(), error == GroupError::None);
        if (written)
            QCOMPARE(readGroup(*written).group.entries.size(), size_t(variables + folders));
        else
            QCOMPARE(groupErrorText(error), std::string("The group has more than 65,535 entries (variables and "
                                                        "folders), the most a group file holds."));
    }

    // A single .89i file given a second picture becomes a group with folder entries.
    void singleFileGrows()
    {
        GroupFile group = readGroup(encode89i(picture("main", "one", 2)).bytes).group;
        QCOMPARE(group.entries.size(), size_t(1));
        QCOMPARE(group.entries[0].folder, "main");
        putVariable(group, *pictureVariable(picture("main", "two", 3)));
        QCOMPARE(group.entries.size(), size_t(3));
        QVERIFY(group.entries[0].isFolder());
        QCOMPARE(picturesIn(group).size(), size_t(2));
    }

    void malformed_data()
    {
        QTest::addColumn<int>("cut");   // the file's length, or -1 for all of it
        QTest::addColumn<int>("at");    // a byte to change, or -1
        QTest::addColumn<uint32_t>("value");
        QTest::addColumn<int>("width"); // 1, 2 or 4 bytes, little-endian
        QTest::addColumn<int>("error");
        QTest::addColumn<int>("entry");
        const int table = 0x3C;
        QTest::newRow("header cut") << 50 << -1 << 0u << 1 << int(GroupError::TooShort) << -1;
        QTest::newRow("no signature") << -1 << 2 << uint32_t('x') << 1 << int(GroupError::NotGroup) << -1;
        QTest::newRow("count past the end") << -1 << 0x3A << 900u << 2 << int(GroupError::TablePastEnd) << -1;
        QTest::newRow("table cut") << table + 40 << -1 << 0u << 1 << int(GroupError::TablePastEnd) << -1;
        QTest::newRow("offset past the end") << -1 << table + 16 << 70000u << 4 << int(GroupError::OffsetOutside) << 1;
        QTest::newRow("offset in the table") << -1 << table + 16 << 20u << 4 << int(GroupError::OffsetOutside) << 1;
        QTest::newRow("file size too large") << -1 << table + 80 << 99999u << 4 << int(GroupError::OffsetOutside) << 4;
        QTest::newRow("file cut") << 200 << -1 << 0u << 1 << int(GroupError::OffsetOutside) << 4;
        QTest::newRow("folder count") << -1 << table + 14 << 3u << 2 << int(GroupError::CountDoesNotFit) << 0;
        QTest::newRow("last folder count") << -1 << table + 48 + 14 << 2u << 2 << int(GroupError::CountDoesNotFit) << 3;
        QTest::newRow("offsets out of order") << -1 << table + 16 + 16 << 0u << 4 << int(GroupError::OffsetOutside) << 1;
    }
    void malformed()
    {
        QFETCH(int, cut);
        QFETCH(int, at);
        QFETCH(uint32_t, value);
        QFETCH(int, width);
        QFETCH(int, error);
        QFETCH(int, entry);
        Bytes bytes = sampleGroup();
        if (at >= 0) {
            if (width == 1)
                bytes[size_t(at)] = uint8_t(value);
            else if (width == 2)
                put16(bytes, size_t(at), value);
            else
                put32(bytes, size_t(at), value);
        }
        if (cut >= 0)
            bytes.resize(size_t(cut));
        const GroupReadResult read = readGroup(bytes);
        QCOMPARE(int(read.error), error);
        QCOMPARE(read.entry, entry);
        QVERIFY(!groupErrorText(read.error, read.entry).empty());
    }

    // A variable whose own length is longer than its slot; a checksum that disagrees is
    // only a warning.
    void lengthAndChecksum()
    {
        Bytes bytes = sampleGroup();
        const size_t textAt = readLE32At(bytes, 0x3C + 32) + 4;
        Bytes longer = bytes;
        longer[textAt + 1] = 0x40;
        const GroupReadResult refused = readGroup(longer);
        QCOMPARE(refused.error, GroupError::LengthPastSlot);
        QCOMPARE(refused.entry, 2);
        QCOMPARE(groupErrorText(refused.error, refused.entry, "main\\notes"),
                 "Entry 3 (main\\notes) of the group is longer than its place in the file.");

        bytes[textAt + 4] ^= 1;
        const GroupReadResult warned = readGroup(bytes);
        QCOMPARE(warned.error, GroupError::None);
        QCOMPARE(warned.checksumMismatches, std::vector<int>{2});
    }

    void oracle_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("model");
#ifdef HAVE_TIFILES
        QTest::newRow("TI-89") << int(CalcKind::TI89) << int(CALC_TI89);
        QTest::newRow("TI-92") << int(CalcKind::TI92) << int(CALC_TI92);
        QTest::newRow("TI-92 Plus") << int(CalcKind::TI92Plus) << int(CALC_TI92P);
        QTest::newRow("Voyage 200") << int(CalcKind::Voyage200) << int(CALC_V200);
#endif
    }
    // Both ways: a group the oracle writes is read by us and rewritten byte for byte; one we
    // write (after adding a folder) is read by the oracle with the same variables.
    void oracle()
    {
#ifndef HAVE_TIFILES
        QSKIP("libtifiles2 is not installed");
#else
        QFETCH(int, kind);
        QFETCH(int, model);
        QTemporaryDir dir;
        const QString ending = QString::fromStdString(groupFileEnding(CalcKind(kind)));
        const std::vector<OracleVariable> variables{
            {"main", "pic1", 0x10, 0, pictureData(picture("main", "pic1", 2))},
            {"main", "notes", 0x0B, 1, kTextData},
            {"graphs", "pic2", 0x10, 3, pictureData(picture("graphs", "pic2", 3))},
        };
        const QString theirs = dir.filePath("theirs." + ending);
        QVERIFY(oracleWriteGroup(theirs, CalcModel(model), variables));
        const QByteArray theirBytes = readFile(theirs);
        const GroupReadResult read = readGroup(asBytes(theirBytes));
        QCOMPARE(read.error, GroupError::None);
        QVERIFY(read.checksumMismatches.empty());
        QCOMPARE(asByteArray(*writeGroup(read.group)), theirBytes);
        QCOMPARE(decodeGroupPicture(read.group, findVariable(read.group, "graphs", "pic2")).picture.pixels,
                 diagonal(13, 6, 3));

        GroupFile ours = read.group;
        putVariable(ours, *pictureVariable(picture("sprites", "hero", 4)));
        const QString oursPath = dir.filePath("ours." + ending);
        QVERIFY(writeFile(oursPath, asByteArray(*writeGroup(ours))));
        bool ok = false;
        std::vector<OracleVariable> back = oracleReadGroup(oursPath, ok);
        QVERIFY(ok);
        std::vector<OracleVariable> expected = variables;
        expected.push_back({"sprites", "hero", 0x10, 0, pictureData(picture("sprites", "hero", 4))});
        QCOMPARE(back.size(), expected.size());
        for (size_t i = 0; i < back.size(); ++i)
            QCOMPARE(back[i], expected[i]);
#endif
    }

    // A backup, one entry of type 0x1D whose data is its own, reads as a group without
    // pictures and is written again byte for byte.
    void oracleBackup()
    {
#ifndef HAVE_TIFILES
        QSKIP("libtifiles2 is not installed");
#else
        QTemporaryDir dir;
        const QString path = dir.filePath("backup.92b");
        QVERIFY(oracleWriteBackup(path, QByteArray(300, '\x5A') + "end"));
        const QByteArray theirs = readFile(path);
        const GroupReadResult read = readGroup(asBytes(theirs));
        QCOMPARE(read.error, GroupError::None);
        QCOMPARE(read.group.entries.size(), size_t(1));
        QCOMPARE(read.group.entries[0].type, kGroupBackupType);
        QVERIFY(picturesIn(read.group).empty());
        QCOMPARE(asByteArray(*writeGroup(read.group)), theirs);
#endif
    }

private:
    static uint32_t readLE32At(const Bytes &b, size_t at)
    {
        return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24;
    }
};

QTEST_GUILESS_MAIN(tst_GroupFile)
#include "tst_GroupFile.moc"
