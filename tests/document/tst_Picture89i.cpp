#include "calc/ByteConversions.h"
#include "document/Picture89i.h"
#include "fakes/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>
#include <random>

#if __has_include(<tilp2/tifiles.h>)
#define restrict __restrict
#include <tilp2/tifiles.h>
#undef restrict
#define HAVE_TIFILES 1
#endif

namespace {

using Bytes = std::vector<uint8_t>;

PixelGrid filled(int width, int height, bool black)
{
    PixelGrid grid(width, height);
    for (int y = 0; y < height; ++y)
        std::fill_n(grid.row(y), width, black ? 1 : 0);
    return grid;
}

PixelGrid randomGrid(int width, int height, std::mt19937 &random)
{
    PixelGrid grid(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            grid.set(x, y, random() & 1);
    return grid;
}

Bytes encodeDefault(int width, int height, const PixelGrid &grid)
{
    return encode89i("main", "picture", "made with DOTLARK", width, height, grid).bytes;
}

QByteArray slice(const Bytes &bytes, size_t from, size_t count)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data() + from), qsizetype(count));
}

} // namespace

class tst_Picture89i : public QObject
{
    Q_OBJECT
private slots:
    // Whole files as the writer lays them out: size, file length, the data header and the
    // trailer with its checksum.
    void writtenLayout_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("black");
        QTest::addColumn<int>("size");
        QTest::addColumn<QByteArray>("fileLength"); // offsets 76-79
        QTest::addColumn<QByteArray>("dataHeader"); // offsets 86-91
        QTest::addColumn<QByteArray>("trailer");    // the last three bytes
        QTest::newRow("blank 160x77") << 160 << 77 << false << 1635 << QByteArray::fromHex("63060000")
                                      << QByteArray::fromHex("0609004d00a0") << QByteArray::fromHex("dfdb01");
        QTest::newRow("black 160x77") << 160 << 77 << true << 1635 << QByteArray::fromHex("63060000")
                                      << QByteArray::fromHex("0609004d00a0") << QByteArray::fromHex("dfd7ff");
        QTest::newRow("black 1x1") << 1 << 1 << true << 96 << QByteArray::fromHex("60000000")
                                   << QByteArray::fromHex("000600010001") << QByteArray::fromHex("df6701");
    }
    void writtenLayout()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, black);
        QFETCH(int, size);
        const Bytes bytes = encodeDefault(width, height, filled(width, height, black));
        QCOMPARE(int(bytes.size()), size);
        QCOMPARE(slice(bytes, 0, 10), QByteArray("**TI89**\x01\x00", 10));
        QCOMPARE(slice(bytes, 58, 6), QByteArray::fromHex("010052000000"));
        QCOMPARE(slice(bytes, 72, 4), QByteArray::fromHex("10000000"));
        QTEST(slice(bytes, 76, 4), "fileLength");
        QCOMPARE(slice(bytes, 80, 6), QByteArray::fromHex("a55a00000000"));
        QTEST(slice(bytes, 86, 6), "dataHeader");
        QTEST(slice(bytes, bytes.size() - 3, 3), "trailer");
        QCOMPARE(slice(bytes, 92, 1), QByteArray(1, black ? char(width == 1 ? 0x80 : 0xFF) : 0));
    }

    // The texts in their fixed fields: zero padding, and an 8-byte name that drops the comment.
    void textFields_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("comment");
        QTest::addColumn<QByteArray>("nameField");
        QTest::addColumn<QByteArray>("commentField");
        const QByteArray fortyX(40, 'x');
        QTest::newRow("7-char name keeps comment")
            << QByteArray("picture") << QByteArray("hi") << QByteArray("picture\0", 8) << QByteArray("hi").leftJustified(40, '\0');
        QTest::newRow("8-char name drops comment")
            << QByteArray("abcdefgh") << QByteArray("hi") << QByteArray("abcdefgh") << QByteArray(40, '\0');
        QTest::newRow("40-char comment whole") << QByteArray("p") << fortyX << QByteArray("p").leftJustified(8, '\0') << fortyX;
        QTest::newRow("longer comment cut") << QByteArray("p") << fortyX + "yz" << QByteArray("p").leftJustified(8, '\0') << fortyX;
        QTest::newRow("empty comment") << QByteArray("p") << QByteArray() << QByteArray("p").leftJustified(8, '\0') << QByteArray(40, '\0');
        QTest::newRow("calculator bytes kept") << QByteArray("\x80\x94") << QByteArray("\xff") << QByteArray("\x80\x94").leftJustified(8, '\0')
                                               << QByteArray("\xff").leftJustified(40, '\0');
    }
    void textFields()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, comment);
        const Bytes bytes = encode89i("main", name.toStdString(), comment.toStdString(), 8, 1, PixelGrid(8, 1)).bytes;
        QCOMPARE(slice(bytes, 10, 8), QByteArray("main\0\0\0\0", 8));
        QTEST(slice(bytes, 64, 8), "nameField");
        QTEST(slice(bytes, 18, 40), "commentField");
    }

    // Rows are packed leftmost pixel first, partial bytes padded with zero bits, and only the
    // picture's part of a larger grid is written; a smaller grid's missing pixels are white.
    void rowPacking()
    {
        PixelGrid grid = filled(12, 2, true);
        QCOMPARE(slice(encodeDefault(10, 1, grid), 92, 2), QByteArray::fromHex("ffc0"));
        PixelGrid pattern(10, 1);
        pattern.set(0, 0, 1);
        pattern.set(9, 0, 1);
        QCOMPARE(slice(encodeDefault(10, 1, pattern), 92, 2), QByteArray::fromHex("8040"));
        QCOMPARE(slice(encodeDefault(10, 2, filled(9, 1, true)), 92, 4), QByteArray::fromHex("ff800000"));
        // Any nonzero cell is black, whichever of its bits are set.
        PixelGrid odd(16, 1);
        odd.row(0)[1] = 0x80;
        odd.row(0)[6] = 0x02;
        odd.row(0)[8] = 0xFF;
        QCOMPARE(slice(encodeDefault(16, 1, odd), 92, 2), QByteArray::fromHex("4280"));
    }

    void reading()
    {
        Bytes file = encodeDefault(10, 2, PixelGrid(10, 2));
        file[92] = 0x80;
        file[93] = 0xFF; // the six low bits of a row's last byte are skipped, not carried over
        file[94] = 0x7F;
        const DecodeResult r = decode89i(file);
        QCOMPARE(r.error, Picture89iError::None);
        QCOMPARE(r.picture.pixels.width(), 10);
        QCOMPARE(r.picture.pixels.height(), 2);
        QVERIFY(r.picture.pixels.at(0, 0) && r.picture.pixels.at(8, 0) && r.picture.pixels.at(9, 0));
        QVERIFY(!r.picture.pixels.at(0, 1) && r.picture.pixels.at(1, 1));

        Bytes full = encodeDefault(160, 77, PixelGrid(160, 77));
        full[1631] = 0x01;
        const PixelGrid big = decode89i(full).picture.pixels;
        QVERIFY(big.at(159, 76) && !big.at(158, 76) && !big.at(159, 75));
    }

    // Texts end at their first zero byte or fill their field; constants, lengths, the tag and
    // the checksum are not looked at, nor anything after the rows.
    void readingIgnoresWhatItNeedNot()
    {
        Bytes file = encodeDefault(8, 1, filled(8, 1, true));
        std::fill_n(file.begin() + 18, 40, uint8_t('c'));
        std::copy_n("abcdefgh", 8, file.begin() + 64);
        std::fill_n(file.begin(), 8, uint8_t('?'));
        file[72] = 0x0C;
        file[86] = file[87] = file[file.size() - 1] = 0x33;
        file.push_back(0x44);
        DecodeResult r = decode89i(file);
        QCOMPARE(r.error, Picture89iError::None);
        QCOMPARE(r.picture.folder, "main");
        QCOMPARE(r.picture.name, "abcdefgh");
        QCOMPARE(r.picture.comment, std::string(40, 'c'));
        file.resize(93); // no tag, no checksum
        r = decode89i(file);
        QCOMPARE(r.error, Picture89iError::None);
        QCOMPARE(r.picture.pixels, filled(8, 1, true));
    }

    void refusals_data()
    {
        QTest::addColumn<int>("keep"); // bytes kept of a 10 x 2 file (-1: all)
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("error");
        QTest::newRow("empty") << 0 << -1 << 0 << int(Picture89iError::TooShort);
        QTest::newRow("91 bytes") << 91 << -1 << 0 << int(Picture89iError::TooShort);
        QTest::newRow("zero height") << -1 << 89 << 0 << int(Picture89iError::ZeroSize);
        QTest::newRow("zero width") << -1 << 91 << 0 << int(Picture89iError::ZeroSize);
        QTest::newRow("height high byte 128") << -1 << 88 << 0x80 << int(Picture89iError::SizeTooLarge);
        QTest::newRow("width high byte 255") << -1 << 90 << 0xFF << int(Picture89iError::SizeTooLarge);
        QTest::newRow("rows one byte short") << 95 << -1 << 0 << int(Picture89iError::Truncated);
        QTest::newRow("height beyond data") << -1 << 89 << 4 << int(Picture89iError::Truncated);
        QTest::newRow("huge size, small file") << -1 << 88 << 0x7F << int(Picture89iError::Truncated);
    }
    void refusals()
    {
        QFETCH(int, keep);
        QFETCH(int, offset);
        QFETCH(int, value);
        Bytes file = encodeDefault(10, 2, PixelGrid(10, 2));
        if (keep >= 0)
            file.resize(keep);
        if (offset >= 0)
            file[offset] = uint8_t(value);
        const DecodeResult r = decode89i(file);
        QTEST(int(r.error), "error");
        QCOMPARE(r.picture.pixels.width(), 0);
        QVERIFY(!errorText(r.error).empty());
    }

    // Files of other kinds are named as such: a picture format by its first bytes, even where
    // the rest would read as pixels (a save would write over it); any file without a
    // calculator signature that cannot be read. A signed file keeps the precise reason.
    void otherKindsOfFile_data()
    {
        QTest::addColumn<QByteArray>("start"); // written over the start of a readable 10 x 2 file
        QTest::addColumn<int>("height");       // written at offset 88 (-1: kept)
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("kind");
        const int foreign = int(Picture89iError::NotCalcPicture);
        QTest::newRow("PNG") << QByteArray("\x89PNG\r\n\x1a\n") << -1 << foreign << "a PNG image";
        QTest::newRow("JPEG") << QByteArray("\xff\xd8\xff\xe0") << -1 << foreign << "a JPEG image";
        QTest::newRow("GIF") << QByteArray("GIF89a") << -1 << foreign << "a GIF image";
        QTest::newRow("BMP of the file's length") << QByteArray("BM\x63\0\0\0", 6) << -1 << foreign << "a BMP image";
        QTest::newRow("BM, another length, reads") << QByteArray("BM\x10\0\0\0", 6) << -1 << 0 << "";
        QTest::newRow("unsigned, unreadable") << QByteArray("?PNG-ish") << 0x80 << foreign << "";
        QTest::newRow("signed, unreadable") << QByteArray("**TI89**") << 0x80 << int(Picture89iError::SizeTooLarge) << "";
    }
    void otherKindsOfFile()
    {
        QFETCH(QByteArray, start);
        QFETCH(int, height);
        QFETCH(QString, kind);
        Bytes file = encodeDefault(10, 2, PixelGrid(10, 2));
        QCOMPARE(file.size(), size_t(99)); // the BMP row gives this length
        std::copy(start.begin(), start.end(), file.begin());
        if (height >= 0)
            file[88] = uint8_t(height);
        const DecodeResult r = decode89i(file);
        QTEST(int(r.error), "error");
        QCOMPARE(QString::fromLatin1(r.foreignKind.data(), qsizetype(r.foreignKind.size())), kind);
        if (!kind.isEmpty())
            QVERIFY(errorText(r.error, r.foreignKind).find(kind.toStdString()) != std::string::npos);
    }

    void writerRefusals()
    {
        QCOMPARE(encode89i("main", "p", "", 0, 5, PixelGrid()).error, Picture89iError::ZeroSize);
        QCOMPARE(encode89i("main", "p", "", 32768, 1, PixelGrid()).error, Picture89iError::SizeTooLarge);
        // 4096 bytes a row: 16 rows give a data length of 65541, which the field cannot hold.
        const EncodeResult tooLarge = encode89i("main", "p", "", 32767, 16, PixelGrid());
        QCOMPARE(tooLarge.error, Picture89iError::TooLargeToWrite);
        QVERIFY(tooLarge.bytes.empty());
        QVERIFY(!errorText(tooLarge.error).empty());
        // 65520 data bytes: the data length fits, the file length needs its high bytes.
        const EncodeResult largest = encode89i("main", "p", "", 32760, 16, PixelGrid());
        QCOMPARE(largest.error, Picture89iError::None);
        QCOMPARE(largest.bytes.size(), size_t(65615));
        QCOMPARE(slice(largest.bytes, 76, 4), QByteArray::fromHex("4f000100"));
        QVERIFY(inspect89i(largest.bytes).allAgree());
    }

    // Random pictures of awkward widths come back the same, and writing what was read gives
    // the same bytes again.
    void roundTrips()
    {
        std::mt19937 random(89);
        for (const auto &[w, h] : {std::pair{1, 1}, {7, 3}, {8, 1}, {9, 2}, {17, 5}, {160, 77}, {161, 78}, {300, 200}}) {
            const PixelGrid grid = randomGrid(w, h, random);
            const Bytes bytes = encode89i("fold", "pic1", "note", w, h, grid).bytes;
            const DecodeResult r = decode89i(bytes);
            QCOMPARE(r.error, Picture89iError::None);
            QCOMPARE(r.picture.pixels, grid);
            QCOMPARE(r.picture.folder, "fold");
            QCOMPARE(r.picture.name, "pic1");
            QCOMPARE(r.picture.comment, "note");
            QVERIFY(encode89i(r.picture).bytes == bytes);
        }
    }

    void inspection_data()
    {
        QTest::addColumn<int>("offset"); // byte of a written 10 x 2 file that is changed
        QTest::addColumn<QStringList>("disagree");
        QTest::newRow("signature") << 3 << QStringList{"signature"};
        QTest::newRow("type byte") << 72 << QStringList{"typeByte"};
        QTest::newRow("file length") << 77 << QStringList{"fileLength"};
        QTest::newRow("data length") << 87 << QStringList{"dataLength", "checksum"};
        QTest::newRow("pixel byte") << 93 << QStringList{"checksum"};
        QTest::newRow("tag byte") << 96 << QStringList{"tagByte", "checksum"};
        QTest::newRow("checksum") << 98 << QStringList{"checksum"};
    }
    void inspection()
    {
        QFETCH(int, offset);
        QFETCH(QStringList, disagree);
        Bytes file = encodeDefault(10, 2, PixelGrid(10, 2));
        QVERIFY(inspect89i(file).allAgree());
        file[offset] ^= 0x01;
        const Picture89iCheck c = inspect89i(file);
        const QMap<QString, bool> agrees{{"signature", c.signature}, {"typeByte", c.typeByte},
                                         {"fileLength", c.fileLength}, {"dataLength", c.dataLength},
                                         {"tagByte", c.tagByte}, {"checksum", c.checksum}};
        for (auto it = agrees.begin(); it != agrees.end(); ++it)
            QVERIFY2(it.value() != disagree.contains(it.key()), qPrintable(it.key()));
    }

    // Whatever the bytes, reading and inspecting end normally, and a picture that is read
    // has a grid exactly its size.
    void fuzz()
    {
        std::mt19937 random(1635);
        const Bytes valid = encodeDefault(13, 6, randomGrid(13, 6, random));
        for (int round = 0; round < 3000; ++round) {
            Bytes bytes = valid;
            bytes.resize(random() % (valid.size() + 8));
            for (int flips = random() % 6; flips > 0 && !bytes.empty(); --flips)
                bytes[random() % bytes.size()] = uint8_t(random());
            const DecodeResult r = decode89i(bytes);
            inspect89i(bytes);
            if (r.error == Picture89iError::None) {
                QCOMPARE(r.picture.pixels.width(), r.picture.width);
                QCOMPARE(r.picture.pixels.height(), r.picture.height);
                QVERIFY(bytes.size() >= 92 + size_t(r.picture.height) * bytesPerRow(r.picture.width));
            }
        }
    }

    // The family's files differ only in their signature; the reader tells them by it.
    void calculatorKinds()
    {
        const PixelGrid grid(10, 3);
        const Bytes ti89 = encode89i("main", "pic", "c", 10, 3, grid).bytes;
        for (const CalcKindInfo &info : calcKinds()) {
            const Bytes bytes = encode89i("main", "pic", "c", 10, 3, grid, info.kind).bytes;
            QCOMPARE(QByteArray(reinterpret_cast<const char *>(bytes.data()), 8), QByteArray(info.signature.data(), 8));
            QCOMPARE(slice(bytes, 8, bytes.size() - 8), slice(ti89, 8, ti89.size() - 8));
            QCOMPARE(decode89i(bytes).picture.kind, info.kind);
            QVERIFY(inspect89i(bytes).allAgree());
            QCOMPARE(kindFromEnding(std::string("x.") + std::string(info.ending)), info.kind);
        }
        QCOMPARE(kindFromEnding("PIC.9XI"), CalcKind::TI92Plus);
        QCOMPARE(kindFromEnding("pic.89j"), std::nullopt);
        Bytes unknown = ti89;
        unknown[2] = 'X';
        QCOMPARE(decode89i(unknown).picture.kind, CalcKind::TI89); // the reader ignores a bad signature
        QVERIFY(!inspect89i(unknown).signature);
    }

    // An independent reader takes our file of each calculator as that model with the same
    // folder, name and data, and we read a file that it wrote.
    void oracle_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("theirKind"); // it writes Voyage 200 files with the TI-92 Plus signature
