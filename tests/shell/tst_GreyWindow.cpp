#include "canvas/CanvasView.h"
#include "fakes/FakeWindow.h"
#include "document/PictureOps.h"
#include "fakes/GreyPictures.h"
#include "shell/GreyPalette.h"
#include "shell/TextBox.h"

#include <QTest>
#include <QToolButton>

// The window with a grey picture: New's "4 grey levels", Edit > Grey Levels and undo, the
// palette and the status bar following the picture's levels, the keys 1 to 4.
class tst_GreyWindow : public QObject
{
    Q_OBJECT

    // What the window shows of the levels: the Grey Levels check, the palette, the status text.
    static void showsGrey(FakeWindow &bench, bool grey, const QString &status = {})
    {
        QCOMPARE(bench.window.document().isGrey(), grey);
        QCOMPARE(bench.window.action(QStringLiteral("miGreyLevels"))->isChecked(), grey);
        QCOMPARE(bench.window.greyPalette().isVisibleTo(&bench.window), grey);
        QCOMPARE(bench.window.statusLevel(), grey ? status : QString());
    }

private slots:
    // New makes the picture grey or not; Grey Levels converts it; undo and redo bring the
    // levels back, and the window follows every step.
    void levelsFollowThePicture()
    {
        FakeWindow bench;
        showsGrey(bench, false);
        bench.fakes.questions.newSizes.push_back(NewPicture(QSize(8, 4), 4));
        bench.window.miNew_Click();
        QCOMPARE(bench.window.document().width(), 8);
        showsGrey(bench, true, QStringLiteral("Black"));
        drawDot(bench.window, 1.5f, 1.5f);
        QCOMPARE(bench.window.document().pixels().at(1, 1), 3);
        bench.window.greyPalette().button(1)->click(); // the pen draws light grey now
        QCOMPARE(bench.window.statusLevel(), QStringLiteral("Light grey"));
        bench.window.tools().Picture1_MouseDown(1, 2.5f, 1.5f);
        QCOMPARE(bench.window.document().pixels().at(2, 1), 1);
        bench.window.tools().Picture1_MouseUp(1, 2.5f, 1.5f);

        bench.window.action(QStringLiteral("miGreyLevels"))->trigger();
        showsGrey(bench, false);
        QCOMPARE(bench.window.document().pixels().at(1, 1), 1); // black stays black
        bench.window.miUndo_Click();
        showsGrey(bench, true, QStringLiteral("Light grey"));
        QCOMPARE(bench.window.document().pixels().at(1, 1), 3);
        bench.window.miRedo_Click();
        showsGrey(bench, false);
        bench.window.miUndo_Click();
        bench.window.miUndo_Click(); // the light dot
        bench.window.miUndo_Click(); // the black dot
        bench.window.miUndo_Click(); // the New
        showsGrey(bench, false);
        QCOMPARE(bench.window.document().width(), 160);

        bench.fakes.questions.newSizes.push_back(NewPicture(QSize(8, 4), 4));
        bench.window.miNew_Click();
        bench.fakes.questions.newSizes.push_back(QSize(5, 5)); // unchecked: black and white again
        bench.window.miNew_Click();
        showsGrey(bench, false);
    }

    // File > Import draws a picture's black as black in a grey picture, whatever level the
    // palette holds (white would add nothing), and leaves the chosen level as it was.
    void importLandsBlack()
    {
        FakeWindow bench;
        bench.fakes.questions.newSizes.push_back(NewPicture(QSize(160, 77), 4));
        bench.window.miNew_Click();
        bench.window.greyPalette().button(0)->click(); // white
        QImage dot(2, 1, QImage::Format_RGB32);
        dot.fill(Qt::black);
        bench.fakes.pictures.pictures[QStringLiteral("/p/dot.bmp")] = dot;
        bench.fakes.dialogs.choose(QStringLiteral("/p/dot.bmp"));
        bench.fakes.messages.answers.push_back(Messages::Answer::Yes);
        bench.window.miImport_Click();
        // Centred on the screen: columns 79 and 80 of row 38.
        const GreyPicture picture = greyFromLevels(bench.window.document().pixels(), 160, 77);
        QCOMPARE(rowsOfGrey(onBothPlanes(picture, [](const PixelGrid &plane) {
                     return PictureOps::cropped(plane, {78, 38, 4, 1});
                 })),
                 QStringList{".##."});
        QCOMPARE(bench.window.statusLevel(), QStringLiteral("White"));
    }

    // Over the canvas 1 to 4 choose white to black, as the palette's buttons do; a text box
    // keeps its keys, and a black-and-white picture ignores them.
    void keysChooseTheLevel_data()
    {
        QTest::addColumn<bool>("grey");
        QTest::addColumn<bool>("inTextBox");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<int>("ink");
        QTest::addColumn<QString>("status");
        QTest::newRow("1 white") << true << false << Qt::Key_1 << 0 << "White";
        QTest::newRow("2 light grey") << true << false << Qt::Key_2 << 1 << "Light grey";
        QTest::newRow("3 dark grey") << true << false << Qt::Key_3 << 2 << "Dark grey";
        QTest::newRow("4 black") << true << false << Qt::Key_4 << 3 << "Black";
        QTest::newRow("typed into a text box") << true << true << Qt::Key_2 << 3 << "Black";
        QTest::newRow("black and white picture") << false << false << Qt::Key_2 << 3 << "";
    }
    void keysChooseTheLevel()
    {
        QFETCH(bool, grey);
        QFETCH(bool, inTextBox);
        QFETCH(Qt::Key, key);
        QFETCH(int, ink);
        QFETCH(QString, status);
        FakeWindow bench;
        if (grey)
            bench.window.action(QStringLiteral("miGreyLevels"))->trigger();
        QWidget *target = inTextBox ? static_cast<QWidget *>(bench.window.nameBox()) : &bench.window.canvas();
        target->setFocus();
        QTest::keyClick(target, key);
        QCOMPARE(bench.window.tools().ink(), ink);
        QCOMPARE(bench.window.statusLevel(), status);
        if (grey)
            QVERIFY(bench.window.greyPalette().button(ink)->isChecked());
        if (inTextBox)
            QVERIFY(bench.window.nameBox()->text().endsWith(u'2'));
    }
};

QTEST_MAIN(tst_GreyWindow)
#include "tst_GreyWindow.moc"
