#include "link/EmulatorTransfers.h"

#include <QTemporaryDir>
#include <QTest>

// The TI-92 Plus and the Voyage 200 end to end: each model's PedroM booted once in TiEmu, a
// picture of its own kind sent, listed and received back pixel for pixel.
class tst_LinkModels : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<EmulatedCalculator::Model>("model");
        QTest::newRow("TI-92 Plus") << EmulatedCalculator::Model::TI92Plus;
        QTest::newRow("Voyage 200") << EmulatedCalculator::Model::Voyage200;
    }
    void roundTrip()
    {
        QFETCH(EmulatedCalculator::Model, model);
        EmulatedCalculator::cleanLink();
        EmulatedCalculator calculator(model);
        if (!calculator.start())
            QSKIP(qPrintable(calculator.why()));
        QTemporaryDir dir;
        const QString picture = dir.filePath(QStringLiteral("picture.") + calculator.pictureSuffix());
        const QString back = dir.filePath(QStringLiteral("back.") + calculator.pictureSuffix());
        writeRandomPicture(picture, 3);

        const ToolRun sent = convertOn(calculator, {"--send", picture});
        QVERIFY2(sent.exitCode == 0, qPrintable(sent.err));
        const ToolRun listed = convertOn(calculator, {"--list"});
        QVERIFY2(listed.exitCode == 0, qPrintable(listed.err));
        // The Voyage 200 is listed in the TI-92 Plus's protocol: in its own, PedroM's answer
        // reads as one nameless variable of size 0.
        QVERIFY2(listed.out.contains(QStringLiteral("main\\picture\tpicture\t1547\n")), qPrintable(listed.out));
        // Automatic: the calculator says it is of the TI-92 Plus's kind.
        ToolRun automatic;
        calculator.transfer([&] {
            automatic = runConvert({"--list", "--cable", "tiemu", "--port", "2", "--calc", "auto", "--timeout", "10"});
            return automatic.exitCode == 0 ? QString() : automatic.err;
        });
        QVERIFY2(automatic.err.contains(QStringLiteral("the calculator answered as the TI-92 Plus")), qPrintable(automatic.err));
        const ToolRun received = convertOn(calculator, {"--receive", "main\\picture", back});
        QVERIFY2(received.exitCode == 0, qPrintable(received.err));
        QCOMPARE(pixelsOf(back), pixelsOf(picture));
        qInfo("%s: error boxes dismissed: %d, boots: %d", QTest::currentDataTag(), calculator.dismissals(), calculator.boots());
    }
};

QTEST_GUILESS_MAIN(tst_LinkModels)
#include "tst_LinkModels.moc"
