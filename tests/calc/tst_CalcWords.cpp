#include "calc/ByteConversions.h"
#include "calc/DocumentWords.h"
#include "calc/NameProblem.h"
#include "calc/PictureFile.h"
#include "platform/FailureText.h"
#include "platform/Translations.h"

#include <QTest>

// The calculator format's reasons and the name rules, as the user reads them: in English the
// format's own words (document/), in another language translated whole, line breaks kept.
class tst_CalcWords : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { Translations::install(QLocale(QLocale::English)); }

    // Every reason the format gives, and every kind of file it recognises by its first bytes.
    void pictureReasonsInEnglish_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("foreign"); // named by what it is
        const auto signedFile = [](int size) { return QByteArray("**TI89**").leftJustified(size, '\0'); };
        QTest::newRow("not signed") << QByteArray(20, '\0') << false;
        QTest::newRow("too short") << signedFile(20) << false;
        QByteArray header = signedFile(92); // height at 88, width at 90, big-endian
        header[91] = 8;
        QTest::newRow("zero size") << header << false;
        header[88] = char(0x80);
        QTest::newRow("size too large") << header << false;
        header[88] = 0, header[89] = 8;
        QTest::newRow("truncated") << header << false;
        QTest::newRow("png") << QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(100, '\0') << true;
        QTest::newRow("jpeg") << QByteArray("\xFF\xD8\xFF\xE0", 4) + QByteArray(100, '\0') << true;
        QTest::newRow("gif") << QByteArray("GIF89a") + QByteArray(100, '\0') << true;
        QByteArray bmp = QByteArray("BM") + QByteArray(98, '\0');
        bmp[2] = 100;
        QTest::newRow("bmp") << bmp << true;
        QTest::newRow("wmf") << QByteArray("\xD7\xCD\xC6\x9A", 4) + QByteArray(100, '\0') << true;
        QTest::newRow("pdf") << QByteArray("%PDF-1.4") + QByteArray(100, '\0') << true;
    }
    void pictureReasonsInEnglish()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, foreign);
        const DecodeResult decoded = decode89i(asBytes(bytes));
        QVERIFY(decoded.error != Picture89iError::None);
        QCOMPARE(!decoded.foreignKind.empty(), foreign);
        const Outcome<CalcPicture> read = decodePictureFile(QStringLiteral("a.89i"), bytes);
        QVERIFY(!read);
        QCOMPARE(read.failure().detail, QString::fromStdString(errorText(decoded.error, decoded.foreignKind)));
    }

    void reasonsWithoutBytes()
    {
        QCOMPARE(pictureFailure({}, Picture89iError::TooLargeToWrite).detail,
                 QString::fromStdString(errorText(Picture89iError::TooLargeToWrite)));
    }

    void nameProblemsInEnglish_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<NameKind>("kind");
        QTest::addColumn<NameFault>("fault");
        QTest::addColumn<QString>("character");
        for (const NameKind kind : {NameKind::PicVar, NameKind::Folder}) {
            const char *tag = kind == NameKind::PicVar ? "picvar " : "folder ";
            QTest::addRow("%smissing", tag) << QString() << kind << NameFault::Missing << QString();
            QTest::addRow("%sdigit", tag) << QStringLiteral("1a") << kind << NameFault::LeadingDigit << QString();
            QTest::addRow("%sinvalid", tag) << QStringLiteral("ab-c") << kind << NameFault::InvalidCharacter << QStringLiteral("-");
        }
    }
    void nameProblemsInEnglish()
    {
        QFETCH(QString, name);
        QFETCH(NameKind, kind);
        QFETCH(NameFault, fault);
        QFETCH(QString, character);
        const std::optional<NameProblem> problem = findNameProblem(name, kind);
        QVERIFY(problem);
        QCOMPARE(problem->title, QString::fromStdString(nameFaultTitle(kind)));
        QCOMPARE(problem->message, QString::fromStdString(nameFaultMessage(kind, fault, character.toStdString())));
    }

    // The group, recovery copy and sprite reasons: every one of them, with and without the
    // entry's name, the same English as the format's own words.
    void formatReasonsInEnglish()
    {
        for (int e = int(GroupError::None); e <= int(GroupError::TooManyEntries); ++e) {
            const auto error = GroupError(e);
            QCOMPARE(groupReason(error, 2), QString::fromStdString(groupErrorText(error, 2)));
            QCOMPARE(groupReason(error, 2, QStringLiteral("main\\pic")), QString::fromStdString(groupErrorText(error, 2, "main\\pic")));
        }
        for (int e = int(RecoveryError::None); e <= int(RecoveryError::TrailingBytes); ++e)
            QCOMPARE(recoveryReason(RecoveryError(e)), QString::fromUtf8(errorText(RecoveryError(e))));
        for (const SpriteError error : {SpriteError::None, SpriteError::Empty, SpriteError::TooWide})
            QCOMPARE(spriteReason(error, 40, SpriteWidth::W32), QString::fromStdString(spriteErrorText(error, 40, SpriteWidth::W32)));
        Translations::install(QLocale(QLocale::German, QLocale::Germany));
        const QString german = groupReason(GroupError::OffsetOutside, 2, QStringLiteral("main\\pic"));
        QVERIFY(german != QString::fromStdString(groupErrorText(GroupError::OffsetOutside, 2, "main\\pic")));
        QVERIFY(german.contains(QStringLiteral("3")) && german.contains(QStringLiteral("main\\pic")));
    }

    // In French the words change, and the invalid-character message still breaks its line
    // where the English does (a message box shows the carriage return as a new line).
    void translatedWholeWithTheirLineBreak()
    {
        const QString english = findNameProblem(QStringLiteral("ab-c"), NameKind::PicVar)->message;
        const QString damaged = describe(decodePictureFile(QStringLiteral("a.89i"), QByteArray("**TI89**")).failure());
        QCOMPARE(Translations::install(QLocale(QLocale::French, QLocale::France)), QStringLiteral("fr"));
        const QString french = findNameProblem(QStringLiteral("ab-c"), NameKind::PicVar)->message;
        QVERIFY(french != english);
        QCOMPARE(french.count(u'\r'), 1);
        QVERIFY(french.endsWith(QStringLiteral("<->")));
        QVERIFY(describe(decodePictureFile(QStringLiteral("a.89i"), QByteArray("**TI89**")).failure()) != damaged);
    }
};

QTEST_GUILESS_MAIN(tst_CalcWords)
#include "tst_CalcWords.moc"
