#include "shell/DeferredPrintDialog.h"

#include "fakes/Fakes.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The Print dialog the editor loads at its first print: the module the build makes opens the
// real dialog; a module that is missing or is no module is said, naming the file, and the
// print goes no further.
class tst_DeferredPrintDialog : public QObject
{
    Q_OBJECT
private slots:
    void theModuleOpensTheDialog()
    {
        FakeMessages messages;
        DeferredPrintDialog dialog(QStringLiteral(DOTLARK_BINARY_DIR "/app/dotlark/dotlark-print.so"), messages);
        QWidget window;
        dialog.setParent(&window);
        QStringList opened;
        for (int print = 0; print < 2; ++print) {
            QTimer::singleShot(0, this, [&opened] {
                if (QWidget *shown = QApplication::activeModalWidget()) {
                    opened << QString::fromLatin1(shown->metaObject()->className());
                    qobject_cast<QDialog *>(shown)->reject();
                }
            });
            QVERIFY(!dialog.choosePrinter()); // cancelled
        }
        QCOMPARE(opened, QStringList({"QPrintDialog", "QPrintDialog"}));
        QCOMPARE(messages.texts(), QStringList());
    }

    void aModuleThatCannotLoad_data()
    {
        QTest::addColumn<QByteArray>("contents"); // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a module") << QByteArray("not a shared object\n");
    }
    void aModuleThatCannotLoad()
    {
        QFETCH(QByteArray, contents);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("dotlark-print.so"));
        if (!contents.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        FakeMessages messages;
        DeferredPrintDialog dialog(path, messages);
        QVERIFY(!dialog.choosePrinter());
        QCOMPARE(messages.shown.size(), 1);
        const QString said = messages.shown[0].text;
        const QString named = QStringLiteral("The Print dialog cannot be loaded from %1:\r").arg(path);
        QVERIFY2(said.startsWith(named) && said.size() > named.size(), qPrintable(said)); // and the loader's reason
    }
};

QTEST_MAIN(tst_DeferredPrintDialog)
#include "tst_DeferredPrintDialog.moc"
