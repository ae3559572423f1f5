#include "document/SourceSprites.h"
#include "document/SpriteRewrite.h"
#include "document/SpriteSource.h"

#include <QTest>

Q_DECLARE_METATYPE(SpriteRequest)

namespace {

// Levels as rows of text: '.' white, '-' light grey, '+' dark grey, '#' black.
QStringList levelRows(std::span<const PixelGrid> planes)
{
    QStringList rows;
    for (int y = 0; y < planes[0].height(); ++y) {
        QString row;
        for (int x = 0; x < planes[0].width(); ++x)
            row += QStringLiteral(".-+#")[int(spriteLevel(planes, x, y))];
        rows << row;
    }
    return rows;
}

// A mask as rows of text: '#' opaque.
QStringList maskRows(const std::optional<PixelGrid> &mask)
{
    QStringList rows;
    for (int y = 0; mask && y < mask->height(); ++y) {
        QString row;
        for (int x = 0; x < mask->width(); ++x)
            row += mask->at(x, y) ? u'#' : u'.';
        rows << row;
    }
    return rows;
}

std::vector<SourceSprite> spritesOf(const std::string &text)
{
    return spritesIn(text, readSourceArrays(text));
}

// A sprite in a line: its name, size, planes and mask, and its notes; or why it is none.
QString summary(const SourceSprite &sprite)
{
    QString text = QString::fromStdString(sprite.name) + ": ";
    if (!sprite.problem.empty())
        return text + QString::fromStdString(sprite.problem);
    text += QStringLiteral("%1 x %2").arg(sprite.width).arg(sprite.height);
    if (sprite.tiles > 1)
        text += QStringLiteral(" (%1 tiles)").arg(sprite.tiles);
    text += sprite.planes.size() == 1 ? ", 1 plane" : ", 2 planes";
    if (sprite.mask)
        text += QStringLiteral(", mask 1 = %1 (%2)")
                    .arg(sprite.maskSense == MaskSense::Or ? "opaque" : "transparent",
                         QStringList{"comment", "bits", "assumed"}[int(sprite.senseFrom)]);
    QStringList notes;
    for (const std::string &note : sprite.notes)
        notes << QString::fromStdString(note);
    return notes.isEmpty() ? text : text + " [" + notes.join("; ") + "]";
}

QString factsText(const CommentFacts &facts)
{
    QStringList parts;
    if (facts.width || facts.height)
        parts << QStringLiteral("%1 x %2").arg(facts.width).arg(facts.height);
    if (facts.tiles)
        parts << QStringLiteral("%1 tiles").arg(facts.tiles);
    if (facts.columns)
        parts << QStringLiteral("%1 across").arg(facts.columns);
    if (facts.rowBytes)
        parts << QStringLiteral("rows of %1 bytes").arg(facts.rowBytes);
    if (!facts.interlaced.empty()) {
        QStringList layers;
        for (const SpriteLayer layer : facts.interlaced)
            layers << QStringList{"P", "L", "D", "M"}[int(layer)];
        parts << "layers " + layers.join('/');
    }
    if (facts.sense)
        parts << (*facts.sense == MaskSense::Or ? "1 = opaque" : "1 = transparent");
    if (facts.transparent)
        parts << "leaves out " + QStringList{"white", "light grey", "dark grey", "black"}[int(*facts.transparent)];
    return parts.join(", ");
}

SpriteRequest request(SpriteWidth rows, bool mask, GreyLevel transparent, bool interlaced, bool header)
{
    return SpriteRequest{rows, mask, transparent, interlaced, header, "sp\xA6rite", MaskSense::And, {}, {}};
}

// The mask DOTLARK writes: opaque where the level is not the transparent one.
PixelGrid opaqueWhere(std::span<const PixelGrid> planes, GreyLevel transparent)
{
    PixelGrid mask(planes[0].width(), planes[0].height());
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            mask.set(x, y, spriteLevel(planes, x, y) != transparent);
    return mask;
}

} // namespace

