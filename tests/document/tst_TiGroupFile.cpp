#include "calc/ByteConversions.h"
#include "document/TiGroupFile.h"
#include "fakes/LibarchiveZips.h"
#include "fakes/TigFixtures.h"
#include "fakes/TestFiles.h"
#include "fakes/TifilesOracle.h"

#include <QDateTime>
#include <QTest>

namespace {

QByteArray written(const TigArchive &archive)
{
    const std::optional<std::vector<uint8_t>> bytes = writeTigArchive(archive);
    return bytes ? asByteArray(*bytes) : QByteArray();
}

TigArchive readOk(const QByteArray &bytes)
{
    const TigReadResult read = readTigArchive(asBytes(bytes));
    if (read.error != TigError::None)
        qWarning("refused: error %d at member %s", int(read.error), read.member.c_str());
    return read.archive;
}

std::vector<uint8_t> withoutOffset(std::vector<uint8_t> record)
{
    std::fill(record.begin() + 42, record.begin() + 46, 0);
    return record;
}

const QByteArray kPictureFile = variableFile(CalcKind::TI89, picture("pic1", 2));
QByteArray onePicture(int making = ZipPlain) { return libarchiveZip({{"main.pic1.89i", kPictureFile}}, making); }
qsizetype central(const QByteArray &zip) { return zip.indexOf("PK\x01\x02"); }

} // namespace

Q_DECLARE_METATYPE(TigError)

