#include "calc/ByteConversions.h"
#include "fakes/FakeWindow.h"
#include "fakes/GroupFakes.h"
#include "fakes/PictureFixtures.h"
#include "shell/MainWindow.h"
#include "shell/TextBox.h"

#include <QAction>
#include <QTest>

namespace {
constexpr int kPicture = 0x10;

CalculatorVariable variable(const QString &folder, const QString &name, int type = kPicture)
{
    return {folder, name, type, 100, 0};
}

// A screen of width x height whose top-left and bottom-right pixels are black.
CalculatorScreen screen(int width, int height)
{
    const int rowBytes = (width + 7) / 8;
    QByteArray rows(rowBytes * height, '\0');
    rows[0] = char(0x80);
    rows[rows.size() - 1] = char(0x80 >> ((width - 1) % 8));
    return {width, height, rows};
}

// The window on fakes, its picture drawn on (unsaved) or opened from /p/a.89i (saved).
struct Bench : FakeWindow
{
    FakeCalculator &calculator = fakes.calculator;
    FakeLinkQuestions &questions = fakes.linkQuestions;

    void open(const QString &path = QStringLiteral("/p/a.89i"), CalcKind kind = CalcKind::TI89)
    {
        fakes.files.files[path] = pictureFile(8, 8, {{1, 1}}, {.comment = "hi", .kind = kind});
        QVERIFY(window.OpenFile(path, QFileInfo(path).fileName()));
    }
    void setLink(const QString &cable, const QString &calc)
    {
        fakes.settings.values[QStringLiteral("dotlark95/link/cable")] = cable;
        fakes.settings.values[QStringLiteral("dotlark95/link/calc")] = calc;
    }
    QString lastMessage() const { return fakes.messages.shown.isEmpty() ? QString() : fakes.messages.shown.last().text; }
};
} // namespace

// File > Send to Calculator..., Receive from Calculator..., Capture Calculator Screen... and
// Link Settings... against a fake calculator: what goes, what comes back, what is asked, and
// that a failure leaves the picture as it was.
class tst_CalculatorCommands : public QObject
{
    Q_OBJECT

private slots:
    // The picture in memory goes, with the boxes' names, for the calculator of its kind when
    // the settings say Automatic; no file is written; the end says what went where.
    void sendsThePictureInMemory_data()
    {
        QTest::addColumn<QString>("file"); // "" = a new picture without a file
        QTest::addColumn<QString>("calcSetting");
        QTest::addColumn<QString>("calc");
        QTest::addColumn<QString>("said");
        QTest::newRow("unsaved, automatic") << "" << "auto" << "ti89" << "pics\\sun was sent to the TI-89.";
        QTest::newRow("TI-92 Plus file") << "/p/a.9xi" << "auto" << "ti92+" << "pics\\sun was sent to the TI-92 Plus.";
        QTest::newRow("set to Titanium") << "/p/a.89i" << "ti89t" << "ti89t" << "pics\\sun was sent to the TI-89 Titanium.";
    }
    void sendsThePictureInMemory()
    {
        QFETCH(QString, file);
        QFETCH(QString, calcSetting);
        QFETCH(QString, calc);
        QFETCH(QString, said);
        Bench bench;
        if (!file.isEmpty())
            bench.open(file, *kindFromEnding(file.toStdString()));
        bench.setLink(QStringLiteral("silverlink"), calcSetting);
        drawDot(bench.window);
        bench.window.folderBox()->setText(QStringLiteral("pics"));
        bench.window.nameBox()->setText(QStringLiteral("sun"));
        bench.window.action(QStringLiteral("miSend"))->trigger();

        QCOMPARE(bench.calculator.opened.size(), 1);
        QCOMPARE(bench.calculator.opened[0].cable, QStringLiteral("silverlink"));
        QCOMPARE(bench.calculator.opened[0].calc, calc);
        QCOMPARE(bench.calculator.calls.size(), 2);
        QCOMPARE(bench.calculator.calls[0], QStringLiteral("list"));
        QVERIFY(bench.calculator.calls[1].startsWith(QStringLiteral("send sun.")));
        const DecodeResult sent = decode89i(asBytes(bench.calculator.sent));
        QCOMPARE(sent.picture.folder, std::string("pics"));
        QCOMPARE(sent.picture.name, std::string("sun"));
        QVERIFY(sent.picture.pixels.at(3, 3));
        QCOMPARE(bench.fakes.messages.texts(), QStringList{said});
        QCOMPARE(bench.fakes.linkProgress.begun.size(), 2); // each transfer shows its progress
        if (!file.isEmpty())
            QCOMPARE(bench.fakes.files.written.filter(file), QStringList()); // the user's file stays
        QVERIFY(bench.window.document().menus().hasUnsavedDrawing());
    }

