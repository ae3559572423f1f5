#include "fakes/Fakes.h"
#include "shell/DialogQuestions.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using Choice = Questions::RecoverChoice;

namespace {
QList<LeftCopy> leftCopies(int count, const QString &firstFile = QStringLiteral("/p/pic0.89i"))
{
    QList<LeftCopy> copies;
    for (int i = 0; i < count; ++i)
        copies.append({i == 0 ? firstFile : QStringLiteral("/p/pic%1.89i").arg(i), QStringLiteral("2024-01-02 03:0%1").arg(i)});
    return copies;
}

// Does what `actions` say to the question once it shows: a button's name presses it,
// "rowN" selects row N, "doubleN" double-clicks it, "close" closes the window, and a key's
// name (Return, Escape) goes to the widget with the focus.
void actOnQuestion(const QString &actions)
{
    QTimer::singleShot(0, [actions] {
        QWidget *question = QApplication::activeModalWidget();
        QVERIFY(question);
        QVERIFY(QTest::qWaitForWindowExposed(question)); // laid out: its rows are where they show
        auto *list = question->findChild<QTreeWidget *>(QStringLiteral("copies"));
        for (const QString &action : actions.split(u' ')) {
            QTreeWidgetItem *row = list ? list->topLevelItem(action.right(1).toInt()) : nullptr;
            if (action.startsWith("row")) {
                list->setCurrentItem(row);
            } else if (action.startsWith("double")) { // a click, then the second press
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(row).center());
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(row).center());
            } else if (action == "close") {
                question->close();
            } else if (action == "Return" || action == "Escape") {
                QTest::keyClick(question->focusWidget(), action == "Return" ? Qt::Key_Return : Qt::Key_Escape);
            } else {
                QTest::mouseClick(question->findChild<QPushButton *>(action), Qt::LeftButton);
            }
        }
        if (question->isVisible()) // an action that did not answer fails the test, not hangs it
            question->close();
    });
}
} // namespace

// The question about the recovery copies left at start: a message box for one copy, a list
// for several. Which way out gives which answer, and how the names show.
class tst_RecoverQuestion : public QObject
{
    Q_OBJECT
    FakeMessages m_messages;

private slots:
    void answers_data()
    {
        QTest::addColumn<int>("copies");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<Choice>("choice");
        QTest::addColumn<int>("copy");
        QTest::newRow("one: Return recovers") << 1 << "Return" << Choice::Recover << 0;
        QTest::newRow("one: Discard") << 1 << "Discard" << Choice::Discard << 0;
        QTest::newRow("one: Escape is Later") << 1 << "Escape" << Choice::Later << 0;
        QTest::newRow("several: Return recovers the newest") << 3 << "Return" << Choice::Recover << 0;
        QTest::newRow("several: the one selected") << 3 << "row2 Recover" << Choice::Recover << 2;
        QTest::newRow("several: a double click") << 3 << "double1" << Choice::Recover << 1;
        QTest::newRow("several: Discard") << 3 << "row1 Discard" << Choice::Discard << 1;
        QTest::newRow("several: Escape is Later") << 3 << "Escape" << Choice::Later << 0;
        QTest::newRow("several: the close box is Later") << 3 << "close" << Choice::Later << 0;
    }
    void answers()
    {
        QFETCH(int, copies);
        QFETCH(QString, actions);
        QFETCH(Choice, choice);
        QFETCH(int, copy);
        DialogQuestions questions(m_messages);
        actOnQuestion(actions);
        const Questions::RecoverAnswer answer = questions.askRecover(leftCopies(copies));
        QCOMPARE(answer.choice, choice);
        QCOMPARE(answer.copy, copy);
    }

    // A name stays apart from the sentence around it: an override in it reverses the name
    // alone, and an end of isolate of its own cannot end the isolation early.
    void namesAreIsolated_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << "/p/a.89i" << u"\u2068/p/a.89i\u2069"_qs;
        QTest::newRow("a right-to-left override") << u"/p/\u202Egpj.89i"_qs << u"\u2068/p/\u202Egpj.89i\u2069"_qs;
        QTest::newRow("a stray end of isolate") << u"a\u2069\u202Eb"_qs << u"\u2068a\uFFFD\u202Eb\u2069"_qs;
        QTest::newRow("an isolate left open") << u"\u2067a"_qs << u"\u2068\u2067a\u2069\u2069"_qs;
        QTest::newRow("an isolate closed") << u"\u2066a\u2069b"_qs << u"\u2068\u2066a\u2069b\u2069"_qs;
    }
    void namesAreIsolated()
    {
        QFETCH(QString, file);
        QFETCH(QString, shown);
        DialogQuestions questions(m_messages);
        QString boxText, row;
        const auto look = [&] {
            QTimer::singleShot(0, [&] {
                QWidget *question = QApplication::activeModalWidget();
                if (auto *box = qobject_cast<QMessageBox *>(question))
                    boxText = box->text();
                else if (auto *list = question->findChild<QTreeWidget *>(QStringLiteral("copies")))
                    row = list->topLevelItem(0)->text(0);
            });
            actOnQuestion(QStringLiteral("Later"));
        };
        look();
        (void)questions.askRecover(leftCopies(1, file));
        QCOMPARE(boxText, u"Recover the unsaved picture of "_qs + shown + u" from 2024-01-02 03:00?"_qs);
        look();
        (void)questions.askRecover(leftCopies(2, file));
        QCOMPARE(row, shown);
    }
};

QTEST_MAIN(tst_RecoverQuestion)
#include "tst_RecoverQuestion.moc"
