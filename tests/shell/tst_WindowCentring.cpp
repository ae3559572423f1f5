#include "shell/WindowCentring.h"

#include <QTest>

// The centring rule: halves are truncated toward zero, also for windows larger than the screen.
class tst_WindowCentring : public QObject
{
    Q_OBJECT
private slots:
    void corner_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("corner");
        QTest::newRow("even differences") << QSize(1024, 768) << QSize(224, 168) << QPoint(400, 300);
        QTest::newRow("odd differences") << QSize(1024, 768) << QSize(217, 104) << QPoint(403, 332);
        QTest::newRow("wider than the screen") << QSize(200, 100) << QSize(301, 103) << QPoint(-50, -1);
        QTest::newRow("same size") << QSize(640, 480) << QSize(640, 480) << QPoint(0, 0);
    }
    void corner()
    {
        QFETCH(QSize, screen);
        QFETCH(QSize, window);
        QFETCH(QPoint, corner);
        QCOMPARE(centredTopLeft(screen, window), corner);
    }
};

QTEST_GUILESS_MAIN(tst_WindowCentring)
#include "tst_WindowCentring.moc"
