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

// The menu bar exactly as designed: every menu's items, their object names (how the rest
// of the program and the tests find them), captions with access keys, every shortcut, the
// order and the separators.
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
                                             "-",
                                             "miPrint|&Print|Ctrl+P",
                                             "mipgset|Page Setup|",
                                             "-",
                                             "miSend|Send to Calculator...|Ctrl+L",
                                             "-",
                                             "miExit|E&xit|Ctrl+X",
                                             "-hidden",
                                             "mirecent0||",
                                             "mirecent1||",
                                             "mirecent2||",
                                             "mirecent3||"};
        QTest::newRow("Draw") << 1 << "&Draw"
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
                                             "-",
                                             "miZoomIn|Zoom In|Ctrl++; Ctrl+=",
                                             "miZoomOut|Zoom Out|Ctrl+-",
                                             "miActualSize|Actual Size|Ctrl+0",
                                             "miFit|Fit|",
                                             "-",
                                             "miUndo|Undo|Ctrl+Z",
                                             "miRedo|Redo|Ctrl+Y; Ctrl+Shift+Z"};
        QTest::newRow("Help") << 2 << "&Help" << QStringList{"miInstructions|&Instructions|F1", "miAbout|&About|"};
    }
    void menus()
    {
        QFETCH(int, index);
        QFETCH(QString, title);
        QFETCH(QStringList, expected);
        FakeWindow bench;
        const QList<QAction *> bar = bench.window.menuBar()->actions();
        QCOMPARE(bar.size(), 3);
        QCOMPARE(bar.at(index)->text(), title);
        QCOMPARE(entries(bar.at(index)->menu()), expected);
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
