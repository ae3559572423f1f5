#include "fakes/ConvertRun.h"
#include "fakes/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// dotlark-convert's link options default to the editor's File > Link Settings...: with the
// null cable stored, the link fails at once in its own words; with --cable given, the USB
// cables are probed (none is plugged in here).
class tst_ConvertLinkDefaults : public QObject
{
    Q_OBJECT

private slots:
    void cableFromTheEditor_data()
    {
        QTest::addColumn<QByteArray>("stored"); // the editor's settings file
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("says");
        const QByteArray null("[link]\ncable=null\nport=1\ncalc=ti89\ntimeout=1\n");
        QTest::newRow("editor's cable") << null << QStringList() << "(error 2";
        QTest::newRow("option wins") << null << QStringList{"--cable", "auto"} << "No USB link cable was found";
    }
    void cableFromTheEditor()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QStringList, options);
        QFETCH(QString, says);
        QTemporaryDir config;
        QVERIFY(QDir(config.path()).mkpath(QStringLiteral("dotlark95")));
        QVERIFY(writeFile(config.filePath(QStringLiteral("dotlark95/dotlark95.conf")), stored));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        const ToolRun r = runConvert(QStringList{"--list"} + options, environment);
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(says), qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(tst_ConvertLinkDefaults)
#include "tst_ConvertLinkDefaults.moc"
