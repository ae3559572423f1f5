// fuzz_seeds FOLDER: writes the starting inputs of every fuzz target into FOLDER/<target>/,
// built here from pictures drawn in code and byte layouts written by hand, and checks that
// the loader reads each picture seed at its size, so that every format's reader is reached.

#include "ContainerSeeds.h"
#include "SeedFiles.h"
#include "document/Picture89i.h"
#include "document/SourceSprites.h"
#include "document/SpriteSource.h"
#include "fakes/PictureFixtures.h"
#include "qtplatform/QtPictureLoader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include <cstdio>

namespace {

// ---- .89i files ----

void calcSeeds(const QString &folder)
{
    save(folder, "screen.89i", calcFile(160, 77, CalcKind::TI89, "picture", 1));
    save(folder, "one.89i", calcFile(1, 1, CalcKind::TI89, "a", 0));
    save(folder, "odd.9xi", calcFile(13, 5, CalcKind::TI92Plus, "abcdefgh", 2));
    save(folder, "wide.92i", calcFile(240, 3, CalcKind::TI92, "wide", 5));
    save(folder, "tall.v2i", calcFile(3, 128, CalcKind::Voyage200, "tall", 7));
    save(folder, "cut.89i", calcFile(160, 77, CalcKind::TI89, "cut", 1).left(600));
    save(folder, "header.89i", calcFile(8, 8, CalcKind::TI89, "header", 1).left(kPicture89iHeaderSize));
}

// The layout fuzz_encode89i reads: width, height, kind, grid differences, text lengths,
// texts, pixels.
QByteArray encodeInput(int width, int height, int kind, int gridDx, int gridDy, const QByteArray &folder,
                       const QByteArray &name, const QByteArray &comment, const QByteArray &pixels)
{
    Bytes b;
    b.u16(width).u16(height).u8(kind).u8(gridDx).u8(gridDy).u8(folder.size()).u8(name.size()).u8(comment.size());
    b.data += folder + name + comment + pixels;
    return b.data;
}

void encodeSeeds(const QString &folder)
{
    save(folder, "screen", encodeInput(160, 77, 0, 0, 0, "main", "picture", "made here", QByteArray(40, '\x5A')));
    save(folder, "small-grid", encodeInput(20, 9, 1, -4, -3, "f", "namefill", "dropped", "\x81\x42"));
    save(folder, "large-grid", encodeInput(17, 4, 2, 20, 7, QByteArray("ab\0cd", 5), "x", "", "\xF0"));
    save(folder, "too-large", encodeInput(32767, 17, 3, 0, 0, "main", "big", "", ""));
    save(folder, "zero", encodeInput(0, 5, 0, 0, 0, "", "", "", ""));
}

// ---- pictures for the loader ----

// A test card: black frame, a diagonal, grey steps and colour bars, so that every kind of
// pixel a reader produces appears.
QImage card(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, width - 1, height - 1);
    painter.drawLine(0, 0, width - 1, height - 1);
    for (int i = 0; i < 4; ++i)
        painter.fillRect(2 + i * width / 5, height / 2, width / 6, height / 4, QColor::fromHsv(i * 90, 255 * (i % 2), 64 * i));
    painter.fillRect(width / 2, 2, width / 4, height / 4, QColor(0, 0, 0, 96));
    return image;
}

QByteArray written(const QImage &image, const char *format, int quality = -1, bool progressive = false)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(progressive);
    if (!writer.write(image))
        fail(QStringLiteral("Qt cannot write %1: %2").arg(QString::fromLatin1(format), writer.errorString()));
    return buffer.data();
}

QByteArray plainNetpbm(const char *magic, int width, int height, int maxval, int channels, bool packedBits)
{
    QByteArray text = QByteArray(magic) + "\n# drawn by fuzz_seeds\n" + QByteArray::number(width) + ' '
                      + QByteArray::number(height) + '\n';
    if (maxval > 0)
        text += QByteArray::number(maxval) + '\n';
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < channels; ++c) {
                const int value = maxval > 0 ? (x * 37 + y * 11 + c * 5) % (maxval + 1) : (x + y) % 2;
                text += QByteArray::number(value);
                if (!packedBits)
                    text += ' ';
            }
        text += '\n';
    }
    return text;
}

QByteArray rawPgm16(int width, int height)
{
    QByteArray bytes = "P5 " + QByteArray::number(width) + ' ' + QByteArray::number(height) + " 65535\n";
    for (int i = 0; i < width * height; ++i) {
        const int sample = i * 977 % 65536;
        bytes += char(sample >> 8);
        bytes += char(sample & 0xFF);
    }
    return bytes;
}