// The sprites of C source: DOTLARK's own arrays read back exactly, the forms of its comments,
// sheets, grey pairs and masks, and a changed sprite written back in place.
class tst_SourceSprites : public QObject
{
    Q_OBJECT

private slots:
    // A sheet as Export Source's All tiles writes it reads back as its tiles, pixel for pixel.
    void sheetExportsReadBack_data()
    {
        QTest::addColumn<int>("planes");
        QTest::addColumn<bool>("interlaced");
        QTest::newRow("black and white, AND mask") << 1 << false;
        QTest::newRow("grey, interlaced M/L/D") << 2 << true;
    }
    void sheetExportsReadBack()
    {
        QFETCH(int, planes);
        QFETCH(bool, interlaced);
        GreyPicture picture(24, 8);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 24; ++x)
                picture.setLevel(x, y, static_cast<GreyLevel>(planes == 1 ? ((x * 7 + y * 3) % 5 == 0 ? 3 : 0) : (x + y * 5) % 4));
        const std::vector<PixelGrid> grids = planes == 1 ? std::vector{picture.dark} : std::vector{picture.light, picture.dark};
        SpriteRequest request{SpriteWidth::W8, true, GreyLevel::White, interlaced, true, "sheet", MaskSense::And, "s.h", {}};
        const std::string text = spriteSheetSource(grids, {0, 0, 24, 8}, request, TileSheet{8, 4, {"a", "b"}}).text;
        const std::vector<SourceSprite> sprites = spritesOf(text);
        QCOMPARE(sprites.size(), size_t(1));
        QCOMPARE(summary(sprites[0]).section(u',', 0, 0), QStringLiteral("sheet: 8 x 4 (6 tiles)"));
        const std::vector<PixelGrid> tiles = splitTiles(sprites[0].planes.back(), sprites[0].sheet);
        QCOMPARE(int(tiles.size()), 6);
        for (int t = 0; t < 6; ++t)
            for (int y = 0; y < 4; ++y)
                for (int x = 0; x < 8; ++x)
                    QCOMPARE(tiles[size_t(t)].at(x, y), grids.back().at(t % 3 * 8 + x, t / 3 * 4 + y));
    }

    // Every form the exporter writes reads back as the area it was made of, and a change
    // written back reads back as the changed picture, its mask following it.
    void exportsReadBack_data()
    {
        QTest::addColumn<SpriteRequest>("request");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("planes");
        // Each width of rows (of a width that leaves some of the last element white, but 16)
        // with one plane or two, a mask or none, interlaced or not: the bits of `form`.
        const SpriteWidth rows[] = {SpriteWidth::W8, SpriteWidth::W16, SpriteWidth::W32, SpriteWidth::X8};
        const int widths[] = {5, 16, 27, 21};
        for (int form = 0; form < 32; ++form) {
            const int planes = 1 + (form >> 2 & 1);
            const bool mask = form >> 1 & 1, interlaced = form & 1;
            QTest::addRow("%d pixels in rows of %d, %d plane(s)%s%s", widths[form >> 3], pixelsPerElement(rows[form >> 3]),
                          planes, mask ? ", mask" : "", interlaced ? ", interlaced" : "")
                << request(rows[form >> 3], mask, GreyLevel::White, interlaced, true) << widths[form >> 3] << planes;
        }
        QTest::newRow("x8, whole bytes, no guard") << request(SpriteWidth::X8, true, GreyLevel::White, true, false) << 16 << 2;
        QTest::newRow("light grey transparent") << request(SpriteWidth::W16, true, GreyLevel::LightGrey, false, true) << 9 << 2;
        QTest::newRow("black transparent, one plane") << request(SpriteWidth::X8, true, GreyLevel::Black, false, false) << 9 << 1;
    }
    void exportsReadBack()
    {
        QFETCH(SpriteRequest, request);
        QFETCH(int, width);
        QFETCH(int, planes);
        const int height = 6;
        std::vector<PixelGrid> grids(size_t(planes), PixelGrid(width + 2, height + 1));
        std::vector<PixelGrid> area(size_t(planes), PixelGrid(width, height));
        for (int y = 0; y < height + 1; ++y)
            for (int x = 0; x < width + 2; ++x)
                for (size_t p = 0; p < grids.size(); ++p) {
                    const bool bit = ((x * 7 + y * 5 + int(p) * 3 + x * y) % 5) < 2;
                    grids[p].set(x, y, bit);
                    area[p].set(x - 1, y - 1, bit);
                }
        const GreyLevel level = request.transparent;
        const std::string text = spriteSource(grids, {1, 1, width, height}, request).text;

        const std::vector<SourceSprite> sprites = spritesOf(text);
        QCOMPARE(sprites.size(), size_t(1));
        const SourceSprite &sprite = sprites[0];
        QCOMPARE(summary(sprite), QStringLiteral("sp_rite: %1 x %2, %3").arg(width).arg(height).arg(
                                      (planes == 1 ? "1 plane" : "2 planes")
                                      + QString(!request.mask ? ""
                                                : request.maskSense == MaskSense::And ? ", mask 1 = transparent (comment)"
                                                                                      : ", mask 1 = opaque (comment)")));
        QCOMPARE(levelRows(sprite.planes), levelRows(area));
        if (request.mask) {
            QCOMPARE(sprite.transparent, level);
            QCOMPARE(maskRows(sprite.mask), maskRows(opaqueWhere(area, level)));
        }
        QCOMPARE(rewriteSprite(text, sprite, sprite.planes).text, text);

        std::vector<PixelGrid> changed = sprite.planes;
        for (int i = 0; i < width; ++i)
            changed[size_t(i % planes)].set(i, i % height, !changed[size_t(i % planes)].at(i, i % height));
        const SpriteRewrite written = rewriteSprite(text, sprite, changed);
        QCOMPARE(QString::fromStdString(written.error), QString());
        const std::vector<SourceSprite> again = spritesOf(written.text);
        QCOMPARE(again.size(), size_t(1));
        QCOMPARE(levelRows(again[0].planes), levelRows(changed));
        if (request.mask)
            QCOMPARE(maskRows(again[0].mask), maskRows(opaqueWhere(changed, level)));
    }

    void commentForms_data()
    {
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("facts");
        QTest::newRow("black and white, masked")
            << "/* sp: 5 x 7 pixels, black and white,\n * a row per unsigned short (16 pixels, the leftmost in the top bit).\n"
               " * Draw:\n *   Sprite16(x, y, 7, sp, LCD_MEM, SPRT_OR);\n"
               " * The mask has a bit set where the sprite is opaque (not white):\n"
               " * to draw over a background, clear those bits first (AND with its complement).\n */"
            << "5 x 7, 1 = opaque, leaves out white";
        QTest::newRow("grey rows of bytes, interlaced L/D/M")
            << "/* sp: 21 x 7 pixels, 4 grey levels (light and dark planes),\n * rows of 3 bytes for SpriteX8.\n"
               " * Interlaced: each row as light, dark, mask,\n * for sprite routines that take interlaced rows.\n"
               " * The mask has a bit set where the sprite is opaque (not light grey):\n */"
            << "21 x 7, rows of 3 bytes, layers L/D/M, 1 = opaque, leaves out light grey";
        QTest::newRow("a sheet, M/L/D, AND mask")
            << "/* sp: 16 tiles of 16 x 16 pixels, 4 tiles across, 4 grey levels (light and dark planes).\n"
               " * Interlaced: each row as mask, light, dark (M/L/D).\n * AND mask: 1 = transparent (white). */"
            << "16 x 16, 16 tiles, 4 across, layers M/L/D, 1 = transparent, leaves out white";
        QTest::newRow("OR mask") << "/* sp: 8 x 8 pixels. OR mask: 1 = opaque (not black). */" << "8 x 8, 1 = opaque, leaves out black";
        QTest::newRow("letters alone") << "// interlaced M/L/D" << "layers M/L/D";
        QTest::newRow("hand-written size") << "// the 16x12 ship" << "16 x 12";
        QTest::newRow("hand-written rows of bytes") << "/* player, 12x10, in rows of 2 bytes, 3 tiles wide */"
                                                    << "12 x 10, 3 across, rows of 2 bytes";
        QTest::newRow("a level said transparent") << "/* mask: black is transparent */" << "leaves out black";
        QTest::newRow("'and mask' in a list is no sense") << "/* Interlaced: each row as light, dark and mask. */"
                                                          << "layers L/D/M";
        QTest::newRow("a hex number is no size") << "/* colour 0x10 x 2 */" << "";
        QTest::newRow("nothing said") << "/* the ship */" << "";
    }
    void commentForms()
    {
        QFETCH(QString, comment);
        QFETCH(QString, facts);
        QCOMPARE(factsText(commentFacts(comment.toStdString())), facts);
    }

    // The forms of sheets and masks the exporter is to write: each reads as its pixels.
    void sheetsAndMasks_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("mask");
        QTest::newRow("interlaced M/L/D, AND mask")
            << QByteArray("/* sp: 8 x 2 pixels, 4 grey levels (light and dark planes).\n"
                          " * Interlaced: each row as mask, light, dark (M/L/D).\n * AND mask: 1 = transparent (white). */\n"
                          "static const unsigned char sp[6] = {0xC0, 0x3C, 0x0F, 0x00, 0xF0, 0xFF};")
            << QStringList{"..--##++", "####++++"} << QStringList{"..######", "########"};
        QTest::newRow("interlaced picture and mask, OR mask")
            << QByteArray("/* bw: 8 x 2 pixels, black and white.\n * Interlaced: each row as picture, mask.\n"
                          " * OR mask: 1 = opaque. */\nunsigned char bw[4] = {0x81, 0xFF, 0x00, 0x3C};")
            << QStringList{"#......#", "........"} << QStringList{"########", "..####.."};
        QTest::newRow("a sheet with its mask in one row")
            << QByteArray("/* tiles: 3 tiles of 8 x 2 pixels, black and white. OR mask: 1 = opaque. */\n"
                          "static const unsigned char tiles[3][2] = {{0x80, 0x01}, {0x18, 0x18}, {0xFF, 0x00}};\n"
                          "static const unsigned char tiles_mask[3][2] = {{0xC0, 0x03}, {0x3C, 0x3C}, {0xFF, 0xFF}};")
            << QStringList{"#..........##...########", ".......#...##..........."}
            << QStringList{"##........####..########", "......##..####..########"};
        QTest::newRow("a sheet two tiles across")
            << QByteArray("/* tiles: 3 tiles of 8 x 2 pixels, 2 tiles across. */\n"
                          "unsigned char tiles[3][2] = {{0x80, 0x01}, {0x18, 0x18}, {0xFF, 0x00}};")
            << QStringList{"#..........##...", ".......#...##...", "########........", "................"}
            << QStringList{};
        QTest::newRow("a grey sheet narrower than its elements")
            << QByteArray("/* g: 2 tiles of 4 x 2 pixels, 4 grey levels (light and dark planes). */\n"
                          "unsigned char g_light[2][2] = {{0xA0, 0x50}, {0xF0, 0x00}};\n"
                          "unsigned char g_dark[2][2] = {{0xC0, 0x30}, {0x00, 0xF0}};")
            << QStringList{"#+-.----", ".-+#++++"} << QStringList{};
        QTest::newRow("an interlaced sheet")
            << QByteArray("/* s: 2 tiles of 8 x 2 pixels, 4 grey levels.\n * Interlaced: each row as mask, light, dark (M/L/D).\n"
                          " * AND mask: 1 = transparent. */\n"
                          "unsigned char s[2][6] = {{0xC0, 0x3C, 0x0F, 0x00, 0xF0, 0xFF}, {0xFF, 0, 0, 0x0F, 0xF0, 0}};")
            << QStringList{"..--##++........", "####++++----...."} << QStringList{"..######........", "############...."};
        QTest::newRow("a sheet of rows of bytes")
            << QByteArray("/* x: 2 tiles of 12 x 2 pixels, black and white,\n * rows of 2 bytes for SpriteX8. */\n"
                          "unsigned char x[2][4] = {{0xFF, 0xF0, 0x80, 0x10}, {0x00, 0x00, 0xAA, 0xA0}};")
            << QStringList{"############............", "#..........##.#.#.#.#.#."} << QStringList{};
    }
    void sheetsAndMasks()
    {
        QFETCH(QByteArray, source);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, mask);
        const std::string text = source.toStdString();
        const std::vector<SourceSprite> sprites = spritesOf(text);
        QCOMPARE(sprites.size(), size_t(1));
        QCOMPARE(QString::fromStdString(sprites[0].problem), QString());
        QCOMPARE(sprites[0].notes.size(), size_t(0));
        QCOMPARE(levelRows(sprites[0].planes), rows);
        QCOMPARE(maskRows(sprites[0].mask), mask);
        QCOMPARE(rewriteSprite(text, sprites[0], sprites[0].planes).text, text);
    }

    void arraysMakeSprites_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QStringList>("sprites");
        const auto row = [](const char *name, const char *source, const QStringList &sprites) {
            QTest::newRow(name) << QByteArray(source) << sprites;
        };
        row("a grey pair and its mask",
            "unsigned char s_l[2] = {0x80, 0x00}; unsigned char s_d[2] = {0x80, 0x01}; unsigned char s_m[2] = {0x80, 0x01};",
            {"s: 8 x 2, 2 planes, mask 1 = opaque (bits)"});
        row("Light and Dark", "unsigned short shipLight[1] = {1}, shipDark[1] = {2};", {"ship: 16 x 1, 2 planes"});
        row("planes 0 and 1", "unsigned char p_plane0[1] = {1}; unsigned char p_plane1[1] = {1};", {"p: 8 x 1, 2 planes"});
        row("_0 and _1", "unsigned char q_0[1] = {1}; unsigned char q_1[1] = {1};", {"q: 8 x 1, 2 planes"});
        row("frames _0, _1, _2", "unsigned char f_0[1] = {1}; unsigned char f_1[1] = {1}; unsigned char f_2[1] = {1};",
            {"f_0: 8 x 1, 1 plane", "f_1: 8 x 1, 1 plane", "f_2: 8 x 1, 1 plane"});
        row("planes of two sizes", "unsigned char x_light[2] = {0}, x_dark[3] = {0};",
            {"x: x_light and x_dark differ: 2 elements of 8 bits and 3 elements of 8 bits", "x_light: 8 x 2, 1 plane",
             "x_dark: 8 x 3, 1 plane"});
        row("a mask of another size", "unsigned char m[2] = {0}; unsigned char m_mask[3] = {0};",
            {"m: 8 x 2, 1 plane", "m_mask: 8 x 3, 1 plane [it is not taken as the mask of m: it holds 3 elements of 8 "
                                  "bits, the sprite 2 elements of 8 bits]"});
        row("a sheet", "unsigned char t[4][8] = {0};", {"t: 8 x 8 (4 tiles), 1 plane"});
        row("one name in two branches", "#ifdef BIG\nunsigned char c[2] = {0};\n#else\nunsigned char c[1] = {0};\n#endif",
            {"c (line 2): 8 x 2, 1 plane", "c (line 4): 8 x 1, 1 plane"});
        row("an int its comment shows 16 bits wide", "/* i: 12 x 2 pixels */\nint i[2] = {0xFFF0, -16};",
            {"i: 12 x 2, 1 plane [its elements of type int are read as 16 bits wide, as the comment's width of 12 pixels shows]"});
        row("an int taken as 32 bits", "int j[1] = {1};",
            {"j: 32 x 1, 1 plane [j: its type int is taken as 32 bits wide (a compiler may make it 16)]"});
        row("a comment the arrays contradict", "/* s: 20 x 7 pixels */\nunsigned short s[7] = {0};",
            {"s: 16 x 7, 1 plane [the comment before it gives a size the arrays do not hold: read as rows of 16 pixels]"});
        row("the comment of another thing", "/* other: 4 x 2 pixels */\nunsigned char o[2] = {0};", {"o: 8 x 2, 1 plane"});
        row("an AND mask its bits show", "unsigned char a[2] = {0x18, 0x00}; unsigned char a_mask[2] = {0xE7, 0xFF};",
            {"a: 8 x 2, 1 plane, mask 1 = transparent (bits)"});
        row("a mask whose bits show no sense", "unsigned char b[1] = {0xC0}; unsigned char bMask[1] = {0x80};",
            {"b: 8 x 1, 1 plane, mask 1 = opaque (assumed) [the mask's bits show no sense, and no comment states one: "
             "a set bit is taken as opaque]"});
        row("no sprite", "float v[] = {1};", {"v: an array of float, not of integers"});
    }
    void arraysMakeSprites()
    {
        QFETCH(QByteArray, source);
        QFETCH(QStringList, sprites);
        QStringList found;
        for (const SourceSprite &sprite : spritesOf(source.toStdString()))
            found << summary(sprite);
        QCOMPARE(found, sprites);
    }

    void sheetsSplitAndJoin_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QSize>("size");
        QTest::newRow("one row") << 5 << QSize(15, 2);
        QTest::newRow("two across, a short last row") << 2 << QSize(6, 6);
        QTest::newRow("one column") << 1 << QSize(3, 10);
    }
    void sheetsSplitAndJoin()
    {
        QFETCH(int, columns);
        QFETCH(QSize, size);
        std::vector<PixelGrid> tiles;
        for (int t = 0; t < 5; ++t) {
            tiles.emplace_back(3, 2);
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < 3; ++x)
                    tiles.back().put(x, y, uint8_t((t + x * 2 + y) % 4));
        }
        const PixelGrid sheet = joinTiles(tiles, columns);
        QCOMPARE(QSize(sheet.width(), sheet.height()), size);
        const SheetLayout layout{5, columns, 3, 2};
        QCOMPARE(QSize(layout.width(), layout.height()), size);
        QCOMPARE(layout.tile(4), (PixelRect{4 % columns * 3, 4 / columns * 2, 3, 2}));
        QVERIFY(splitTiles(sheet, layout) == tiles);
    }

    // A changed value is written as the one it replaces was.
    void literalsKeepTheirForm_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<uint>("value"); // the first element's new value
        QTest::addColumn<QByteArray>("written");
        const auto row = [](const char *name, const char *source, uint value, const char *written) {
            QTest::newRow(name) << QByteArray(source) << value << QByteArray(written);
        };
        row("hex, small letters", "unsigned char s[] = {0x3c};", 0xA5, "unsigned char s[] = {0xa5};");
        row("hex, zeros kept", "unsigned char s[] = {0X3C};", 0x05, "unsigned char s[] = {0X05};");
        row("hex, more digits as needed", "unsigned short s[] = {0x1};", 0x8001, "unsigned short s[] = {0x8001};");
        row("hex letters as the array's others", "unsigned short s[] = {0x0001, 0xab};", 0xBEEF,
            "unsigned short s[] = {0xbeef, 0xab};");
        row("binary", "unsigned char s[] = {0b00111100};", 0x81, "unsigned char s[] = {0b10000001};");
        row("octal", "unsigned char s[] = {0074};", 8, "unsigned char s[] = {0010};");
        row("decimal", "unsigned char s[] = {60};", 255, "unsigned char s[] = {255};");
        row("decimal, signed", "signed char s[] = {60};", 0xFF, "signed char s[] = {-1};");
        row("decimal, signed, written large", "short s[] = {65535};", 0xFFFE, "short s[] = {65534};");
        row("a minus dropped", "short s[] = {-1};", 0x7FFF, "short s[] = {32767};");
        row("a minus kept", "short s[] = {-0x0001};", 0xFFFE, "short s[] = {-0x0002};");
        row("a cast and a suffix", "unsigned short s[] = {(unsigned short)0x1234u};", 0xABCD,
            "unsigned short s[] = {(unsigned short)0xABCDu};");
        row("a bare 0 as its neighbours", "unsigned char s[] = {0, 0x3C};", 0x18, "unsigned char s[] = {0x18, 0x3C};");
        row("a bare 0 keeps its suffix", "unsigned char s[] = {0u, 7};", 5, "unsigned char s[] = {5u, 7};");
        row("bare zeros alone: decimal", "unsigned char s[] = {0, 0};", 3, "unsigned char s[] = {3, 0};");
        row("a minus outside parentheses", "unsigned char s[] = {-(0x05)};", 250, "unsigned char s[] = {-(0x06)};");
        row("a plus", "unsigned char s[] = {+4};", 5, "unsigned char s[] = {+5};");
        row("32 bits", "unsigned long s[] = {0xFFFFFFFFUL};", 0x80000000u, "unsigned long s[] = {0x80000000UL};");
        row("a literal across joined lines", "unsigned char s[] = {0x1\\\n2};", 0x34, "unsigned char s[] = {0x34};");
        row("a narrower cast that holds it", "unsigned short s[] = {(unsigned char)0x12};", 0x34,
            "unsigned short s[] = {(unsigned char)0x34};");
        row("a narrower signed cast", "short s[] = {(signed char)-1};", 0xFF80, "short s[] = {(signed char)-128};");
    }
    void literalsKeepTheirForm()
    {
        QFETCH(QByteArray, source);
        QFETCH(uint, value);
        QFETCH(QByteArray, written);
        const std::string text = source.toStdString();
        const std::vector<SourceSprite> sprites = spritesOf(text);
        QCOMPARE(sprites.size(), size_t(1));
        std::vector<PixelGrid> planes = sprites[0].planes;
        for (int x = 0; x < sprites[0].width; ++x)
            planes[0].set(x, 0, (value >> (sprites[0].elementBits - 1 - x)) & 1);
        const SpriteRewrite rewrite = rewriteSprite(text, sprites[0], planes);
        QCOMPARE(QString::fromStdString(rewrite.error), QString());
        QCOMPARE(QByteArray::fromStdString(rewrite.text), written);
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QString>("change"); // "size W H", "planes N", "text", "pixel X Y"
        QTest::addColumn<QString>("error");
        QTest::newRow("resized") << QByteArray("unsigned char s[2] = {1, 2};") << "size 9 2"
                                 << "the sprite is now 9 x 2 pixels, and its arrays hold 8 x 2: a sprite of another size "
                                    "cannot be written in place";
        QTest::newRow("a resized sheet") << QByteArray("unsigned char t[2][2] = {0};") << "size 16 3"
                                         << "the sprite is now 16 x 3 pixels, and its arrays hold 2 tiles of 8 x 2 (16 x 2): "
                                            "a sprite of another size cannot be written in place";
        QTest::newRow("grey into black and white") << QByteArray("unsigned char s[2] = {1, 2};") << "planes 2"
                                                   << "the source holds a black-and-white sprite: a picture of four grey "
                                                      "levels cannot be written into it";
        QTest::newRow("black and white into grey") << QByteArray("unsigned char s_light[1] = {1}, s_dark[1] = {2};") << "planes 1"
                                                   << "the source holds a sprite of four grey levels: a black-and-white "
                                                      "picture cannot be written into it";
        QTest::newRow("another text") << QByteArray("unsigned char s[2] = {1, 2};") << "text"
                                      << "the source is not the text s was read from: it has changed since";
        QTest::newRow("beyond the last tile") << QByteArray("/* t: 3 tiles of 8 x 1 pixels, 2 across */\n"
                                                            "unsigned char t[3][1] = {0};")
                                              << "pixel 9 1" << "pixels drawn right of the last of the 3 tiles have no place in the source";
        QTest::newRow("a value the list leaves out") << QByteArray("unsigned char s[3] = {1};") << "pixel 0 2"
                                                     << "element 2 of s has no value written in the source (its list stops "
                                                        "short), and values are not added";
        QTest::newRow("a cast too narrow") << QByteArray("unsigned short s[1] = {(unsigned char)0x12};") << "pixel 0 0"
                                           << "the value of s on line 1 is cast to a type narrower than its elements, "
                                              "which cannot hold its new value";
        QTest::newRow("no sprite") << QByteArray("float v[] = {1};") << "planes 1"
                                   << "v is not a sprite: an array of float, not of integers";
    }
    void refusals()
    {
        QFETCH(QByteArray, source);
        QFETCH(QString, change);
        QFETCH(QString, error);
        std::string text = source.toStdString();
        const SourceSprite sprite = spritesOf(text).at(0);
        std::vector<PixelGrid> planes = sprite.planes;
        const QStringList words = change.split(' ');
        if (words[0] == "size")
            planes.assign(planes.size(), PixelGrid(words[1].toInt(), words[2].toInt()));
        else if (words[0] == "planes")
            planes.assign(size_t(words[1].toInt()), PixelGrid(sprite.sheet.width(), sprite.sheet.height()));
        else if (words[0] == "text")
            text += '\n';
        else
            planes[0].set(words[1].toInt(), words[2].toInt(), !planes[0].at(words[1].toInt(), words[2].toInt()));
        const SpriteRewrite rewrite = rewriteSprite(text, sprite, planes);
        QCOMPARE(QString::fromStdString(rewrite.error), error);
        QVERIFY(rewrite.text.empty());
    }

    // A hand-drawn mask keeps what it covers; only the pixels that change change it, in the
    // sense its bits show.
    void masksFollowChangedPixels_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("1 = opaque, covering a white inside")
            << QByteArray("unsigned char ship[3] = {0x3C, 0x24, 0x3C};\nunsigned char ship_mask[3] = {0x3C, 0x3C, 0x3C};")
            << QByteArray("unsigned char ship[3] = {0x9C, 0x24, 0x3C};\nunsigned char ship_mask[3] = {0x9C, 0x3C, 0x3C};");
        QTest::newRow("1 = transparent")
            << QByteArray("unsigned char ship[3] = {0x3C, 0x24, 0x3C};\nunsigned char ship_mask[3] = {0xC3, 0xC3, 0xC3};")
            << QByteArray("unsigned char ship[3] = {0x9C, 0x24, 0x3C};\nunsigned char ship_mask[3] = {0x63, 0xC3, 0xC3};");
    }
    void masksFollowChangedPixels()
    {
        QFETCH(QByteArray, source);
        QFETCH(QByteArray, written);
        const std::string text = source.toStdString();
        const SourceSprite sprite = spritesOf(text).at(0);
        QCOMPARE(int(sprite.senseFrom), int(SenseFrom::Bits));
        std::vector<PixelGrid> planes = sprite.planes;
        planes[0].set(0, 0, 1); // drawn
        planes[0].set(2, 0, 0); // erased
        QCOMPARE(QByteArray::fromStdString(rewriteSprite(text, sprite, planes).text), written);
    }
};

QTEST_GUILESS_MAIN(tst_SourceSprites)
#include "tst_SourceSprites.moc"
