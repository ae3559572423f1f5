#include "session/LinkLauncher.h"

#include "fakes/ShellFakes.h"

#include <QTest>

namespace {

const QString storeKey = QStringLiteral("dotlark95/wlink/location");
const QString activation = QStringLiteral("activate TI-GRAPH LINK (89)");

} // namespace

// The "WLink89" button's decisions: what is asked, shown, stored, started and activated.
class tst_LinkLauncher : public QObject
{
    Q_OBJECT
private slots:
    void press_data()
    {
        QTest::addColumn<QString>("stored");   // empty: no entry in the store
        QTest::addColumn<QString>("picked");   // empty: Cancel in the dialog
        QTest::addColumn<bool>("starts");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("refused");     // the "Didn't find Wlink89.exe!" message
        QTest::addColumn<QString>("storedAfter");
        QTest::addColumn<QStringList>("calls");

        const QString link = "/opt/ti/WLINK89.EXE";
        QTest::newRow("first press, link program picked")
            << "" << link << true << true << false << link
            << QStringList{"start " + link + " nofocus", activation};
        QTest::newRow("first press, start fails still activates")
            << "" << link << false << true << false << link
            << QStringList{"start " + link + " nofocus", activation};
        QTest::newRow("tool89.exe picked") << "" << "/opt/ti/tool89.exe" << true << true << true << ""
                                           << QStringList{activation};
        QTest::newRow("xwlink89.exe counts by its ending")
            << "" << "/opt/ti/xwlink89.exe" << true << true << false << "/opt/ti/xwlink89.exe"
            << QStringList{"start /opt/ti/xwlink89.exe nofocus", activation};
        QTest::newRow("shorter than the ending") << "" << "LINK89.EXE" << true << true << true << ""
                                                 << QStringList{activation};
        QTest::newRow("cancel") << "" << "" << true << true << true << "" << QStringList{activation};
        QTest::newRow("stored none counts as unset") << "none" << "" << true << true << true << "none"
                                                     << QStringList{activation};
        QTest::newRow("later press starts with focus") << link << "" << true << false << false << link
                                                       << QStringList{"start " + link + " focus"};
        QTest::newRow("stored location no longer starts")
            << link << "" << false << false << false << link
            << QStringList{"start " + link + " focus", activation};
    }
    void press()
    {
        QFETCH(QString, stored);
        QFETCH(QString, picked);
        QFETCH(bool, starts);
        QFETCH(bool, asked);
        QFETCH(bool, refused);
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
        FakeProgramLauncher launcher;
        launcher.starts = starts;
        launcher.activates = false; // every activation failure is silent

        LinkLauncher(settings, dialogs, messages, launcher).Command2_Click();

        QCOMPARE(dialogs.requests.size(), asked ? 1 : 0);
        QCOMPARE(messages.shown.size(), refused ? 1 : 0);
        QCOMPARE(settings.values.value(storeKey), storedAfter);
        QCOMPARE(launcher.calls, calls);
        // Every start tells the launcher which window to follow.
        const bool started = !calls.filter("start ").isEmpty();
        QCOMPARE(launcher.startedTitle, started ? QString("TI-GRAPH LINK (89)") : QString());
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
