#include "canvas/DrawingTools.h"
#include "fakes/AsciiPictures.h"
#include "fakes/EditFakes.h"
#include "fakes/Fakes.h"
#include "fakes/GreyPictures.h"
#include "fakes/RecordingSurface.h"
#include "shell/EditCommands.h"
#include "session/FileSession.h"

#include <QFontDatabase>
#include <QTest>

using namespace PictureOps;

namespace {
QStringList text(const PictureDocument &document) { return rowsOf(document.pixels(), document.width(), document.height()); }

QStringList greyText(const PictureDocument &document)
{
    return rowsOfGrey(greyFromLevels(document.pixels(), document.width(), document.height()));
}

// Greys near, not at, the four levels' RGB 255, 213, 156, 0: '.' 250, '-' 200, '+' 120, '#' 20.
QImage image(const QStringList &rows)
{
    QImage picture(int(rows.first().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x) {
            const int grey = QList<int>{250, 200, 120, 20}.value(int(QStringLiteral(".-+#").indexOf(rows[y][x])));
            picture.setPixel(x, y, qRgb(grey, grey, grey));
        }
    return picture;
}

const QStringList kPicture{"##..", "#...", "...#"};
} // namespace

// The Edit menu's commands on a picture read from a file: what the picture holds afterwards,
// one step of the history each, the clipboard and the questions.
class tst_EditCommands : public QObject
{
    Q_OBJECT

