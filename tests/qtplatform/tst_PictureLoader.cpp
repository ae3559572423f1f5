#include "fakes/PictureFixtures.h"
#include "fakes/TestFiles.h"
#include "qtplatform/QtPictureLoader.h"

#include <QFile>
#include <QList>
#include <QLoggingCategory>
#include <QPoint>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

// 16 x 8, left half black, right half white, written by Qt in the given format.
QByteArray written(const char *format)
{
    QImage image(16, 8, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            image.setPixel(x, y, qRgb(0, 0, 0));
    return imageFile(image, format);
}

bool dark(const QImage &image, QPoint p) { return qGray(image.pixel(p)) < 128; }

// A real progressive 16 x 16 JPEG of Qt's (colour, its chroma at half resolution) whose frame
// header claims width x height.
QByteArray progressiveJpegClaiming(int width, int height)
{
    QByteArray bytes = imageFile(QImage::fromData(written("png")).scaled(16, 16), "JPEG", 90, true);
    const qsizetype frame = bytes.indexOf("\xff\xc2");
    bytes.replace(frame + 5, 4, Bytes().u16(qToBigEndian(quint16(height))).u16(qToBigEndian(quint16(width))).data);
    return bytes;
}

using Points = QList<QPoint>;

} // namespace

class tst_PictureLoader : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // The broken files below make Qt's readers complain; the complaints are expected.
        QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
    }

    // Each format, written to a file and loaded by its path.
    void formats_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<Points>("darkPixels");
        QTest::addColumn<Points>("lightPixels");
        const Points halfDark{{0, 0}, {5, 3}, {6, 7}}, halfLight{{10, 0}, {15, 7}, {9, 4}};
        for (const char *format : {"bmp", "ico", "jpg", "png"})
            QTest::newRow(format) << written(format) << QStringLiteral("a.") + format
                                  << QSize(16, 8) << halfDark << halfLight;
        QTest::newRow("progressive jpg") << imageFile(QImage::fromData(written("png")), "JPEG", -1, true) << "p.jpg"
                                         << QSize(16, 8) << halfDark << halfLight;
        QTest::newRow("bmp named .gif") << written("bmp") << "b.gif" << QSize(16, 8) << halfDark
                                        << halfLight;
        QTest::newRow("gif") << gif() << "c.gif" << QSize(2, 2) << Points{{0, 0}, {1, 1}}
                             << Points{{1, 0}, {0, 1}};
        QTest::newRow("rle8") << rle8() << "d.rle" << QSize(6, 2)
                              << Points{{0, 0}, {5, 0}, {0, 1}, {3, 1}}
                              << Points{{1, 1}, {2, 1}, {4, 1}, {5, 1}};
        QTest::newRow("rle4") << rle4() << "e.RLE" << QSize(6, 2)
                              << Points{{0, 0}, {2, 0}, {4, 0}, {2, 1}, {3, 1}}
                              << Points{{1, 0}, {3, 0}, {5, 0}, {0, 1}, {1, 1}, {4, 1}, {5, 1}};
        // The rectangle covers pixels 24..71 x 12..35 of 96 x 48 (plus its outline).
        const Points inside{{48, 24}, {26, 14}, {70, 34}};
        const Points outside{{2, 2}, {93, 45}, {48, 4}, {21, 24}, {75, 24}, {48, 9}, {48, 39}};
        QTest::newRow("placeable wmf") << metafile(true) << "f.wmf" << QSize(96, 48) << inside
                                       << outside;
    }
    void formats()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, fileName);
        QFETCH(QSize, size);
        QFETCH(Points, darkPixels);
        QFETCH(Points, lightPixels);
        QVERIFY(!bytes.isEmpty());
        const Outcome<QImage> image = QtPictureLoader().load(write(fileName, bytes));
        QVERIFY(image);
        QCOMPARE(image->size(), size);
        for (const QPoint &p : darkPixels)
            QVERIFY2(dark(*image, p), qPrintable(QStringLiteral("light at %1,%2").arg(p.x()).arg(p.y())));
        for (const QPoint &p : lightPixels)
            QVERIFY2(!dark(*image, p), qPrintable(QStringLiteral("dark at %1,%2").arg(p.x()).arg(p.y())));
    }

    // Without the placeable header the drawing's extent decides the size.
    void metafileWithoutPlaceableHeader()
    {
        const Outcome<QImage> image = QtPictureLoader().loadFromBytes(metafile(false));
        QVERIFY(image);
        QVERIFY(!image->isNull());
        QVERIFY(dark(*image, QPoint(image->width() / 2, image->height() / 2)));
    }

    // Broken files of every kind load as nothing (and must not crash).
    void malformed_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("hello, this is no picture\n");
        QTest::newRow("bmp signature only") << QByteArray("BM");
        QTest::newRow("bmp headers only") << written("bmp").left(54);
        QTest::newRow("gif header only") << gif().left(13);
        QTest::newRow("jpg first half") << written("jpg").left(written("jpg").size() / 2);
        QTest::newRow("png first half") << written("png").left(written("png").size() / 2);
        QTest::newRow("ico directory only") << written("ico").left(22);
        QTest::newRow("rle8 without its runs") << rle8().left(62);
        QTest::newRow("wmf placeable header only") << metafile(true).left(22);
        QTest::newRow("wmf key only") << metafile(true).left(4);
        QTest::newRow("wmf without records") << metafile(false).left(18);
        QTest::newRow("wmf zero units per inch") << metafile(true, 1440, 720, 0);
        QTest::newRow("wmf empty frame") << metafile(true, 0, 720);
        QByteArray bigBmp = written("bmp");
        bigBmp.replace(18, 8, Bytes().u32(100000).u32(100000).data);
        QTest::newRow("bmp claiming 100000 x 100000") << bigBmp;
        QTest::newRow("wmf claiming 100000 x 100000 pixels") << metafile(true, 32000, 32000, 30);
    }
    void malformed()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!QtPictureLoader().loadFromBytes(bytes));
    }

    // Files whose header claims more than they hold are refused with the reason, before the
    // reader reserves memory for the claim.
    void refusedWithReason_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const auto largestRecord = [](QByteArray file, qsizetype header, quint32 words) {
            return file.replace(header + 12, 4, Bytes().u32(words).data);
        };
        const QString record = QStringLiteral("the metafile's header claims a record larger than the file");
        QTest::newRow("wmf record of 3 GB") << largestRecord(metafile(false), 0, 0x61726420) << record;
        QTest::newRow("placeable wmf record of 8 GB") << largestRecord(metafile(true), 22, 0xFFFFFFFF) << record;
        QTest::newRow("wmf record one word beyond the file")
            << largestRecord(metafile(false), 0, quint32(metafile(false).size() / 2 + 1)) << record;
        // A frame of 37774 x 14 pixels and a rectangle 95000 x 47000 pixels large at that
        // scale, which libwmf took minutes to fill.
        QTest::newRow("placeable wmf drawing far beyond its frame")
            << placeableRectangle(QRect(QPoint(10784, 4), QPoint(160, 0)), 27,
                                  QRect(QPoint(-25914, -12876), QPoint(1080, 540)))
            << QStringLiteral("the metafile draws far beyond its picture");
        // libwmf reserved a bitmap's claimed size and colour table before reading them: 2.7 GB
        // and 16 GB for a few bytes.
        const auto bitmap = [](int width, int height) {
            return QStringLiteral("the metafile holds a bitmap of %1 x %2 pixels, more than the 16777216 pixels read at most")
                .arg(width).arg(height);
        };
        const struct { const char *name; quint16 function; } records[] = {
            {"SetDIBitsToDevice", 0x0D33}, {"DIBBitBlt", 0x0940}, {"DIBStretchBlt", 0x0B41},
            {"StretchDIBits", 0x0F43}, {"DIBCreatePatternBrush", 0x0142}};
        for (const auto &r : records)
            QTest::addRow("wmf %s of 30000 x 30000", r.name) << metafileWithBitmap(r.function, 30000, 30000) << bitmap(30000, 30000);
        QTest::newRow("wmf bitmap of 4097 x 4096")
            << metafileWithBitmap(0x0F43, 4097, 4096) << bitmap(4097, 4096);
        QTest::newRow("wmf top-down bitmap of 30000 x 30000")
            << metafileWithBitmap(0x0F43, 30000, -30000) << bitmap(30000, 30000);
        QTest::newRow("wmf bitmap with the old header, 65535 x 65535")
            << metafileWithBitmap(0x0F43, 65535, 65535, 12) << bitmap(65535, 65535);
        // libwmf read such headers for ever.
        for (const quint32 size : {0u, 13u, 39u}) {
            QByteArray file = metafileWithBitmap(0x0F43, 2, 2);
            const qsizetype header = file.indexOf(QByteArray::fromHex("28000000020000000200"));
            QTest::addRow("wmf bitmap header of %u bytes", size)
                << file.replace(header, 4, Bytes().u32(size).data)
                << QStringLiteral("the metafile holds a bitmap whose header of %1 bytes is not one of a bitmap").arg(size);
        }
        QTest::newRow("wmf bitmap header larger than the file")
            << metafileWithBitmap(0x0F43, 2, 2).replace(QByteArray::fromHex("28000000020000000200"),
                                                         QByteArray::fromHex("ffffffff020000000200"))
            << QStringLiteral("the metafile holds a bitmap whose header of 4294967295 bytes is not one of a bitmap");
        // libpng stops at a million rows or columns without saying so; the header tells.
        for (const QSize size : {QSize(6, 1000001), QSize(1000001, 6)}) {
            const QByteArray header = Bytes().u32(qToBigEndian(quint32(size.width())))
                                          .u32(qToBigEndian(quint32(size.height()))).data;
            QTest::addRow("png of %d x %d", size.width(), size.height()) << written("png").replace(16, 8, header)
                << QStringLiteral("the picture is %1 x %2 pixels; a PNG picture is read up to 1000000 pixels wide and high")
                       .arg(size.width()).arg(size.height());
        }
        // Decoding would take more than a picture may: 16-bit channels (8 bytes a pixel), a
        // GIF whose first frame is to be restored (a copy of the screen beside the picture),
        // a progressive JPEG (every coefficient kept, 2 bytes each).
        const QString memory = QStringLiteral(
            "the picture is 8192 x 6144 pixels, which take %1 MB to decode, more than the 192 MB a picture may take");
        QImage deep(1, 1, QImage::Format_RGBA64);
        deep.fill(Qt::black);
        QTest::newRow("png of 16-bit channels") << pngClaiming(deep, 8192, 6144) << memory.arg(384);
        QTest::newRow("gif restoring its first frame")
            << gif(8192, 6144).insert(19, QByteArray::fromHex("21f9040c00000000")) << memory.arg(384);
        QTest::newRow("progressive jpeg") << progressiveJpegClaiming(8192, 6144) << memory.arg(336);
        QTest::newRow("wmf bitmap claiming 4294967293 colours")
            << metafileWithBitmap(0x0142, 2, 2, 40, 0xFFFFFFFD)
            << QStringLiteral("the metafile holds a bitmap whose colour table of 4294967293 colours is larger than the file");
    }
    void refusedWithReason()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QtPictureLoader loader;
        const auto refused = loader.loadFromBytes(bytes);
        QVERIFY(!refused);
        QCOMPARE(refused.failure().detail, reason);
    }

    // Bitmaps in metafiles are drawn; one at the size limit is not refused, nor a bit block
    // without one.
    void metafileBitmaps()
    {
        for (const quint16 function : {quint16(0x0F43), quint16(0x0B41)}) {
            const Outcome<QImage> image = QtPictureLoader().loadFromBytes(metafileWithBitmap(function, 2, 2));
            QVERIFY(image);
            QCOMPARE(image->size(), QSize(96, 48));
            QVERIFY(dark(*image, {48, 24}));
            QVERIFY(dark(*image, {3, 45}));
        }
        // A bit block without a bitmap fills the window with the brush; what follows its
        // parameters is no bitmap header.
        Bytes records;
        records.u32(5).u16(0x020B).u16(0).u16(0).u32(5).u16(0x020C).u16(720).u16(1440);
        records.u32(7).u16(0x02FC).u16(0).u32(0).u16(0).u32(4).u16(0x012D).u16(0); // black brush
        records.u32(12).u16(0x0940).u32(0x00F00021).u16(0).u16(0).u16(0).u16(720).u16(1440).u16(0).u16(0);
        records.u32(5).u16(0x020B).u16(0).u16(0).u32(3).u16(0);
        const Outcome<QImage> filled = QtPictureLoader().loadFromBytes(placeableMetafile(records.data, 12));
        QVERIFY(filled);
        QCOMPARE(filled->size(), QSize(96, 48));
        QVERIFY(dark(*filled, {48, 24}));
        QtPictureLoader loader;
        const Outcome<QImage> atLimit = loader.loadFromBytes(metafileWithBitmap(0x0F43, 4096, 4096));
        QVERIFY(atLimit || !atLimit.failure().detail.contains(QStringLiteral("bitmap")));
        if (atLimit)
            QCOMPARE(atLimit->size(), QSize(96, 48));
    }

    // Every cut of every kind of file, and garbage after their headers, loads or fails
    // quietly; whatever loads stays within the size limit.
    void everyCutIsSafe()
    {
        const QList<QByteArray> files{written("bmp"), written("ico"), written("jpg"), gif(),
                                      rle8(), rle4(), metafile(true), metafile(false),
                                      metafileWithBitmap(0x0F43, 3, 2)};
        QtPictureLoader loader;
        // Qt's readers complain about the broken data (bad seeks and the like) as expected.
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &, const QString &) {});
        const auto restore = qScopeGuard([previous] { qInstallMessageHandler(previous); });
        for (const QByteArray &file : files) {
            for (qsizetype cut = 0; cut < file.size(); ++cut) {
                for (const QByteArray &bytes : {file.left(cut), file.left(cut) + QByteArray(64, '\xA5')}) {
                    const Outcome<QImage> image = loader.loadFromBytes(bytes);
                    if (image)
                        QVERIFY(qint64(image->width()) * image->height() <= QtPictureLoader::kMaxPixels);
                }
            }
        }
    }

    // Runs that overflow a row or the picture, and jumps out of it, do not write outside.
    void runsBeyondThePicture_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("rle8 run of 255 in a 6-wide row")
            << rleBitmap(6, 2, 8, Bytes().raw({255, 0, 255, 1, 0, 0, 255, 0, 0, 1}).data);
        QTest::newRow("rle8 literal of 255")
            << rleBitmap(6, 2, 8, Bytes().raw({0, 255, 1, 1, 1, 0, 1}).data);
        QTest::newRow("rle8 jump beyond the picture")
            << rleBitmap(6, 2, 8, Bytes().raw({0, 2, 200, 200, 4, 1, 0, 1}).data);
        QTest::newRow("rle4 run of 255") << rleBitmap(6, 2, 4, Bytes().raw({255, 0x10, 0, 1}).data);
        QTest::newRow("rle8 too many lines")
            << rleBitmap(6, 2, 8, Bytes().raw({2, 1, 0, 0, 2, 1, 0, 0, 2, 1, 0, 0, 2, 1, 0, 1}).data);
    }
    void runsBeyondThePicture()
    {
        QFETCH(QByteArray, bytes);
        const Outcome<QImage> image = QtPictureLoader().loadFromBytes(bytes);
        if (image)
            QCOMPARE(image->size(), QSize(6, 2));
    }

    // A hint of what is needed: a JPEG is decoded reduced (still covering the cover size)
    // or only its top-left part; other pictures are read whole and cut.
    void hintedRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("cover");
        QTest::addColumn<QSize>("topLeft");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("fullSize");
        const QByteArray jpeg = photoFile(2000, 1200);
        const QSize none;
        QTest::newRow("jpeg, 1/4 covers") << jpeg << QSize(320, 154) << none << QSize(500, 300) << QSize(2000, 1200);
        QTest::newRow("jpeg, 1/8 covers") << jpeg << QSize(200, 100) << none << QSize(250, 150) << QSize(2000, 1200);
        QTest::newRow("jpeg, odd size") << photoFile(2001, 1203) << QSize(200, 100) << none << QSize(250, 150)
                                        << QSize(2001, 1203);
        QTest::newRow("jpeg, nothing smaller covers") << jpeg << QSize(1500, 100) << none << QSize(2000, 1200)
                                                      << QSize(2000, 1200);
        QTest::newRow("jpeg, top-left") << jpeg << none << QSize(160, 77) << QSize(160, 77) << QSize(2000, 1200);
        QTest::newRow("jpeg, top-left wins") << jpeg << QSize(200, 100) << QSize(170, 90) << QSize(170, 90)
                                             << QSize(2000, 1200);
        QTest::newRow("jpeg, top-left wider") << photoFile(100, 300) << none << QSize(160, 77) << QSize(100, 77)
                                              << QSize(100, 300);
        const QByteArray png = photoFile(300, 200, "PNG");
        QTest::newRow("png, cover reads whole") << png << QSize(20, 20) << none << QSize(300, 200) << QSize(300, 200);
        QTest::newRow("png, top-left cut") << png << none << QSize(160, 77) << QSize(160, 77) << QSize(300, 200);
        QTest::newRow("metafile, top-left cut") << metafile(true) << none << QSize(30, 20) << QSize(30, 20) << QSize(96, 48);
    }
    void hintedRead()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, cover);
        QFETCH(QSize, topLeft);
        QFETCH(QSize, size);
        QFETCH(QSize, fullSize);
        QtPictureLoader loader;
        const Outcome<LoadedPicture> loaded = loader.loadFor(write(QStringLiteral("hinted"), bytes), {cover, topLeft});
        QVERIFY2(loaded, qPrintable(loaded ? QString() : loaded.failure().detail));
        QCOMPARE(loaded->image.size(), size);
        QCOMPARE(loaded->fullSize, fullSize);
        const QImage full = loader.loadFromBytes(bytes).value().convertToFormat(QImage::Format_RGB32);
        const QImage image = loaded->image.convertToFormat(QImage::Format_RGB32);
        if (!topLeft.isEmpty() || size == fullSize) {
            QCOMPARE(image, full.copy(QRect(QPoint(0, 0), size)));
            return;
        }
        // A reduced read still shows the whole picture.
        const QImage expected = full.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        qint64 difference = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                difference += std::abs(qRed(image.pixel(x, y)) - qRed(expected.pixel(x, y)))
                              + std::abs(qGreen(image.pixel(x, y)) - qGreen(expected.pixel(x, y)));
        QVERIFY2(difference < 8 * qint64(size.width()) * size.height(), qPrintable(QString::number(difference)));
    }

    // What would be decoded stays within the limit: a JPEG beyond it that no reduction lets
    // cover what is asked is refused before decoding, naming its size.
    void hintedReadKeepsTheLimit()
    {
        QByteArray jpeg = photoFile(16, 16);
        const qsizetype frame = jpeg.indexOf("\xff\xc0");
        jpeg.replace(frame + 5, 4, QByteArray("\x17\x70\x23\x28", 4)); // 6000 high, 9000 wide
        QtPictureLoader loader;
        const auto refused = loader.loadFromBytesFor(jpeg, {QSize(8000, 100), {}});
        QVERIFY(!refused);
        QCOMPARE(refused.failure().detail, QStringLiteral("the picture is 9000 x 6000 pixels, more than the 50331648 pixels read at most"));
        // Read at 1/8, a progressive JPEG of 8192 x 6144 takes its coefficients (144 MB) and a
        // 64th of its pixels: within what a picture may take.
        const auto reduced = loader.loadFromBytesFor(progressiveJpegClaiming(8192, 6144), {QSize(320, 154), {}});
        QVERIFY2(reduced, qPrintable(reduced ? QString() : reduced.failure().detail));
        QCOMPARE(reduced->image.size(), QSize(1024, 768));
    }

    // A GIF is decoded onto its logical screen, whatever its first frame's size: the screen is
    // what the limit checks before decoding, and the full size a hinted read reports. An icon
    // whose directory claims 256 x 256 over a 16 x 8 bitmap is the bitmap's size.
    void gifScreenIsThePictureSize()
    {
        const auto onScreen = [](int width, int height) {
            return gif().replace(6, 4, Bytes().u16(width).u16(height).data);
        };
        QtPictureLoader loader;
        const auto refused = loader.loadFromBytes(onScreen(30000, 30000));
        QVERIFY(!refused);
        QVERIFY2(refused.failure().detail.contains(QStringLiteral("30000 x 30000")), qPrintable(refused.failure().detail));
        for (const LoadHint &hint : {LoadHint{}, LoadHint{QSize(320, 154), {}}, LoadHint{{}, QSize(160, 77)}}) {
            const Outcome<LoadedPicture> read = loader.loadFromBytesFor(onScreen(6000, 2), hint);
            QVERIFY(read);
            QCOMPARE(read->fullSize, QSize(6000, 2));
            QCOMPARE(read->image.size(), hint.topLeft.isEmpty() ? QSize(6000, 2) : QSize(160, 2));
        }
        QByteArray icon = written("ICO");
        icon[6] = 0; // directory entry: width and height 0, which means 256
        icon[7] = 0;
        const Outcome<LoadedPicture> read = loader.loadFromBytesFor(icon, {{}, QSize(160, 77)});
        QVERIFY(read);
        QCOMPARE(read->fullSize, QSize(16, 8));
        QCOMPARE(read->image.size(), QSize(16, 8));
    }

    void missingFileLoadsNothing()
    {
        QVERIFY(!QtPictureLoader().load(m_dir.filePath(QStringLiteral("no such file.bmp"))));
        QVERIFY(!QtPictureLoader().load(m_dir.path()));
    }

private:
    QString write(const QString &name, const QByteArray &bytes)
    {
        return writeFile(m_dir.filePath(name), bytes) ? m_dir.filePath(name) : QString();
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(tst_PictureLoader)
#include "tst_PictureLoader.moc"
