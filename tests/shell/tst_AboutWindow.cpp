#include "fakes/ShellFakes.h"
#include "shell/AboutWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

} // namespace

// The About window: the rising picture and its restart, and the two links.
class tst_AboutWindow : public QObject
{
    Q_OBJECT

    FakeDesktop desktop;
    AboutWindow *about = nullptr;

    QLabel *label(const char *name) const { return about->findChild<QLabel *>(QLatin1String(name)); }
    int pictureY() const { return label("Picture1")->y(); }
    void tick(int times)
    {
        for (int i = 0; i < times; ++i)
            about->Timer1_Timer();
    }

private slots:
    void init()
    {
        desktop.opened.clear();
        desktop.succeeds = true;
        about = new AboutWindow(desktop);
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about));
    }
    void cleanup() { delete about; }

    void rises_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("one tick") << 1 << 2510 << 167;
        QTest::newRow("one before the top") << 121 << 1310 << 87;
        QTest::newRow("at the top") << 122 << 1300 << 87;
        QTest::newRow("long after") << 1000 << 1300 << 87;
    }
    void rises()
    {
        QFETCH(int, ticks);
        QFETCH(int, twips);
        QFETCH(int, pixels);
        tick(ticks);
        QCOMPARE(about->pictureTopTwips(), twips);
        QCOMPARE(pictureY(), pixels);
        QVERIFY(about->isAnimating()); // the timer runs on until OK
    }

    void timerDrivesTheRise()
    {
        QTRY_VERIFY_WITH_TIMEOUT(about->pictureTopTwips() <= 2500, 2000);
    }

    // However the window goes away mid-rise, showing it again starts from the bottom.
    void restartsAtEveryShowing_data()
    {
        QTest::addColumn<bool>("byOk");
        QTest::newRow("OK") << true;
        QTest::newRow("close box") << false;
    }
    void restartsAtEveryShowing()
    {
        QFETCH(bool, byOk);
        tick(40);
        if (byOk)
            QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
        else
            about->close();
        QVERIFY(!about->isVisible());
        QVERIFY(!about->isAnimating());
        QCOMPARE(about->pictureTopTwips(), 2520);
        QCOMPARE(pictureY(), 168);

        about->show();
        QVERIFY(about->isAnimating());
        QCOMPARE(about->pictureTopTwips(), 2520);
        QCOMPARE(label("lblVer")->text(), QStringLiteral("Version 3.0.8"));
        tick(1);
        QCOMPARE(about->pictureTopTwips(), 2510);
    }

    // The licence line sits below the designed layout, whole, over none of its controls, and in
    // front of the picture waiting below the designed area.
    void licenceLineBelowTheDesign()
    {
        QLabel *licence = label("lblLicence");
        QVERIFY(licence->text().contains(QStringLiteral("GNU GPL, version 2 or later")));
        QCOMPARE(about->height(), 169 + licence->height() + 1);
        QVERIFY(licence->fontMetrics().horizontalAdvance(licence->text()) <= licence->width());
        for (QWidget *control : about->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (control != licence && control->objectName() != QStringLiteral("Picture1"))
                QVERIFY2(!control->geometry().intersects(licence->geometry()), qPrintable(control->objectName()));
        QCOMPARE(about->childAt(licence->geometry().center()), licence);
    }

    void clicksOpenLinks_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("url");
        QTest::newRow("address") << "Label5" << "mailto:dotlark@example.org";
        QTest::newRow("picture") << "Picture1" << "https://example.org/dotlark";
    }
    void clicksOpenLinks()
    {
        QFETCH(QString, control);
        QFETCH(QString, url);
        desktop.succeeds = false; // no mail program, no browser: nothing to report
        tick(200);                // the picture fully risen, so a click reaches it
        QTest::mouseClick(label(control.toLatin1()), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(desktop.opened, QList<QUrl>{QUrl(url)});
        QVERIFY(about->isVisible());
    }
};

QTEST_MAIN(tst_AboutWindow)
#include "tst_AboutWindow.moc"