    struct Bench
    {
        FakeFileStore files;
        FakeSettings settings;
        FakeMessages messages;
        FakeFileDialogs dialogs;
        FakeClipboard clipboard;
        FakeEditQuestions questions;
        FileSession session{files, settings};
        RecordingSurface surface;
        DrawingTools tools{session.document(), surface};
        QList<QImage> scaledImports;
        int changes = 0;
        QSize tileGrid;
        EditCommands edit{session, tools, {settings, clipboard, questions, messages, dialogs, files},
                          {[] { return QPoint(1, 1); }, [this](const QImage &i) { scaledImports << i; }, [this] { ++changes; },
                           [this](QSize tile) { tileGrid = tile; }}};
        Bench()
        {
            session.startUp();
            PixelGrid pixels = gridOf(kPicture);
            session.document().read(std::move(pixels), 4, 3, 2, CalcTexts(), nullptr); // a picture read, as from a file
        }
        PictureDocument &document() { return session.document(); }
        // Commands separated by ';', each a verb and its numbers.
        void run(const QString &command)
        {
            for (const QString &one : command.split(u';')) {
                const QStringList w = one.split(u' ', Qt::SkipEmptyParts);
                const auto n = [&](int i) { return w.value(i).toInt(); };
                const QString &verb = w.first();
                if (verb == u"flip")
                    edit.flip(w[1] == u"h" ? Axis::Horizontal : Axis::Vertical);
                else if (verb == u"rotate")
                    edit.rotate(w[1] == u"r" ? Turn::Right : Turn::Left);
                else if (verb == u"invert")
                    edit.invert();
                else if (verb == u"shift")
                    edit.shift(n(1), n(2));
                else if (verb == u"select")
                    tools.miTool_Click(Tool::Select), tools.selection().select({n(1), n(2), n(3), n(4)});
                else if (verb == u"land")
                    edit.land();
                else if (verb == u"delete")
                    edit.erase();
                else if (verb == u"cut")
                    edit.cut();
                else if (verb == u"crop")
                    edit.crop();
                else if (verb == u"clip")
                    clipboard.held = image(w.mid(1));
                else if (verb == u"paste")
                    edit.paste();
                else if (verb == u"copy")
                    edit.copy();
                else if (verb == u"transparent")
                    edit.setTransparent(true);
                else if (verb == u"move")
                    tools.selection().moveBy(n(1), n(2));
                else if (verb == u"escape")
                    edit.deselect();
                else if (verb == u"undo") // as the window's Undo: what floats lands first
                    tools.landSelection(), document().undo();
                else if (verb == u"canvas") {
                    if (w.size() > 1)
                        questions.canvasSize = CanvasSizeChoice{n(1), n(2), static_cast<Anchor>(n(3))};
                    edit.canvasSize();
                }
            }
        }
    };

private slots:
    void commands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("flip horizontal") << "flip h" << QStringList{"..##", "...#", "#..."};
        QTest::newRow("rotate right") << "rotate r" << QStringList{".##", "..#", "...", "#.."};
        QTest::newRow("rotate left") << "rotate l" << QStringList{"..#", "...", "#..", "##."};
        QTest::newRow("invert") << "invert" << QStringList{"..##", ".###", "###."};
        QTest::newRow("shift right wraps") << "shift 1 0" << QStringList{".##.", ".#..", "#..."};
        QTest::newRow("shift up wraps") << "shift 0 -1" << QStringList{"#...", "...#", "##.."};
        QTest::newRow("flip a selection") << "select 0 0 2 2; flip h; land" << QStringList{"##..", ".#..", "...#"};
        QTest::newRow("invert a selection") << "select 2 0 2 3; invert; land" << QStringList{"####", "#.##", "..#."};
        QTest::newRow("shift a selection wraps inside it") << "select 0 0 2 2; shift 1 0; land" << QStringList{"##..", ".#..", "...#"};
        QTest::newRow("each command on a selection is a step") << "select 0 0 2 2; flip h; flip v; undo" << QStringList{"##..", ".#..", "...#"};
        QTest::newRow("a selection partly off the picture keeps all of it")
            << "select 0 0 2 2; move -1 0; flip h; move 1 0; land" << QStringList{"##..", ".#..", "...#"};
        QTest::newRow("delete") << "select 0 0 2 1; delete" << QStringList{"....", "#...", "...#"};
        QTest::newRow("cut") << "select 0 0 4 1; cut" << QStringList{"....", "#...", "...#"};
        QTest::newRow("crop") << "select 0 1 4 2; crop" << QStringList{"#...", "...#"};
        QTest::newRow("paste lands at the visible top-left") << "clip #. ##; paste; land" << QStringList{"##..", "##..", ".###"};
        QTest::newRow("escape lands a paste") << "clip ## ##; paste; escape" << QStringList{"##..", "###.", ".###"};
        QTest::newRow("escape lands an inverted selection") << "select 2 0 2 3; invert; escape" << QStringList{"####", "#.##", "..#."};
        QTest::newRow("undo after escape puts a paste back") << "clip ## ##; paste; escape; undo" << kPicture;
        QTest::newRow("canvas size, bottom right") << "canvas 5 4 8" << QStringList{".....", ".##..", ".#...", "....#"};
        QTest::newRow("canvas size cancelled") << "canvas" << kPicture;
    }
    void commands()
    {
        QFETCH(QString, command);
        QFETCH(QStringList, after);
        Bench bench;
        int steps = 0;
        bench.run(command);
        QCOMPARE(text(bench.document()), after);
        steps = after != kPicture ? 1 : 0;
        QCOMPARE(bench.document().menus().hasUnsavedDrawing(), steps == 1);
        for (int i = 0; i < steps; ++i)
            bench.document().undo();
        QVERIFY(!bench.document().history().canUndo());
        QCOMPARE(text(bench.document()), kPicture);
    }

