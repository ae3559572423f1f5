#include "fakes/Fakes.h"
#include "shell/NewPictureDialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The New-picture dialog: which sizes it accepts, how it resets a refused entry, and that it
// keeps its text between showings.
class tst_NewPictureDialog : public QObject
{
    Q_OBJECT

    FakeMessages messages;
    NewPictureDialog *dialog = nullptr;

    QLineEdit *box(const char *name) const { return dialog->findChild<QLineEdit *>(QLatin1String(name)); }
    QPushButton *button(const char *name) const { return dialog->findChild<QPushButton *>(QLatin1String(name)); }

    void showAndActivate()
    {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
    }

    void enter(const QString &width, const QString &height)
    {
        box("txtWd")->setText(width);
        box("txtHt")->setText(height);
    }

private slots:
    void init()
    {
        messages.shown.clear();
        dialog = new NewPictureDialog(messages);
        showAndActivate();
    }
    void cleanup() { delete dialog; }

    void accepts_data()
    {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QSize>("size");
        QTest::newRow("largest") << "160" << "77" << QSize(160, 77);
        QTest::newRow("smallest") << "1" << "1" << QSize(1, 1);
        QTest::newRow("surrounding blanks") << " 100 " << "5" << QSize(100, 5);
        QTest::newRow("unit after number") << "100px" << "12.0" << QSize(100, 12);
    }
    void accepts()
    {
        QFETCH(QString, width);
        QFETCH(QString, height);
        QFETCH(QSize, size);
        enter(width, height);
        QTest::mouseClick(button("cmdOK"), Qt::LeftButton);
        QCOMPARE(dialog->acceptedSize(), std::optional<QSize>(size));
        QVERIFY(!dialog->isVisible());
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(box("txtWd")->text(), width); // kept as typed, for the next showing
    }

    void refusesAndResets_data()
    {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::newRow("width zero") << "0" << "77";
        QTest::newRow("width too large") << "161" << "77";
        QTest::newRow("height too large") << "160" << "78";
        QTest::newRow("negative height") << "10" << "-5";
        QTest::newRow("fraction") << "12.5" << "10";
        QTest::newRow("letters") << "abc" << "10";
        QTest::newRow("empty height") << "10" << "";
        QTest::newRow("overflowing exponent") << "1e999" << "10";
    }
    void refusesAndResets()
    {
        QFETCH(QString, width);
        QFETCH(QString, height);
        enter(width, height);
        box("txtHt")->setFocus(); // Enter pressed in the height box
        QTest::keyClick(box("txtHt"), Qt::Key_Return);

        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text, QStringLiteral("Error in dimensions. resetting to 160x77."));
        QCOMPARE(messages.shown[0].caption, QStringLiteral("TI-89 DOTLARK Plus"));
        QCOMPARE(messages.shown[0].icon, Messages::Icon::Exclamation);
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->acceptedSize());
        QCOMPARE(box("txtWd")->text(), QStringLiteral("160"));
        QCOMPARE(box("txtHt")->text(), QStringLiteral("77"));
        QVERIFY(box("txtWd")->hasFocus());
        QCOMPARE(box("txtWd")->selectedText(), QStringLiteral("160"));
    }

    // A reset while the width box already has the focus still selects its text.
    void resetSelectsWidthThatHadFocus()
    {
        enter(QStringLiteral("500"), QStringLiteral("10"));
        QTest::keyClick(box("txtWd"), Qt::Key_Return);
        QVERIFY(box("txtWd")->hasFocus());
        QCOMPARE(box("txtWd")->selectedText(), QStringLiteral("160"));
    }

    void cancels_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("Cancel button") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close box") << 2;
    }
    void cancels()
    {
        QFETCH(int, how);
        enter(QStringLiteral("20"), QStringLiteral("30"));
        if (how == 0)
            QTest::mouseClick(button("cmdCancel"), Qt::LeftButton);
        else if (how == 1)
            QTest::keyClick(box("txtWd"), Qt::Key_Escape);
        else
            dialog->close();
        QVERIFY(!dialog->isVisible());
        QVERIFY(!dialog->acceptedSize());
        QVERIFY(messages.shown.isEmpty());
    }

    void reopenShowsLastEntryWithWidthSelected()
    {
        enter(QStringLiteral("20"), QStringLiteral("30"));
        QTest::mouseClick(button("cmdOK"), Qt::LeftButton);
        QVERIFY(dialog->acceptedSize());
        showAndActivate();
        QVERIFY(!dialog->acceptedSize()); // a new question
        QCOMPARE(box("txtHt")->text(), QStringLiteral("30"));
        QVERIFY(box("txtWd")->hasFocus());
        QCOMPARE(box("txtWd")->selectedText(), QStringLiteral("20"));
        QTest::keyClicks(box("txtWd"), QStringLiteral("45")); // typing replaces the selection
        QCOMPARE(box("txtWd")->text(), QStringLiteral("45"));
    }

    // "4 grey levels" stands beside the designed controls, which keep their places; it is
    // off at first and kept between showings.
    void greyLevelsExtension()
    {
        QCheckBox *grey = dialog->findChild<QCheckBox *>(QStringLiteral("chkGrey"));
        QVERIFY(grey);
        QCOMPARE(dialog->levels(), 2);
        QVERIFY(grey->geometry().left() >= 312);
        QCOMPARE(box("txtWd")->geometry(), QRect(58, 135, 81, 22));
        QCOMPARE(button("cmdOK")->geometry(), QRect(73, 164, 81, 33));
        QTest::mouseClick(grey, Qt::LeftButton);
        QCOMPARE(dialog->levels(), 4);
        enter(QStringLiteral("16"), QStringLiteral("5"));
        QTest::mouseClick(button("cmdOK"), Qt::LeftButton);
        QCOMPARE(dialog->acceptedSize(), std::optional<QSize>(QSize(16, 5)));
        showAndActivate();
        QCOMPARE(dialog->levels(), 4);
        QVERIFY(box("txtWd")->hasFocus()); // the designed focus, not the extension's
    }

    // ask() runs the dialog modally and hands back what it ended with.
    void askReturnsTheOutcome()
    {
        dialog->hide();
        QTimer::singleShot(0, dialog, [this] {
            enter(QStringLiteral("8"), QStringLiteral("9"));
            QTest::keyClick(box("txtWd"), Qt::Key_Return);
        });
        QCOMPARE(dialog->ask(), std::optional<QSize>(QSize(8, 9)));
        QTimer::singleShot(0, dialog, [this] { QTest::keyClick(box("txtWd"), Qt::Key_Escape); });
        QCOMPARE(dialog->ask(), std::nullopt);
    }
};

QTEST_MAIN(tst_NewPictureDialog)
#include "tst_NewPictureDialog.moc"
