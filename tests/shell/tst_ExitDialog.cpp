#include "shell/ExitDialog.h"
#include "shell/WindowCentring.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

// The exit question: which way each way out of it answers, and where it opens.
class tst_ExitDialog : public QObject
{
    Q_OBJECT
private slots:
    void answers_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("quits");
        QTest::newRow("Quit Anyway") << "Command1" << true;
        QTest::newRow("Continue Working") << "Command2" << false;
        QTest::newRow("close box") << "close" << false;
        QTest::newRow("Escape") << "escape" << false;
    }
    void answers()
    {
        QFETCH(QString, action);
        QFETCH(bool, quits);
        ExitDialog dialog;
        QTimer::singleShot(0, &dialog, [&] {
            if (action == "close")
                dialog.close();
            else if (action == "escape")
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                QTest::mouseClick(dialog.findChild<QPushButton *>(action), Qt::LeftButton);
        });
        QCOMPARE(dialog.ask() == ExitDialog::Choice::Quit, quits);
        QVERIFY(!dialog.isVisible());
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
