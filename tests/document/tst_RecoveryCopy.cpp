#include "document/RecoveryCopy.h"

#include <QTest>

#include <functional>

namespace {
// A grid written as rows of levels: '.' 0 (white), '-' 1, '+' 2, '#' 3 (black, or 1 in a
// black-and-white picture).
PixelGrid levelGrid(const QStringList &rows, int levels)
{
    PixelGrid grid(int(rows.first().size()), int(rows.size()));
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x) {
            const int level = int(QStringLiteral(".-+#").indexOf(rows[y][x]));
            grid.put(x, y, uint8_t(levels == 4 ? level : level ? 1 : 0));
        }
    return grid;
}

RecoveryCopy copyOf(const QStringList &rows, int levels)
{
    RecoveryCopy copy;
    copy.pixels = levelGrid(rows, levels);
    copy.width = copy.pixels.width();
    copy.height = copy.pixels.height();
    copy.levels = levels;
    copy.folder = "main";
    copy.name = "pic1";
    copy.comment = "drawn \x80 here"; // a calculator character, one byte
    copy.kind = CalcKind::Voyage200;
    copy.file = "/home/u/pictures/été.v2i";
    copy.madeAt = 1796743318573;
    return copy;
}

using Bytes = std::vector<uint8_t>;
void putLE(Bytes &bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + size_t(i)] = uint8_t(value >> (8 * i));
}
// The checksum made right again after a change, so the reader meets the change itself.
void resum(Bytes &bytes)
{
    putLE(bytes, bytes.size() - 4, crc32Of(std::span(bytes).first(bytes.size() - 4)));
}
constexpr size_t kFields = 19; // after the header line: width, height, levels, calculator
} // namespace

Q_DECLARE_METATYPE(RecoveryError)
using Damage = std::function<void(Bytes &)>;
Q_DECLARE_METATYPE(Damage)

// The recovery copy's bytes: what is written reads back the same, and a damaged copy is
// refused with its reason, never read as a picture.
class tst_RecoveryCopy : public QObject
{
    Q_OBJECT
private slots:
    void readsBackWhatWasWritten_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("levels");
        QTest::newRow("black and white, pixels not a multiple of four") << QStringList{"#..#.", ".##..", "....#"} << 2;
        QTest::newRow("grey levels") << QStringList{".-+#", "#+-.", "..##"} << 4;
        QTest::newRow("one pixel") << QStringList{"#"} << 2;
    }
    void readsBackWhatWasWritten()
    {
        QFETCH(QStringList, rows);
        QFETCH(int, levels);
        const RecoveryCopy copy = copyOf(rows, levels);
        const RecoveryRead read = decodeRecovery(encodeRecovery(copy));
        QCOMPARE(read.error, RecoveryError::None);
        QVERIFY(read.copy == copy);
    }

    // Only the picture's own pixels are kept: a grid larger than the picture is cut.
    void keepsThePictureNotTheGrid()
    {
        RecoveryCopy copy = copyOf({"#.", ".#"}, 2);
        copy.pixels = levelGrid({"#.#", ".##", "###"}, 2);
        const RecoveryRead read = decodeRecovery(encodeRecovery(copy));
        QCOMPARE(read.error, RecoveryError::None);
        QVERIFY(read.copy.pixels == levelGrid({"#.", ".#"}, 2));
    }

    void refusesWhatItCannotRead_data()
    {
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<RecoveryError>("error");
        QTest::newRow("empty") << Damage([](Bytes &b) { b.clear(); }) << RecoveryError::NotACopy;
        QTest::newRow("another file") << Damage([](Bytes &b) { b[0] = 'X'; }) << RecoveryError::NotACopy;
        QTest::newRow("a later version") << Damage([](Bytes &b) { b[17] = '2'; }) << RecoveryError::OtherVersion;
        QTest::newRow("cut in the texts") << Damage([](Bytes &b) { b.resize(50); }) << RecoveryError::Truncated;
        QTest::newRow("cut in the pixels") << Damage([](Bytes &b) { b.resize(b.size() - 6); }) << RecoveryError::Truncated;
        QTest::newRow("a byte more") << Damage([](Bytes &b) { b.push_back(0); }) << RecoveryError::TrailingBytes;
        QTest::newRow("a bit flipped") << Damage([](Bytes &b) { b[b.size() - 6] ^= 4; }) << RecoveryError::Checksum;
        QTest::newRow("width 0") << Damage([](Bytes &b) { putLE(b, kFields, 0), resum(b); }) << RecoveryError::BadField;
        QTest::newRow("height 40000") << Damage([](Bytes &b) { putLE(b, kFields + 4, 40000), resum(b); })
                                      << RecoveryError::BadField;
        QTest::newRow("3 levels") << Damage([](Bytes &b) { putLE(b, kFields + 8, 3), resum(b); }) << RecoveryError::BadField;
        QTest::newRow("calculator 4") << Damage([](Bytes &b) { putLE(b, kFields + 12, 4), resum(b); })
                                      << RecoveryError::BadField;
        QTest::newRow("folder length huge") << Damage([](Bytes &b) { putLE(b, kFields + 24, 0xFFFFFFF0u), resum(b); })
                                            << RecoveryError::BadField;
        // The black-and-white copy's first pixel holds level 2.
        QTest::newRow("level beyond two") << Damage([](Bytes &b) { b[b.size() - 6] |= 2, resum(b); })
                                          << RecoveryError::BadLevel;
        QTest::newRow("bits after the last pixel") << Damage([](Bytes &b) { b[b.size() - 5] |= 0x80, resum(b); })
                                                   << RecoveryError::BadLevel;
    }
    void refusesWhatItCannotRead()
    {
        QFETCH(Damage, damage);
        QFETCH(RecoveryError, error);
        Bytes bytes = encodeRecovery(copyOf({"#..#.", ".##.."}, 2)); // 10 pixels: 3 bytes, the last half used
        damage(bytes);
        const RecoveryRead read = decodeRecovery(bytes);
        QCOMPARE(read.error, error);
        QVERIFY(!errorText(read.error).empty());
        QCOMPARE(read.copy.width, 0);
    }

    // A copy cut anywhere is refused (the writer is atomic, a disk may not be).
    void everyCutIsRefused()
    {
        const Bytes whole = encodeRecovery(copyOf({".-+#-", "#+-.."}, 4));
        for (size_t size = 0; size < whole.size(); ++size)
            QVERIFY2(decodeRecovery(std::span(whole).first(size)).error != RecoveryError::None, qPrintable(QString::number(size)));
    }

    void beyondTheLimitsNothingIsWritten()
    {
        RecoveryCopy copy = copyOf({"#"}, 2);
        copy.width = 4096;
        copy.height = 4096; // 16 Mi pixels
        QVERIFY(encodeRecovery(copy).empty());
        copy = copyOf({"#"}, 2);
        copy.comment.assign(256, 'x');
        QVERIFY(encodeRecovery(copy).empty());
    }

    void checksumIsCrc32() { QCOMPARE(crc32Of(std::span(reinterpret_cast<const uint8_t *>("123456789"), 9)), 0xCBF43926u); }
};

QTEST_GUILESS_MAIN(tst_RecoveryCopy)
#include "tst_RecoveryCopy.moc"