struct PictureSeed
{
    const char *name;
    QByteArray bytes;
    QSize size; // what the loader must read; invalid: any size
};

QList<PictureSeed> pictureSeeds()
{
    const QImage colour = card(24, 16);
    const QImage mono = colour.convertToFormat(QImage::Format_Mono);
    const QImage grey = colour.convertToFormat(QImage::Format_Grayscale8);
    const QImage indexed = colour.convertToFormat(QImage::Format_Indexed8);
    return {
        {"mono.bmp", written(mono, "bmp"), {24, 16}},
        {"colour.bmp", written(colour.convertToFormat(QImage::Format_RGB32), "bmp"), {24, 16}},
        {"indexed.bmp", written(indexed, "bmp"), {24, 16}},
        {"rle8.rle", rle8(), {6, 2}},
        {"rle4.rle", rle4(), {6, 2}},
        {"icon.ico", written(colour, "ico"), {24, 16}},
        {"mono.ico", written(mono, "ico"), {24, 16}},
        {"two.gif", gif(), {2, 2}},
        {"colour.jpg", written(colour, "jpeg", 75), {24, 16}},
        {"grey.jpg", written(grey, "jpeg", 50), {24, 16}},
        {"progressive.jpg", written(colour, "jpeg", 90, true), {24, 16}},
        {"alpha.png", written(colour, "png"), {24, 16}},
        {"grey.png", written(grey, "png"), {24, 16}},
        {"indexed.png", written(indexed, "png"), {24, 16}},
        {"mono.png", written(mono, "png"), {24, 16}},
        {"placeable.wmf", metafile(true), {96, 48}},
        {"plain.wmf", metafile(false), {}}, // as large as what it draws
        {"bitmap.wmf", metafileWithBitmap(0x0F43, 3, 2), {96, 48}},
        {"brush.wmf", metafileWithBitmap(0x0142, 2, 2), {96, 48}},
        {"plain.pbm", plainNetpbm("P1", 9, 4, 0, 1, false), {9, 4}},
        {"packed.pbm", plainNetpbm("P1", 9, 4, 0, 1, true), {9, 4}},
        {"plain.pgm", plainNetpbm("P2", 7, 3, 255, 1, false), {7, 3}},
        {"plain.ppm", plainNetpbm("P3", 5, 4, 15, 3, false), {5, 4}},
        {"raw.pbm", written(mono, "pbm"), {24, 16}},
        {"raw.pgm", written(grey, "pgm"), {24, 16}},
        {"raw.ppm", written(colour, "ppm"), {24, 16}},
        {"raw16.pgm", rawPgm16(6, 5), {6, 5}},
    };
}

void loaderSeeds(const QString &folder)
{
    for (const PictureSeed &seed : pictureSeeds()) {
        save(folder, QString::fromLatin1(seed.name), seed.bytes);
        QtPictureLoader loader;
        const Outcome<QImage> image = loader.loadFromBytes(seed.bytes);
        if (!image || image->isNull() || (seed.size.isValid() && image->size() != seed.size))
            fail(QStringLiteral("the loader does not read %1 (%2)").arg(QString::fromLatin1(seed.name), image ? QString() : image.failure().detail));
    }
}

// ---- settings files ----

void settingsSeeds(const QString &folder)
{
    save(folder, "recent.conf",
         "[Recent%20Files]\n0recent=/home/user/pictures/screen.89i\n1recent=/tmp/b.9xi\n"
         "2recent=relative/c.v2i\n3recent=/media/card/d.92i\n\n[wlink]\nlocation=/opt/wlink89.exe\n");
    save(folder, "escaped.conf",
         "[Recent%20Files]\n0recent=\"/home/user/with blanks, quotes \\\"and\\\" commas.89i\"\n"
         "1recent=/home/\\x7528\\x6237/\\xe9t\\xe9.89i\n2recent=@@at-sign.89i\n3recent=/folder/\n");
    save(folder, "typed.conf",
         "[Recent%20Files]\n0recent=@ByteArray(/bytes.89i)\n1recent=@Variant(\\0\\0\\0\\n\\0\\0\\0\\x4\\0x\\0y)\n"
         "2recent=@Invalid()\n3recent=a, b, c\n[General]\nkey=value\n");
    save(folder, "broken.conf", QByteArray("[Recent%20Files\n0recent\n=\n\x01\xff[]\n1recent=\\", 34));
}

// ---- C sources ----

