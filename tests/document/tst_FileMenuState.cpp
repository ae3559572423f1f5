#include "document/FileMenuState.h"
#include "document/PictureDocument.h"

#include <QTest>

// The document state carried by the five File-menu items, event by event.
class tst_FileMenuState : public QObject
{
    Q_OBJECT

    static QString flags(const FileMenuState &state)
    {
        const FileMenuState::Items s = state.items();
        QString text;
        for (bool on : {s.newEnabled, s.openEnabled, s.saveEnabled, s.saveAsEnabled, s.printEnabled})
            text += on ? u'E' : u'D';
        return text;
    }

private slots:
    // Each event applied to every possible earlier state: "-" keeps the item as it was.
    void events_data()
    {
        QTest::addColumn<int>("event");
        QTest::addColumn<QString>("effect");
        QTest::newRow("start-up") << 0 << "--DDD";
        QTest::newRow("file read") << 1 << "EEEEE";
        QTest::newRow("ClrDraw") << 2 << "EEDDD";
        QTest::newRow("New with a size") << 3 << "--DDD";
        QTest::newRow("import") << 4 << "-D-EE";
        QTest::newRow("drawing press") << 5 << "DD-EE";
        QTest::newRow("file written") << 6 << "EE---";
        QTest::newRow("Save As to .89i") << 7 << "-EE--";
    }
    void events()
    {
        QFETCH(int, event);
        QFETCH(QString, effect);
        for (int bits = 0; bits < 16; ++bits) {
            FileMenuState state{bool(bits & 1), bool(bits & 2), bool(bits & 4), bool(bits & 8)};
            const QString before = flags(state);
            switch (event) {
            case 0: state.startUp(); break;
            case 1: state.fileRead(); break;
            case 2: state.clearDrawing(); break;
            case 3: state.newPicture(); break;
            case 4: state.imported(); break;
            case 5: state.drawingPress(); break;
            case 6: state.fileWritten(); break;
            default: state.savedAs(); break;
            }
            QString expected = effect;
            for (int i = 0; i < 5; ++i)
                if (expected[i] == u'-')
                    expected[i] = before[i];
            QCOMPARE(flags(state), expected);
            QCOMPARE(state.hasUnsavedDrawing(), expected[1] == u'D');
        }
    }

    void startsAsANewProgram()
    {
        const PictureDocument document;
        QCOMPARE(flags(document.menus()), QStringLiteral("EEDDD"));
        QCOMPARE(document.pixels().width(), 160);
        QCOMPARE(document.pixels().height(), 77);
    }

    // Any change of the grid's size, also to the same size, turns every pixel white.
    void redimensionClears()
    {
        PixelGrid grid(20, 10);
        grid.set(19, 9, 1);
        grid.redimension(20, 10);
        QCOMPARE(grid, PixelGrid(20, 10));
        grid.set(-1, 0, 1); // outside: ignored, and reads as white
        grid.set(20, 0, 1);
        QCOMPARE(grid.at(20, 0), 0);
        QCOMPARE(grid, PixelGrid(20, 10));
    }
};

QTEST_GUILESS_MAIN(tst_FileMenuState)
#include "tst_FileMenuState.moc"
