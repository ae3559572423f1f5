#include "shell/NameChecks.h"

#include "fakes/Fakes.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

// The name checks as the Save commands run them on the boxes: message, caption, icon and focus.
class tst_NameChecks : public QObject
{
    Q_OBJECT

    QWidget window;
    QLineEdit *text1 = nullptr; // comment box: where the focus is before a check
    QLineEdit *text2 = nullptr; // variable name
    QLineEdit *text3 = nullptr; // folder name

    void reset(const QString &name, const QString &folder)
    {
        text2->setText(name);
        text3->setText(folder);
        text1->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), text1);
    }

private slots:
    void initTestCase()
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(text1 = new QLineEdit);
        layout->addWidget(text2 = new QLineEdit);
        layout->addWidget(text3 = new QLineEdit);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    void failures_data()
    {
        QTest::addColumn<bool>("folderBox");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("message");
        QTest::newRow("var missing") << false << "" << "Pic Var ERROR!" << "Pic Var Name missing.";
        QTest::newRow("folder missing") << true << "" << "Folder Name ERROR!" << "Folder Name missing.";
        QTest::newRow("1pic") << false << "1pic" << "Pic Var ERROR!"
                              << "First character of Pic Var Name can't be digit.";
        QTest::newRow("folder 0a") << true << "0a" << "Folder Name ERROR!"
                                   << "First character of Folder Name can't be digit.";
        QTest::newRow("my pic") << false << "my pic" << "Pic Var ERROR!" << "Invalid character \rin Pic Var Name: < >";
        QTest::newRow("a_b folder") << true << "a_b" << "Folder Name ERROR!" << "Invalid character \rin Folder Name: <_>";
        // Code 234 shows as e with circumflex.
        QTest::newRow("234 first var") << false << QStringLiteral("\u00EAa") << "Pic Var ERROR!"
                                       << "First character of Pic Var Name can't be digit.";
        QTest::newRow("234 first folder") << true << QStringLiteral("\u00EAa") << "Folder Name ERROR!"
                                          << QStringLiteral("Invalid character \rin Folder Name: <\u00EA>");
        QTest::newRow("foreign shown as typed") << false << QStringLiteral("a\u4E2D") << "Pic Var ERROR!"
                                                << QStringLiteral("Invalid character \rin Pic Var Name: <\u4E2D>");
    }
    void failures()
    {
        QFETCH(bool, folderBox);
        QFETCH(QString, text);
        QLineEdit *box = folderBox ? text3 : text2;
        reset(folderBox ? "picture" : text, folderBox ? text : "main");
        FakeMessages messages;
        QVERIFY(!(folderBox ? CheckFolderName(text3, messages) : CheckPicVarName(text2, messages)));
        QCOMPARE(messages.shown.size(), 1);
        QTEST(messages.shown[0].caption, "caption");
        QTEST(messages.shown[0].text, "message");
        QCOMPARE(messages.shown[0].icon, Messages::Icon::Exclamation);
        QCOMPARE(messages.shown[0].buttons, Messages::Buttons::Ok);
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(box->text(), text);
    }

    void passingNamesLeaveFocusAlone()
    {
        reset(QStringLiteral("\u03B1\u03C9pic1"), "ABCDEFGH");
        FakeMessages messages;
        QVERIFY(checkBothNames(text2, text3, messages));
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(QApplication::focusWidget(), text1);
    }

    // Both checks always run, the variable name first; the focus ends in the last failing box.
    void bothChecksRun()
    {
        reset("my pic", "1");
        FakeMessages messages;
        QVERIFY(!checkBothNames(text2, text3, messages));
        QCOMPARE(messages.texts(), QStringList({"Invalid character \rin Pic Var Name: < >",
                                                "First character of Folder Name can't be digit."}));
        QCOMPARE(QApplication::focusWidget(), text3);

        reset("", "main");
        FakeMessages one;
        QVERIFY(!checkBothNames(text2, text3, one));
        QCOMPARE(one.texts(), QStringList("Pic Var Name missing."));
        QCOMPARE(QApplication::focusWidget(), text2);
    }
};

QTEST_MAIN(tst_NameChecks)
#include "tst_NameChecks.moc"