class tst_TiGroupFile : public QObject
{
    Q_OBJECT

private slots:
    // Read and written again unchanged: the same bytes, less the zero padding after the end.
    void unchangedRewrite_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("expected");
        const std::vector<ZipSource> members{{"main.pic1.89i", kPictureFile}, {"sub/", {}, AE_IFDIR}};
        QTest::newRow("libarchive") << libarchiveZip(members) << libarchiveZip(members);
        QTest::newRow("libarchive, padded") << libarchiveZip(members, ZipPadded) << libarchiveZip(members);
        QTest::newRow("libarchive, stored") << libarchiveZip(members, ZipStored) << libarchiveZip(members, ZipStored);
        QTest::newRow("comments") << manyKinds() << manyKinds();
#ifdef HAVE_TIFILES
        QTemporaryDir dir;
        const QString single = dir.filePath("main.pic1.89i"), tig = dir.filePath("t.tig");
        if (writeFile(single, kPictureFile) && oracleWriteTig(tig, {single}))
            QTest::newRow("libtifiles2") << readFile(tig) << readFile(tig);
#endif
    }
    void unchangedRewrite()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, expected);
        QCOMPARE(written(readOk(input)), expected);
    }

    // One member replaced; every other keeps its bytes, libarchive reads them all at their
    // new places, and the comments stay.
    void survivesReplacement_data()
    {
        QTest::addColumn<int>("replaced");
        QTest::newRow("first") << 0;
        QTest::newRow("TI-92 member") << 1;
        QTest::newRow("last, with a comment") << 5;
    }
    void survivesReplacement()
    {
        QFETCH(int, replaced);
        const TigArchive before = readOk(manyKinds());
        QCOMPARE(before.members.size(), size_t(6));
        TigArchive after = before;
        const QByteArray fresh = variableFile(CalcKind::TI89, picture("new", 4));
        after.members[size_t(replaced)] = *makeTigMember("main.new.89i", asBytes(fresh));
        const QByteArray zip = written(after);

        const TigArchive back = readOk(zip);
        QCOMPARE(back.comment, std::string("whole archive"));
        QCOMPARE(back.members.size(), before.members.size());
        for (size_t i = 0; i < back.members.size(); ++i) {
            const TigMember &expected = i == size_t(replaced) ? after.members[i] : before.members[i];
            QCOMPARE(back.members[i].local, expected.local);
            QCOMPARE(withoutOffset(back.members[i].central), withoutOffset(expected.central));
        }
        bool ok = false;
        const std::vector<ZipRead> theirs = libarchiveRead(zip, ok);
        QVERIFY(ok);
        QCOMPARE(theirs.size(), size_t(6));
        QCOMPARE(theirs[size_t(replaced)].name, std::string("main.new.89i"));
        QCOMPARE(theirs[size_t(replaced)].data, fresh);
        QCOMPARE(theirs[3].type, int(AE_IFLNK));
    }

    // Every file member's variables in order, with their member and calculator; two members
    // of main\pic1 give two variables; the folder and the link none.
    void variables()
    {
        const TigArchive archive = readOk(manyKinds());
        QStringList kinds;
        for (const TigMember &m : archive.members)
            kinds << QString::number(int(m.kind));
        QCOMPARE(kinds.join(' '), "0 0 1 2 0 0"); // File, File, Folder, Link, File, File
        const TigVariables found = tigVariables(archive);
        QCOMPARE(found.error, TigError::None);
        QStringList shown;
        for (const TigVariable &v : found.variables)
            shown << QStringLiteral("%1 %2 %3\\%4").arg(v.member).arg(QString::fromUtf8(infoOf(v.kind).model),
                                                         QString::fromStdString(v.variable.folder), QString::fromStdString(v.variable.name));
        QCOMPARE(shown, QStringList({"0 TI-89 main\\pic1", "1 TI-92 main\\q", "4 TI-89 main\\a", "4 TI-89 memo\\b",
                                     "5 TI-89 main\\pic1"}));
        QVERIFY(found.variables[0].variable.data != found.variables[4].variable.data);
    }

    // A member we make in an archive libtifiles2 made is read by libtifiles2 with its variable.
    void oracleReadsReplacement()
    {
#ifndef HAVE_TIFILES
        QSKIP("libtifiles2 is not installed");
#else
        QTemporaryDir dir;
        const QString one = dir.filePath("main.pic1.89i"), two = dir.filePath("memo.b.89t"), tig = dir.filePath("t.tig");
        QVERIFY(writeFile(one, kPictureFile) && writeFile(two, variableFile(CalcKind::TI89, kText)));
        QVERIFY(oracleWriteTig(tig, {one, two}));
        TigArchive archive = readOk(readFile(tig));
        const GroupEntry fresh = picture("new", 3);
        archive.members[1] = *makeTigMember("main.new.89i", asBytes(variableFile(CalcKind::TI89, fresh)));
        QVERIFY(writeFile(tig, written(archive)));
        bool ok = false;
        const std::vector<OracleVariable> read = oracleReadTig(tig, ok);
        QVERIFY(ok);
        QCOMPARE(read.size(), size_t(2));
        QCOMPARE(read[0].name, QByteArray("pic1"));
        QCOMPARE(read[1], (OracleVariable{fresh.folder.c_str(), fresh.name.c_str(), fresh.type, 0, asByteArray(fresh.data)}));
#endif
    }

    // A new member as another program reads it: name, time stamp, mode and data, deflated
    // or stored.
    void newMemberAsLibarchiveReadsIt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QDateTime>("time");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("method");
        const QDateTime leapDay(QDate(2024, 2, 29), QTime(13, 45, 58));
        QByteArray noise;
        for (uint32_t i = 0, x = 1; i < 300; ++i)
            noise += char((x = x * 1103515245 + 12345) >> 16);
        QTest::newRow("no time given") << "main.pic1.89i" << QDateTime(QDate(1980, 1, 1), QTime(0, 0)) << kPictureFile << 8;
        QTest::newRow("leap day, name not ASCII") << "main.\u00e9t\u00e9.89i" << leapDay << kPictureFile << 8;
        QTest::newRow("bytes deflate cannot shrink") << "noise" << leapDay << noise << 0;
    }
    void newMemberAsLibarchiveReadsIt()
    {
        QFETCH(QString, name);
        QFETCH(QDateTime, time);
        QFETCH(QByteArray, content);
        QFETCH(int, method);
        const TigTime stamp{time.date().year(), time.date().month(), time.date().day(),
                            time.time().hour(), time.time().minute(), time.time().second()};
        const std::optional<TigMember> m = makeTigMember(name.toStdString(), asBytes(content), stamp);
        QCOMPARE(int(m->method), method);
        bool ok = false;
        const std::vector<ZipRead> theirs = libarchiveRead(written({{*m}, {}}), ok);
        QVERIFY(ok);
        QCOMPARE(theirs.size(), size_t(1));
        QCOMPARE(QString::fromStdString(theirs[0].name), name);
        QCOMPARE(theirs[0].mtime, time.toSecsSinceEpoch());
        QCOMPARE(theirs[0].mode, 0100644u);
        QCOMPARE(theirs[0].data, content);
    }

    // 65,534 members is the most an archive without ZIP64 holds.
    void mostMembers_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("fits");
        QTest::newRow("65,534") << 65534 << true;
        QTest::newRow("65,535") << 65535 << false;
    }
    void mostMembers()
    {
        QFETCH(int, count);
        QFETCH(bool, fits);
        const TigArchive archive{std::vector<TigMember>(size_t(count), *makeTigMember("a.89t", asBytes(kPictureFile))), {}};
        const std::optional<std::vector<uint8_t>> zip = writeTigArchive(archive);
        QCOMPARE(zip.has_value(), fits);
        if (fits)
            QCOMPARE(readTigArchive(*zip).archive.members.size(), size_t(count));
    }

    // Damaged, foreign or hostile archives: refused by error value, naming the member.
    void refusals_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<TigError>("error");
        QTest::addColumn<QByteArray>("member");
        const QByteArray one = onePicture(), stored = onePicture(ZipStored), name = "main.pic1.89i";
        const auto damaged = [&](const char *row, QByteArray bytes, TigError error, QByteArray member, auto damage) {
            damage(bytes);
            QTest::newRow(row) << bytes << error << member;
        };
        const auto none = [](QByteArray &) {};
        damaged("empty", {}, TigError::NoEndRecord, {}, none);
        damaged("cut short", one.left(one.size() - 1), TigError::NoEndRecord, {}, none);
        damaged("bytes after the end", one + "x", TigError::NoEndRecord, {}, none);
        damaged("directory offset past it", one, TigError::DirectoryOutside, {}, [](QByteArray &b) { b[b.size() - 6] = char(b[b.size() - 6] + 1); });
        damaged("record past the directory", one, TigError::BadRecord, {}, [](QByteArray &b) { b[central(b) + 29] = 1; });
        damaged("local header past the members", one, TigError::MemberOutside, name, [](QByteArray &b) { putLe32(b, central(b) + 42, uint32_t(central(b))); });
        damaged("data past the members", one, TigError::MemberOutside, name, [](QByteArray &b) { putLe32(b, central(b) + 20, 100000); });
        damaged("local name differs", one, TigError::LocalDisagrees, name, [](QByteArray &b) { b[31] = 'X'; });
        damaged("local method differs", one, TigError::LocalDisagrees, name, [](QByteArray &b) { b[8] = 0; });
        damaged("descriptor disagrees", one, TigError::LocalDisagrees, name, [](QByteArray &b) { b[b.indexOf("PK\x07\x08") + 4] ^= 1; });
        damaged("stored size disagrees", stored, TigError::LocalDisagrees, name, [](QByteArray &b) { b[22] ^= 1; });
        damaged("two records, one member", one, TigError::MembersOverlap, name, [](QByteArray &b) {
            const qsizetype at = central(b), length = b.size() - 22 - at;
            b.insert(at, b.mid(at, length));
            b[b.size() - 14] = b[b.size() - 12] = 2; // records
            putLe32(b, b.size() - 10, uint32_t(2 * length)); // directory size
        });
        damaged("second disk", one, TigError::Spanned, {}, [](QByteArray &b) { b[b.size() - 18] = 1; });
        damaged("ZIP64 count", one, TigError::Zip64, {}, [](QByteArray &b) { b[b.size() - 14] = b[b.size() - 13] = b[b.size() - 12] = b[b.size() - 11] = char(0xFF); });
        damaged("ZIP64 by libarchive", onePicture(ZipForced64), TigError::Zip64, {}, none);
        damaged("encrypted by libarchive", onePicture(ZipEncrypted), TigError::Encrypted, name, none);
        damaged("unknown method", stored, TigError::UnknownMethod, name, [](QByteArray &b) { b[8] = b[central(b) + 10] = 12; });
        damaged("stored data changed", stored, TigError::WrongCrc, name, [](QByteArray &b) { b[b.indexOf("PK\x07\x08") - 1] ^= 1; });
        damaged("deflate data damaged", one, TigError::BadData, name, [](QByteArray &b) { b[30 + 13 + 20] = char(0xFF); });
        damaged("no calculator variable", libarchiveZip({{"readme.txt", "plain words"}}), TigError::NotVariable, "readme.txt", none);
        const QByteArray zeros(int(kTigMemberLimit) + 1, '\0');
        damaged("member over 16 MiB", libarchiveZip({{"big.89i", zeros}}), TigError::TooLarge, "big.89i", none);
        damaged("bomb that says it is small", libarchiveZip({{"big.89i", zeros}}), TigError::BadData, "big.89i", [](QByteArray &b) {
            putLe32(b, 22, 100); // in the local header, the central record and the descriptor
            putLe32(b, central(b) + 24, 100);
            putLe32(b, b.indexOf("PK\x07\x08") + 12, 100);
        });
        // Groups of 250 variables of 64 KiB: each under 16 MiB, five over 64 MiB.
        GroupFile full{CalcKind::TI89, "main", {}, {}, {}};
        for (int i = 0; i < 250; ++i)
            full.entries.push_back({"v" + std::to_string(i), 0x0B, 0, "main", std::vector<uint8_t>(65536, 0)});
        for (GroupEntry &e : full.entries)
            e.data[0] = 0xFF, e.data[1] = 0xFE; // the length of what follows: 65,534 bytes, all the rest
        const QByteArray group = asByteArray(*writeGroup(full));
        damaged("members over 64 MiB", libarchiveZip({{"1", group}, {"2", group}, {"3", group}, {"4", group}, {"5", group}}),
                TigError::ArchiveTooLarge, "5", none);
        // Tiny variables compress to nearly nothing: two groups of 40,000 pass 65,535.
        GroupFile many{CalcKind::TI89, "main", {}, std::vector<GroupEntry>(40000, {"x", 0x0B, 0, "main", {0, 0}}), {}};
        const QByteArray manyGroup = asByteArray(*writeGroup(many));
        damaged("more variables than a group holds", libarchiveZip({{"a", manyGroup}, {"b", manyGroup}}),
                TigError::TooManyVariables, "b", none);
    }
    void refusals()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(TigError, error);
        QFETCH(QByteArray, member);
        const TigReadResult read = readTigArchive(asBytes(bytes));
        if (read.error != TigError::None) {
            QCOMPARE(read.error, error);
            QCOMPARE(QByteArray::fromStdString(read.member), member);
            QVERIFY(read.archive.members.empty());
            return;
        }
        const TigVariables found = tigVariables(read.archive);
        QCOMPARE(found.error, error);
        QCOMPARE(QByteArray::fromStdString(found.memberName), member);
        QVERIFY(found.variables.empty());
    }
};

QTEST_GUILESS_MAIN(tst_TiGroupFile)
#include "tst_TiGroupFile.moc"
