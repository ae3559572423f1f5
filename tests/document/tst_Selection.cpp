#include "document/Selection.h"
#include "fakes/AsciiPictures.h"

#include <QTest>

namespace {
// Runs commands like "select 0 0 2 1; move 2 0; commit" on the selection.
void run(Selection &selection, const QString &script)
{
    for (const QString &command : script.split(u';', Qt::SkipEmptyParts)) {
        const QStringList words = command.split(u' ', Qt::SkipEmptyParts);
        const auto number = [&](int i) { return words.value(i).toInt(); };
        const QString &verb = words.first();
        if (verb == u"select")
            selection.select({number(1), number(2), number(3), number(4)});
        else if (verb == u"all")
            selection.selectAll();
        else if (verb == u"move")
            selection.moveBy(number(1), number(2));
        else if (verb == u"float")
            selection.floatPixels(gridOf(words.mid(3)), number(1), number(2));
        else if (verb == u"transparent")
            selection.transparent = true;
        else if (verb == u"commit")
            selection.commit();
        else if (verb == u"cancel")
            selection.cancel();
        else if (verb == u"deselect")
            selection.deselect();
        else if (verb == u"erase")
            selection.erase();
        else if (verb == u"crop")
            selection.crop();
        else
            QFAIL(qPrintable(QStringLiteral("unknown command ") + verb));
    }
}
} // namespace

// Selecting, moving, pasting and landing floating pixels, Delete and Crop: what the picture
// holds afterwards, how many steps it took, and that undoing them gives the picture back.
class tst_Selection : public QObject
{
    Q_OBJECT

private slots:
    void commands_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("steps");
        // The picture before each row: "##.." over "#..#".
        QTest::newRow("floating changes nothing yet") << "select 0 0 2 1; move 2 0" << QStringList{"##..", "#..#"} << 0;
        QTest::newRow("move lands opaque") << "select 0 0 2 1; move 2 0; commit" << QStringList{"..##", "#..#"} << 1;
        QTest::newRow("move down, over black, opaque")
            << "select 0 0 2 1; move 1 1; deselect" << QStringList{"....", "####"} << 1;
        QTest::newRow("transparent keeps what is under white")
            << "transparent; select 0 1 2 1; move 2 -1; commit" << QStringList{"###.", "...#"} << 1;
        QTest::newRow("two moves, one landing") << "select 0 0 1 2; move 1 0; move 1 0; commit"
                                                << QStringList{".##.", "..##"} << 1;
        QTest::newRow("half off the picture is cut") << "select 0 0 2 2; move -1 0; commit" << QStringList{"#...", "...#"} << 1;
        QTest::newRow("escape puts it back") << "select 0 0 2 1; move 2 1; cancel" << QStringList{"##..", "#..#"} << 0;
        QTest::newRow("a new selection lands the old one") << "select 0 0 1 1; move 2 0; select 3 1 1 1"
                                                           << QStringList{".##.", "#..#"} << 1;
        QTest::newRow("selection cut to the picture") << "select 2 -5 9 9; erase" << QStringList{"##..", "#..."} << 1;
        QTest::newRow("outside the picture selects nothing") << "select 4 0 2 2; erase" << QStringList{"##..", "#..#"} << 0;
        QTest::newRow("delete whitens") << "all; erase" << QStringList{"....", "...."} << 1;
        QTest::newRow("delete of a moved part") << "select 0 0 1 2; move 2 0; erase" << QStringList{".#..", "...#"} << 1;
        QTest::newRow("paste opaque") << "float 1 0 .# #.; commit" << QStringList{"#.#.", "##.#"} << 1;
        QTest::newRow("paste transparent") << "transparent; float 1 0 .. #.; commit" << QStringList{"##..", "##.#"} << 1;
        QTest::newRow("paste dropped by delete") << "float 1 0 ## ##; erase" << QStringList{"##..", "#..#"} << 0;
        QTest::newRow("crop") << "select 1 0 3 2; crop" << QStringList{"#..", "..#"} << 1;
    }
    void commands()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, after);
        QFETCH(int, steps);
        const QStringList before{"##..", "#..#"};
        PictureDocument document;
        document.replace(gridOf(before), 4, 2);
        Selection selection(document);
        run(selection, script);
        QCOMPARE(rowsOf(document.pixels(), document.width(), document.height()), after);
        for (int i = 0; i < steps; ++i)
            QVERIFY(document.undo().kind != Revision::Kind::Nothing);
        QVERIFY(!document.history().canUndo());
        QCOMPARE(rowsOf(document.pixels(), document.width(), document.height()), before);
    }

    // What shows while floating: the pixels lifted, where they float and the place left.
    void floatingShowsWhereItIs()
    {
        PictureDocument document;
        document.replace(gridOf({"##..", "#..#"}), 4, 2);
        Selection selection(document);
        selection.select({0, 0, 2, 2});
        QVERIFY(selection.active() && !selection.floating());
        selection.moveBy(1, 0);
        QVERIFY(selection.floating());
        QCOMPARE(selection.rect(), (PixelRect{1, 0, 2, 2}));
        QCOMPARE(selection.vacated(), (PixelRect{0, 0, 2, 2}));
        QCOMPARE(rowsOf(selection.content(), 2, 2), (QStringList{"##", "#."}));
        selection.commit();
        QVERIFY(selection.active() && !selection.floating());
        QCOMPARE(rowsOf(selection.content(), 2, 2), (QStringList{"##", "#."}));
    }
};

QTEST_GUILESS_MAIN(tst_Selection)
#include "tst_Selection.moc"
