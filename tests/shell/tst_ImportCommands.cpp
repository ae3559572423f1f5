#include "canvas/CanvasView.h"
#include "canvas/DrawingTools.h"
#include "fakes/FakeWindow.h"
#include "session/FileSession.h"
#include "shell/ImportCommands.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {
const QString kPhoto = QStringLiteral("/p/photo.jpg");

// A picture of two halves, black on the left and white on the right, larger than the
// screen: scaled, it leaves black on the left of the target and white on the right.
QImage halves(int width = 640, int height = 308)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 2; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 0));
    return picture;
}

ScaledImportChoice stretched(bool replace)
{
    ScaledImportChoice choice;
    choice.settings.placement = Placement::Stretch;
    choice.replace = replace;
    return choice;
}

const QString kDot = QStringLiteral("/p/dot.bmp");

// The import commands on their own: a session, the tools drawing on a canvas, the label that
// previews the picture, all on the fakes of the desktop.
struct Commands
{
    FakeServices fakes;
    FileSession session{fakes.files, fakes.settings};
    CanvasView canvas{session.document()};
    DrawingTools tools{session.document(), canvas};
    QWidget window;
    QLabel *preview = new QLabel(&window);
    ImportCommands commands{fakes.services(), session, tools, *preview, window};
    int imported = 0;

    Commands()
    {
        commands.imported = [this] { ++imported; };
        QImage dot(3, 2, QImage::Format_RGB32);
        dot.fill(Qt::black);
        fakes.pictures.pictures[kDot] = dot;
        preview->hide();
        window.show();
    }
};
} // namespace

// File > Import and Import Scaled... driven through the fakes: what they read, what they
// ask, show and plot; through the window and on their own.
class tst_ImportCommands : public QObject
{
    Q_OBJECT

    struct Bench : FakeWindow
    {
        Bench() { fakes.pictures.pictures[kPhoto] = halves(); }
        MainWindow &w() { return window; }
        // A stroke of the pen, at the given row, from column 2 to 150.
        void drawRow(int y)
        {
            const float row = float(y) + 0.5f;
            w().tools().Picture1_MouseDown(1, 2.5f, row);
            w().tools().Picture1_MouseMove(1, 150.5f, row);
            w().tools().Picture1_MouseUp(1, 150.5f, row);
        }
        void importScaled(const std::optional<ScaledImportChoice> &choice)
        {
            fakes.dialogs.choose(kPhoto);
            fakes.scaledImport.choices.push_back(choice);
            w().miImportScaled_Click();
        }
    };

private slots:
    // Right after Import, which stays as it was; the rest of the menu is unchanged.
    void fileMenuItems()
    {
        Bench bench;
        QMenu *file = bench.w().menuBar()->actions().at(0)->menu();
        QStringList items;
        for (QAction *item : file->actions())
            if (item->isVisible())
                items << (item->isSeparator() ? QStringLiteral("-") : item->text());
        QCOMPARE(items, QStringList({"&New", "&Open", "&Save", "S&ave As...", "-", "&Import", "Import Scale&d...",
                                     "&Export Picture...", "Export So&urce...", "Add to &Group...", "-",
                                     "&Print", "Page Setup", "-", "Send to Calculator...", "&Receive from Calculator...",
                                     "&Capture Calculator Screen...", "Lin&k Settings...", "-", "E&xit"}));
        bench.fakes.dialogs.choose(kPhoto);
        bench.w().action(QStringLiteral("miImportScaled"))->trigger();
        QCOMPARE(bench.fakes.dialogs.requests.size(), 1);
        QCOMPARE(bench.fakes.dialogs.requests.first().title, QStringLiteral("Import a picture"));
        // Photos often come as PNG: the dialog offers them too, after the other kinds.
        QVERIFY(bench.fakes.dialogs.requests.first().filter.endsWith(QStringLiteral("|PNG|*.png")));
        QCOMPARE(bench.fakes.scaledImport.asked, 1);
    }

