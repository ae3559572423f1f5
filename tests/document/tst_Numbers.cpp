#include "document/Numbers.h"

#include <QTest>

// The number rules of the text boxes: reading the leading number and writing the shortest form.
class tst_Numbers : public QObject
{
    Q_OBJECT
private slots:
    void leading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("blank then one") << " 1" << 1.0;
        QTest::newRow("digits then letters") << "2.5abc" << 2.5;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("lone minus") << "-" << 0.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("negative") << "-5" << -5.0;
        QTest::newRow("blanks inside") << "1 2. 5" << 12.5;
        QTest::newRow("unit after number") << "100px" << 100.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("sign after digits stops") << "3-4" << 3.0;
        QTest::newRow("e without exponent digits") << "2e" << 2.0;
        QTest::newRow("exponent") << "1e2" << 100.0;
        QTest::newRow("plus sign") << "+7" << 7.0;
        QTest::newRow("fraction of zero") << "12.0" << 12.0;
    }
    void leading()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(leadingNumber(text.toStdString()), value);
    }

    void general_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("one") << 1.0 << "1";
        QTest::newRow("tenth") << 0.1 << "0.1";
        QTest::newRow("sum with tail") << (1.1 + 0.1) << "1.2";
        QTest::newRow("negative tenth") << -0.1 << "-0.1";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("quarter") << 2.25 << "2.25";
    }
    void general()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(generalNumber(value)), text);
    }

    // Ten nudges of 0.1 from 1 read back and written each time, as the spinners do.
    void tenNudgesHaveNoDigitTails()
    {
        std::string text = "1";
        QStringList seen;
        for (int i = 0; i < 10; ++i) {
            text = generalNumber(leadingNumber(text) + 0.1);
            seen << QString::fromStdString(text);
        }
        QCOMPARE(seen, QStringList({"1.1", "1.2", "1.3", "1.4", "1.5", "1.6", "1.7", "1.8", "1.9", "2"}));
    }
};

QTEST_GUILESS_MAIN(tst_Numbers)
#include "tst_Numbers.moc"
