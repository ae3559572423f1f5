#include "fakes/ConvertRun.h"
#include "fakes/PictureFixtures.h"
#include "fakes/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

// dotlark-convert in the system's language: French and German where the locale asks for
// them, the designed English under an English or C locale; the words it parses (option
// names) and its exit statuses the same in every language.
class tst_ConvertLanguages : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    // LANG, with LANGUAGE when `languages` lists the user's languages in order.
    static ToolRun runIn(const QString &locale, const QStringList &arguments, const QString &languages = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANG"), locale);
        environment.insert(QStringLiteral("LANGUAGE"), languages);
        return runConvert(arguments, environment, 30000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QVERIFY(writeFile(dir.filePath("pic.89i"), pictureFile(10, 3, {{0, 0}}, {.folder = "zq", .comment = "hi"})));
    }

    void usageErrorFollowsTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("languages");
        QTest::addColumn<bool>("english");
        QTest::newRow("C") << "C.UTF-8" << "" << true;
        QTest::newRow("English") << "en_GB.UTF-8" << "" << true;
        QTest::newRow("French") << "fr_FR.UTF-8" << "" << false;
        QTest::newRow("German") << "de_DE.UTF-8" << "" << false;
        QTest::newRow("other") << "it_IT.UTF-8" << "" << true;
        QTest::newRow("English listed first") << "fr_FR.UTF-8" << "en:fr" << true;
        QTest::newRow("German listed first") << "it_IT.UTF-8" << "de:en" << false;
    }
    void usageErrorFollowsTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, languages);
        QFETCH(bool, english);
        const ToolRun r = runIn(locale, {"--fit", "--fill"}, languages);
        QCOMPARE(r.exitCode, 2);
        const QString designed = QStringLiteral("dotlark-convert: --fit and --fill do not go together\n"
                                                "Try 'dotlark-convert --help'.\n");
        QCOMPARE(r.err == designed, english);
        QVERIFY2(r.err.startsWith("dotlark-convert: --fit ") && r.err.contains(" --fill "), qPrintable(r.err));
        QVERIFY2(r.err.contains("dotlark-convert --help"), qPrintable(r.err));
    }

    // The labels of --info differ in length from one language to the next; the values stay
    // in one column, a blank after the longest label.
    void infoKeepsItsValuesInOneColumn_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("C") << "C.UTF-8";
        QTest::newRow("French") << "fr_FR.UTF-8";
        QTest::newRow("German") << "de_DE.UTF-8";
    }
    void infoKeepsItsValuesInOneColumn()
    {
        QFETCH(QString, locale);
        const ToolRun r = runIn(locale, {"--info", dir.filePath("pic.89i")});
        QCOMPARE(r.exitCode, 0);
        const QStringList lines = r.out.trimmed().split(u'\n');
        QCOMPARE(lines.size(), 12);
        const qsizetype column = lines[0].indexOf(QStringLiteral("zq"));
        QVERIFY2(column > 0, qPrintable(r.out));
        qsizetype longest = 0;
        for (const QString &line : lines) {
            const QString label = line.left(column);
            QVERIFY2(label.endsWith(u' ') && !line.at(column).isSpace() && label.trimmed().endsWith(u':'), qPrintable(line));
            longest = std::max(longest, label.trimmed().size());
        }
        QCOMPARE(column, longest + 1);
        QCOMPARE(lines[3].mid(column), QStringLiteral("10"));
    }
};

QTEST_GUILESS_MAIN(tst_ConvertLanguages)
#include "tst_ConvertLanguages.moc"
