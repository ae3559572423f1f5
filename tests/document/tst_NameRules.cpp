#include "document/NameRules.h"

#include <QTest>

Q_DECLARE_METATYPE(NameKind)
Q_DECLARE_METATYPE(NameFault)

// The calculator's name rules on bytes. (Their messages are checked through the boxes.)
class tst_NameRules : public QObject
{
    Q_OBJECT
private slots:
    void rules_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<NameKind>("kind");
        QTest::addColumn<NameFault>("fault");
        QTest::addColumn<int>("character");
        QTest::addColumn<int>("position");
        const auto var = NameKind::PicVar;
        const auto folder = NameKind::Folder;
        QTest::newRow("picture") << QByteArray("picture") << var << NameFault::None << 0 << 0;
        QTest::newRow("pic1") << QByteArray("pic1") << var << NameFault::None << 0 << 0;
        QTest::newRow("8 chars") << QByteArray("ABCDefgh") << var << NameFault::None << 0 << 0;
        QTest::newRow("empty var") << QByteArray() << var << NameFault::Missing << 0 << 0;
        QTest::newRow("1pic") << QByteArray("1pic") << var << NameFault::LeadingDigit << int('1') << 0;
        QTest::newRow("space") << QByteArray("my pic") << var << NameFault::InvalidCharacter << int(' ') << 2;
        QTest::newRow("underscore") << QByteArray("a_b") << folder << NameFault::InvalidCharacter << int('_') << 1;
        QTest::newRow("hyphen") << QByteArray("Ab-c") << var << NameFault::InvalidCharacter << int('-') << 2;
        QTest::newRow("234 first var") << QByteArray("\xEA" "a") << var << NameFault::LeadingDigit << 234 << 0;
        QTest::newRow("234 later var") << QByteArray("a\xEA") << var << NameFault::InvalidCharacter << 234 << 1;
        QTest::newRow("234 first folder") << QByteArray("\xEA" "a") << folder << NameFault::InvalidCharacter << 234 << 0;
        QTest::newRow("233 first var") << QByteArray("\xE9") << var << NameFault::InvalidCharacter << 233 << 0;
        QTest::newRow("128..148 var") << QByteArray("\x80\x8A\x94") << var << NameFault::None << 0 << 0;
        QTest::newRow("149") << QByteArray("a\x95") << folder << NameFault::InvalidCharacter << 149 << 1;
        QTest::newRow("edges of letters") << QByteArray("AZaz") << var << NameFault::None << 0 << 0;
        QTest::newRow("bracket after Z") << QByteArray("Z[") << var << NameFault::InvalidCharacter << int('[') << 1;
        QTest::newRow("backquote before a") << QByteArray("a`") << var << NameFault::InvalidCharacter << int('`') << 1;
        QTest::newRow("brace after z") << QByteArray("z{") << var << NameFault::InvalidCharacter << int('{') << 1;
        QTest::newRow("at before A") << QByteArray("A@") << var << NameFault::InvalidCharacter << int('@') << 1;
        QTest::newRow("colon after 9") << QByteArray("a9:") << var << NameFault::InvalidCharacter << int(':') << 2;
        QTest::newRow("zero byte") << QByteArray("a\0b", 3) << var << NameFault::InvalidCharacter << 0 << 1;
        QTest::newRow("first fault wins") << QByteArray("a b_") << var << NameFault::InvalidCharacter << int(' ') << 1;
    }
    void rules()
    {
        QFETCH(QByteArray, name);
        QFETCH(NameKind, kind);
        const NameCheck check = checkName(std::string_view(name.constData(), size_t(name.size())), kind);
        QTEST(check.fault, "fault");
        if (check.fault == NameFault::LeadingDigit || check.fault == NameFault::InvalidCharacter) {
            QTEST(int(check.character), "character");
            QTEST(check.position, "position");
        }
    }
};

QTEST_GUILESS_MAIN(tst_NameRules)
#include "tst_NameRules.moc"
