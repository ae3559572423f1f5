#include "document/Picture89i.h"
#include "fakes/RealFilesWindow.h"
#include "qtplatform/IsolatedPictureLoader.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

// File > Import of what is no picture, decoded by the real helper process: the window says
// "Can't import <file>: <reason>" at once, and the drawing, its file and its state stay.
class tst_ImportFaults : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QImage whole(40, 20, QImage::Format_RGB32);
        whole.fill(Qt::black);
        QVERIFY(whole.save(dir.filePath(QStringLiteral("cut.png"))));
        QFile cut(dir.filePath(QStringLiteral("cut.png")));
        QVERIFY(cut.resize(cut.size() / 2));
        write(dir.filePath(QStringLiteral("empty.bmp")), {});
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.bmp"))).constData(), 0644) == 0);
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("loop b.gif")), dir.filePath(QStringLiteral("loop a.gif"))));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("loop a.gif")), dir.filePath(QStringLiteral("loop b.gif"))));
        PixelGrid pixels(20, 10);
        pixels.set(3, 4, true);
        const EncodeResult encoded = encode89i("main", "drawn", "", 20, 10, pixels);
        write(dir.filePath(QStringLiteral("drawn.89i")),
              QByteArray(reinterpret_cast<const char *>(encoded.bytes.data()), qsizetype(encoded.bytes.size())));
    }

    void refusedImport_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reason"); // a part of it
        QTest::newRow("truncated PNG") << "cut.png" << "";
        QTest::newRow("empty file") << "empty.bmp" << "empty";
        QTest::newRow("pipe") << "pipe.bmp" << "pipe";
        QTest::newRow("device") << "/dev/zero" << "device";
        QTest::newRow("folder") << "." << "folder";
        QTest::newRow("link loop") << "loop a.gif" << "symbolic links";
    }

    void refusedImport()
    {
        QFETCH(QString, file);
        QFETCH(QString, reason);
        const QString path = file.startsWith(u'/') ? file : dir.filePath(file);
        IsolatedPictureLoader pictures(QStringLiteral(DOTLARK_BINARY_DIR "/app/decode/dotlark-decode"));
        RealFilesWindow bench(nullptr, &pictures);
        FakeServices &fakes = bench.fakes;
        MainWindow &window = bench.window;
        window.Form_Load({});
        const QString drawn = dir.filePath(QStringLiteral("drawn.89i"));
        QVERIFY(window.OpenFile(drawn, QStringLiteral("drawn.89i")));
        for (int press = 0; press < 2; ++press) { // the first brings the parked Pen back
            window.tools().Picture1_MouseDown(1, 10.5f, 5.5f);
            window.tools().Picture1_MouseUp(1, 10.5f, 5.5f);
        }
        const PixelGrid before = window.document().Pixels;
        QCOMPARE(before.at(10, 5), 1);

        fakes.dialogs.choose(path);
        QElapsedTimer clock;
        clock.start();
        window.miImport_Click();
        QVERIFY2(clock.elapsed() < 5000, "the import took too long");
        QCOMPARE(fakes.messages.shown.size(), 1);
        const QString text = fakes.messages.shown.first().text;
        QVERIFY2(text.startsWith(QStringLiteral("Can't import ") + path + QStringLiteral(": ")) && text.contains(reason)
                     && text.size() > QStringLiteral("Can't import : ").size() + path.size(),
                 qPrintable(text));
        QCOMPARE(fakes.messages.shown.first().caption, QStringLiteral("Import..."));
        QVERIFY(window.document().Pixels == before);
        QCOMPARE(window.currentFile(), drawn);
        QVERIFY(!window.action(QStringLiteral("miOpen"))->isEnabled()); // the drawing still unsaved
    }
};

QTEST_MAIN(tst_ImportFaults)
#include "tst_ImportFaults.moc"