    // Adding keeps what the picture holds where the result is white; replacing makes those
    // pixels white. Either way it is one step: one undo gives the picture back.
    void plots_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::newRow("add black pixels") << false;
        QTest::newRow("replace the picture") << true;
    }
    void plots()
    {
        QFETCH(bool, replace);
        Bench bench;
        MainWindow &w = bench.w();
        bench.drawRow(10);
        const PixelGrid before = w.document().pixels();
        w.tools().miTool_Click(Tool::Erase);
        bench.importScaled(stretched(replace));

        const PixelGrid &after = w.document().pixels();
        QCOMPARE(bench.fakes.scaledImport.lastTarget, QSize(160, 77));
        QCOMPARE(after.at(5, 40), 1);                // the black half
        QCOMPARE(after.at(140, 10), replace ? 0 : 1); // the drawn row under the white half
        QCOMPARE(after.at(140, 40), 0);
        QCOMPARE(w.canvas().image(), w.canvas().render(after));
        QCOMPARE(menuState(w), QStringLiteral("DDDEE"));
        QVERIFY(w.currentFile().isEmpty());
        QCOMPARE(w.tools().currentTool(), Tool::Pen);
        QCOMPARE(w.tools().checkedTool(), Tool::Pen);

        w.action(QStringLiteral("miUndo"))->trigger();
        QCOMPARE(w.document().pixels(), before);
        QCOMPARE(w.canvas().image(), w.canvas().render(before));
        w.action(QStringLiteral("miUndo"))->trigger(); // the drawn row, the step before
        QCOMPARE(w.document().pixels().at(140, 10), 0);
    }

    // Cancel in the file dialog or in the Import Scaled dialog, or a file that cannot be
    // read: the picture, its file and its menus stay, no step is added, and only a
    // file that cannot be read is reported, as File > Import reports it.
    void nothingChanges_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("asked");
        QTest::addColumn<QString>("message");
        const QString refusal = QStringLiteral("Can't import /p/photo.jpg: it is no picture this program reads");
        QTest::newRow("file dialog cancelled") << "no file" << 0 << "";
        QTest::newRow("dialog cancelled") << "cancel" << 1 << "";
        QTest::newRow("unreadable") << "unreadable" << 0 << refusal;
        QTest::newRow("1:1 read fails") << "second read fails" << 0 << refusal;
    }
    void nothingChanges()
    {
        QFETCH(QString, how);
        QFETCH(int, asked);
        QFETCH(QString, message);
        Bench bench;
        MainWindow &w = bench.w();
        bench.drawRow(10);
        bench.fakes.settings.values.clear();
        const PixelGrid before = w.document().pixels();
        const QString state = menuState(w);
        if (how == "no file") {
            bench.fakes.dialogs.cancel();
            w.miImportScaled_Click();
        } else {
            if (how == "unreadable")
                bench.fakes.pictures.pictures.remove(kPhoto);
            if (how == "second read fails") {
                bench.fakes.pictures.reduced[kPhoto] = halves(320, 154);
                bench.fakes.pictures.loadsLeft = 1;
            }
            bench.importScaled(how == "cancel" ? std::nullopt : std::optional(stretched(true)));
        }
        QCOMPARE(bench.fakes.scaledImport.asked, asked);
        QCOMPARE(bench.fakes.messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty())
            QCOMPARE(bench.fakes.messages.shown.first().caption, QStringLiteral("Import..."));
        QCOMPARE(w.document().pixels(), before);
        QCOMPARE(menuState(w), state);
        QVERIFY(bench.fakes.settings.values.isEmpty()); // no choice remembered
        w.action(QStringLiteral("miUndo"))->trigger(); // the drawn row is still the last step
        QCOMPARE(w.document().pixels().at(140, 10), 0);
    }

    // The target is where File > Import plots: the picture on the canvas, the calculator
    // screen when none is shown. A picture read at a reduced size is read again for 1:1,
    // only its top-left part; one read whole is read once.
    void readsForTheTarget_data()
    {
        QTest::addColumn<QSize>("newPicture"); // empty: the screen at start-up
        QTest::addColumn<bool>("reduced");
        QTest::addColumn<QSize>("target");
        QTest::addColumn<int>("reads");
        QTest::newRow("start-up, read whole") << QSize() << false << QSize(160, 77) << 1;
        QTest::newRow("start-up, read reduced") << QSize() << true << QSize(160, 77) << 2;
        QTest::newRow("new 20 x 10 picture") << QSize(20, 10) << true << QSize(20, 10) << 2;
    }
    void readsForTheTarget()
    {
        QFETCH(QSize, newPicture);
        QFETCH(bool, reduced);
        QFETCH(QSize, target);
        QFETCH(int, reads);
        Bench bench;
        if (newPicture.isValid()) {
            bench.fakes.questions.newSizes.push_back(newPicture);
            bench.w().miNew_Click();
        }
        if (reduced)
            bench.fakes.pictures.reduced[kPhoto] = halves(320, 154);
        bench.importScaled(stretched(false));
        const QList<LoadHint> &hints = bench.fakes.pictures.hints;
        QCOMPARE(hints.size(), reads);
        QCOMPARE(hints.first().cover, scaleCoverSize(target));
        QCOMPARE(hints.first().topLeft, QSize());
        if (reads == 2) {
            QCOMPARE(hints.last().cover, QSize());
            QCOMPARE(hints.last().topLeft, target);
        }
        QCOMPARE(bench.fakes.scaledImport.lastTarget, target);
        QCOMPARE(bench.fakes.scaledImport.lastFullSize, QSize(640, 308));
        QCOMPARE(bench.w().document().pixels().at(0, 0), 1);
        QCOMPARE(bench.w().document().pixels().at(target.width(), 0), 0); // nothing beyond the picture
    }

    // A file that ends before its picture does is named as damaged, File > Import and
    // Import Scaled ask whether to import what could be read: No leaves the picture as it
    // was. Import reads only the top-left part it places (and the window shows).
    void damagedFileAsks_data()
    {
        QTest::addColumn<bool>("scaled");
        QTest::addColumn<Messages::Answer>("answer");
        QTest::newRow("Import, Yes") << false << Messages::Answer::Yes;
        QTest::newRow("Import, No") << false << Messages::Answer::No;
        QTest::newRow("Import Scaled, Yes") << true << Messages::Answer::Yes;
        QTest::newRow("Import Scaled, No") << true << Messages::Answer::No;
    }
    void damagedFileAsks()
    {
        QFETCH(bool, scaled);
        QFETCH(Messages::Answer, answer);
        Bench bench;
        MainWindow &w = bench.w();
        bench.drawRow(70);
        const PixelGrid drawn = w.document().pixels();
        bench.fakes.pictures.cutShort << kPhoto;
        bench.fakes.messages.answers.push_back(answer);
        if (scaled) {
            bench.importScaled(stretched(false));
            QCOMPARE(bench.fakes.scaledImport.asked, answer == Messages::Answer::Yes ? 1 : 0);
            QCOMPARE(bench.fakes.scaledImport.lastBeneath == drawn, answer == Messages::Answer::Yes);
        } else {
            bench.fakes.dialogs.choose(kPhoto);
            w.miImport_Click();
            const QSize topLeft = bench.fakes.pictures.hints.value(0).topLeft;
            QVERIFY(topLeft.width() >= 160 && topLeft.height() >= 77);
        }
        const FakeMessages::Shown &first = bench.fakes.messages.shown.value(0);
        QCOMPARE(first.text, QStringLiteral("The file /p/photo.jpg is damaged: it ends before its picture does. "
                                            "Import the part that could be read?"));
        QCOMPARE(first.caption, QStringLiteral("Import..."));
        QCOMPARE(first.buttons, Messages::Buttons::YesNo);
        QCOMPARE(w.document().pixels().at(0, 0), answer == Messages::Answer::Yes ? 1 : 0);
        QCOMPARE(w.document().pixels().at(3, 70), 1); // drawn before: stays, also when adding
    }

    // The dialog opens with the choice accepted last, also in a later run; a cancelled
    // dialog or a damaged setting leaves the defaults.
    void remembersTheLastChoice_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("kept");
        QTest::newRow("none") << "" << false;
        QTest::newRow("words missing") << "2 1 100" << false;
        QTest::newRow("out of range") << "9 1 100 1 5 -5 1" << false;
        QTest::newRow("not numbers") << "a b c d e f g" << false;
        QTest::newRow("a choice") << "2 2 100 1 5 -5 1" << true;
    }
    void remembersTheLastChoice()
    {
        QFETCH(QString, stored);
        QFETCH(bool, kept);
        Bench bench;
        const QString key = QStringLiteral("dotlark95/Import Scaled/Last");
        if (!stored.isEmpty())
            bench.fakes.settings.values[key] = stored;
        bench.importScaled(std::nullopt);
        ScaledImportChoice expected;
        if (kept)
            expected = {{Placement::Stretch, Tone::Atkinson, 100, true, 5, -5}, true};
        QCOMPARE(bench.fakes.scaledImport.lastInitial, expected);

        ScaledImportChoice chosen{{Placement::Fill, Tone::FloydSteinberg, 30, false, -100, 100}, false};
        bench.importScaled(chosen);
        bench.importScaled(std::nullopt);
        QCOMPARE(bench.fakes.scaledImport.lastInitial, chosen);
        Bench later;
        later.fakes.settings.values = bench.fakes.settings.values;
        later.importScaled(std::nullopt);
        QCOMPARE(later.fakes.scaledImport.lastInitial, chosen);
    }

    // File > Import on its own: the picture shows over the window's corner exactly while the
    // question is asked, whatever the answer; only Yes places it, as one step.
    void previewOnlyWhileAsking_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }
    void previewOnlyWhileAsking()
    {
        QFETCH(bool, yes);
        Commands bench;
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
        QCOMPARE(bench.session.document().pixels().at(80, 38), yes ? 1 : 0);
        QCOMPARE(bench.session.document().history().canUndo(), yes);
    }
};

QTEST_MAIN(tst_ImportCommands)
#include "tst_ImportCommands.moc"
