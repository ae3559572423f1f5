#include "qtdialogs/QtProgress.h"

#include <QProgressDialog>
#include <QTest>

// The progress dialog's words.
class tst_QtProgress : public QObject
{
    Q_OBJECT
private slots:
    // The bytes are told below the work's own text, which is taken as it is: a file name
    // with a "%2" in it keeps it.
    void bytesBelowTheText()
    {
        QtProgress progress(QStringLiteral("Send to Calculator..."));
        progress.begin(QStringLiteral("Sending 100%2off.89i to the calculator..."), [] {});
        progress.step(512, 2048);
        QCOMPARE(progress.dialog()->labelText(), QStringLiteral("Sending 100%2off.89i to the calculator...\n512 of 2048 bytes"));
        progress.end();
    }
};

QTEST_MAIN(tst_QtProgress)
#include "tst_QtProgress.moc"
