#include "document/Picture89i.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The dotlark-convert program, run as the user runs it.
class tst_ConvertTool : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    struct Run
    {
        int exitCode = -1;
        QString out, err;
    };

    Run run(const QStringList &arguments)
    {
        QProcess process;
        process.start(DOTLARK_BINARY_DIR "/app/convert/dotlark-convert", arguments);
        if (!process.waitForFinished(30000))
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    static QByteArray read(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void write(const QString &file, const QByteArray &data)
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    static QByteArray asBytes(const std::vector<uint8_t> &v) { return QByteArray(reinterpret_cast<const char *>(v.data()), qsizetype(v.size())); }
    static DecodeResult decode(const QByteArray &data)
    {
        return decode89i({reinterpret_cast<const uint8_t *>(data.constData()), size_t(data.size())});
    }

    // A 10 x 3 picture with its corners (0, 0) and (9, 2) black.
    QString writeSample(const QString &name)
    {
        PixelGrid grid(10, 3);
        grid.set(0, 0, 1);
        grid.set(9, 2, 1);
        write(path(name), asBytes(encode89i("fold", "pic", "hello", 10, 3, grid).bytes));
        return path(name);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QVERIFY2(QFile::exists(DOTLARK_BINARY_DIR "/app/convert/dotlark-convert"), "build dotlark-convert first");
    }

    void exportsImages_data()
    {
        QTest::addColumn<QString>("output");
        QTest::newRow("png") << "out.png";
        QTest::newRow("bmp") << "out.BMP";
    }
    void exportsImages()
    {
        QFETCH(QString, output);
        const Run r = run({writeSample("in.89i"), path(output)});
        QCOMPARE(r.exitCode, 0);
        const QImage image(path(output));
        QCOMPARE(image.size(), QSize(10, 3));
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 10; ++x) {
                const bool black = (x == 0 && y == 0) || (x == 9 && y == 2);
                QCOMPARE(image.pixel(x, y), black ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
            }
    }

    void exportsPlainPbm()
    {
        QCOMPARE(run({writeSample("in.89i"), path("out.pbm")}).exitCode, 0);
        QCOMPARE(read(path("out.pbm")), QByteArray("P1\n10 3\n1 0 0 0 0 0 0 0 0 0\n0 0 0 0 0 0 0 0 0 0\n"
                                                   "0 0 0 0 0 0 0 0 0 1\n"));
        // Long rows are broken so that no line exceeds 70 characters.
        write(path("wide.89i"), asBytes(encode89i("m", "p", "", 80, 1, PixelGrid(80, 1)).bytes));
        QCOMPARE(run({path("wide.89i"), path("wide.pbm")}).exitCode, 0);
        for (const QByteArray &line : read(path("wide.pbm")).split('\n'))
            QVERIFY(line.size() <= 70);
    }

    // Every pixel is judged by its packed colour against mid grey; transparent is white.
    void importsImages()
    {
        const QList<QPair<QRgb, bool>> samples{
            {qRgb(127, 127, 127), true},  {qRgb(128, 128, 128), false}, {qRgb(255, 255, 127), true},
            {qRgb(255, 0, 0), true},      {qRgb(0, 0, 255), false},     {qRgb(127, 255, 255), false},
            {qRgba(0, 0, 0, 0), false},   {qRgb(0, 0, 0), true},        {qRgb(255, 255, 255), false}};
        QImage image(int(samples.size()), 2, QImage::Format_ARGB32);
        image.fill(Qt::white);
        for (int x = 0; x < samples.size(); ++x)
            image.setPixel(x, 1, samples[x].first);
        QVERIFY(image.save(path("colours.png")));
        const Run r = run({path("colours.png"), path("colours.89i")});
        QCOMPARE(r.exitCode, 0);
        const DecodeResult d = decode(read(path("colours.89i")));
        QCOMPARE(d.error, Picture89iError::None);
        QCOMPARE(d.picture.width, int(samples.size()));
        QCOMPARE(d.picture.height, 2);
        QCOMPARE(d.picture.folder, "main");
        QCOMPARE(d.picture.name, "picture");
        QCOMPARE(d.picture.comment, "made with DOTLARK");
        for (int x = 0; x < samples.size(); ++x) {
            QVERIFY(!d.picture.pixels.at(x, 0));
            QVERIFY2(bool(d.picture.pixels.at(x, 1)) == samples[x].second, qPrintable(QString::number(x)));
        }
    }

    void importTakesTexts()
    {
        QImage image(3, 3, QImage::Format_RGB32);
        image.fill(Qt::black);
        QVERIFY(image.save(path("dark.bmp")));
        const Run r = run({path("dark.bmp"), path("dark.89i"), "--folder", "graphs", "--name",
                           QStringLiteral("\u03B1beta"), "--comment", "a note"});
        QCOMPARE(r.exitCode, 0);
        const DecodeResult d = decode(read(path("dark.89i")));
        QCOMPARE(d.picture.folder, "graphs");
        QCOMPARE(d.picture.name, "\x80" "beta");
        QCOMPARE(d.picture.comment, "a note");
    }

    // The rewrite puts lengths and checksum right and keeps everything else.
    void rewrites()
    {
        QByteArray broken = read(writeSample("in.89i"));
        const QByteArray good = broken;
        broken[0] = 'X';
        broken[77] = 0x7F;
        broken[broken.size() - 1] = 0;
        write(path("broken.89i"), broken);
        QCOMPARE(run({path("broken.89i"), path("fixed.89i")}).exitCode, 0);
        QCOMPARE(read(path("fixed.89i")), good);
        QCOMPARE(run({path("broken.89i"), path("renamed.89i"), "--name", "other"}).exitCode, 0);
        QCOMPARE(decode(read(path("renamed.89i"))).picture.name, "other");
    }

    void describes()
    {
        QByteArray data = read(writeSample("in.89i"));
        data[data.size() - 2] = char(data[data.size() - 2] + 1);
        write(path("badsum.89i"), data);
        const Run r = run({"--info", path("badsum.89i")});
        QCOMPARE(r.exitCode, 0);
        for (const char *line : {"folder:      fold", "name:        pic", "comment:     hello", "width:       10",
                                    "height:      3", "signature:   agrees", "type byte:   agrees", "file length: agrees",
                                    "data length: agrees", "tag byte:    agrees", "checksum:    disagrees"})
            QVERIFY2(r.out.contains(line), qPrintable(line));
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("one file") << QStringList{"a.89i"};
        QTest::newRow("unknown option") << QStringList{"a.89i", "b.png", "--colour"};
        QTest::newRow("missing value") << QStringList{"a.png", "b.89i", "--name"};
        QTest::newRow("unknown output type") << QStringList{"a.89i", "b.gif"};
        QTest::newRow("names on export") << QStringList{"a.89i", "b.png", "--folder", "x"};
        QTest::newRow("info with two files") << QStringList{"--info", "a.89i", "b.89i"};
    }
    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        const Run r = run(arguments);
        QCOMPARE(r.exitCode, 2);
        QVERIFY(!r.err.isEmpty());
    }

    void help()
    {
        const Run r = run({"--help"});
        QCOMPARE(r.exitCode, 0);
        for (const char *part : {"OUT.pbm", "--folder", "--name", "--comment", "--info", "8421504", "Exit status"})
            QVERIFY2(r.out.contains(part), part);
    }

    // Refused inputs and unwritable outputs: exit 1, a message naming the file, and an
    // existing output left exactly as it was.
    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named");  // what the message must contain
        QTest::addColumn<QString>("output"); // the file that must stay untouched
        const QString sample = writeSample("in.89i");
        QImage(600, 900, QImage::Format_RGB32).save(path("huge.png"));
        write(path("short.89i"), read(sample).left(95));
        write(path("notapicture.png"), "not a picture");
        QTest::newRow("bad var name") << QStringList{path("huge.png"), path("keep.89i"), "--name", "1pic"}
                                      << "First character of Pic Var Name can't be digit." << "keep.89i";
        QTest::newRow("bad folder name") << QStringList{sample, path("keep.89i"), "--folder", "a_b"}
                                         << "in Folder Name: <_>" << "keep.89i";
        QTest::newRow("name too long") << QStringList{sample, path("keep.89i"), "--name", "abcdefghi"} << "abcdefghi" << "keep.89i";
        QTest::newRow("missing input") << QStringList{path("none.89i"), path("keep.png")} << "none.89i" << "keep.png";
        QTest::newRow("truncated input") << QStringList{path("short.89i"), path("keep.pbm")} << "short.89i" << "keep.pbm";
        QTest::newRow("unreadable image") << QStringList{path("notapicture.png"), path("keep.89i")} << "notapicture.png" << "keep.89i";
        QTest::newRow("too large") << QStringList{path("huge.png"), path("keep.89i")} << "huge.png" << "keep.89i";
        QTest::newRow("unwritable output") << QStringList{sample, path("no/such/dir/out.89i")} << "out.89i" << "keep.89i";
    }
    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, output);
        write(path(output), "previous content");
        const Run r = run(arguments);
        QCOMPARE(r.exitCode, 1);
        QFETCH(QString, named);
        QVERIFY2(r.err.contains(named), qPrintable(r.err));
        QCOMPARE(read(path(output)), QByteArray("previous content"));
        QVERIFY(QDir(dir.path()).entryList({"*.89i.*", "*.png.*", "*.pbm.*"}).isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_ConvertTool)
#include "tst_ConvertTool.moc"
