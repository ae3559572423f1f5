#include "calc/ByteConversions.h"
#include "canvas/CanvasView.h"
#include "fakes/FakeWindow.h"
#include "fakes/PictureFixtures.h"
#include "shell/EditCommands.h"
#include "shell/MainWindow.h"
#include "shell/TextBox.h"
#include "shell/WindowCentring.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>

namespace {
// The window's picture file: its first pixel black, "hello" for a comment unless given.
QByteArray sample(int width, int height, const PictureTexts &texts = {.comment = "hello"})
{
    return pictureFile(width, height, {{0, 0}}, texts);
}

// The captions of the four recent-file entries, "" for each hidden one.
QStringList recentCaptions(MainWindow &window)
{
    QStringList captions;
    for (int i = 0; i < 4; ++i) {
        QAction *item = window.action(QStringLiteral("mirecent%1").arg(i));
        captions << (item->isVisible() ? item->data().toString() : QString());
    }
    return captions;
}
} // namespace

// The main window's commands, driven through the fakes of the desktop services.
class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    // A tool's letter chooses it from anywhere in the window but a text box, which keeps its
    // letters (typing a name never changes the tool).
    void toolLettersReachTheWindow()
    {
        FakeWindow bench;
        MainWindow &w = bench.window;
        QTest::keyClick(w.nameBox(), Qt::Key_L);
        QCOMPARE(w.tools().checkedTool(), Tool::Pen);
        QVERIFY(w.nameBox()->text().endsWith(u'l', Qt::CaseInsensitive));
        QTest::keyClick(w.findChild<QPushButton *>(), Qt::Key_R); // the button takes no letters
        QCOMPARE(w.tools().checkedTool(), Tool::Bar);
        QTest::keyClick(&w, Qt::Key_L, Qt::ShiftModifier);
        QCOMPARE(w.tools().checkedTool(), Tool::WhLine);
        w.edit().toggleGreyLevels();
        QTest::keyClick(&w.canvas(), Qt::Key_K); // the canvas passes it on to the window
        QVERIFY(w.tools().pickingLevel());
        QCOMPARE(w.statusTool(), QStringLiteral("Pick Level  100%"));
    }

    void startUp()
    {
        FakeWindow bench;
        MainWindow &w = bench.window;
        QCOMPARE(w.windowTitle(), QStringLiteral("TI-89 DOTLARK Plus v.3.0"));
        QCOMPARE(menuState(w), QStringLiteral("EEDDD"));
        QCOMPARE(w.document().pixels().width(), 160);
        QCOMPARE(w.document().pixels().height(), 77);
        QCOMPARE(w.canvas().size(), QSize(547, 266));
        QCOMPARE(w.folderBox()->text(), QStringLiteral("main"));
        QCOMPARE(w.nameBox()->text(), QStringLiteral("picture"));
        QCOMPARE(w.commentBox()->text(), QStringLiteral("made with DOTLARK"));
        QCOMPARE(w.tools().currentTool(), Tool::None);
        QCOMPARE(w.tools().savedTool(), Tool::Pen);
        QVERIFY(w.action(QStringLiteral("mitool1"))->isChecked());
        QCOMPARE(w.pageSetup().width, 4.0);
        QCOMPARE(recentCaptions(bench.window), QStringList({"", "", "", ""}));
    }

    void layout()
    {
        FakeWindow bench;
        MainWindow &w = bench.window;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QWidget *client = w.centralWidget();
        QCOMPARE(client->size(), QSize(592, 425));
        QCOMPARE(w.canvas().mapTo(client, QPoint(0, 0)), QPoint(24, 88));
        QCOMPARE(w.folderBox()->geometry(), QRect(250, 36, 95, 32));
        QCOMPARE(w.nameBox()->geometry(), QRect(465, 35, 95, 32));
        QCOMPARE(w.commentBox()->geometry(), QRect(127, 370, 337, 24));
        QCOMPARE(w.minimumSize(), w.size()); // it opens at its smallest size
        w.resize(w.size() + QSize(200, 100)); // grown: the canvas's frame grows, the boxes keep their places
        QCOMPARE(w.findChild<QScrollArea *>()->size(), QSize(547 + 200, 266 + 100));
        QCOMPARE(w.folderBox()->geometry(), QRect(250, 36, 95, 32));
        QCOMPARE(w.commentBox()->geometry(), QRect(127, 470, 337, 24));
        w.resize(w.minimumSize());
        QCOMPARE(w.action(QStringLiteral("miCls"))->text(), QStringLiteral("&ClrDraw "));
        QCOMPARE(w.action(QStringLiteral("miCls"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
    }

    void openFromDialog()
    {
        FakeWindow bench;
        bench.fakes.files.files[QStringLiteral("/p/a.89i")] = sample(20, 10, {.folder = "fold", .name = "name", .comment = "a comment"});
        bench.fakes.dialogs.choose(QStringLiteral("/p/a.89i"));
        bench.window.tools().miTool_Click(Tool::Bar);
        bench.window.miOpen_click();
        MainWindow &w = bench.window;
        QCOMPARE(bench.fakes.dialogs.requests.first().title, QStringLiteral("TI-89 DOTLARK: Open File"));
        QCOMPARE(menuState(w), QStringLiteral("EEEEE"));
        QCOMPARE(w.currentFile(), QStringLiteral("/p/a.89i"));
        QCOMPARE(w.statusFileName(), QStringLiteral("a.89i"));
        QCOMPARE(w.folderBox()->text(), QStringLiteral("fold"));
        QCOMPARE(w.commentBox()->text(), QStringLiteral("a comment"));
        QCOMPARE(w.document().pixels().width(), 20);
        QCOMPARE(w.document().width(), 20);
        QCOMPARE(w.canvas().scaleHeight(), 10);
        QCOMPARE(w.tools().currentTool(), Tool::None); // parked until the next press
        QVERIFY(w.action(QStringLiteral("mitool7"))->isChecked());
        QCOMPARE(w.canvas().size(), QSize(520, 260)); // fitted to the frame in cells of 26 screen pixels
        w.miActualSize_Click();
        QCOMPARE(w.canvas().image(), w.canvas().render(w.document().pixels()));
        QCOMPARE(recentCaptions(bench.window), QStringList({"a.89i", "", "", ""}));
    }

    // Files the reader cannot take are refused with a message naming them; nothing changes.
    void openRefused_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("wrong ending") << "/p/a.891" << sample(5, 5) << "Not a valid filename!";
        QTest::newRow("missing") << "/p/gone.89i" << QByteArray() << "/p/gone.89i";
        QTest::newRow("truncated") << "/p/short.89i" << sample(160, 77).left(500) << "/p/short.89i";
        QTest::newRow("header only") << "/p/tiny.89i" << QByteArray(40, 'x') << "/p/tiny.89i";
        QTest::newRow("absurd size") << "/p/huge.89i" << sample(160, 77).replace(90, 2, "\x7f\xff") << "/p/huge.89i";
    }
    void openRefused()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        FakeWindow bench;
        if (!bytes.isEmpty())
            bench.fakes.files.files[path] = bytes;
        drawDot(bench.window);
        bench.window.miCls_Click();
        drawDot(bench.window);
        const PixelGrid before = bench.window.document().pixels();
        bench.fakes.dialogs.choose(path);
        bench.window.miOpen_click();
        QCOMPARE(bench.fakes.messages.shown.size(), 1);
        QVERIFY2(bench.fakes.messages.shown.first().text.contains(message), qPrintable(bench.fakes.messages.shown.first().text));
        QCOMPARE(bench.window.document().pixels(), before);
        QCOMPARE(bench.window.currentFile(), QString());
        QCOMPARE(menuState(bench.window), QStringLiteral("DDDEE"));
        QCOMPARE(recentCaptions(bench.window), QStringList({"", "", "", ""}));
    }

    void saveWritesTheDocument()
    {
        FakeWindow bench;
        bench.fakes.files.files[QStringLiteral("/p/a.89i")] = sample(20, 10);
        QVERIFY(bench.window.OpenFile(QStringLiteral("/p/a.89i"), QStringLiteral("a.89i")));
        drawDot(bench.window, 5.5f, 5.5f);
        QCOMPARE(menuState(bench.window), QStringLiteral("DDEEE"));
        bench.window.miSave_click();
        QCOMPARE(bench.fakes.messages.shown.size(), 0);
        QCOMPARE(menuState(bench.window), QStringLiteral("EEEEE"));
        const QByteArray saved = bench.fakes.files.files.value(QStringLiteral("/p/a.89i"));
        const DecodeResult back = decode89i(asBytes(saved));
        QCOMPARE(back.picture.width, 20);
        QCOMPARE(back.picture.pixels.at(0, 0), 1);
        QCOMPARE(back.picture.pixels.at(5, 5), 1);
    }

    void saveFailureKeepsDrawingUnsaved()
    {
        FakeWindow bench;
        bench.fakes.files.files[QStringLiteral("/p/a.89i")] = sample(20, 10);
        bench.window.OpenFile(QStringLiteral("/p/a.89i"), QStringLiteral("a.89i"));
        drawDot(bench.window);
        bench.fakes.files.unwritable << QStringLiteral("/p/a.89i");
        bench.window.miSave_click();
        QCOMPARE(bench.fakes.messages.shown.size(), 1);
        QVERIFY(bench.fakes.messages.shown.first().text.startsWith(QStringLiteral("ERROR in Saving!")));
        QCOMPARE(menuState(bench.window), QStringLiteral("DDEEE"));
        QCOMPARE(bench.fakes.files.files.value(QStringLiteral("/p/a.89i")), sample(20, 10));
    }

    void saveAs_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("menus");
        QTest::newRow("picture") << "/p/new.89i" << 1 << "/p/new.89i" << "" << "EEEEE";
        QTest::newRow("upper-case ending") << "/p/NEW.89I" << 1 << "/p/NEW.89I" << "" << "EEEEE";
        QTest::newRow("bitmap by filter") << "/p/pic" << 2 << "/p/pic.bmp" << "" << "DDDEE";
        QTest::newRow("bitmap by filter keeps .89i") << "/p/pic.89i" << 2 << "/p/pic.89i.bmp" << "" << "DDDEE";
        QTest::newRow("bitmap by name") << "/p/pic.BMP" << 1 << "/p/pic.BMP" << "" << "DDDEE";
        QTest::newRow("no ending") << "/p/pic" << 1 << "" << "Invalid Filename: Use *.89i" << "DDDEE";
        QTest::newRow("unwritable") << "/ro/pic.89i" << 1 << "" << "Disk write error" << "DDDEE";
    }
    void saveAs()
    {
        QFETCH(QString, chosen);
        QFETCH(int, filter);
        QFETCH(QString, written);
        QFETCH(QString, message);
        QFETCH(QString, menus);
        FakeWindow bench;
        bench.fakes.files.unwritable << QStringLiteral("/ro/pic.89i");
        drawDot(bench.window);
        bench.fakes.dialogs.choose(chosen, filter);
        bench.window.miSaveAs_Click();
        QCOMPARE(bench.fakes.files.written, written.isEmpty() ? QStringList() : QStringList{written});
        QCOMPARE(bench.fakes.messages.shown.isEmpty(), message.isEmpty());
        if (!message.isEmpty())
            QVERIFY(bench.fakes.messages.shown.first().text.startsWith(message));
        QCOMPARE(menuState(bench.window), menus);
        const bool savedPicture = menus == QStringLiteral("EEEEE");
        QCOMPARE(bench.window.currentFile(), savedPicture ? chosen : QString());
        QCOMPARE(recentCaptions(bench.window).first().isEmpty(), !savedPicture);
        if (written.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive)) {
            const QImage bitmap = QImage::fromData(bench.fakes.files.files.value(written), "bmp");
            QCOMPARE(bitmap.size(), QSize(547, 266));
            QCOMPARE(bitmap.pixel(0, 0), qRgb(224, 224, 224));
            QCOMPARE(bitmap.pixel(12, 12), qRgb(0, 0, 0)); // pixel (3, 3) drawn by the press
            QCOMPARE(bench.fakes.files.files.value(written).at(28), char(24)); // bits per pixel
        }
    }

    // The bitmap filter adds ".bmp" after the dialog asked about the name as typed, so
    // replacing the file really written is asked about separately.
    void bitmapExportAsksBeforeReplacing_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("written");
        QTest::newRow("ending added, replace") << "/p/pic" << int(Messages::Answer::Yes) << true << true;
        QTest::newRow("ending added, keep") << "/p/pic" << int(Messages::Answer::No) << true << false;
        QTest::newRow("ending typed: the dialog asked") << "/p/pic.bmp" << int(Messages::Answer::No) << false << true;
    }
    void bitmapExportAsksBeforeReplacing()
    {
        QFETCH(QString, chosen);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, written);
        FakeWindow bench;
        bench.fakes.files.files[QStringLiteral("/p/pic.bmp")] = "old";
        bench.fakes.messages.answers.push_back(Messages::Answer(answer));
        bench.fakes.dialogs.choose(chosen, 2);
        bench.window.miSaveAs_Click();
        QCOMPARE(bench.fakes.messages.shown.size(), asked ? 1 : 0);
        if (asked) {
            QCOMPARE(bench.fakes.messages.shown.first().text,
                     QStringLiteral("/p/pic.bmp already exists.\rDo you want to replace it?"));
            QCOMPARE(bench.fakes.messages.shown.first().buttons, Messages::Buttons::YesNo);
        }
        QCOMPARE(bench.fakes.files.files.value(QStringLiteral("/p/pic.bmp")) != "old", written);
    }

    void badNamesStopBothSaves()
    {
        FakeWindow bench;
        drawDot(bench.window);
        bench.window.nameBox()->setText(QStringLiteral("1pic"));
        bench.window.folderBox()->setText(QStringLiteral("a b"));
        bench.fakes.dialogs.choose(QStringLiteral("/p/x.89i"));
        bench.window.miSaveAs_Click();
        QCOMPARE(bench.fakes.messages.shown.size(), 2);
        QCOMPARE(bench.fakes.messages.shown[0].caption, QStringLiteral("Pic Var ERROR!"));
        QCOMPARE(bench.fakes.messages.shown[1].caption, QStringLiteral("Folder Name ERROR!"));
        QVERIFY(bench.fakes.dialogs.requests.isEmpty());
        QVERIFY(bench.fakes.files.written.isEmpty());
    }

    void drop_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<bool>("unsaved");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("opened");
        QTest::newRow("first of two") << QStringList{"/p/a.89i", "/p/b.89i"} << false << "" << "/p/a.89i";
        QTest::newRow("not a picture") << QStringList{"/p/a.png"} << false << "Drag/Drop Error" << "";
        QTest::newRow("over unsaved drawing") << QStringList{"/p/a.89i"} << true << "TI-89 DOTLARK Plus" << "";
        QTest::newRow("no files") << QStringList{} << false << "" << "";
    }
    void drop()
    {
        QFETCH(QStringList, paths);
        QFETCH(bool, unsaved);
        QFETCH(QString, caption);
        QFETCH(QString, opened);
        FakeWindow bench;
        bench.fakes.files.files[QStringLiteral("/p/a.89i")] = sample(8, 8);
        bench.fakes.files.files[QStringLiteral("/p/b.89i")] = sample(9, 9);
        if (unsaved)
            drawDot(bench.window);
        bench.window.Picture1_OLEDragDrop(paths);
        QCOMPARE(bench.fakes.messages.shown.isEmpty(), caption.isEmpty());
        if (!caption.isEmpty())
            QCOMPARE(bench.fakes.messages.shown.first().caption, caption);
        QCOMPARE(bench.window.currentFile(), opened);
        QCOMPARE(bench.window.statusFileName(), opened.section(u'/', -1));
        QCOMPARE(bench.window.document().menus().hasUnsavedDrawing(), unsaved);
    }

    void recentFiles()
    {
        FakeWindow bench({}, {"/old/one.89i", "/old/two.89i"});
        QCOMPARE(recentCaptions(bench.window), QStringList({"one.89i", "two.89i", "", ""}));
        for (const char *name : {"/p/a.89i", "/q/a.89i", "/p/c.89i"})
            bench.fakes.files.files[QString::fromLatin1(name)] = sample(8, 8);
        for (const char *name : {"/p/a.89i", "/q/a.89i", "/p/c.89i"}) {
            bench.fakes.dialogs.choose(QString::fromLatin1(name));
            bench.window.miOpen_click();
        }
        // The oldest entry has gone; equal names in two folders keep their own paths.
        QCOMPARE(recentCaptions(bench.window), QStringList({"c.89i", "a.89i", "a.89i", "one.89i"}));
        QCOMPARE(bench.window.recentFiles().at(2).path, QStringLiteral("/p/a.89i"));
        bench.window.miRecent_Click(2);
        QCOMPARE(bench.window.currentFile(), QStringLiteral("/p/a.89i"));
        QCOMPARE(recentCaptions(bench.window).first(), QStringLiteral("c.89i")); // no reordering
        drawDot(bench.window);
        bench.window.miRecent_Click(1);
        QCOMPARE(bench.fakes.messages.texts(), QStringList{"Current image not saved. Save it or clear it."});
        QCOMPARE(bench.window.currentFile(), QStringLiteral("/p/a.89i"));
    }

    void exitAsksOnlyForUnsavedDrawing()
    {
        FakeWindow bench({}, {"/old/one.89i"});
        bench.window.miExit_Click();
        QCOMPARE(bench.ended, 1);
        QCOMPARE(bench.fakes.settings.values.value(QStringLiteral("dotlark95/Recent Files/0recent")),
                 QStringLiteral("/old/one.89i"));
        QVERIFY(!bench.fakes.settings.values.contains(QStringLiteral("dotlark95/Recent Files/1recent")));

        drawDot(bench.window);
        bench.fakes.settings.values.clear();
        // "Continue   Working" leaves the window as it was, and asking again asks again.
        for (int attempt = 1; attempt <= 2; ++attempt) {
            bench.fakes.questions.exitChoices.push_back(Questions::ExitChoice::ContinueWorking);
            bench.window.close();
            QCOMPARE(bench.fakes.questions.exitAsked, attempt);
            QCOMPARE(bench.ended, 1);
            QVERIFY(bench.fakes.settings.values.contains(QStringLiteral("dotlark95/Recent Files/0recent")));
        }
        bench.fakes.questions.exitChoices.push_back(Questions::ExitChoice::Quit);
        bench.window.miExit_Click();
        QCOMPARE(bench.ended, 2);
    }

    void newAndClrDraw()
    {
        FakeWindow bench;
        drawDot(bench.window);
        bench.window.miCls_Click();
        QCOMPARE(menuState(bench.window), QStringLiteral("EEDDD"));
        QCOMPARE(bench.window.document().pixels(), PixelGrid(160, 77));
        QCOMPARE(bench.window.canvas().image(), bench.window.canvas().render(PixelGrid()));

        bench.fakes.questions.newSizes.push_back(QSize(100, 50));
        bench.window.miNew_Click();
        QCOMPARE(bench.window.canvas().scaleWidth(), 100);
        QCOMPARE(bench.window.document().pixels().width(), 100);
        QCOMPARE(bench.window.document().height(), 50);
        bench.fakes.questions.newSizes.push_back(std::nullopt);
        bench.window.miNew_Click(); // cancelled: everything stays
        QCOMPARE(bench.window.document().width(), 100);
        QCOMPARE(bench.window.document().height(), 50);
        QCOMPARE(bench.window.canvas().scaleWidth(), 100);
    }

    // The right button pops up the twelve designed tools and the four added after them, each
    // with its key, the current one checked.
    void toolPopUp()
    {
        FakeWindow bench;
        bench.fakes.questions.menuChoices.push_back(4);
        bench.window.tools().Picture1_MouseDown(2, 3.5f, 3.5f);
        QCOMPARE(bench.fakes.questions.lastMenu.size(), 16);
        QCOMPARE(bench.fakes.questions.lastMenu.last(), QStringLiteral("&Text\tT"));
        QCOMPARE(bench.fakes.questions.lastMenu.at(4), QStringLiteral("Box\tB"));
        QCOMPARE(bench.fakes.questions.lastMenu.at(3), QStringLiteral("WhLine\tShift+L"));
        QCOMPARE(bench.fakes.questions.lastChecked, 0); // Pen
        QCOMPARE(bench.window.tools().checkedTool(), Tool::Box);
        QVERIFY(bench.window.action(QStringLiteral("mitool5"))->isChecked());
    }

    void import()
    {
        FakeWindow bench;
        QImage picture(1, 1, QImage::Format_RGB32);
        picture.fill(Qt::black);
        bench.fakes.pictures.pictures[QStringLiteral("/p/dot.bmp")] = picture;
        bench.fakes.dialogs.choose(QStringLiteral("/p/dot.bmp"));
        bench.window.miImport_Click();
        QCOMPARE(bench.fakes.messages.shown.first().caption, QStringLiteral("Import..."));
        QCOMPARE(bench.fakes.messages.shown.first().text, QStringLiteral("/p/dot.bmp\n\r\n\r     ...this picture?"));
        QCOMPARE(bench.window.document().pixels().at(80, 38), 1);
        QCOMPARE(menuState(bench.window), QStringLiteral("EDDEE"));
        QCOMPARE(bench.window.tools().currentTool(), Tool::Pen);

        bench.fakes.messages.answers.push_back(Messages::Answer::No);
        bench.fakes.dialogs.choose(QStringLiteral("/p/dot.bmp"));
        bench.window.miCls_Click();
        bench.window.miImport_Click();
        QCOMPARE(bench.window.document().pixels().at(80, 38), 0);
    }

    void toolbarGuards_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("drawn");
        QTest::addColumn<QString>("message");
        QTest::newRow("open over drawing") << "Open" << true << "Current image not saved. Save it or clear it.";
        QTest::newRow("save with nothing") << "Save" << false << "Nothing to save.";
        QTest::newRow("print with nothing") << "Print" << false << "Nuttin' to print.";
        QTest::newRow("print a drawing") << "Print" << true << "";
        QTest::newRow("separator") << "" << true << "";
    }
    void toolbarGuards()
    {
        QFETCH(QString, key);
        QFETCH(bool, drawn);
        QFETCH(QString, message);
        FakeWindow bench;
        if (drawn)
            drawDot(bench.window);
        bench.window.Toolbar1_ButtonClick(key);
        QCOMPARE(bench.fakes.messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(bench.fakes.printDialog.asked, key == QStringLiteral("Print") && drawn ? 1 : 0);
    }

    void toolbarSaveGoesToFileWhenKnown()
    {
        FakeWindow bench;
        bench.fakes.files.files[QStringLiteral("/p/a.89i")] = sample(8, 8);
        bench.window.OpenFile(QStringLiteral("/p/a.89i"), QStringLiteral("a.89i"));
        drawDot(bench.window);
        bench.window.Toolbar1_ButtonClick(QStringLiteral("Save"));
        QCOMPARE(bench.fakes.files.written, QStringList{"/p/a.89i"});
        QVERIFY(bench.fakes.dialogs.requests.isEmpty());
    }

    void commandLine_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("opened");
        QTest::newRow("quoted") << "\"/p/with blank.89i\"" << "/p/with blank.89i";
        QTest::newRow("unquoted with blanks") << "/p/with blank.89i" << "/p/with blank.89i";
        QTest::newRow("any ending") << "/p/picture.dat" << "/p/picture.dat";
    }
    void commandLine()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, opened);
        FakeServices fakes;
        fakes.files.files[opened] = sample(12, 12);
        MainWindow window(fakes.services());
        window.Form_Load(commandLine);
        QCOMPARE(window.currentFile(), opened);
        QCOMPARE(window.document().width(), 12);
        QCOMPARE(window.recentFiles().at(0).path, opened);
    }

    // A file named on the command line that cannot be read is refused over the window.
    void commandLineRefusalShowsOverTheWindow()
    {
        FakeServices fakes;
        MainWindow window(fakes.services());
        bool windowShown = false;
        fakes.messages.onShow = [&] { windowShown = window.isVisible(); };
        window.start({QStringLiteral("/p/missing.89i")});
        QCOMPARE(fakes.messages.shown.size(), 1);
        QVERIFY(windowShown);
    }

    // Centred with everything it has: menu bar, controls and status bar.
    void startsCentred()
    {
        FakeWindow bench;
        QVERIFY(QTest::qWaitForWindowExposed(&bench.window));
        const QRect screen = bench.window.screen()->geometry();
        const QRect frame = bench.window.frameGeometry();
        QCOMPARE(frame.topLeft() - screen.topLeft(), centredTopLeft(screen.size(), frame.size()));
    }

    // Ctrl+C is ClrDraw, except in a text box, where it copies the text.
    void clrDrawShortcutLeavesTextBoxesAlone()
    {
        FakeWindow bench;
        bench.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bench.window));
        drawDot(bench.window);
        bench.window.commentBox()->setFocus();
        QTest::keyClick(bench.window.commentBox(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(bench.window.document().pixels().at(3, 3), 1);
        // A click on the canvas takes the keyboard back for the window's shortcuts.
        QTest::mouseClick(&bench.window.canvas(), Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(QApplication::focusWidget(), &bench.window.canvas());
        QTest::keyClick(&bench.window.canvas(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(bench.window.document().pixels().at(3, 3), 0);
    }

    // The Edit menu's keys that a text box uses too (Ctrl+V, Del, Ctrl+C with a selection)
    // are the text box's while it has the focus, the picture's on the canvas.
    void editKeysLeaveTextBoxesAlone()
    {
        FakeWindow bench;
        MainWindow &w = bench.window;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        drawDot(w);
        w.action(QStringLiteral("miSelectAll"))->trigger();
        w.commentBox()->setFocus();
        for (const auto &[key, modifiers] : {std::pair{Qt::Key_C, Qt::ControlModifier}, {Qt::Key_Delete, Qt::NoModifier},
                                            {Qt::Key_V, Qt::ControlModifier}})
            QTest::keyClick(w.commentBox(), key, modifiers);
        QCOMPARE(w.document().pixels().at(3, 3), 1);
        QVERIFY(w.tools().selection().active() && !w.tools().selection().floating());
        w.canvas().setFocus();
        QTest::keyClick(&w.canvas(), Qt::Key_C, Qt::ControlModifier); // copies the selection
        QTest::keyClick(&w.canvas(), Qt::Key_Delete);
        QCOMPARE(w.document().pixels().at(3, 3), 0);
        QTest::keyClick(&w.canvas(), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(w.tools().selection().floating());
    }

    void tabGoesRoundTheControls()
    {
        FakeWindow bench;
        QVERIFY(QTest::qWaitForWindowExposed(&bench.window));
        bench.window.folderBox()->setFocus();
        QList<QWidget *> reached;
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << QApplication::focusWidget();
        }
        QCOMPARE(reached, (QList<QWidget *>{bench.window.nameBox(), &bench.window.canvas(), bench.window.commentBox()}));
    }

    void textBoxLimitsTypingOnly()
    {
        TextBox box(39);
        const QString forty(40, u'x');
        box.setText(forty);
        QCOMPARE(box.text(), forty);
        box.setCursorPosition(40);
        QTest::keyClicks(&box, QStringLiteral("yz"));
        QCOMPARE(box.text(), forty);
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClicks(&box, QStringLiteral("abc"));
        QCOMPARE(box.text(), QString(38, u'x') + QStringLiteral("a"));
    }


    // Each change of the picture is one step: undone, the picture and canvas are as before
    // and count as drawn on, unsaved (as after a drawing press); redone, as after, the File
    // menu too (ClrDraw and New leave nothing to save, as they did).
    void undoAndRedo_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("stroke") << "stroke";
        QTest::newRow("ClrDraw") << "ClrDraw";
        QTest::newRow("New") << "New";
        QTest::newRow("import") << "import";
    }
    void undoAndRedo()
    {
        QFETCH(QString, change);
        FakeWindow bench;
        MainWindow &w = bench.window;
        QAction *undo = w.action(QStringLiteral("miUndo")), *redo = w.action(QStringLiteral("miRedo"));
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        drawDot(bench.window);
        w.tools().Picture1_MouseUp(1, 3.5f, 3.5f);
        const PixelGrid before = w.document().pixels();
        const QSize sizeBefore(w.canvas().scaleWidth(), w.canvas().scaleHeight());
        if (change == "stroke") {
            w.tools().Picture1_MouseDown(1, 10.5f, 10.5f);
            w.tools().Picture1_MouseMove(1, 20.5f, 12.5f);
            w.tools().Picture1_MouseUp(1, 20.5f, 12.5f);
        } else if (change == "ClrDraw") {
            w.miCls_Click();
        } else if (change == "New") {
            w.miCls_Click();
            undo->trigger();
            bench.fakes.questions.newSizes.push_back(QSize(20, 10));
            w.miNew_Click();
        } else {
            QImage picture(1, 1, QImage::Format_RGB32);
            picture.fill(Qt::black);
            bench.fakes.pictures.pictures[QStringLiteral("/p/dot.bmp")] = picture;
            bench.fakes.dialogs.choose(QStringLiteral("/p/dot.bmp"));
            w.miImport_Click();
        }
        const PixelGrid after = w.document().pixels();
        const QSize sizeAfter(w.canvas().scaleWidth(), w.canvas().scaleHeight());
        const QString menusAfter = menuState(w);
        QVERIFY(after != before);
        QVERIFY(undo->isEnabled() && !redo->isEnabled());

        undo->trigger();
        QCOMPARE(w.document().pixels(), before);
        QCOMPARE(QSize(w.canvas().scaleWidth(), w.canvas().scaleHeight()), sizeBefore);
        QCOMPARE(QSize(w.document().width(), w.document().height()), sizeBefore);
        QCOMPARE(w.canvas().image(), w.canvas().render(before));
        QCOMPARE(menuState(w), QStringLiteral("DDDEE"));
        QVERIFY(redo->isEnabled());

        redo->trigger();
        QCOMPARE(w.document().pixels(), after);
        QCOMPARE(QSize(w.canvas().scaleWidth(), w.canvas().scaleHeight()), sizeAfter);
        w.miActualSize_Click(); // a New picture smaller than the frame shows fitted
        QCOMPARE(w.canvas().image(), w.canvas().render(after));
        QCOMPARE(menuState(w), menusAfter);
        QVERIFY(!redo->isEnabled());
    }

    // Undo past the first change does nothing; a new change drops the redo; reading a file
    // starts a new history.
    void historyLimits()
    {
        FakeWindow bench;
        MainWindow &w = bench.window;
        drawDot(bench.window);
        w.tools().Picture1_MouseUp(1, 3.5f, 3.5f);
        w.miUndo_Click();
        w.miUndo_Click();
        QCOMPARE(w.document().pixels(), PixelGrid(160, 77));
        QVERIFY(!w.action(QStringLiteral("miUndo"))->isEnabled());
        w.tools().Picture1_MouseDown(1, 5.5f, 5.5f);
        w.tools().Picture1_MouseUp(1, 5.5f, 5.5f);
        QVERIFY(!w.action(QStringLiteral("miRedo"))->isEnabled());
        QVERIFY(w.action(QStringLiteral("miUndo"))->isEnabled());

        w.miCls_Click();
        bench.fakes.files.files[QStringLiteral("/p/a.89i")] = sample(20, 10);
        bench.fakes.dialogs.choose(QStringLiteral("/p/a.89i"));
        w.miOpen_click();
        QVERIFY(!w.action(QStringLiteral("miUndo"))->isEnabled());
        w.miUndo_Click();
        QCOMPARE(w.document().width(), 20);
        QCOMPARE(menuState(w), QStringLiteral("EEEEE"));
    }

    // What the user types in the three boxes is unsaved work once there is a picture to
    // save: New and Open are disabled, Exit and the close box ask, the toolbar's Open, a
    // recent file and a drop are refused, until the texts are saved or typed back. The
    // texts Open put there are not.
    void editedTextsAreUnsavedWork_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("keys"); // typed at the end of the box; '<' is Backspace
        QTest::addColumn<bool>("opened");
        QTest::addColumn<bool>("unsaved");
        QTest::newRow("folder") << "Text3" << "x" << true << true;
        QTest::newRow("pic var name") << "Text2" << "x" << true << true;
        QTest::newRow("comment") << "Text1" << " too" << true << true;
        QTest::newRow("typed back") << "Text1" << "x<" << true << false;
        QTest::newRow("no picture to save") << "Text1" << "x" << false << false;
    }
    void editedTextsAreUnsavedWork()
    {
        QFETCH(QString, box);
        QFETCH(QString, keys);
        QFETCH(bool, opened);
        QFETCH(bool, unsaved);
        FakeWindow bench({}, {"/p/b.89i"});
        MainWindow &w = bench.window;
        bench.fakes.files.files[QStringLiteral("/p/a.89i")] = sample(20, 10);
        bench.fakes.files.files[QStringLiteral("/p/b.89i")] = sample(8, 8);
        if (opened)
            QVERIFY(w.OpenFile(QStringLiteral("/p/a.89i"), QStringLiteral("a.89i")));
        const QString before = menuState(w);
        TextBox *typedIn = box == "Text1" ? w.commentBox() : box == "Text2" ? w.nameBox() : w.folderBox();
        typedIn->end(false);
        for (const QChar key : keys)
            if (key == u'<')
                QTest::keyClick(typedIn, Qt::Key_Backspace);
            else
                QTest::keyClick(typedIn, key.toLatin1());
        QCOMPARE(menuState(w), unsaved ? "DD" + before.mid(2) : before);

        w.miExit_Click();
        w.close();
        QCOMPARE(bench.fakes.questions.exitAsked, unsaved ? 2 : 0);
        QCOMPARE(bench.ended, unsaved ? 0 : 2);
        w.Toolbar1_ButtonClick(QStringLiteral("Open"));
        w.miRecent_Click(0);
        w.Picture1_OLEDragDrop({QStringLiteral("/p/b.89i")});
        QCOMPARE(bench.fakes.messages.texts(),
                 unsaved ? QStringList(3, QStringLiteral("Current image not saved. Save it or clear it.")) : QStringList());
        if (!unsaved)
            return;
        w.miSave_click();
        QCOMPARE(menuState(w), QStringLiteral("EEEEE"));
        const CalcPicture saved = decode89i(asBytes(bench.fakes.files.files.value(QStringLiteral("/p/a.89i")))).picture;
        QCOMPARE(QString::fromStdString(box == "Text1" ? saved.comment : box == "Text2" ? saved.name : saved.folder),
                 typedIn->text());
    }

    // Undo or redo onto the step the file holds gives the File menu of a saved picture, any
    // other step that of unsaved drawing; Exit asks exactly then. An import forgets the file;
    // ClrDraw does until it is undone; edited texts stay unsaved on every step.
    void savedStepOfTheHistory_data()
    {
        QTest::addColumn<QString>("script"); // after opening a file
        QTest::addColumn<QString>("menus");
        QTest::newRow("drawn, undone") << "draw undo" << "EEEEE";
        QTest::newRow("undone, redone") << "draw undo redo" << "DDEEE";
        QTest::newRow("two strokes undone") << "draw draw undo undo" << "EEEEE";
        QTest::newRow("undone past the file") << "draw draw undo" << "DDEEE";
        QTest::newRow("saved, undone") << "draw save undo" << "DDEEE";
        QTest::newRow("saved, undone, redone") << "draw save undo redo" << "EEEEE";
        QTest::newRow("new stroke where the saved one was") << "draw save undo draw" << "DDEEE";
        QTest::newRow("new stroke undone") << "draw undo draw undo" << "EEEEE";
        // Undone, ClrDraw gives back the file, its texts and its File menu with the pixels.
        QTest::newRow("ClrDraw undone gives the file back") << "draw clear undo undo" << "EEEEE";
        QTest::newRow("ClrDraw undone, drawing unsaved") << "draw clear undo" << "DDEEE";
        // An import forgets the file: Save has nothing to write to, Save As asks where.
        QTest::newRow("import forgets the file") << "import undo" << "DDDEE";
        QTest::newRow("typed, drawn, undone") << "type draw undo" << "DDEEE";
        QTest::newRow("typed, saved, drawn, undone") << "type save draw undo" << "EEEEE";
    }
    void savedStepOfTheHistory()
    {
        QFETCH(QString, script);
        QFETCH(QString, menus);
        FakeWindow bench;
        MainWindow &w = bench.window;
        bench.fakes.files.files[QStringLiteral("/p/a.89i")] = sample(20, 10);
        QImage black(160, 77, QImage::Format_RGB32);
        black.fill(Qt::black);
        bench.fakes.pictures.pictures[QStringLiteral("/p/black.bmp")] = black;
        QVERIFY(w.OpenFile(QStringLiteral("/p/a.89i"), QStringLiteral("a.89i")));
        w.tools().miTool_Click(Tool::Pen); // the first press draws: no tool is parked
        int strokes = 0;
        for (const QString &step : script.split(u' ')) {
            if (step == "draw") {
                const float x = 2.5f + float(strokes++);
                w.tools().Picture1_MouseDown(1, x, 5.5f);
                w.tools().Picture1_MouseUp(1, x, 5.5f);
            } else if (step == "undo") {
                w.miUndo_Click();
            } else if (step == "redo") {
                w.miRedo_Click();
            } else if (step == "save") {
                w.miSave_click();
            } else if (step == "clear") {
                w.miCls_Click();
            } else if (step == "type") {
                QTest::keyClicks(w.commentBox(), QStringLiteral("!"));
            } else {
                bench.fakes.dialogs.choose(QStringLiteral("/p/black.bmp"));
                w.miImport_Click();
            }
        }
        QCOMPARE(menuState(w), menus);
        w.miExit_Click();
        QCOMPARE(bench.fakes.questions.exitAsked, menus[1] == u'D' ? 1 : 0);
        QCOMPARE(bench.ended, menus[1] == u'D' ? 0 : 1);
    }

    // The Draw menu keeps its designed items first; the zoom and the history follow, each
    // group after a separator, with their keys.
    void drawMenuItems()
    {
        FakeWindow bench;
        QMenu *draw = bench.window.menuBar()->actions().at(2)->menu(); // after File and Edit
        QStringList items;
        for (QAction *item : draw->actions())
            items << (item->isSeparator() ? QStringLiteral("-") : item->text());
        QCOMPARE(items, QStringList({"&ClrDraw ", "Tools...", "-", "Zoom In", "Zoom Out", "Actual Size", "Fit", "-",
                                     "Undo", "Redo"}));
        QCOMPARE(bench.window.menuBar()->actions().size(), 5); // File, Edit, Draw, View, Help
        const auto keys = [&](const char *name) { return bench.window.action(QString::fromLatin1(name))->shortcuts(); };
        QCOMPARE(keys("miUndo"), QList<QKeySequence>({QKeySequence(QStringLiteral("Ctrl+Z"))}));
        QCOMPARE(keys("miRedo"), QList<QKeySequence>({QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
        QCOMPARE(keys("miZoomIn"), QList<QKeySequence>({QKeySequence(QStringLiteral("Ctrl++")), QKeySequence(QStringLiteral("Ctrl+="))}));
        QCOMPARE(keys("miZoomOut"), QList<QKeySequence>({QKeySequence(QStringLiteral("Ctrl+-"))}));
        QCOMPARE(keys("miActualSize"), QList<QKeySequence>({QKeySequence(QStringLiteral("Ctrl+0"))}));
    }

    // Zooming resizes the canvas inside its frame; the actual size is the designed canvas,
    // and the bitmap export keeps that size at any zoom.
    void zoom()
    {
        FakeWindow bench;
        MainWindow &w = bench.window;
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.miZoomIn_Click();
        QCOMPARE(w.canvas().size(), QSize(800, 385)); // sqrt(2) times 3.4: cells of 5
        for (int i = 0; i < 10; ++i)
            w.miZoomIn_Click();
        QCOMPARE(w.canvas().width(), 160 * 64); // cells of 64 screen pixels at most
        w.miActualSize_Click();
        QCOMPARE(w.canvas().size(), QSize(547, 266));
        QCOMPARE(w.canvas().mapTo(w.centralWidget(), QPoint(0, 0)), QPoint(24, 88));
        for (int i = 0; i < 5; ++i)
            w.miZoomOut_Click(); // down to a quarter
        QCOMPARE(w.canvas().size(), QSize(137, 67));
        w.miActualSize_Click();

        w.miZoomIn_Click();
        drawDot(bench.window, 2.5f, 2.5f);
        bench.fakes.dialogs.choose(QStringLiteral("/p/shown.bmp"), 2);
        w.miSaveAs_Click();
        QImage shown;
        QVERIFY(shown.loadFromData(bench.fakes.files.files.value(QStringLiteral("/p/shown.bmp"))));
        QCOMPARE(shown.size(), QSize(547, 266));

        bench.fakes.files.files[QStringLiteral("/p/wide.89i")] = sample(4000, 100);
        w.miCls_Click();
        QVERIFY(w.OpenFile(QStringLiteral("/p/wide.89i"), QStringLiteral("wide.89i")));
        w.miFit_Click();
        QVERIFY(w.canvas().width() <= 547 && w.canvas().width() >= 546);
        w.miZoomOut_Click(); // not below the fitted size
        QVERIFY(w.canvas().width() >= 546);
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_MainWindow.moc"
