#include "calc/CalcCharset.h"

#include <QTest>

// Calculator bytes as the text boxes show them, and back.
class tst_CalcCharset : public QObject
{
    Q_OBJECT
private slots:
    void everyByteRoundTrips()
    {
        for (int byte = 1; byte < 256; ++byte) {
            const std::string one(1, char(byte));
            const QString text = CalcCharset::toUnicode(one);
            QVERIFY2(!text.isEmpty(), qPrintable(QString::number(byte)));
            QVERIFY2(CalcCharset::fromUnicode(text) == one, qPrintable(QString::number(byte)));
        }
    }

    // Neighbours must not merge: a letter followed by a code whose text starts with a
    // combining mark, or two codes made of surrogate pairs, still come back byte for byte.
    void everyPairRoundTrips()
    {
        std::string pairs;
        for (int a = 1; a < 256; ++a)
            for (int b = 1; b < 256; ++b)
                pairs += {char(a), char(b)};
        QVERIFY(CalcCharset::fromUnicode(CalcCharset::toUnicode(pairs)) == pairs);
    }

    void shownCharacters_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << QByteArray("main") << "main";
        QTest::newRow("alpha") << QByteArray("\x80") << QStringLiteral("\u03B1");
        QTest::newRow("capital gamma") << QByteArray("\x82") << QStringLiteral("\u0393");
        QTest::newRow("omega") << QByteArray("\x94") << QStringLiteral("\u03C9");
        QTest::newRow("zero ends the text") << QByteArray("ab\0cd", 5) << "ab";
    }
    void shownCharacters()
    {
        QFETCH(QByteArray, bytes);
        QTEST(CalcCharset::toUnicode(std::string_view(bytes.constData(), size_t(bytes.size()))), "text");
    }

    // What the calculator cannot hold becomes '?', one for each character typed.
    void foreignText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("CJK") << QStringLiteral("a\u4E2Db") << QByteArray("a?b");
        QTest::newRow("emoji is one character") << QStringLiteral("a\U0001F600b") << QByteArray("a?b");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
        QTest::newRow("nul") << QString(QChar(0)) << QByteArray("?");
        QTest::newRow("lone combining mark") << QStringLiteral("\u0305") << QByteArray("?");
        QTest::newRow("euro") << QStringLiteral("\u20AC") << QByteArray("?");
    }
    void foreignText()
    {
        QFETCH(QString, text);
        QTEST(QByteArray::fromStdString(CalcCharset::fromUnicode(text)), "bytes");
    }

    // The pieces that become one byte each, so a message can show what was typed.
    void characters()
    {
        const QString text = CalcCharset::toUnicode("\x9A") + QStringLiteral("\U0001F600z");
        const QStringList pieces = CalcCharset::characters(text);
        QCOMPARE(pieces.size(), 3);
        QCOMPARE(CalcCharset::byteOf(pieces[0]), uint8_t(0x9A));
        QCOMPARE(pieces[1], QStringLiteral("\U0001F600"));
        QCOMPARE(CalcCharset::byteOf(pieces[1]), uint8_t('?'));
        QCOMPARE(CalcCharset::byteOf(pieces[2]), uint8_t('z'));
    }
};

QTEST_GUILESS_MAIN(tst_CalcCharset)
#include "tst_CalcCharset.moc"
