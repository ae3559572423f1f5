#include "canvas/CanvasView.h"
#include "canvas/DrawingTools.h"
#include "fakes/FakeServices.h"
#include "session/FileSession.h"
#include "shell/ImportCommands.h"

#include <QLabel>
#include <QTest>

namespace {
const QString kDot = QStringLiteral("/p/dot.bmp");

// The import commands on their own: a session, the tools drawing on a canvas, the label that
// previews the picture, all on the fakes of the desktop.
struct Bench
{
    FakeServices fakes;
    FileSession session{fakes.files, fakes.settings};
    CanvasView canvas;
    DrawingTools tools{session.document(), canvas};
    QWidget window;
    QLabel *preview = new QLabel(&window);
    ImportCommands commands{fakes.services(), session, tools, *preview, window};
    int imported = 0;

    Bench()
    {
        canvas.SizeCanvas(PictureDocument::kScreenWidth, PictureDocument::kScreenHeight);
        commands.imported = [this] { ++imported; };
        QImage dot(3, 2, QImage::Format_RGB32);
        dot.fill(Qt::black);
        fakes.pictures.pictures[kDot] = dot;
        preview->hide();
        window.show();
    }
};
} // namespace

// File > Import as the window runs it: the picture shows over the window's corner exactly
// while the question is asked, whatever the answer; only Yes places it, as one step that
// leaves the picture without a file.
class tst_ImportCommands : public QObject
{
    Q_OBJECT

private slots:
    void previewOnlyWhileAsking_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }
    void previewOnlyWhileAsking()
    {
        QFETCH(bool, yes);
        Bench bench;
        bench.fakes.messages.answers.push_back(yes ? Messages::Answer::Yes : Messages::Answer::No);
        bool shownWhileAsking = false;
        QSize shownSize;
        bench.fakes.messages.onShow = [&] {
            shownWhileAsking = bench.preview->isVisible();
            shownSize = bench.preview->size();
        };
        bench.fakes.dialogs.choose(kDot);
        bench.commands.importPicture(QSize(592, 425));
        QVERIFY(shownWhileAsking);
        QCOMPARE(shownSize, QSize(3, 2));
        QVERIFY(!bench.preview->isVisible());
        QVERIFY(bench.preview->pixmap().isNull());
        QCOMPARE(bench.imported, yes ? 1 : 0);
        QCOMPARE(bench.session.document().Pixels.at(80, 38), yes ? 1 : 0);
        QCOMPARE(bench.session.document().history.canUndo(), yes);
    }

    // A file that cannot be read, or no file chosen: nothing is asked, shown or placed.
    void nothingToImport_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("messages");
        QTest::newRow("cancelled") << QString() << 0;
        QTest::newRow("unreadable") << QStringLiteral("/p/none.bmp") << 1;
    }
    void nothingToImport()
    {
        QFETCH(QString, path);
        QFETCH(int, messages);
        Bench bench;
        if (!path.isEmpty())
            bench.fakes.dialogs.choose(path);
        bench.commands.importPicture(QSize(592, 425));
        bench.commands.importScaled(QSize(160, 77));
        QCOMPARE(bench.fakes.messages.shown.size(), messages);
        QCOMPARE(bench.imported, 0);
        QVERIFY(!bench.preview->isVisible());
        QVERIFY(!bench.session.document().history.canUndo());
    }
};

QTEST_MAIN(tst_ImportCommands)
#include "tst_ImportCommands.moc"
