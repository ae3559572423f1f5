#include "fakes/ConvertRun.h"
#include "fakes/PictureFixtures.h"
#include "fakes/TestFiles.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

// dotlark-convert's grey pictures and C source of sprites, run as a user runs it (the arrays'
// bits are checked against a compiler in the document tests, the grey toning in the import
// tests; here: which picture, which file, which refusal).
class tst_ConvertSprite : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString path(const QString &name) const { return dir.filePath(name); }

    static QByteArray sourceText(const QString &name)
    {
        QFile file(QStringLiteral(DOTLARK_TEST_DATA "/csource/") + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // grey.89g: main\shipl and main\shipd (10 x 2) with main\other; ship.89i alone.
    void writeFiles()
    {
        QVERIFY(writeFile(path("shipl.89i"), pictureFile(10, 2, {{0, 0}, {9, 1}}, {"main", "shipl"})));
        QVERIFY(writeFile(path("shipd.89i"), pictureFile(10, 2, {{1, 0}, {9, 1}}, {"main", "shipd"})));
        QVERIFY(writeFile(path("other.89i"), pictureFile(3, 3, {}, {"main", "other"})));
        QVERIFY(writeFile(path("wide.89i"), pictureFile(40, 2, {}, {"main", "wide"})));
        for (const char *source : {"tiles.h", "ship.c", "odd.c"})
            QVERIFY(writeFile(path(source), sourceText(source)));
        const ToolRun r = runConvert({path("shipl.89i"), path("other.89i"), path("shipd.89i"), "--group", path("grey.89g")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    }

private slots:
    void pairOfAGroupAsSource()
    {
        writeFiles();
        ToolRun r = runConvert({path("grey.89g"), path("ship.h"), "--sprite", "16", "--mask"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const QByteArray header = readFile(path("ship.h"));
        QVERIFY2(header.contains("static const unsigned short ship_light[2] = {\n    0x8000,\n    0x0040,\n};"), header);
        QVERIFY(header.contains("static const unsigned short ship_dark[2] = {\n    0x4000,\n    0x0040,\n};"));
        // An AND mask by default: 1 where the sprite is transparent, the padding too.
        QVERIFY(header.contains("static const unsigned short ship_mask[2] = {\n    0x3FFF,\n    0xFFBF,\n};"));
        QVERIFY(header.contains("Sprite16(x, y, 2, ship_mask, GrayGetPlane(LIGHT_PLANE), SPRT_AND);\n"
                                " *   Sprite16(x, y, 2, ship_light, GrayGetPlane(LIGHT_PLANE), SPRT_OR);"));
        QVERIFY(header.contains("#ifndef SHIP_SHIP_SPRITE_H"));
        r = runConvert({path("grey.89g"), path("ship.h"), "--sprite", "16", "--mask", "--mask-bits", "or"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY(readFile(path("ship.h")).contains("static const unsigned short ship_mask[2] = {\n    0xC000,\n    0x0040,\n};"));

        // A source file's arrays are seen from other files; one picture is one plane.
        r = runConvert({path("shipl.89i"), path("ship.c"), "--sprite", "x8", "--interlaced"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY(readFile(path("ship.c")).contains("\nconst unsigned char shipl[4] = {\n    0x80, 0x00,\n    0x00, 0x40,\n};"));

        // A sheet: every tile, named ones in an enum.
        r = runConvert({path("wide.89i"), path("wide.h"), "--sprite", "8", "--tiles", "8x2", "--names", "a,,c"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const QByteArray sheet = readFile(path("wide.h"));
        QVERIFY2(sheet.contains("#define WIDE_COUNT 5\nenum { WIDE_A = 0, WIDE_C = 2 };"), sheet);
        QVERIFY(sheet.contains("static const unsigned char wide[5][2] = {\n    { /* 0 */\n"));
    }

    // A pair as a grey image, and the image's four greys imported back as the same levels
    // into a pair of a new group.
    void greyImageBothWays()
    {
        writeFiles();
        ToolRun r = runConvert({path("grey.89g"), path("ship.png"), "--var", "main\\ship"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const QImage image(path("ship.png"));
        QCOMPARE(image.size(), QSize(10, 2));
        QCOMPARE(qGray(image.pixel(0, 0)), 213); // light plane only
        QCOMPARE(qGray(image.pixel(1, 0)), 156); // dark plane only
        QCOMPARE(qGray(image.pixel(9, 1)), 0);
        QCOMPARE(qGray(image.pixel(5, 0)), 255);

        r = runConvert({path("ship.png"), path("back.9xg"), "--stretch", "--size", "10x2", "--gray", "4", "--name", "ship"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        r = runConvert({"--list", path("back.9xg")});
        QCOMPARE(r.out.trimmed().split('\n').size(), 2);
        QVERIFY(r.out.contains("main\\shipl\tpicture") && r.out.contains("main\\shipd\tpicture"));
        r = runConvert({path("back.9xg"), path("back.png"), "--var", "ship"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY(QImage(path("back.png")).convertToFormat(QImage::Format_RGB32) == image.convertToFormat(QImage::Format_RGB32));
    }

    // The sprites of C source listed, written out as pictures, and written back in place:
    // unchanged, not a byte; changed, only the literals; resized, refused.
    void sourceSpritesBothWays()
    {
        writeFiles();
        ToolRun r = runConvert({"--list", path("odd.c")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const QStringList lines = r.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[0], "player\t16 bits\t6 elements\t16 x 6 pixels\tplayer");
        QCOMPARE(lines[2], "names\t\t\tnot a sprite: an array of pointers, not of integers");

        r = runConvert({path("tiles.h"), path("tiles.png")}); // one sprite: no --var needed
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QCOMPARE(QImage(path("tiles.png")).size(), QSize(256, 16)); // 16 tiles in one row
        r = runConvert({path("ship.c"), path("ship.png"), "--var", "ship"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const QImage ship(path("ship.png"));
        QCOMPARE(qGray(ship.pixel(3, 0)), 213); // 24 = 00011000 light only
        QCOMPARE(qGray(ship.pixel(3, 1)), 0);   // in both planes

        r = runConvert({path("odd.c"), path("player.89i"), "--var", "player"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const QByteArray odd = readFile(path("odd.c"));
        r = runConvert({path("player.89i"), path("odd.c"), "--add", "--var", "player"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QCOMPARE(readFile(path("odd.c")), odd);

        r = runConvert({path("player.89i"), path("inverted.89i"), "--invert"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        r = runConvert({path("inverted.89i"), path("odd.c"), "--add", "--var", "player"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const QByteArray inverted = readFile(path("odd.c"));
        QVERIFY2(inverted.contains("(unsigned short)0xE7E7, /* head */") && inverted.contains("    0X0000u,\n    0xFFFFU /* feet */"),
                 inverted);
        QCOMPARE(inverted.left(inverted.indexOf("0xE7E7")), odd.left(odd.indexOf("0x1818")));

        r = runConvert({path("player.89i"), path("taller.89i"), "--canvas", "16x7"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        r = runConvert({path("taller.89i"), path("odd.c"), "--add", "--var", "player"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("The picture is 16 x 7 pixels, and the arrays of player hold 16 x 6"), qPrintable(r.err));
        QCOMPARE(readFile(path("odd.c")), inverted);
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments"); // file names in the temporary folder
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("wider than the rows") << QStringList{"wide.89i", "out.h", "--sprite", "32"} << 1
                                             << "wide.89i: the picture is 40 pixels wide, wider than rows of 32 pixels";
        QTest::newRow("a group without a pair") << QStringList{"nopair.89g", "out.h", "--sprite", "8"} << 1
                                                << "nopair.89g: the group holds no light/dark pair";
        QTest::newRow("a pair not there") << QStringList{"grey.89g", "out.h", "--sprite", "16", "--var", "sky"} << 1
                                          << "the group holds no light/dark pair main\\skyl and main\\skyd";
        QTest::newRow("a width not known") << QStringList{"shipl.89i", "out.h", "--sprite", "12"} << 2
                                           << "--sprite takes 8, 16, 32 or x8, not \"12\"";
        QTest::newRow("a level not known") << QStringList{"shipl.89i", "out.h", "--sprite", "8", "--mask", "--transparent", "grey"}
                                           << 2 << "--transparent takes white, light, dark or black";
        QTest::newRow("not whole tiles") << QStringList{"wide.89i", "out.h", "--sprite", "16", "--tiles", "16x2"} << 1
                                         << "wide.89i: the picture is 40 x 2 pixels, not a whole number of tiles of 16 x 2";
        QTest::newRow("a tile size not known") << QStringList{"wide.89i", "out.h", "--sprite", "16", "--tiles", "16"} << 2
                                               << "--tiles takes a size such as 16x16, not \"16\"";
        QTest::newRow("names without tiles") << QStringList{"wide.89i", "out.h", "--sprite", "32", "--names", "a"} << 2
                                             << "--names goes with --tiles";
        QTest::newRow("a mask sense not known") << QStringList{"shipl.89i", "out.h", "--sprite", "8", "--mask", "--mask-bits", "xor"}
                                                << 2 << "--mask-bits takes and or or, not \"xor\"";
        QTest::newRow("mask bits without a mask") << QStringList{"shipl.89i", "out.h", "--sprite", "8", "--mask-bits", "or"}
                                                  << 2 << "--transparent and --mask-bits go with --mask";
        QTest::newRow("a pair as PBM") << QStringList{"grey.89g", "out.pbm", "--var", "ship"} << 1
                                       << "a light/dark pair is written as a PNG or BMP image";
        QTest::newRow("4 levels beside a file that is no picture")
            << QStringList{"in.png", "out.89i", "--fit", "--gray", "4"} << 1
            << "outl.89i: is there and is not a calculator picture";
        QTest::newRow("a group of black and white") << QStringList{"in.png", "out.89g", "--fit"} << 2
                                                    << "a scaled import into a group takes --gray 4";
        QTest::newRow("two sprites, no --var") << QStringList{"ship.c", "out.png"} << 1
                                               << "ship.c: defines 2 sprites: name one with --var NAME";
        QTest::newRow("no such array") << QStringList{"ship.c", "out.png", "--var", "boss"} << 1
                                       << "ship.c: defines no array named boss";
        QTest::newRow("an array that is no sprite") << QStringList{"odd.c", "out.png", "--var", "speeds"} << 1
                                                    << "odd.c [speeds]: It is not a sprite: an array of float";
        QTest::newRow("grey sprite as PBM") << QStringList{"ship.c", "out.pbm", "--var", "enemy"} << 1
                                            << "a sprite of four grey levels is written as a PNG or BMP image";
        QTest::newRow("an image of another size") << QStringList{"in.png", "odd.c", "--add", "--var", "cursor"} << 1
                                                     << "cannot be written: The picture is 4 x 4 pixels, and the arrays of cursor hold 8 x 8";
        QTest::newRow("3 levels") << QStringList{"in.png", "out.89g", "--fit", "--gray", "3"} << 2
                                  << "--gray takes 2 or 4, not \"3\"";
    }
    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        writeFiles();
        QVERIFY(QImage(4, 4, QImage::Format_RGB32).save(path("in.png")));
        QVERIFY(writeFile(path("outl.89i"), "notes, not a picture"));
        const ToolRun group = runConvert({path("shipl.89i"), path("other.89i"), "--group", path("nopair.89g")});
        QCOMPARE(group.exitCode, 0);
        for (QString &argument : arguments)
            if (argument.contains(u'.'))
                argument = path(argument);
        const ToolRun r = runConvert(arguments);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        for (const char *out : {"out.h", "out.pbm", "out.89i", "out.89g"})
            QVERIFY(!QFile::exists(path(out)));
    }
};

QTEST_GUILESS_MAIN(tst_ConvertSprite)
#include "tst_ConvertSprite.moc"
