#include "document/SpriteSource.h"
#include "fakes/CompiledC.h"
#include "fakes/GreyPictures.h"

#include <QStandardPaths>
#include <QTest>

Q_DECLARE_METATYPE(SpriteWidth)

namespace {
// A picture of every level in no simple pattern, from a small linear congruential sequence.
GreyPicture scrambled(int width, int height)
{
    GreyPicture picture(width, height);
    uint32_t state = 12345u + uint32_t(width);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            state = state * 1103515245u + 12345u;
            picture.setLevel(x, y, static_cast<GreyLevel>((state >> 16) & 3));
        }
    return picture;
}

// A C program that includes the source (twice, as a header may be) and prints every element of `arrays`, one a line in
// hex, each array ended by a line "-".
// An array of a sheet (`name[N][H]`) is printed in its order, tile after tile.
QString dumpProgram(const QStringList &arrays, bool sheet = false)
{
    QString text = "#include <stdio.h>\n#include \"sprite.h\"\n#include \"sprite.h\"\nint main(void)\n{\n    unsigned i;\n";
    const QString element = sheet ? QStringLiteral("%1[0][0]") : QStringLiteral("%1[0]");
    const QString at = sheet ? QStringLiteral("(&%1[0][0])[i]") : QStringLiteral("%1[i]");
    for (const QString &array : arrays)
        text += QStringLiteral("    for (i = 0; i < sizeof %1 / sizeof %2; ++i)\n"
                               "        printf(\"%lx\\n\", (unsigned long)%3);\n    puts(\"-\");\n")
                    .arg(array, element.arg(array), at.arg(array));
    return text + "    return 0;\n}\n";
}

// The elements of each array as the compiled program prints them; empty after a failure.
QList<QList<quint32>> compiledArrays(const std::string &source, const QStringList &arrays, bool sheet = false)
{
    const std::optional<QByteArray> output = compiledOutput(
        {{"sprite.h", QByteArray::fromStdString(source)}, {"dump.c", dumpProgram(arrays, sheet).toUtf8()}}, "dump.c",
        {"-std=c99", "-Wall", "-Wextra", "-pedantic", "-Werror"});
    if (!output)
        return {};
    QList<QList<quint32>> result{QList<quint32>()};
    for (const QByteArray &line : output->split('\n')) {
        if (line == "-")
            result.append(QList<quint32>());
        else if (!line.isEmpty())
            result.last().append(line.toUInt(nullptr, 16));
    }
    result.removeLast();
    return result;
}

// Whether layer `layer` is set at (x, y): a plane's pixel, or the mask's (an AND mask where
// the level is transparent, an OR mask where it is not).
bool expectedBit(const GreyPicture &picture, int planes, int layer, GreyLevel transparent, MaskSense sense, int x, int y)
{
    if (layer == planes)
        return (sense == MaskSense::Or)
               == (planes == 1 ? (picture.dark.at(x, y) ? GreyLevel::Black : GreyLevel::White) != transparent
                               : picture.level(x, y) != transparent);
    return (planes == 1 ? picture.dark : layer == 0 ? picture.light : picture.dark).at(x, y) != 0;
}
SpriteRequest rowsOf(SpriteWidth width)
{
    SpriteRequest request;
    request.width = width;
    return request;
}
} // namespace