    // The same commands on a grey picture: both planes change together, Invert swaps light
    // and dark, Delete whitens, and the clipboard carries the four levels (a picture from
    // elsewhere lands as the nearest level; transparent, only what is not white).
    void greyCommands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("invert") << "invert" << QStringList{"#+-.", ".-+#", "##.."};
        QTest::newRow("invert a selection") << "select 0 0 2 3; invert; land" << QStringList{"#++#", ".--.", "####"};
        QTest::newRow("flip vertical") << "flip v" << QStringList{"..##", "#+-.", ".-+#"};
        QTest::newRow("rotate right") << "rotate r" << QStringList{".#.", ".+-", "#-+", "#.#"};
        QTest::newRow("delete whitens both planes") << "select 1 0 2 2; delete" << QStringList{"...#", "#...", "..##"};
        QTest::newRow("copy and paste back") << "select 0 0 2 2; copy; escape; paste; land" << QStringList{".-+#", "#.-.", ".#+#"};
        QTest::newRow("paste takes the nearest level") << "clip -+# .#-; paste; land" << QStringList{".-+#", "#-+#", "..#-"};
        QTest::newRow("transparent paste lands what is not white")
            << "transparent; clip -.. ..#; paste; land" << QStringList{".-+#", "#--.", "..##"};
    }
    void greyCommands()
    {
        QFETCH(QString, command);
        QFETCH(QStringList, after);
        const QStringList before{".-+#", "#+-.", "..##"};
        Bench bench;
        bench.document().replace(levelsFromGrey(greyOf(before)), 4, 3, 4);
        bench.run(command);
        QCOMPARE(greyText(bench.document()), after);
        QVERIFY(bench.document().isGrey());
        bench.document().undo();
        QCOMPARE(greyText(bench.document()), before);
    }

    // A grey copy goes as the file greys (RGB 255, 213, 156, 0); pasted into a black-and-white
    // picture it lands as any picture does, black below half luminance.
    void greyCopyIntoBlackAndWhite()
    {
        Bench bench;
        bench.document().replace(levelsFromGrey(greyOf({".-+#"})), 4, 1, 4);
        bench.run(QStringLiteral("select 0 0 4 1; copy"));
        const QImage copied = bench.clipboard.held;
        QCOMPARE(copied.size(), QSize(4, 1));
        for (const auto &[x, grey] : {std::pair{0, 255}, {1, 213}, {2, 156}, {3, 0}})
            QCOMPARE(copied.pixel(x, 0), qRgb(grey, grey, grey));
        Bench blackAndWhite;
        blackAndWhite.clipboard.held = copied.copy(1, 0, 3, 1); // light, dark, black
        blackAndWhite.run(QStringLiteral("paste; land"));
        QCOMPARE(text(blackAndWhite.document()), (QStringList{"##..", "#..#", "...#"})); // at (1, 1)
    }

    // Copy puts the selection on the clipboard at 1:1, black and white; nothing without one.
    void copyTakesTheSelection()
    {
        Bench bench;
        bench.edit.copy();
        QVERIFY(bench.clipboard.held.isNull());
        bench.tools.selection().select({0, 0, 2, 2});
        bench.edit.copy();
        const QImage copied = bench.clipboard.held;
        QCOMPARE(copied.size(), QSize(2, 2));
        QCOMPARE(copied.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(copied.pixel(1, 1), qRgb(255, 255, 255));
        QVERIFY(!bench.document().history().canUndo());
    }

    // A clipboard picture larger than the picture goes to Import Scaled; none is a message.
    void pasteOfOtherPictures()
    {
        Bench bench;
        bench.edit.paste();
        QCOMPARE(bench.messages.texts(), QStringList{"The clipboard holds no picture."});
        bench.clipboard.held = image({"#####", "....."});
        bench.edit.paste();
        QCOMPARE(bench.scaledImports.size(), 1);
        QCOMPARE(text(bench.document()), kPicture);
    }

    // Paste as New Picture: the clipboard picture's size; unsaved drawing is asked about.
    void pasteAsNewPicture_data()
    {
        QTest::addColumn<bool>("unsaved");
        QTest::addColumn<Messages::Answer>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("saved picture") << false << Messages::Answer::No << true;
        QTest::newRow("unsaved, replace") << true << Messages::Answer::Yes << true;
        QTest::newRow("unsaved, keep") << true << Messages::Answer::No << false;
    }
    void pasteAsNewPicture()
    {
        QFETCH(bool, unsaved);
        QFETCH(Messages::Answer, answer);
        QFETCH(bool, replaced);
        Bench bench;
        if (unsaved)
            bench.document().drawn();
        bench.messages.answers = {answer};
        bench.clipboard.held = image({"#....", ".....", "....#"});
        bench.edit.pasteAsNewPicture();
        QCOMPARE(bench.messages.shown.size(), unsaved ? 1 : 0);
        const QStringList pasted{"#....", ".....", "....#"};
        QCOMPARE(text(bench.document()), replaced ? pasted : kPicture);
        QCOMPARE(bench.document().menus().hasUnsavedDrawing(), replaced || unsaved);
    }

    // Export Picture: the picture itself at the scale asked, the kind by the name's ending or
    // else by the filter; an unwritable file is a message naming it.
    void exportPicture_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("png by its name") << "/p/a.png" << 3 << "/p/a.png" << QByteArray("\x89PNG");
        QTest::newRow("pbm by the filter") << "/p/b" << 2 << "/p/b.pbm" << QByteArray("P1\n8 6\n");
        QTest::newRow("bmp by the filter") << "/p/c.x" << 3 << "/p/c.x.bmp" << QByteArray("BM");
        QTest::newRow("unwritable") << "/ro/d.png" << 1 << "" << QByteArray();
    }
    void exportPicture()
    {
        QFETCH(QString, chosen);
        QFETCH(int, filter);
        QFETCH(QString, written);
        QFETCH(QByteArray, start);
        Bench bench;
        bench.files.unwritable << QStringLiteral("/ro/d.png");
        bench.questions.exportScale = 2;
        bench.dialogs.choose(chosen, filter);
        bench.edit.exportPicture();
        QCOMPARE(bench.files.written, written.isEmpty() ? QStringList() : QStringList{written});
        QCOMPARE(bench.messages.shown.size(), written.isEmpty() ? 1 : 0);
        if (written.isEmpty()) {
            QVERIFY(bench.messages.texts().first().startsWith(QStringLiteral("Can't write the picture /ro/d.png\r")));
            return;
        }
        const QByteArray bytes = bench.files.files.value(written);
        QVERIFY(bytes.startsWith(start));
        if (!written.endsWith(QStringLiteral(".pbm"))) {
            const QImage image = QImage::fromData(bytes);
            QCOMPARE(image.size(), QSize(8, 6));
            QCOMPARE(image.depth(), 1);
            QCOMPARE(QColor(image.pixel(1, 1)), QColor(Qt::black)); // (0, 0) of the picture
            QCOMPARE(QColor(image.pixel(2, 2)), QColor(Qt::white));
        }
    }

    // The Text tool: the text floats while typed and lands with OK as one step; cancelled,
    // nothing changes. The font is remembered for the next text.
    void textLandsWithOk()
    {
        Bench bench;
        bench.document().replace(PixelGrid(60, 20), 60, 20);
        const QString family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
        bench.edit.text(2, 3);
        QVERIFY(!bench.document().history().canUndo());
        bench.questions.typed = {{"I", family, 10, false}, {"IL", family, 10, true}};
        bench.edit.text(2, 3);
        QVERIFY(bench.document().history().canUndo());
        QVERIFY(!bench.tools.selection().active());
        int black = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 60; ++x) {
                black += bench.document().pixels().at(x, y);
                QVERIFY(!bench.document().pixels().at(x, y) || (x >= 2 && y >= 3));
            }
        QVERIFY(black > 8);
        bench.edit.text(9, 9);
        QCOMPARE(bench.questions.askedText.pixelSize, 10);
        QVERIFY(bench.questions.askedText.bold);
    }

    // In a grey picture the letters take the black tools' level.
    void textInTheInk()
    {
        Bench bench;
        bench.document().replace(PixelGrid(60, 20), 60, 20, 4);
        bench.tools.setInk(2);
        bench.questions.typed = {{"IL", QFontDatabase::systemFont(QFontDatabase::GeneralFont).family(), 12, true}};
        bench.edit.text(2, 3);
        QSet<int> levels;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 60; ++x)
                levels << bench.document().pixels().at(x, y);
        QCOMPARE(levels, (QSet<int>{0, 2}));
    }
};

QTEST_MAIN(tst_EditCommands)
#include "tst_EditCommands.moc"
