#include "shell/HelpWindow.h"

#include <QPlainTextEdit>
#include <QTest>

// The instructions must reach the screen as eight separate lines, blanks untouched, with the
// CR LF endings of the text turned into line breaks rather than stray characters.
class tst_HelpWindow : public QObject
{
    Q_OBJECT
private slots:
    void showsEightLinesExactly()
    {
        HelpWindow help;
        const QString shown = help.findChild<QPlainTextEdit *>(QStringLiteral("Text1"))->toPlainText();
        QVERIFY(!shown.contains(u'\r'));
        const QStringList lines = shown.split(u'\n');
        QCOMPARE(lines.size(), 9); // the last line ending leaves an empty ninth line
        QCOMPARE(lines[0], QStringLiteral("Use this program to view, edit, create, and save TI-89 Image files. "));
        QVERIFY(lines[5].contains(QStringLiteral("cleared image.  You must")));
        QVERIFY(lines[5].endsWith(QStringLiteral("before opening another. ")));
        QCOMPARE(lines[7], QStringLiteral("The comment is saved in the computer file only, not the BMP file or in the calculator."));
        QCOMPARE(lines[8], QString());
        QCOMPARE(HelpWindow::instructionsText().count(QStringLiteral("\r\n")), 8);
    }
};

QTEST_MAIN(tst_HelpWindow)
#include "tst_HelpWindow.moc"