    // Names are checked as Save checks them, before the link opens; a variable the calculator
    // holds already (its names are case-blind) is replaced only when the user says so; a
    // list that cannot be trusted never sends silently.
    void namesAndReplacing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("held");
        QTest::addColumn<QString>("unsure");
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<bool>("sent");
        QTest::newRow("bad name") << "1sun" << false << "" << true << false;
        QTest::newRow("new variable") << "sun" << false << "" << true << true;
        QTest::newRow("held, replace") << "sun" << true << "" << true << true;
        QTest::newRow("held, keep") << "sun" << true << "" << false << false;
        QTest::newRow("list not to trust, keep") << "sun" << false << "one without a name" << false << false;
        QTest::newRow("list not to trust, send") << "sun" << false << "one without a name" << true << true;
    }
    void namesAndReplacing()
    {
        QFETCH(QString, name);
        QFETCH(bool, held);
        QFETCH(QString, unsure);
        QFETCH(bool, answerYes);
        QFETCH(bool, sent);
        Bench bench;
        bench.calculator.unsure = unsure;
        bench.calculator.variables = {variable(QStringLiteral("main"), QStringLiteral("moon"))};
        if (held)
            bench.calculator.variables.push_back(variable(QStringLiteral("MAIN"), QStringLiteral("SUN")));
        bench.fakes.messages.answers = {answerYes ? Messages::Answer::Yes : Messages::Answer::No};
        bench.window.nameBox()->setText(name);
        bench.window.miSend_Click();
        QCOMPARE(bench.calculator.opened.isEmpty(), name == QStringLiteral("1sun"));
        QCOMPARE(!bench.calculator.calls.filter(QStringLiteral("send")).isEmpty(), sent);
        const QStringList texts = bench.fakes.messages.texts();
        QCOMPARE(texts.contains(QStringLiteral("The calculator already holds main\\sun. Replace it with this picture?")), held);
        QCOMPARE(texts.contains(QStringLiteral("The calculator's list of variables cannot be trusted (one without a name), "
                                               "so DOTLARK cannot tell whether it holds main\\sun. Send anyway?")),
                 !unsure.isEmpty());
        if (held)
            QCOMPARE(bench.fakes.messages.shown[0].buttons, Messages::Buttons::YesNoSafeNo);
    }

    // The chooser offers the pictures only; the chosen one becomes a picture without a file,
    // drawn on, its names in the boxes; Undo brings the last picture back.
    void receivesTheChosenPicture()
    {
        Bench bench;
        bench.open();
        bench.calculator.variables = {variable("main", "prog", 0x12), variable("main", "moon"), variable("pics", "sun")};
        bench.calculator.received = pictureFile(20, 10, {{19, 9}}, {.folder = "x", .name = "y", .comment = "Single file dated today"});
        bench.questions.pictures = {1};
        bench.window.action(QStringLiteral("miReceive"))->trigger();

        QCOMPARE(bench.questions.picturesAsked.size(), 1);
        QCOMPARE(bench.questions.picturesAsked[0],
                 (std::vector<CalculatorVariable>{variable("main", "moon"), variable("pics", "sun")}));
        QCOMPARE(bench.calculator.calls, (QStringList{"list", "receive pics\\sun"}));
        QVERIFY(bench.fakes.messages.shown.isEmpty());
        const PictureDocument &document = bench.window.document();
        QCOMPARE(document.width(), 20);
        QVERIFY(document.pixels().at(19, 9));
        QCOMPARE(bench.window.folderBox()->text(), QStringLiteral("pics"));
        QCOMPARE(bench.window.nameBox()->text(), QStringLiteral("sun"));
        // The calculator keeps no comment: the link library's made-up one is not shown.
        QCOMPARE(bench.window.commentBox()->text(), QStringLiteral("made with DOTLARK"));
        QCOMPARE(bench.window.currentFile(), QString());
        QCOMPARE(menuState(bench.window), QStringLiteral("DDDEE"));
        bench.window.miUndo_Click();
        QCOMPARE(bench.window.document().width(), 8);
    }

    // Several chosen go, each received with the link, into one group file the user names (a
    // bare name gets the calculator's group ending); the picture in the window stays. A
    // cancelled dialog receives nothing, a failed receive writes no group.
    void receivesSeveralIntoAGroup_data()
    {
        QTest::addColumn<QString>("chosen"); // "" = the dialog cancelled
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("said");
        const QStringList all{"list", "receive main\\moon", "receive pics\\sun"};
        QTest::newRow("into a group") << "/p/two.9xg" << "" << all << "2 pictures were received into /p/two.9xg.";
        QTest::newRow("bare name") << "/p/two" << "" << all << "2 pictures were received into /p/two.89g.";
        QTest::newRow("dialog cancelled") << "" << "" << QStringList{"list"} << "";
        QTest::newRow("receive fails") << "/p/two.89g" << "receive" << QStringList{"list", "receive main\\moon"}
                                       << "No group was written: main\\moon was not received from the calculator.\r"
                                          "No link cable was found.";
    }
    void receivesSeveralIntoAGroup()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, failing);
        QFETCH(QStringList, calls);
        QFETCH(QString, said);
        Bench bench;
        bench.open();
        bench.calculator.variables = {variable("main", "moon"), variable("main", "prog", 0x12), variable("pics", "sun")};
        bench.calculator.received = pictureFile(20, 10, {{19, 9}});
        bench.calculator.failing = failing;
        bench.questions.severalPictures = {{0, 1}};
        if (!chosen.isEmpty())
            bench.fakes.dialogs.choose(chosen);
        bench.window.miReceive_Click();
        QCOMPARE(bench.calculator.calls, calls);
        QCOMPARE(bench.lastMessage(), said);
        const QString written = chosen.contains(u'.') ? chosen : chosen + QStringLiteral(".89g");
        const GroupFile group = groupIn(bench.fakes.files.files.value(written));
        QCOMPARE(picturesIn(group).size(), said.contains(QStringLiteral("were received")) ? size_t(2) : size_t(0));
        if (!picturesIn(group).empty()) {
            QCOMPARE(group.kind, *kindFromGroupEnding(written.toStdString()));
            QVERIFY(decodeGroupPicture(group, findVariable(group, "pics", "sun")).picture.pixels.at(19, 9));
        }
        QCOMPARE(bench.window.currentFile(), QStringLiteral("/p/a.89i"));
        QCOMPARE(bench.window.document().width(), 8);
    }

    // What stops a receive: unsaved drawing the user keeps (asked once one picture is chosen:
    // several go into a group file and replace nothing), a calculator without pictures, a
    // cancelled chooser, a variable that is no picture. The picture stays as it was each time.
    void receiveStops_data()
    {
        QTest::addColumn<bool>("keepDrawing");
        QTest::addColumn<bool>("noPictures");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<QString>("said"); // the last message, "" = none
        const QByteArray good = pictureFile(4, 4);
        QTest::newRow("keep the drawing") << true << false << false << good << "";
        QTest::newRow("no pictures") << false << true << false << good << "The calculator holds no pictures.";
        QTest::newRow("cancelled") << false << false << true << good << "";
        QTest::newRow("not a picture") << false << false << false << QByteArray("**TI89**garbage")
                                       << "main\\moon is not a picture: it cannot be opened.";
    }
    void receiveStops()
    {
        QFETCH(bool, keepDrawing);
        QFETCH(bool, noPictures);
        QFETCH(bool, cancel);
        QFETCH(QByteArray, received);
        QFETCH(QString, said);
        Bench bench;
        drawDot(bench.window);
        const PixelGrid before = bench.window.document().pixels();
        bench.fakes.messages.answers = {keepDrawing ? Messages::Answer::No : Messages::Answer::Yes};
        if (!noPictures)
            bench.calculator.variables = {variable("main", "moon")};
        if (!cancel)
            bench.questions.pictures = {0};
        bench.calculator.received = received;
        bench.window.miReceive_Click();
        const QString question = QStringLiteral("The picture has not been saved. Replace it with a picture from the calculator?");
        QCOMPARE(bench.fakes.messages.texts().contains(question), !noPictures && !cancel);
        QCOMPARE(bench.calculator.calls.contains(QStringLiteral("receive main\\moon")), !keepDrawing && !noPictures && !cancel);
        QCOMPARE(bench.fakes.messages.shown.isEmpty() || bench.lastMessage() == question ? QString() : bench.lastMessage(), said);
        QCOMPARE(bench.window.document().pixels(), before);
    }

    // Both sizes of the screen become the picture, the choice is remembered for the next
    // capture, and unsaved drawing is asked about first.
    void capturesTheScreen_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<QSize>("size");
        QTest::newRow("TI-89 part") << false << QSize(160, 100);
        QTest::newRow("whole LCD") << true << QSize(240, 128);
    }
    void capturesTheScreen()
    {
        QFETCH(bool, full);
        QFETCH(QSize, size);
        Bench bench;
        drawDot(bench.window);
        bench.calculator.screen = screen(size.width(), size.height());
        bench.questions.fullScreens = {full, !full};
        bench.window.action(QStringLiteral("miCapture"))->trigger();
        QCOMPARE(bench.fakes.messages.texts(),
                 QStringList{QStringLiteral("The picture has not been saved. Replace it with the calculator's screen?")});
        QCOMPARE(bench.calculator.calls, QStringList{full ? QStringLiteral("capture full") : QStringLiteral("capture clipped")});
        const PictureDocument &document = bench.window.document();
        QCOMPARE(QSize(document.width(), document.height()), size);
        QVERIFY(document.pixels().at(0, 0) && document.pixels().at(size.width() - 1, size.height() - 1));
        QVERIFY(!document.pixels().at(3, 3));
        QCOMPARE(menuState(bench.window), QStringLiteral("DDDEE"));

        bench.window.miCapture_Click(); // asked again, now starting from the last choice
        QCOMPARE(bench.questions.fullAsked, (QList<bool>{false, full}));
    }

    // A link that fails at any step of any command says so, with the link's words after what
    // did not happen; the picture and its file stay as they were.
    void failuresLeaveThePicture_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QString>("said");
        const QString words = QStringLiteral("\rNo link cable was found.");
        QTest::newRow("send: list") << "miSend" << "list" << "main\\pic was not sent to the calculator." + words;
        QTest::newRow("send") << "miSend" << "send" << "main\\pic was not sent to the calculator." + words;
        QTest::newRow("receive: list") << "miReceive" << "list" << "No picture was received from the calculator." + words;
        QTest::newRow("receive") << "miReceive" << "receive" << "main\\moon was not received from the calculator." + words;
        QTest::newRow("capture") << "miCapture" << "capture" << "The calculator's screen was not captured." + words;
    }
    void failuresLeaveThePicture()
    {
        QFETCH(QString, command);
        QFETCH(QString, failing);
        QFETCH(QString, said);
        Bench bench;
        bench.open();
        const PixelGrid before = bench.window.document().pixels();
        bench.calculator.variables = {variable("main", "moon")};
        bench.calculator.received = pictureFile(4, 4);
        bench.calculator.failing = failing;
        bench.questions.pictures = {0};
        bench.questions.fullScreens = {true};
        bench.window.action(command)->trigger();
        QCOMPARE(bench.fakes.messages.texts(), QStringList{said});
        QCOMPARE(bench.window.document().pixels(), before);
        QCOMPARE(bench.window.currentFile(), QStringLiteral("/p/a.89i"));
        QCOMPARE(menuState(bench.window), QStringLiteral("EEEEE"));
    }

    // Link Settings... starts from what is stored and stores what the user chose; the
    // transfers use it. Cancel keeps the settings.
    // With the calculator on Automatic, a receive or capture guesses, when the calculator does
    // not say which it is, the one that last said so on the same cable, then the picture's.
    void automaticGuessesTheLastCalculator()
    {
        Bench bench;
        bench.setLink(QStringLiteral("tiemu"), QStringLiteral("auto"));
        bench.calculator.used = CalcUsed{QStringLiteral("ti92+"), CalcUsed::How::Asked};
        bench.window.miReceive_Click(); // no pictures there
        bench.calculator.used = CalcUsed{QStringLiteral("ti89"), CalcUsed::How::Guessed};
        bench.fakes.linkQuestions.fullScreens = {true};
        bench.window.action(QStringLiteral("miCapture"))->trigger();
        QCOMPARE(bench.calculator.opened.size(), 2);
        QCOMPARE(bench.calculator.opened[0].guesses, QStringList{"ti89"});
        QCOMPARE(bench.calculator.opened[1].guesses, (QStringList{"ti92+", "ti89"}));
        // A guess is not kept as known: the next still starts from the TI-92 Plus.
        bench.window.miReceive_Click();
        QCOMPARE(bench.calculator.opened[2].guesses, (QStringList{"ti92+", "ti89"}));
    }

    void linkSettingsRemembered()
    {
        Bench bench;
        const LinkSettings chosen{QStringLiteral("tiemu"), 2, QStringLiteral("v200"), 9, {}};
        bench.questions.settings = {chosen};
        bench.window.action(QStringLiteral("miLinkSettings"))->trigger();
        QCOMPARE(bench.questions.settingsAsked[0].cable, QStringLiteral("auto"));
        bench.window.miLinkSettings_Click(); // cancelled
        const LinkSettings &shown = bench.questions.settingsAsked[1];
        QCOMPARE((QStringList{shown.cable, shown.calc}), (QStringList{"tiemu", "v200"}));
        QCOMPARE((QList<int>{shown.port, shown.timeoutSeconds}), (QList<int>{2, 9}));
        bench.questions.fullScreens = {true};
        bench.window.miCapture_Click();
        QCOMPARE(bench.calculator.opened[0].cable, QStringLiteral("tiemu"));
        QCOMPARE(bench.calculator.opened[0].timeoutSeconds, 9);
    }

    // Open in TiLP... is offered only where TiLP is installed.
    void openInTilpOnlyWithTilp()
    {
        Bench without;
        QVERIFY(!without.window.action(QStringLiteral("miOpenInTilp"))->isVisible());
        FakeServices fakes;
        fakes.programs.installed[QStringLiteral("tilp")] = QStringLiteral("/usr/bin/tilp");
        MainWindow with(fakes.services());
        QVERIFY(with.action(QStringLiteral("miOpenInTilp"))->isVisible());
    }
};

QTEST_MAIN(tst_CalculatorCommands)
#include "tst_CalculatorCommands.moc"
