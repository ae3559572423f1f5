#include "fakes/FakeWindow.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {
QString keysOf(const QAction *item)
{
    QStringList keys;
    for (const QKeySequence &key : item->shortcuts())
        keys << (key.isEmpty() ? QStringLiteral("<empty>") : key.toString(QKeySequence::PortableText));
    return keys.join(QStringLiteral("; "));
}

// One line per menu entry, as the user finds it: "name|caption|keys" for an item (keys in
// portable text, joined by "; "), "-" for a separator, "-hidden" for one that is not shown,
// ">caption" for a submenu, whose items follow indented by two spaces.
QStringList entries(const QMenu *menu, const QString &indent = {})
{
    QStringList lines;
    for (QAction *item : menu->actions()) {
        if (item->isSeparator())
            lines << indent + (item->isVisible() ? QStringLiteral("-") : QStringLiteral("-hidden"));
        else if (item->menu()) {
            lines << indent + u'>' + item->text();
            lines << entries(item->menu(), indent + QStringLiteral("  "));
        } else
            lines << indent + item->objectName() + u'|' + item->text() + u'|' + keysOf(item);
    }
    return lines;
}
} // namespace

// The menu bar exactly as designed, with the Edit menu, Export Picture... and the four tools
// added after the design: every menu's items, their object names (how the rest of the
// program and the tests find them), captions with access keys, every shortcut, the order and
// the separators.
class tst_MainMenus : public QObject
{
    Q_OBJECT

private slots:
    void menus_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("File") << 0 << "&File"
                              << QStringList{"miNew|&New|",
                                             "miOpen|&Open|Ctrl+O",
                                             "miSave|&Save|Ctrl+S",
                                             "miSaveAs|S&ave As...|Ctrl+A",
                                             "-",
                                             "miImport|&Import|",
                                             "miImportScaled|Import Scale&d...|",
                                             "miExport|&Export Picture...|",
                                             "miExportSource|Export So&urce...|",
                                             "miAddToGroup|Add to &Group...|",
                                             "-",
                                             "miPrint|&Print|Ctrl+P",
                                             "mipgset|Page Setup|",
                                             "-",
                                             "miSend|Send to Calculator...|Ctrl+L",
                                             "miReceive|&Receive from Calculator...|",
                                             "miCapture|&Capture Calculator Screen...|",
                                             "miLinkSettings|Lin&k Settings...|",
                                             "miOpenInTilp|Open in &TiLP...|",
                                             "-",
                                             "miExit|E&xit|Ctrl+X",
                                             "-hidden",
                                             "mirecent0||",
                                             "mirecent1||",
                                             "mirecent2||",
                                             "mirecent3||"};
        QTest::newRow("Edit") << 1 << "&Edit"
                              << QStringList{"miCut|Cu&t|Shift+Del",
                                             "miCopy|&Copy|Ctrl+Ins",
                                             "miPaste|&Paste|Ctrl+V; Shift+Ins",
                                             "miPasteNew|Paste as &New Picture|Ctrl+Shift+V",
                                             "miDelete|&Delete|Del",
                                             "miSelectAll|Select &All|Ctrl+Shift+A",
                                             "miDeselect|D&eselect|Esc",
                                             "miCrop|C&rop to Selection|Ctrl+Shift+X",
                                             "-",
                                             "miFlipH|Flip &Horizontal|Ctrl+Shift+H",
                                             "miFlipV|Flip &Vertical|Ctrl+Shift+J",
                                             "miRotateRight|Rotate Ri&ght|Ctrl+R",
                                             "miRotateLeft|Rotate &Left|Ctrl+Shift+R",
                                             "miInvert|&Invert|Ctrl+I",
                                             ">Shi&ft",
                                             "  miShiftLeft|&Left|Ctrl+Shift+Left",
                                             "  miShiftRight|&Right|Ctrl+Shift+Right",
                                             "  miShiftUp|&Up|Ctrl+Shift+Up",
                                             "  miShiftDown|&Down|Ctrl+Shift+Down",
                                             "miCanvasSize|Canvas &Size...|",
                                             "miTileGrid|Tile Grid...|",
                                             "miGreyLevels|Gre&y Levels|",
                                             "-",
                                             "miTransparent|Transparent Selecti&on|"};
        QTest::newRow("Draw") << 2 << "&Draw"
                              << QStringList{"miCls|&ClrDraw |Ctrl+C",
                                             ">Tools...",
                                             "  mitool1|Pen|",
                                             "  mitool2|Erase|",
                                             "  mitool3|Line|",
                                             "  mitool4|WhLine|",
                                             "  mitool5|Box|",
                                             "  mitool6|WhBox|",
                                             "  mitool7|Bar|",
                                             "  mitool8|WhBar|",
                                             "  mitool9|Circle|",
                                             "  mitool10|WhCircle|",
                                             "  mitool11|Ellipse|",
                                             "  mitool12|WhEllipse|",
                                             "  mitool13|&Select|",
                                             "  mitool14|&Fill|",
                                             "  mitool15|&WhFill|",
                                             "  mitool16|&Text|",
                                             "-",
                                             "miZoomIn|Zoom In|Ctrl++; Ctrl+=",
                                             "miZoomOut|Zoom Out|Ctrl+-",
                                             "miActualSize|Actual Size|Ctrl+0",
                                             "miFit|Fit|",
                                             "-",
                                             "miUndo|Undo|Ctrl+Z",
                                             "miRedo|Redo|Ctrl+Y; Ctrl+Shift+Z"};
        QTest::newRow("View") << 3 << "&View" << QStringList{"miPixelGrid|Pixel &Grid|Ctrl+G", "miPreview|&Preview 1:1|Ctrl+1"};
        QTest::newRow("Help") << 4 << "&Help" << QStringList{"miInstructions|&Instructions|F1", "miUserGuide|&User Guide|",
                                                                      "miAbout|&About|"};
    }
    void menus()
    {
        QFETCH(int, index);
        QFETCH(QString, title);
        QFETCH(QStringList, expected);
        FakeWindow bench;
        const QList<QAction *> bar = bench.window.menuBar()->actions();
        QCOMPARE(bar.size(), 5);
        QCOMPARE(bar.at(index)->text(), title);
        QCOMPARE(entries(bar.at(index)->menu()), expected);
    }

    // Ctrl+X and Ctrl+C cut and copy while there is a selection, and are Exit and ClrDraw
    // otherwise; Shift+Del and Ctrl+Ins always cut and copy. Cut, Copy, Delete, Crop and
    // Deselect want a selection.
    void keysFollowTheSelection_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QString>("ctrlX");
        QTest::addColumn<QString>("ctrlC");
        QTest::newRow("no selection") << false << "miExit" << "miCls";
        QTest::newRow("a selection") << true << "miCut" << "miCopy";
    }
    void keysFollowTheSelection()
    {
        QFETCH(bool, selected);
        QFETCH(QString, ctrlX);
        QFETCH(QString, ctrlC);
        FakeWindow bench;
        MainWindow &w = bench.window;
        if (selected)
            w.action(QStringLiteral("miSelectAll"))->trigger();
        const auto owner = [&](const char *key) {
            QStringList names;
            for (const char *name : {"miExit", "miCls", "miCut", "miCopy"})
                if (w.action(QString::fromLatin1(name))->shortcuts().contains(QKeySequence(QString::fromLatin1(key))))
                    names << QString::fromLatin1(name);
            return names;
        };
        QCOMPARE(owner("Ctrl+X"), QStringList{ctrlX});
        QCOMPARE(owner("Ctrl+C"), QStringList{ctrlC});
        QCOMPARE(owner("Shift+Del"), QStringList{"miCut"});
        QCOMPARE(owner("Ctrl+Ins"), QStringList{"miCopy"});
        for (const char *name : {"miCut", "miCopy", "miDelete", "miCrop", "miDeselect"})
            QCOMPARE(w.action(QString::fromLatin1(name))->isEnabled(), selected);
        w.action(QStringLiteral("miDeselect"))->trigger();
        QCOMPARE(owner("Ctrl+C"), QStringList{"miCls"});
    }

    // What floats lands before any other command runs: Save writes it, Undo takes it back.
    void floatingLandsBeforeOtherCommands()
    {
        FakeWindow bench;
        MainWindow &w = bench.window;
        w.tools().miTool_Click(Tool::Pen);
        w.tools().Picture1_MouseDown(1, 1.5f, 1.5f);
        w.tools().Picture1_MouseUp(1, 1.5f, 1.5f);
        w.tools().miTool_Click(Tool::Select);
        w.tools().selection().select({0, 0, 3, 3});
        w.tools().selection().moveBy(5, 0);
        QCOMPARE(w.document().pixels().at(6, 1), 0);
        w.action(QStringLiteral("miUndo"))->trigger(); // lands, then undoes the landing
        QCOMPARE(w.document().pixels().at(1, 1), 1);
        QCOMPARE(w.document().pixels().at(6, 1), 0);
        QVERIFY(!w.tools().selection().floating());
        w.tools().selection().select({0, 0, 3, 3});
        w.tools().selection().moveBy(5, 0);
        bench.fakes.dialogs.choose(QStringLiteral("/p/moved.89i"));
        w.Toolbar1_ButtonClick(QStringLiteral("Save"));
        QCOMPARE(w.document().pixels().at(6, 1), 1);
        QCOMPARE(bench.fakes.files.written, QStringList{"/p/moved.89i"});
    }

    // The status bar's third panel shows the tool and the zoom.
    void toolAndZoomInTheStatusBar()
    {
        FakeWindow bench;
        MainWindow &w = bench.window;
        QCOMPARE(w.statusTool(), QStringLiteral("Pen  100%"));
        w.action(QStringLiteral("mitool14"))->trigger();
        w.action(QStringLiteral("miZoomIn"))->trigger();
        QCOMPARE(w.statusTool(), QStringLiteral("Fill  141%"));
    }

    // The size panel shows the selection's size while there is one, else the picture's.
    void sizeInTheStatusBar()
    {
        FakeWindow bench;
        MainWindow &w = bench.window;
        QCOMPARE(w.statusSize(), QStringLiteral("160 x 77"));
        w.tools().selection().select({3, 4, 5, 2});
        QCOMPARE(w.statusSize(), QStringLiteral("Selection 5 x 2"));
        w.action(QStringLiteral("miCrop"))->trigger(); // the cropped picture stays selected
        QCOMPARE(w.statusSize(), QStringLiteral("Selection 5 x 2"));
        w.action(QStringLiteral("miDeselect"))->trigger();
        QCOMPARE(w.statusSize(), QStringLiteral("5 x 2"));
        w.action(QStringLiteral("miUndo"))->trigger();
        QCOMPARE(w.statusSize(), QStringLiteral("160 x 77"));
    }

    // Each item runs its own command: triggered, the tools and the recent files do what their
    // names say (the commands themselves are tested with the window).
    void itemsRunTheirCommands()
    {
        FakeWindow bench;
        MainWindow &w = bench.window;
        w.action(QStringLiteral("mitool5"))->trigger();
        QCOMPARE(w.tools().checkedTool(), Tool::Box);
        QVERIFY(w.action(QStringLiteral("mitool5"))->isChecked());
        QVERIFY(!w.action(QStringLiteral("mitool1"))->isChecked());
        w.action(QStringLiteral("miExit"))->trigger();
        QCOMPARE(bench.ended, 1);
        for (const char *name : {"miOpen", "miImport", "miImportScaled"})
            w.action(QString::fromLatin1(name))->trigger(); // each asks for a file; none is chosen
        QCOMPARE(bench.fakes.dialogs.requests.size(), 3);
        QCOMPARE(bench.fakes.dialogs.requests.at(0).title, QStringLiteral("TI-89 DOTLARK: Open File"));
        QCOMPARE(bench.fakes.dialogs.requests.at(2).title, QStringLiteral("Import a picture"));
    }
};

QTEST_MAIN(tst_MainMenus)
#include "tst_MainMenus.moc"