#ifdef HAVE_TIFILES
        QTest::newRow("TI-89") << int(CalcKind::TI89) << int(CALC_TI89) << int(CalcKind::TI89);
        QTest::newRow("TI-92") << int(CalcKind::TI92) << int(CALC_TI92) << int(CalcKind::TI92);
        QTest::newRow("TI-92 Plus") << int(CalcKind::TI92Plus) << int(CALC_TI92P) << int(CalcKind::TI92Plus);
        QTest::newRow("Voyage 200") << int(CalcKind::Voyage200) << int(CALC_V200) << int(CalcKind::TI92Plus);
#endif
    }
    void oracle()
    {
#ifndef HAVE_TIFILES
        QSKIP("libtifiles2 is not installed");
#else
        QFETCH(int, kind);
        QFETCH(int, model);
        QFETCH(int, theirKind);
        const CalcKindInfo &info = infoOf(CalcKind(kind));
        QTemporaryDir dir;
        tifiles_library_init();
        std::mt19937 random(7);
        const PixelGrid grid = randomGrid(21, 9, random);
        const Bytes ours = encode89i("graphs", "sketch", "hello", 21, 9, grid, info.kind).bytes;
        const QString oursPath = dir.filePath("ours." + QString::fromLatin1(info.ending));
        QVERIFY(writeFile(oursPath, asByteArray(ours)));

        FileContent *content = tifiles_content_create_regular(CalcModel(model));
        QCOMPARE(tifiles_file_read_regular(oursPath.toLocal8Bit().constData(), content), 0);
        QCOMPARE(int(content->model), model);
        QCOMPARE(content->num_entries, 1u);
        const VarEntry *entry = content->entries[0];
        QCOMPARE(QByteArray(entry->folder), QByteArray("graphs"));
        QCOMPARE(QByteArray(entry->name), QByteArray("sketch"));
        QCOMPARE(entry->type, uint8_t(0x10));
        // Its data is the variable data block: from the data length field to the tag byte.
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(entry->data), entry->size), slice(ours, 86, ours.size() - 88));

        const QString theirsPath = dir.filePath("theirs." + QString::fromLatin1(info.ending));
        QCOMPARE(tifiles_file_write_regular(theirsPath.toLocal8Bit().constData(), content, nullptr), 0);
        tifiles_content_delete_regular(content);
        const QByteArray theirs = readFile(theirsPath);
        const DecodeResult r = decode89i(asBytes(theirs));
        QCOMPARE(r.error, Picture89iError::None);
        QCOMPARE(r.picture.pixels, grid);
        QCOMPARE(r.picture.name, "sketch");
        QCOMPARE(r.picture.folder, "graphs");
        QCOMPARE(r.picture.kind, CalcKind(theirKind));
        QVERIFY(inspect89i(asBytes(theirs)).allAgree());
#endif
    }
};

QTEST_GUILESS_MAIN(tst_Picture89i)
#include "tst_Picture89i.moc"