// The C source of sprites, compiled by gcc and read back bit for bit.
class tst_SpriteSource : public QObject
{
    Q_OBJECT

private slots:
    void compiledArraysHoldThePicture_data()
    {
        QTest::addColumn<SpriteWidth>("rows");
        QTest::addColumn<int>("width"); // of the picture
        QTest::addColumn<int>("planes");
        QTest::addColumn<bool>("mask");
        QTest::addColumn<bool>("interlaced");
        QTest::addColumn<int>("transparent");
        QTest::addColumn<bool>("orMask");
        const struct { SpriteWidth rows; int width; const char *name; } widths[] = {
            {SpriteWidth::W8, 5, "8"}, {SpriteWidth::W16, 16, "16"}, {SpriteWidth::W32, 27, "32"}, {SpriteWidth::X8, 21, "x8"}};
        for (const auto &w : widths)
            for (int planes : {1, 2})
                for (bool mask : {false, true})
                    for (bool interlaced : {false, true})
                        if (planes == 2 || !interlaced)
                            QTest::addRow("%s, %d plane(s)%s%s", w.name, planes, mask ? ", mask" : "",
                                          interlaced ? ", interlaced" : "")
                                << w.rows << w.width << planes << mask << interlaced << 0 << false;
        QTest::newRow("x8, whole bytes, interlaced") << SpriteWidth::X8 << 16 << 2 << true << true << 0 << false;
        QTest::newRow("mask without light grey") << SpriteWidth::W16 << 9 << 2 << true << false << 1 << false;
        QTest::newRow("mask without black, one plane") << SpriteWidth::X8 << 9 << 1 << true << false << 3 << false;
        QTest::newRow("OR mask") << SpriteWidth::W16 << 12 << 1 << true << false << 0 << true;
        QTest::newRow("OR mask, interlaced") << SpriteWidth::W8 << 8 << 2 << true << true << 2 << true;
    }
    void compiledArraysHoldThePicture()
    {
        QFETCH(SpriteWidth, rows);
        QFETCH(int, width);
        QFETCH(int, planes);
        QFETCH(bool, mask);
        QFETCH(bool, interlaced);
        QFETCH(int, transparent);
        QFETCH(bool, orMask);
        const MaskSense sense = orMask ? MaskSense::Or : MaskSense::And;
        if (QStandardPaths::findExecutable("gcc").isEmpty())
            QSKIP("gcc is not installed: the source cannot be compiled");
        const int height = 7;
        const GreyPicture picture = scrambled(width + 2, height + 1); // the area leaves a margin
        const std::vector<PixelGrid> grids = planes == 1 ? std::vector{picture.dark} : std::vector{picture.light, picture.dark};
        SpriteRequest request{rows, mask, static_cast<GreyLevel>(transparent), interlaced, true, "sp\xA6rite", sense, {}, {}};
        const SpriteResult result = spriteSource(grids, {1, 1, width, height}, request);
        QCOMPARE(int(result.error), int(SpriteError::None));
        QVERIFY(result.text.find("sp_rite: " + std::to_string(width) + " x 7 pixels") != std::string::npos);
        if (mask)
            QVERIFY(result.text.find(orMask ? "OR mask: 1 = opaque" : "AND mask: 1 = transparent") != std::string::npos);

        const int layers = planes + (mask ? 1 : 0);
        QStringList names{"sp_rite"};
        if (!interlaced)
            names = planes == 1 ? QStringList{"sp_rite"} : QStringList{"sp_rite_light", "sp_rite_dark"};
        if (mask && !interlaced)
            names << "sp_rite_mask";
        const QList<QList<quint32>> arrays = compiledArrays(result.text, names);
        QCOMPARE(arrays.size(), names.size());
        const int bits = pixelsPerElement(rows);
        const int perRow = rows == SpriteWidth::X8 ? (width + 7) / 8 : 1;
        for (int layer = 0; layer < layers; ++layer) {
            const QList<quint32> &array = arrays[interlaced ? 0 : layer];
            QCOMPARE(array.size(), height * perRow * (interlaced ? layers : 1));
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < perRow * bits; ++x) {
                    // Interlaced rows go mask, light, dark.
                    const int place = mask ? (layer == planes ? 0 : layer + 1) : layer;
                    const int index = interlaced ? (y * layers + place) * perRow + x / bits : y * perRow + x / bits;
                    const bool bit = (array[index] >> (bits - 1 - x % bits)) & 1;
                    // Right of the area: white padding, though the picture goes on.
                    const bool inside = x < width;
                    const bool expected = inside ? expectedBit(picture, planes, layer, GreyLevel(transparent), sense, x + 1, y + 1)
                                                 : layer == planes && sense == MaskSense::And; // padding: transparent
                    if (bit != expected)
                        QFAIL(qPrintable(QStringLiteral("layer %1, pixel (%2, %3)").arg(layer).arg(x).arg(y)));
                }
        }
    }

    // Two headers of one array name for different pictures each define it: the include
    // guard is made of the file's name and the array's.
    void includeGuardNamesTheFileAndTheArray()
    {
        const std::vector<PixelGrid> grids{PixelGrid(8, 2)};
        SpriteRequest request = rowsOf(SpriteWidth::W8);
        request.name = "ship";
        request.fileName = "enemies-2.h";
        QVERIFY(spriteSource(grids, {0, 0, 8, 2}, request).text.starts_with("#ifndef ENEMIES_2_SHIP_SPRITE_H\n"));
        request.fileName = "player.h";
        QVERIFY(spriteSource(grids, {0, 0, 8, 2}, request).text.starts_with("#ifndef PLAYER_SHIP_SPRITE_H\n"));
    }

    // A sheet's tiles in reading order, each as the one sprite of that tile would be: the
    // arrays compiled by gcc hold what each tile's own export holds, tile after tile.
    void sheetHoldsEachTile_data()
    {
        QTest::addColumn<SpriteWidth>("rows");
        QTest::addColumn<QSize>("tile");
        QTest::addColumn<int>("planes");
        QTest::addColumn<bool>("mask");
        QTest::addColumn<bool>("interlaced");
        QTest::newRow("8 x 4 tiles, 2 x 2, AND mask") << SpriteWidth::W8 << QSize(8, 4) << 1 << true << false;
        QTest::newRow("16 x 16 grey tiles, interlaced with a mask") << SpriteWidth::W16 << QSize(16, 16) << 2 << true << true;
        QTest::newRow("12 wide tiles in rows of 16") << SpriteWidth::W16 << QSize(12, 5) << 2 << false << false;
    }
    void sheetHoldsEachTile()
    {
        QFETCH(SpriteWidth, rows);
        QFETCH(QSize, tile);
        QFETCH(int, planes);
        QFETCH(bool, mask);
        QFETCH(bool, interlaced);
        if (QStandardPaths::findExecutable("gcc").isEmpty())
            QSKIP("gcc is not installed: the source cannot be compiled");
        const GreyPicture picture = scrambled(tile.width() * 2, tile.height() * 2);
        const std::vector<PixelGrid> grids = planes == 1 ? std::vector{picture.dark} : std::vector{picture.light, picture.dark};
        SpriteRequest request{rows, mask, GreyLevel::White, interlaced, true, "tiles", MaskSense::And, "sheet.h", {}};
        const TileSheet sheet{tile.width(), tile.height(), {"hero", "", "bad guy"}};
        const SpriteResult result = spriteSheetSource(grids, {0, 0, tile.width() * 2, tile.height() * 2}, request, sheet);
        QCOMPARE(int(result.error), int(SpriteError::None));
        QVERIFY(result.text.find("#define TILES_COUNT 4\nenum { TILES_HERO = 0, TILES_BAD_GUY = 2 };") != std::string::npos);
        QStringList names{"tiles"};
        if (!interlaced)
            names = planes == 1 ? QStringList{"tiles"} : QStringList{"tiles_light", "tiles_dark"};
        if (mask && !interlaced)
            names << "tiles_mask";
        const QList<QList<quint32>> arrays = compiledArrays(result.text, names, true);
        QCOMPARE(arrays.size(), names.size());
        for (int t = 0; t < 4; ++t) {
            const PixelRect area{t % 2 * tile.width(), t / 2 * tile.height(), tile.width(), tile.height()};
            const std::string one = spriteSource(grids, area, request).text;
            const QList<QList<quint32>> alone = compiledArrays(one, names);
            for (qsizetype a = 0; a < names.size(); ++a) {
                const qsizetype size = alone[a].size();
                QCOMPARE(arrays[a].mid(t * size, size), alone[a]);
            }
        }
    }

    void sheetRefusals_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("names");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not whole tiles") << QSize(40, 16) << 0 << "the picture is 40 x 16 pixels, not a whole number of tiles of 16 x 16";
        QTest::newRow("more names than tiles") << QSize(32, 16) << 3 << "3 names for 2 tiles";
    }
    void sheetRefusals()
    {
        QFETCH(QSize, picture);
        QFETCH(int, names);
        QFETCH(QString, reason);
        const std::vector<PixelGrid> grids{PixelGrid(picture.width(), picture.height())};
        const TileSheet sheet{16, 16, std::vector<std::string>(size_t(names), "a")};
        const SpriteResult result = spriteSheetSource(grids, {0, 0, picture.width(), picture.height()}, rowsOf(SpriteWidth::W16), sheet);
        QVERIFY(result.text.empty());
        QCOMPARE(QString::fromStdString(sheetErrorText(result.error, picture.width(), picture.height(), sheet, SpriteWidth::W16)), reason);
    }

    void widerThanTheRowsIsRefused()
    {
        const std::vector<PixelGrid> grids{PixelGrid(17, 3)};
        const SpriteResult result = spriteSource(grids, {0, 0, 17, 3}, rowsOf(SpriteWidth::W16));
        QCOMPARE(int(result.error), int(SpriteError::TooWide));
        QVERIFY(result.text.empty());
        QCOMPARE(QString::fromStdString(spriteErrorText(result.error, 17, SpriteWidth::W16)),
                 QStringLiteral("the picture is 17 pixels wide, wider than rows of 16 pixels "
                                "(rows of bytes for SpriteX8 take any width)"));
        QCOMPARE(int(spriteSource(grids, {0, 0, 17, 3}, rowsOf(SpriteWidth::X8)).error), int(SpriteError::None));
        QCOMPARE(int(spriteSource(grids, {20, 0, 5, 3}, rowsOf(SpriteWidth::X8)).error), int(SpriteError::Empty));
    }

    void identifiers_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("identifier");
        QTest::newRow("plain") << QByteArray("ship_2") << "ship_2";
        QTest::newRow("calculator letters") << QByteArray("\x80x\xB5") << "_x_";
        QTest::newRow("a leading digit") << QByteArray("2ship") << "pic_2ship";
        QTest::newRow("a keyword") << QByteArray("int") << "pic_int";
        QTest::newRow("empty") << QByteArray() << "picture";
    }
    void identifiers()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, identifier);
        QCOMPARE(QString::fromStdString(cIdentifier(name.toStdString())), identifier);
    }
};

QTEST_GUILESS_MAIN(tst_SpriteSource)
#include "tst_SpriteSource.moc"
