#include "canvas/CanvasView.h"
#include "fakes/FakeProgress.h"
#include "fakes/PictureFixtures.h"
#include "fakes/RealFilesWindow.h"
#include "fakes/TestFiles.h"
#include "qtdialogs/QtProgress.h"
#include "qtplatform/IsolatedPictureLoader.h"

#include <QAction>
#include <QProgressDialog>
#include <QPushButton>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// File > Import of what is no picture, decoded by the real helper process: the window says
// "Can't import <file>: <reason>" at once, and the drawing, its file and its state stay.
// A helper that stalls leaves the window repainting but taking no command, until the
// progress dialog's Cancel ends the import as a refused one.
class tst_ImportFaults : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    // Opens drawn.89i and draws the pixel (10, 5) on it with the Pen.
    void drawOn(MainWindow &window)
    {
        QVERIFY(window.OpenFile(dir.filePath(QStringLiteral("drawn.89i")), QStringLiteral("drawn.89i")));
        for (int press = 0; press < 2; ++press) { // the first brings the parked Pen back
            window.tools().Picture1_MouseDown(1, 10.5f, 5.5f);
            window.tools().Picture1_MouseUp(1, 10.5f, 5.5f);
        }
        QCOMPARE(window.document().pixels().at(10, 5), 1);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QImage whole(40, 20, QImage::Format_RGB32);
        whole.fill(Qt::black);
        QVERIFY(whole.save(dir.filePath(QStringLiteral("cut.png"))));
        QFile cut(dir.filePath(QStringLiteral("cut.png")));
        QVERIFY(cut.resize(cut.size() / 2));
        QVERIFY(writeFile(dir.filePath(QStringLiteral("empty.bmp")), {}));
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.bmp"))).constData(), 0644) == 0);
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("loop b.gif")), dir.filePath(QStringLiteral("loop a.gif"))));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("loop a.gif")), dir.filePath(QStringLiteral("loop b.gif"))));
        QVERIFY(writeFile(dir.filePath(QStringLiteral("drawn.89i")), pictureFile(20, 10, {{3, 4}}, {.name = "drawn"})));
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
        drawOn(window);
        const QString drawn = dir.filePath(QStringLiteral("drawn.89i"));
        const PixelGrid before = window.document().pixels();

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
        QVERIFY(window.document().pixels() == before);
        QCOMPARE(window.currentFile(), drawn);
        QVERIFY(!window.action(QStringLiteral("miOpen"))->isEnabled()); // the drawing still unsaved
    }

    void cancelledImportKeepsThePicture_data()
    {
        QTest::addColumn<bool>("scaled");
        QTest::addColumn<bool>("escape"); // pressed rather than Cancel
        QTest::newRow("import, Cancel") << false << false;
        QTest::newRow("import scaled, Esc") << true << true;
    }

    void cancelledImportKeepsThePicture()
    {
        QFETCH(bool, scaled);
        QFETCH(bool, escape);
        qputenv("DECODE_STANDIN_MS", "60000");
        QtProgress progress(QStringLiteral("Import..."));
        IsolatedPictureLoader pictures(QStringLiteral(DECODE_STANDIN), 10000, &progress);
        RealFilesWindow bench(nullptr, &pictures);
        MainWindow &window = bench.window;
        progress.setParent(&window);
        window.Form_Load({});
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        drawOn(window);
        window.canvas().setFocus(); // Ctrl+C is ClrDraw's, not a text box's
        const PixelGrid before = window.document().pixels();
        const QString path = dir.filePath(QStringLiteral("slow.wmf"));
        bench.fakes.dialogs.choose(path);

        // Early on: no dialog yet, and ClrDraw's key and a click on the canvas do nothing.
        bool shownEarly = true;
        QTimer::singleShot(250, &window, [&] {
            shownEarly = progress.dialog()->isVisible();
            QTest::keyClick(&window.canvas(), Qt::Key_C, Qt::ControlModifier);
            QTest::mouseClick(&window.canvas(), Qt::LeftButton, {}, QPoint(3, 3));
        });
        // Later: the dialog is up; its Cancel or Esc is pressed.
        bool shownLater = false;
        QElapsedTimer cancelled;
        QTimer::singleShot(900, &window, [&] {
            shownLater = progress.dialog()->isVisible();
            cancelled.start();
            if (escape)
                QTest::keyClick(progress.dialog(), Qt::Key_Escape);
            else
                QTest::mouseClick(progress.dialog()->findChild<QPushButton *>(), Qt::LeftButton);
        });
        const LoopLatency latency;
        scaled ? window.miImportScaled_Click() : window.miImport_Click();
        QVERIFY2(cancelled.isValid() && cancelled.elapsed() < 100, qPrintable(QString::number(cancelled.elapsed())));
        QVERIFY2(latency.longestMs() < 100, qPrintable(QString::number(latency.longestMs())));
        QVERIFY(!shownEarly);
        QVERIFY(shownLater);
        QVERIFY(!progress.dialog());

        QVERIFY(window.document().pixels() == before);
        QCOMPARE(window.currentFile(), dir.filePath(QStringLiteral("drawn.89i")));
        QCOMPARE(bench.fakes.messages.shown.size(), 1);
        QCOMPARE(bench.fakes.messages.shown.first().text,
                 QStringLiteral("Can't import %1: the reading was cancelled").arg(path));
        // The click and the key that were refused work again once the import is over, and
        // the keyboard is back with the window.
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), &window.canvas());
        QTest::mouseClick(&window.canvas(), Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(window.document().pixels() != before);
        QTest::keyClick(&window.canvas(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(window.document().pixels().at(10, 5), 0);
        qunsetenv("DECODE_STANDIN_MS");
    }
};

QTEST_MAIN(tst_ImportFaults)
#include "tst_ImportFaults.moc"
