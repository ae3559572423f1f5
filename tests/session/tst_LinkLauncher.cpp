#include "session/LinkLauncher.h"

#include "fakes/ShellFakes.h"

#include <QTest>

namespace {

const QString storeKey = QStringLiteral("dotlark95/wlink/location");
const QString activation = QStringLiteral("activate TI-GRAPH LINK (89)");

} // namespace

Q_DECLARE_METATYPE(ProgramLauncher::Start)

// The "WLink89" button's decisions: what is asked, shown, stored, started and activated.
class tst_LinkLauncher : public QObject
{
    Q_OBJECT
private slots:
    void press_data()
    {
        QTest::addColumn<QString>("stored");   // empty: no entry in the store
        QTest::addColumn<QString>("picked");   // empty: Cancel in the dialog
        QTest::addColumn<bool>("starts");      // else the file is gone
        QTest::addColumn<bool>("activates");   // a window of the program is open
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("refused");     // the "Didn't find Wlink89.exe!" message
        QTest::addColumn<bool>("toldWhy");     // why it cannot start, and No to choosing again
        QTest::addColumn<QString>("storedAfter");
        QTest::addColumn<QStringList>("calls");

        const QString link = "/opt/ti/WLINK89.EXE";
        QTest::newRow("first press, link program picked")
            << "" << link << true << false << true << false << false << link
            << QStringList{"start " + link + " nofocus", activation};
        QTest::newRow("first press, start fails still activates")
            << "" << link << false << false << true << false << true << link
            << QStringList{"start " + link + " nofocus", activation};
        QTest::newRow("first press, start fails but a window is open")
            << "" << link << false << true << true << false << false << link
            << QStringList{"start " + link + " nofocus", activation};
        QTest::newRow("tool89.exe picked") << "" << "/opt/ti/tool89.exe" << true << false << true << true << false << ""
                                           << QStringList{activation};
        QTest::newRow("xwlink89.exe counts by its ending")
            << "" << "/opt/ti/xwlink89.exe" << true << false << true << false << false << "/opt/ti/xwlink89.exe"
            << QStringList{"start /opt/ti/xwlink89.exe nofocus", activation};
        QTest::newRow("shorter than the ending") << "" << "LINK89.EXE" << true << false << true << true << false << ""
                                                 << QStringList{activation};
        QTest::newRow("cancel") << "" << "" << true << false << true << true << false << "" << QStringList{activation};
        QTest::newRow("stored none counts as unset") << "none" << "" << true << false << true << true << false << "none"
                                                     << QStringList{activation};
        QTest::newRow("later press starts with focus") << link << "" << true << false << false << false << false << link
                                                       << QStringList{"start " + link + " focus"};
        QTest::newRow("stored location no longer starts")
            << link << "" << false << false << false << false << true << link
            << QStringList{"start " + link + " focus", activation};
        QTest::newRow("stored location no longer starts, its window is open")
            << link << "" << false << true << false << false << false << link
            << QStringList{"start " + link + " focus", activation};
    }
    void press()
    {
        QFETCH(QString, stored);
        QFETCH(QString, picked);
        QFETCH(bool, starts);
        QFETCH(bool, activates);
        QFETCH(bool, asked);
        QFETCH(bool, refused);
        QFETCH(bool, toldWhy);
        QFETCH(QString, storedAfter);
        QFETCH(QStringList, calls);

        FakeSettings settings;
        if (!stored.isEmpty())
            settings.values[storeKey] = stored;
        FakeFileDialogs dialogs;
        if (picked.isEmpty())
            dialogs.cancel();
        else
            dialogs.choose(picked);
        FakeMessages messages;
        messages.answers = {Messages::Answer::No};
        FakeProgramLauncher launcher;
        if (!starts)
            launcher.results = {ProgramLauncher::Start::Missing};
        launcher.activates = activates; // every activation failure is silent

        LinkLauncher(settings, dialogs, messages, launcher).Command2_Click();

        QCOMPARE(dialogs.requests.size(), asked ? 1 : 0);
        QStringList captions;
        for (const FakeMessages::Shown &shown : std::as_const(messages.shown))
            captions << shown.caption;
        QStringList expected;
        if (refused)
            expected << "Didn't find Wlink89.exe!";
        if (toldWhy)
            expected << "Can't start Wlink89.exe";
        QCOMPARE(captions, expected);
        QCOMPARE(settings.values.value(storeKey), storedAfter);
        QCOMPARE(launcher.calls, calls);
        // Every start tells the launcher which window to follow.
        const bool started = !calls.filter("start ").isEmpty();
        QCOMPARE(launcher.startedTitle, started ? QString("TI-GRAPH LINK (89)") : QString());
    }