// Sprites as the exporter writes them, the sheets and masks it is to write, and arrays
// written by hand in the forms the reader takes; each must give a sprite.
void csourceSeeds(const QString &folder)
{
    const struct
    {
        const char *name;
        SpriteWidth rows;
        int planes;
        bool mask, interlaced, header;
    } exports[] = {{"bw16-mask.h", SpriteWidth::W16, 1, true, false, true},
                   {"grey8.h", SpriteWidth::W8, 2, false, false, true},
                   {"grey-x8-interlaced.c", SpriteWidth::X8, 2, true, true, false},
                   {"grey32-mask.h", SpriteWidth::W32, 2, true, false, true}};
    QList<QPair<QString, QByteArray>> sources;
    for (const auto &form : exports) {
        std::vector<PixelGrid> planes(size_t(form.planes), PixelGrid(21, 9));
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 21; ++x)
                for (size_t p = 0; p < planes.size(); ++p)
                    planes[p].set(x, y, (x * 3 + y * 5 + int(p)) % 4 == 0);
        const SpriteRequest request{form.rows, form.mask, GreyLevel::White, form.interlaced, form.header, "seed"};
        const int width = std::min(21, form.rows == SpriteWidth::X8 ? 21 : pixelsPerElement(form.rows));
        sources.append({form.name, QByteArray::fromStdString(spriteSource(planes, {0, 0, width, 9}, request).text)});
    }
    sources.emplaceBack("sheet-mld.h",
                        "/* sheet: 3 tiles of 8 x 2 pixels, 2 tiles across, 4 grey levels (light and dark planes).\n"
                        " * Interlaced: each row as mask, light, dark (M/L/D).\n * AND mask: 1 = transparent (white). */\n"
                        "static const unsigned char sheet[3][6] = {\n    {0xC0, 0x3C, 0x0F, 0x00, 0xF0, 0xFF},\n"
                        "    {0xFF, 0x00, 0x00, 0x0F, 0xF0, 0x00},\n    {0x00, 0xFF, 0xFF, 0x81, 0x7E, 0x00},\n};\n");
    sources.emplaceBack("tiles-mask.h",
                        "#define TILES 4\nstatic const unsigned short tiles[TILES][4] = {\n    {0x0FF0, 0x1008, 0x1008, 0x0FF0},\n"
                        "    {0xFFFF, 0x8001, 0x8001, 0xFFFF}, {0}, {0x1, 0x2, 0x4, 0x8}};\n"
                        "static const unsigned short tiles_mask[TILES][4] = {{0x0FF0, 0x1FF8, 0x1FF8, 0x0FF0},\n"
                        "    {0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF}, {0}, {0x1, 0x3, 0x7, 0xF}};\n");
    sources.emplaceBack("hand.c",
                        "/* ship, 8 x 4 */\n#if 0\nunsigned char bogus[] = {1, 2,\n#endif\n"
                        "const unsigned char ship_light[] = { 60, /* top */ 66,\n  0b10011001, (unsigned char)0x\\\n42 };\n"
                        "const unsigned char ship_dark[4] = {-1, 0102, 255U, +0};\nint f(void) { static signed char s[2][2] = "
                        "{{-128, 127}, {0, 1}}; return s[0][0]; }\n// ?" "?/\nBYTE frame_0[] = {1}, frame_1[] = {2}, frame_2[] = {3};\n");
    for (const auto &[name, text] : sources) {
        save(folder, name, text);
        const std::string source = text.toStdString();
        const std::vector<SourceSprite> sprites = spritesIn(source, readSourceArrays(source));
        if (sprites.empty() || !sprites[0].problem.empty())
            fail(QStringLiteral("the C source %1 gives no sprite").arg(name));
    }
    save(folder, "refused.c",
         "float f[] = {1.5};\nstruct p { int x; } ps[] = {{1}};\nunsigned char e[] = {1 << 2, A};\n"
         "unsigned short w[] = {0x12345};\nchar *s[] = {\"{\"};\nunsigned char u[] = {{1}};\nunsigned char open[] = {1,");
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds FOLDER\n");
        return 2;
    }
    QCoreApplication app(argc, argv);
    const QString root = QFile::decodeName(argv[1]);
    calcSeeds(root + QStringLiteral("/fuzz_decode89i"));
    encodeSeeds(root + QStringLiteral("/fuzz_encode89i"));
    groupSeeds(root + QStringLiteral("/fuzz_group"));
    loaderSeeds(root + QStringLiteral("/fuzz_loader"));
    settingsSeeds(root + QStringLiteral("/fuzz_settings"));
    recoverySeeds(root + QStringLiteral("/fuzz_recovery"));
    tigSeeds(root + QStringLiteral("/fuzz_tig"));
    csourceSeeds(root + QStringLiteral("/fuzz_csource"));
    return anySeedFailed() ? 1 : 0;
}
