#include "document/GreyFiles.h"
#include "fakes/GreyPictures.h"
#include "fakes/TestFiles.h"
#include "fakes/TifilesOracle.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const GreyPicture kSprite = greyOf({".-+#.-+#.",
                                    "#+-.#+-..",
                                    "..--++##."});

QByteArray bytesOf(const std::vector<uint8_t> &bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

} // namespace

class tst_GreyFiles : public QObject
{
    Q_OBJECT

private slots:
    // A group with another picture in it: the grey picture goes in as NAMEl and NAMEd, comes
    // back through the pair found in the file as written, and replaces itself when put again.
    void groupRoundTrip()
    {
        GroupFile group;
        putVariable(group, *pictureVariable({"main", "other", {}, 4, 4, PixelGrid(4, 4), CalcKind::TI89}));
        QVERIFY(putGreyPicture(group, invertedGrey(kSprite), "games", "ship"));
        QVERIFY(putGreyPicture(group, kSprite, "games", "ship"));
        const GroupReadResult read = readGroup(*writeGroup(group));
        QCOMPARE(read.error, GroupError::None);
        const std::vector<GreyPair> pairs = greyPairsIn(read.group);
        QCOMPARE(pairs.size(), size_t(1));
        QCOMPARE(pairs[0].folder, std::string("games"));
        QCOMPARE(pairs[0].name, std::string("ship"));
        const GreyDecodeResult back = decodeGreyPair(read.group, pairs[0]);
        QCOMPARE(back.error, Picture89iError::None);
        QCOMPARE(rowsOfGrey(back.picture), rowsOfGrey(kSprite));
    }

    // A long name is cut so that both variables fit 8 characters, and a picture too large
    // for a variable leaves the group as it was.
    void namesAndRefusal()
    {
        GroupFile group;
        QVERIFY(putGreyPicture(group, kSprite, "main", "longsprite"));
        QCOMPARE(picturesIn(group).size(), size_t(2));
        QCOMPARE(picturesIn(group)[0].name, std::string("longsprl"));
        QCOMPARE(picturesIn(group)[1].name, std::string("longsprd"));
        QVERIFY(!putGreyPicture(group, GreyPicture(40000, 2), "main", "huge"));
        QCOMPARE(picturesIn(group).size(), size_t(2));
    }

    // Two picture files of their own: each is the plane it is named after.
    void twoFiles()
    {
        const GreyEncodeResult files = encodeGreyFiles(greyVariables(kSprite, "main", "ship"));
        QCOMPARE(files.error, Picture89iError::None);
        const DecodeResult light = decode89i(files.light), dark = decode89i(files.dark);
        QCOMPARE(light.picture.name, std::string("shipl"));
        QCOMPARE(dark.picture.name, std::string("shipd"));
        QVERIFY(light.picture.pixels == kSprite.light);
        QVERIFY(dark.picture.pixels == kSprite.dark);
        QCOMPARE(encodeGreyFiles(greyVariables(GreyPicture(0, 3), "main", "x")).error, Picture89iError::ZeroSize);
    }

    // libtifiles2 reads the group as two pictures with the planes' data.
    void readByOracle()
    {
#ifndef HAVE_TIFILES
        QSKIP("libtifiles2's header is missing");
#else
        GroupFile group;
        QVERIFY(putGreyPicture(group, kSprite, "main", "ship"));
        QTemporaryDir dir;
        const QString path = dir.filePath("ship.89g");
        QVERIFY(writeFile(path, bytesOf(*writeGroup(group))));
        bool ok = false;
        const std::vector<OracleVariable> variables = oracleReadGroup(path, ok);
        QVERIFY(ok);
        QCOMPARE(variables.size(), size_t(2));
        const GreyEncodeResult files = encodeGreyFiles(greyVariables(kSprite, "main", "ship"));
        for (const auto &[variable, file, name] : {std::tuple{variables[0], files.light, "shipl"},
                                                   std::tuple{variables[1], files.dark, "shipd"}}) {
            QCOMPARE(variable.name, QByteArray(name));
            QCOMPARE(variable.type, 0x10);
            QCOMPARE(variable.data, bytesOf(file).mid(86, qsizetype(file.size()) - 88));
        }
#endif
    }
};

QTEST_GUILESS_MAIN(tst_GreyFiles)
#include "tst_GreyFiles.moc"
