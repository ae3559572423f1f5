#include "shell/ExitDialog.h"
#include "shell/WindowCentring.h"

#include <QGuiApplication>
#include <QMap>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

// The exit question: which way each way out of it answers, and where it opens.
class tst_ExitDialog : public QObject
{
    Q_OBJECT
private slots:
    // Keys go to the button with the focus, as the keyboard sends them.
    void answers_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("quits");
        QTest::newRow("Quit Anyway") << "Command1" << true;
        QTest::newRow("Continue Working") << "Command2" << false;
        QTest::newRow("close box") << "close" << false;
        QTest::newRow("Escape") << "Escape" << false;
        QTest::newRow("Return keeps the picture") << "Return" << false;
        QTest::newRow("Enter keeps the picture") << "Enter" << false;
        QTest::newRow("Space on the focus") << "Space" << false;
        QTest::newRow("Tab goes to Quit Anyway") << "Tab Return" << true;
        QTest::newRow("Tab twice comes back") << "Tab Tab Return" << false;
    }
    void answers()
    {
        QFETCH(QString, action);
        QFETCH(bool, quits);
        static const QMap<QString, Qt::Key> keys{{"Escape", Qt::Key_Escape}, {"Return", Qt::Key_Return},
                                                 {"Enter", Qt::Key_Enter},   {"Space", Qt::Key_Space},
                                                 {"Tab", Qt::Key_Tab}};
        ExitDialog dialog;
        auto *continueButton = dialog.findChild<QPushButton *>("Command2");
        bool startsOnContinue = false; // checked once the window is gone: a failure here would leave it open
        QTimer::singleShot(0, &dialog, [&] {
            startsOnContinue = dialog.focusWidget() == continueButton && continueButton->isDefault();
            if (action == "close")
                dialog.close();
            else if (action.startsWith("Command"))
                QTest::mouseClick(dialog.findChild<QPushButton *>(action), Qt::LeftButton);
            else
                for (const QString &key : action.split(u' '))
                    QTest::keyClick(dialog.focusWidget(), keys.value(key));
        });
        QCOMPARE(dialog.ask() == ExitDialog::Choice::Quit, quits);
        QVERIFY(!dialog.isVisible());
        QVERIFY(startsOnContinue);
    }

    void centredWhenCreated()
    {
        ExitDialog dialog;
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(dialog.pos(), screen.topLeft() + centredTopLeft(screen.size(), dialog.frameGeometry().size()));
        QCOMPARE(dialog.size(), QSize(217, 104));
    }
};

QTEST_MAIN(tst_ExitDialog)
#include "tst_ExitDialog.moc"
