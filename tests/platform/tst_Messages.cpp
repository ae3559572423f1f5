#include "platform/Messages.h"

#include <QTest>

// Carriage returns and line feeds in a message become line breaks on screen.
class tst_Messages : public QObject
{
    Q_OBJECT
private slots:
    void screenLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("carriage return") << "Invalid character \rin Folder Name: < >" << "Invalid character \nin Folder Name: < >";
        QTest::newRow("line feed then carriage return") << "not WLINK89.EXE.\n\r Action ignored." << "not WLINK89.EXE.\n Action ignored.";
        QTest::newRow("two pairs make a blank line") << "a.bmp\n\r\n\r     ...this picture?" << "a.bmp\n\n     ...this picture?";
        QTest::newRow("CR LF") << "a\r\nb" << "a\nb";
        QTest::newRow("plain") << "Nothing to save." << "Nothing to save.";
    }
    void screenLines()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(::screenLines(text), shown);
    }
};

QTEST_GUILESS_MAIN(tst_Messages)
#include "tst_Messages.moc"
