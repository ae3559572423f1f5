#include "document/GreyPicture.h"
#include "document/PictureDocument.h"
#include "document/PictureOps.h"
#include "fakes/AsciiPictures.h"
#include "fakes/GreyPictures.h"

#include <QTest>

namespace {
// A picture variable of the given size, all white.
GroupEntry variable(const std::string &folder, const std::string &name, int width, int height)
{
    CalcPicture picture;
    picture.folder = folder;
    picture.name = name;
    picture.width = width;
    picture.height = height;
    picture.pixels = PixelGrid(width, height);
    return *pictureVariable(picture);
}

GroupFile groupOf(const std::vector<GroupEntry> &variables)
{
    GroupFile group;
    for (const GroupEntry &entry : variables)
        putVariable(group, entry);
    return group;
}

QString nameOf(const GroupFile &group, int entry)
{
    return QString::fromStdString(group.entries[size_t(entry)].name);
}
} // namespace

Q_DECLARE_METATYPE(GroupFile)

// Four grey levels in two planes, and how they meet black-and-white pictures and groups.
class tst_GreyPicture : public QObject
{
    Q_OBJECT

private slots:
    void levelsAreThePlanes_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("light");
        QTest::addColumn<bool>("dark");
        QTest::newRow("white") << 0 << false << false;
        QTest::newRow("light grey") << 1 << true << false;
        QTest::newRow("dark grey") << 2 << false << true;
        QTest::newRow("black") << 3 << true << true;
    }
    void levelsAreThePlanes()
    {
        QFETCH(int, level);
        QFETCH(bool, light);
        QFETCH(bool, dark);
        GreyPicture picture = greyOf({"###", "###"}); // a level set over black clears a plane
        picture.setLevel(1, 1, static_cast<GreyLevel>(level));
        QCOMPARE(picture.light.at(1, 1) != 0, light);
        QCOMPARE(picture.dark.at(1, 1) != 0, dark);
        QCOMPARE(int(picture.level(1, 1)), level);
        QCOMPARE(int(picture.level(0, 1)), 3);
        QCOMPARE(int(picture.level(3, 1)), 0); // outside: white
        picture.setLevel(3, 1, GreyLevel::Black);
        QCOMPARE(rowsOfGrey(picture).first(), QStringLiteral("###"));
        // Inverting gives the opposite level: white and black, light and dark grey change places.
        QCOMPARE(int(invertedGrey(picture).level(1, 1)), 3 - level);
    }

    void twoLevelsAndFour()
    {
        const QStringList blackAndWhite{"#..#", ".##."};
        const GreyPicture grey = greyFromPlane(gridOf(blackAndWhite), 4, 2);
        QCOMPARE(rowsOfGrey(grey), (QStringList{"#..#", ".##."}));
        QCOMPARE(rowsOf(planeFromGrey(grey)), blackAndWhite);
        // The darker half becomes black.
        QCOMPARE(rowsOf(planeFromGrey(greyOf({".-+#"}))), QStringList{"..##"});
    }

    void operationsTakeBothPlanes()
    {
        const GreyPicture picture = greyOf({".-+#", "#...", "...."});
        const GreyPicture turned = onBothPlanes(picture, [&](const PixelGrid &plane) {
            return PictureOps::rotated(plane, picture.width, picture.height, PictureOps::Turn::Right);
        });
        QCOMPARE(turned.width, 3);
        QCOMPARE(turned.height, 4);
        QCOMPARE(rowsOfGrey(turned), (QStringList{".#.", "..-", "..+", "..#"}));
        QCOMPARE(rowsOfGrey(invertedGrey(picture)), (QStringList{"#+-.", ".###", "####"}));
    }

    void fillKeepsToItsLevel()
    {
        // White inside a ring of light grey, which leaves the dark plane as clear as white.
        GreyPicture picture = greyOf({"......", ".----.", ".-..-.", ".----.", "+....."});
        QCOMPARE(greyFloodFill(picture, 2, 2, GreyLevel::Black), (PixelRect{2, 2, 2, 1}));
        QCOMPARE(rowsOfGrey(picture), (QStringList{"......", ".----.", ".-##-.", ".----.", "+....."}));
        QCOMPARE(greyFloodFill(picture, 1, 1, GreyLevel::DarkGrey), (PixelRect{1, 1, 4, 3}));
        QCOMPARE(rowsOfGrey(picture), (QStringList{"......", ".++++.", ".+##+.", ".++++.", "+....."}));
        QVERIFY(!greyFloodFill(picture, 0, 4, GreyLevel::DarkGrey)); // already that level
        QVERIFY(!greyFloodFill(picture, 6, 0, GreyLevel::Black));    // outside
    }

    // The editor's grey picture: one grid of levels in the document, through drawing, fill,
    // invert, the conversion between 2 and 4 levels, and undo back to the start.
    void documentKeepsLevels()
    {
        PictureDocument document;
        document.blank(4, 2, PictureDocument::Blanking::New, 4);
        QVERIFY(document.isGrey());
        document.setPixel(0, 0, int(GreyLevel::LightGrey));
        document.setPixel(1, 0, int(GreyLevel::DarkGrey));
        document.setPixel(2, 0, int(GreyLevel::Black));
        QVERIFY(document.endChange());
        const auto rows = [&] { return rowsOfGrey(greyFromLevels(document.pixels(), document.width(), document.height())); };
        QCOMPARE(rows(), (QStringList{"-+#.", "...."}));
        QVERIFY(document.floodFill(3, 1, int(GreyLevel::LightGrey)));
        QCOMPARE(rows(), (QStringList{"-+#-", "----"}));
        document.transform(PictureOps::inverted(document.pixels(), 4, 2, document.black()), 4, 2);
        QCOMPARE(rows(), (QStringList{"+-.+", "++++"}));
        // To two levels: the dark plane is black; and back: black stays black.
        QVERIFY(document.setLevels(2));
        QCOMPARE(document.levels(), 2);
        QCOMPARE(rowsOf(document.pixels()), (QStringList{"#..#", "####"}));
        QVERIFY(!document.setLevels(2));
        QVERIFY(document.setLevels(4));
        QCOMPARE(rows(), (QStringList{"#..#", "####"}));
        for (const auto &[levels, expected] : {std::pair{2, QStringList{"#..#", "####"}},
                                               std::pair{4, QStringList{"+-.+", "++++"}},
                                               std::pair{4, QStringList{"-+#-", "----"}}}) {
            document.undo();
            QCOMPARE(document.levels(), levels);
            QCOMPARE(levels == 4 ? rows() : rowsOf(document.pixels()), expected);
        }
        while (document.history().canUndo())
            document.undo();
        QCOMPARE(document.levels(), 2); // before New: the screen, black and white
        document.redo();
        QCOMPARE(rows(), (QStringList{"....", "...."}));
        QVERIFY(document.isGrey());
    }

    void levelsGridRoundTrip()
    {
        const GreyPicture picture = greyOf({"#+-.", ".-+#"});
        const PixelGrid levels = levelsFromGrey(picture);
        QCOMPARE(int(levels.at(1, 0)), int(GreyLevel::DarkGrey));
        QCOMPARE(greyFromLevels(levels, 4, 2), picture);
    }

    void planeVariableNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("light");
        QTest::addColumn<QString>("dark");
        QTest::newRow("short") << "sky" << "skyl" << "skyd";
        QTest::newRow("seven bytes fit") << "sprite7" << "sprite7l" << "sprite7d";
        QTest::newRow("eight bytes are cut to seven") << "picture1" << "picturel" << "pictured";
        QTest::newRow("longer") << "averylongname" << "averylol" << "averylod";
    }
    void planeVariableNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, light);
        QFETCH(QString, dark);
        const auto [l, d] = ::planeVariableNames(name.toStdString());
        QCOMPARE(QString::fromStdString(l), light);
        QCOMPARE(QString::fromStdString(d), dark);
    }

    void pairsOfAGroup_data()
    {
        QTest::addColumn<GroupFile>("group");
        QTest::addColumn<QStringList>("pairs"); // light/dark names of each pair found
        QTest::newRow("a pair among others")
            << groupOf({variable("main", "other", 5, 5), variable("main", "skyd", 10, 4), variable("main", "skyl", 10, 4)})
            << QStringList{"skyl/skyd"};
        QTest::newRow("capital letters")
            << groupOf({variable("main", "SKYL", 10, 4), variable("main", "SKYD", 10, 4)}) << QStringList{"SKYL/SKYD"};
        QTest::newRow("sizes differ")
            << groupOf({variable("main", "skyl", 10, 4), variable("main", "skyd", 10, 5)}) << QStringList{};
        QTest::newRow("folders differ")
            << groupOf({variable("main", "skyl", 10, 4), variable("games", "skyd", 10, 4)}) << QStringList{};
        QTest::newRow("more than the last letter differs")
            << groupOf({variable("main", "skyl", 10, 4), variable("main", "skied", 10, 4)}) << QStringList{};
        QTest::newRow("two pairs, each picture once")
            << groupOf({variable("main", "al", 2, 2), variable("main", "ad", 2, 2), variable("main", "bl", 3, 3),
                        variable("main", "bd", 3, 3)})
            << QStringList{"al/ad", "bl/bd"};
    }
    void pairsOfAGroup()
    {
        QFETCH(GroupFile, group);
        QFETCH(QStringList, pairs);
        QStringList found;
        for (const GreyPair &pair : greyPairsIn(group)) {
            found << nameOf(group, pair.lightEntry) + '/' + nameOf(group, pair.darkEntry);
            QCOMPARE(QString::fromStdString(pair.name), nameOf(group, pair.lightEntry).chopped(1));
        }
        QCOMPARE(found, pairs);
    }
};

QTEST_GUILESS_MAIN(tst_GreyPicture)
#include "tst_GreyPicture.moc"