    // Why the program cannot start, under the program's name, with the offer to choose again.
    void cannotStartSaysWhy_data()
    {
        QTest::addColumn<ProgramLauncher::Start>("result");
        QTest::addColumn<QString>("why");
        QTest::newRow("file gone") << ProgramLauncher::Start::Missing << "The file does not exist.";
        QTest::newRow("not a program") << ProgramLauncher::Start::NotProgram
                                       << "It is not a program this computer can run.";
        QTest::newRow("no wine")
            << ProgramLauncher::Start::NoWine
            << "It is a Windows program, and Wine, which runs Windows programs here, is not installed.";
        QTest::newRow("wine would not start it") << ProgramLauncher::Start::WineFailed
                                                 << "It is a Windows program, and Wine would not start it.";
    }
    void cannotStartSaysWhy()
    {
        QFETCH(ProgramLauncher::Start, result);
        QFETCH(QString, why);
        FakeSettings settings;
        settings.values[storeKey] = "/opt/ti/WLINK89.EXE";
        FakeFileDialogs dialogs;
        FakeMessages messages;
        messages.answers = {Messages::Answer::No};
        FakeProgramLauncher launcher;
        launcher.results = {result};
        launcher.activates = false;
        LinkLauncher(settings, dialogs, messages, launcher).Command2_Click();

        QCOMPARE(messages.shown.size(), 1);
        const FakeMessages::Shown &shown = messages.shown.first();
        QCOMPARE(shown.caption, "Can't start Wlink89.exe");
        // The name is isolated: its own writing direction stays inside it.
        QCOMPARE(shown.text, "Can't start \u2068/opt/ti/WLINK89.EXE\u2069\n" + why + "\n\nChoose Wlink89.exe again?");
        QCOMPARE(shown.icon, Messages::Icon::Exclamation);
        QCOMPARE(shown.buttons, Messages::Buttons::YesNo);
        QVERIFY(dialogs.requests.isEmpty());
    }

    // Yes to choosing again opens the designed dialog, as many times as the choice fails.
    void choosesAgainUntilItStarts()
    {
        FakeSettings settings;
        settings.values[storeKey] = "/gone/WLINK89.EXE";
        FakeFileDialogs dialogs;
        dialogs.choose("/opt/a/WLINK89.EXE");
        dialogs.choose("/opt/b/WLINK89.EXE");
        FakeMessages messages; // Yes to every question
        FakeProgramLauncher launcher;
        launcher.results = {ProgramLauncher::Start::Missing, ProgramLauncher::Start::NoWine};
        launcher.activates = false;
        LinkLauncher(settings, dialogs, messages, launcher).Command2_Click();

        QCOMPARE(dialogs.requests.size(), 2);
        QCOMPARE(dialogs.requests.last().title, "Where is Wlink89.exe?");
        QCOMPARE(messages.shown.size(), 2);
        QCOMPARE(settings.values.value(storeKey), "/opt/b/WLINK89.EXE");
        QCOMPARE(launcher.calls, (QStringList{"start /gone/WLINK89.EXE focus", activation,
                                              "start /opt/a/WLINK89.EXE nofocus", activation,
                                              "start /opt/b/WLINK89.EXE nofocus", activation}));
    }

    void dialogAndMessageLookExactlySo()
    {
        FakeSettings settings;
        FakeFileDialogs dialogs;
        dialogs.choose("/home/u/tool89.exe");
        FakeMessages messages;
        FakeProgramLauncher launcher;
        LinkLauncher(settings, dialogs, messages, launcher).Command2_Click();

        QCOMPARE(dialogs.requests.size(), 1);
        const FileDialogs::Request &request = dialogs.requests.first();
        QCOMPARE(request.title, "Where is Wlink89.exe?");
        QCOMPARE(request.filter, "*89.EXE files|*89.exe");
        QVERIFY(request.mustExist);
        QCOMPARE(messages.shown.size(), 1);
        const FakeMessages::Shown &shown = messages.shown.first();
        QCOMPARE(shown.caption, "Didn't find Wlink89.exe!");
        QCOMPARE(shown.text, "The file you selected is not WLINK89.EXE.\n\r Action ignored.");
        QCOMPARE(shown.icon, Messages::Icon::None);
        QCOMPARE(shown.buttons, Messages::Buttons::Ok);
    }

    // A refused pick keeps asking; once the program is picked the dialog never comes back.
    void asksUntilPickedThenNeverAgain()
    {
        FakeSettings settings;
        FakeFileDialogs dialogs;
        dialogs.choose("/opt/ti/tool89.exe");
        dialogs.choose("/opt/ti/wlink89.exe");
        FakeMessages messages;
        FakeProgramLauncher launcher;
        LinkLauncher button(settings, dialogs, messages, launcher);
        for (int press = 0; press < 4; ++press)
            button.Command2_Click();

        QCOMPARE(dialogs.requests.size(), 2);
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(launcher.calls.filter("start").size(), 3);
        QCOMPARE(launcher.calls.last(), "start /opt/ti/wlink89.exe focus");
    }
};

QTEST_GUILESS_MAIN(tst_LinkLauncher)
#include "tst_LinkLauncher.moc"
