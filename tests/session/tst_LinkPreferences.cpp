#include "fakes/Fakes.h"
#include "fakes/PictureFixtures.h"
#include "session/CalculatorPictures.h"
#include "session/LinkPreferences.h"

#include <QTest>

// The link settings kept between runs, and the pictures that come from the calculator.
class tst_LinkPreferences : public QObject
{
    Q_OBJECT

private slots:
    // What is saved is read back; the capture choice is kept beside it.
    void savedAndRead()
    {
        FakeSettings store;
        LinkPreferences preferences(store);
        preferences.save({QStringLiteral("graylink"), 3, QStringLiteral("ti92"), 40, {}});
        preferences.setCaptureFull(true);
        const LinkSettings read = LinkPreferences(store).load();
        QCOMPARE((QStringList{read.cable, read.calc}), (QStringList{"graylink", "ti92"}));
        QCOMPARE((QList<int>{read.port, read.timeoutSeconds}), (QList<int>{3, 40}));
        QVERIFY(LinkPreferences(store).captureFull());
        QCOMPARE(store.values.value(QStringLiteral("dotlark95/link/cable")), QStringLiteral("graylink"));
    }

    // Values another program or an older one left read as the defaults, one by one; the
    // emulator's cable defaults to its port 2.
    void strangeValues_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("read"); // cable|port|calc|timeout
        QTest::newRow("nothing stored") << "" << "" << "auto|1|auto|2";
        QTest::newRow("unknown cable") << "cable" << "usb3" << "auto|1|auto|2";
        QTest::newRow("cable in capitals") << "cable" << "SilverLink" << "silverlink|1|auto|2";
        QTest::newRow("emulator") << "cable" << "tiemu" << "tiemu|2|auto|2";
        QTest::newRow("port 5") << "port" << "5" << "auto|1|auto|2";
        QTest::newRow("unknown calc") << "calc" << "ti84" << "auto|1|auto|2";
        QTest::newRow("timeout huge") << "timeout" << "99999999999" << "auto|1|auto|2";
        QTest::newRow("timeout 600") << "timeout" << "600" << "auto|1|auto|600";
    }
    void strangeValues()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(QString, read);
        FakeSettings store;
        if (!key.isEmpty())
            store.values[QStringLiteral("dotlark95/link/") + key] = stored;
        const LinkSettings link = LinkPreferences(store).load();
        QCOMPARE(QStringLiteral("%1|%2|%3|%4").arg(link.cable).arg(link.port).arg(link.calc).arg(link.timeoutSeconds), read);
        QVERIFY(!LinkPreferences(store).captureFull());
    }

    // The screen's rows, high bit leftmost, with a width that is no whole number of bytes.
    void screenPixels()
    {
        const CalcPicture picture = screenPicture({10, 2, QByteArray::fromHex("8040" "0040")});
        QCOMPARE(QSize(picture.width, picture.height), QSize(10, 2));
        QList<QPoint> black;
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 10; ++x)
                if (picture.pixels.at(x, y))
                    black << QPoint(x, y);
        QCOMPARE(black, (QList<QPoint>{{0, 0}, {9, 0}, {9, 1}}));
    }

    // A received variable is a picture by its data, whatever its type byte; anything else
    // is refused as no picture.
    void receivedVariables_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("picture");
        QByteArray otherType = pictureFile(16, 3, {{15, 2}});
        otherType[72] = char(0x21);
        QByteArray cutShort = pictureFile(16, 3);
        cutShort.chop(4);
        QTest::newRow("picture") << pictureFile(16, 3, {{15, 2}}, {.comment = "Single file dated today"}) << true;
        QTest::newRow("type byte 0x21") << otherType << true;
        QTest::newRow("cut short") << cutShort << false;
        QTest::newRow("a text") << QByteArray("**TI89**\1\0main\0\0\0\0hello") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void receivedVariables()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, picture);
        const Outcome<CalcPicture> read = receivedPicture(QStringLiteral("/tmp/r.89i"), bytes);
        QCOMPARE(bool(read), picture);
        if (picture) {
            QVERIFY(read->pixels.at(15, 2));
            QCOMPARE(read->comment, std::string("made with DOTLARK"));
        }
        else
            QCOMPARE(read.failure().what, Failure::What::NotAPicture);
    }
};

QTEST_GUILESS_MAIN(tst_LinkPreferences)
#include "tst_LinkPreferences.moc"
