#include "platform/Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {
struct Message
{
    QString context, source, translation;
    bool unfinished = false;
};

// The messages of a translation file, as lupdate and Qt Linguist write them.
QList<Message> readMessages(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QStringLiteral("name"))
            context = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else if (xml.name() == QStringLiteral("source"))
            messages.append({context, xml.readElementText(QXmlStreamReader::IncludeChildElements), {}, false});
        else if (xml.name() == QStringLiteral("translation") && !messages.isEmpty()) {
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            messages.last().unfinished = type == QStringLiteral("unfinished");
            messages.last().translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    return messages;
}

QString committed(const QString &language)
{
    return QStringLiteral(DOTLARK_SOURCE_DIR "/translations/dotlark_%1.ts").arg(language);
}

// %1, %2, ... as a set: a translation may move them, never lose or add one.
QSet<QString> placeholders(const QString &text)
{
    static const QRegularExpression mark(QStringLiteral("%\\d+"));
    QSet<QString> found;
    for (auto match = mark.globalMatch(text); match.hasNext();)
        found << match.next().captured();
    return found;
}

// The access keys of a caption: "&" before a letter ("&&" is an ampersand).
int accessKeys(const QString &text)
{
    static const QRegularExpression key(QStringLiteral("(?<!&)&(?=[^&\\s])"));
    return int(text.count(key));
}

QString where(const Message &message) { return message.context + QStringLiteral(": ") + message.source; }
} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    // lupdate run over the code, into a copy of each language's file, finds every text of
    // the program already translated: a new text without its French and German fails here.
    void everyTextIsTranslated()
    {
        for (const QString &language : Translations::languages()) {
            QTemporaryDir folder;
            const QString copy = folder.filePath(QStringLiteral("dotlark_%1.ts").arg(language));
            QVERIFY(QFile::copy(committed(language), copy));
            QProcess lupdate;
            lupdate.setWorkingDirectory(QStringLiteral(DOTLARK_SOURCE_DIR));
            lupdate.start(QStringLiteral(DOTLARK_LUPDATE),
                          {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                           QStringLiteral("-no-obsolete"), QStringLiteral("-extensions"), QStringLiteral("cpp,h"),
                           QStringLiteral("src"), QStringLiteral("app"), QStringLiteral("-ts"), copy});
            QVERIFY2(lupdate.waitForFinished(60000) && lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
            const QList<Message> messages = readMessages(copy);
            QVERIFY(messages.size() > 50);
            QStringList missing;
            for (const Message &message : messages)
                if (message.unfinished || message.translation.isEmpty())
                    missing << where(message);
            QVERIFY2(missing.isEmpty(), qPrintable(language + QStringLiteral(" lacks (run scripts/translations.sh, then translate):\n")
                                                   + missing.join(u'\n')));
        }
    }

    // A translation keeps every %1 of its text (a lost one drops a file name from a message)
    // and, in a caption with an access key, has one access key.
    void translationsKeepPlaceholdersAndKeys()
    {
        for (const QString &language : Translations::languages()) {
            for (const Message &message : readMessages(committed(language))) {
                if (message.translation.isEmpty())
                    continue;
                QVERIFY2(placeholders(message.translation) == placeholders(message.source),
                         qPrintable(language + QStringLiteral(" placeholders: ") + where(message)));
                QVERIFY2(accessKeys(message.translation) == (accessKeys(message.source) > 0 ? 1 : 0),
                         qPrintable(language + QStringLiteral(" access key: ") + where(message)));
            }
        }
    }

    void languageFollowsTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("file");
        QTest::newRow("C") << "C" << "" << "&File";
        QTest::newRow("English") << "en_US" << "" << "&File";
        QTest::newRow("British") << "en_GB" << "" << "&File";
        QTest::newRow("French") << "fr_FR" << "fr" << "&Fichier";
        QTest::newRow("Canadian French") << "fr_CA" << "fr" << "&Fichier";
        QTest::newRow("German") << "de_DE" << "de" << "&Datei";
        QTest::newRow("Swiss German") << "de_CH" << "de" << "&Datei";
        QTest::newRow("Spanish: as written") << "es_ES" << "" << "&File";
    }
    void languageFollowsTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QFETCH(QString, file);
        QCOMPARE(Translations::install(QLocale(locale)), language);
        QCOMPARE(QCoreApplication::translate("MainMenus", "&File"), file);
        Translations::install(QLocale::c());
        QCOMPARE(QCoreApplication::translate("MainMenus", "&File"), QStringLiteral("&File"));
    }
};

QTEST_GUILESS_MAIN(tst_Translations)
#include "tst_Translations.moc"
