#include "canvas/CanvasView.h"
#include "fakes/FakeWindow.h"

#include <QFile>
#include <QTest>

namespace {
const QString kSource = QStringLiteral("/g/game.c");

// A grey sprite, a sheet of two 8 x 2 tiles, and an array that is no sprite.
const QByteArray kGame = "unsigned char ship_light[2] = {24, 60};\n"
                         "unsigned char ship_dark[2] = {0, 24};\n"
                         "/* 2 tiles of 8 x 2 pixels */\n"
                         "const unsigned char tiles[2][2] = {{0x01, 0x02}, {0x03, 0x04}};\n"
                         "const float speeds[2] = {1.5, 2.5};\n";

struct Bench : FakeWindow
{
    void open(const QByteArray &text, std::initializer_list<int> chosen)
    {
        fakes.files.files[kSource] = text;
        fakes.sourceQuestions.answers = chosen;
        fakes.dialogs.choose(kSource);
        window.miOpen_click();
    }
    QString lastMessage() const { return fakes.messages.shown.isEmpty() ? QString() : fakes.messages.shown.last().text; }
};
} // namespace

// C source in the editor on fakes: File > Open goes through the sprite chooser, a sheet
// shows its tiles, and Save writes the sprite back into the file's arrays.
class tst_SourceCommands : public QObject
{
    Q_OBJECT

private slots:
    void openedThroughTheChooserAndSavedBack()
    {
        Bench b;
        b.open(kGame, {0});
        QCOMPARE(b.fakes.sourceQuestions.offered.size(), 1);
        QCOMPARE(b.fakes.sourceQuestions.offered[0],
                 QStringList({"ship | 8 bits | 2 elements | 8 x 2 pixels, four grey levels",
                              "tiles | 8 bits | 2 x 2 elements | 2 tiles of 8 x 2 pixels, 2 a row",
                              "speeds |  |  | not a sprite: an array of float, not of integers (not offered)"}));
        QCOMPARE(b.fakes.sourceQuestions.previews[0], QList<QSize>({QSize(8, 2), QSize(16, 2), QSize()}));
        QCOMPARE(b.window.statusFileName(), "game.c [ship]");
        QVERIFY(b.window.document().isGrey());
        QCOMPARE(b.window.canvas().tileGrid(), QSize());

        drawDot(b.window, 0.5f, 0.5f); // (0, 0) in the ink, black: 24 -> 152 and 0 -> 128
        b.window.miSave_click();
        QCOMPARE(b.fakes.files.files[kSource], QByteArray(kGame).replace("{24, 60}", "{152, 60}").replace("{0, 24}", "{128, 24}"));

        b.open(kGame, {1});
        QCOMPARE(b.window.canvas().tileGrid(), QSize(8, 2));
        QCOMPARE(b.window.document().width(), 16);
    }

    void aSourceWithoutSprites()
    {
        Bench b;
        b.open("const float speeds[2] = {1.5, 2.5};\n", {});
        QVERIFY(b.fakes.sourceQuestions.offered.isEmpty());
        QCOMPARE(b.lastMessage(), "/g/game.c holds no sprite:\rspeeds: not a sprite: an array of float, not of integers");
    }
};

QTEST_MAIN(tst_SourceCommands)
#include "tst_SourceCommands.moc"
