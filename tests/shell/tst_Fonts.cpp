#include "shell/Fonts.h"

#include <QTest>

// Which stand-in a font is given: the first installed family of its list, alone; the whole
// list when none is installed, so Qt still matches by its style hint rather than falling back
// to the application's font.
class tst_Fonts : public QObject
{
    Q_OBJECT
private slots:
    void firstInstalled_data()
    {
        QTest::addColumn<QStringList>("families");
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QStringList>("chosen");
        const QStringList calc{"TI92pc", "DejaVu Sans Mono", "Liberation Mono"};
        QTest::newRow("the first is installed") << calc << QStringList{"Liberation Mono", "TI92pc"} << QStringList{"TI92pc"};
        QTest::newRow("a missing first is passed over")
            << calc << QStringList{"Liberation Mono", "DejaVu Sans Mono"} << QStringList{"DejaVu Sans Mono"};
        QTest::newRow("names differ in case") << calc << QStringList{"dejavu sans mono"} << QStringList{"DejaVu Sans Mono"};
        QTest::newRow("none is installed") << calc << QStringList{"Nimbus Sans"} << calc;
    }
    void firstInstalled()
    {
        QFETCH(QStringList, families);
        QFETCH(QStringList, installed);
        QFETCH(QStringList, chosen);
        QCOMPARE(::firstInstalled(families, installed), chosen);
    }
};

QTEST_GUILESS_MAIN(tst_Fonts)
#include "tst_Fonts.moc"
