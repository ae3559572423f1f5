#include "calc/ByteConversions.h"
#include "calc/CalcCharset.h"
#include "fakes/FakeServices.h"
#include "fakes/PictureFixtures.h"
#include "fakes/RealFilesWindow.h"
#include "fakes/TestFiles.h"
#include "platform/FileDialogs.h"
#include "platform/ShownNames.h"
#include "qtdialogs/QtMessages.h"
#include "session/StartCommandLine.h"
#include "shell/MainWindow.h"
#include "shell/TextBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QString storedComment(const QByteArray &file)
{
    return CalcCharset::toUnicode(decode89i(asBytes(file)).picture.comment);
}

} // namespace

// What the editor says, and offers in its dialogs, where it used to say something wrong or
// nothing: a comment saved with characters the calculator lacks, a start-up name that is not
// valid text, the dialogs' filters, and a start without a display.
class tst_EditorMessages : public QObject
{
    Q_OBJECT

    CurrentTemporaryFolder dir;

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        // What a name with a bad byte decodes to.
        QVERIFY(writeFile(QStringLiteral("bad\uFFFD.89i"), pictureFile(8, 2)));
    }

    void notesAnUnstorableCommentAfterSaving_data()
    {
        QTest::addColumn<bool>("saveAs");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("note");
        const QString euro = QStringLiteral("The comment was stored with \"?\" in place of €, which the calculator's "
                                            "characters do not include.");
        QTest::newRow("Save, e acute and euro") << false << "picture" << "é€" << "é?" << euro;
        QTest::newRow("Save As, e acute and euro") << true << "picture" << "é€" << "é?" << euro;
        QTest::newRow("calculator characters only") << false << "picture" << "é ✓ why?" << "é ✓ why?" << QString();
        QTest::newRow("an 8-character name stores none") << false << "abcdefgh" << "€" << "" << QString();
    }
    void notesAnUnstorableCommentAfterSaving()
    {
        QFETCH(bool, saveAs);
        QFETCH(QString, name);
        QFETCH(QString, comment);
        FakeWindow bench;
        FakeServices &fakes = bench.fakes;
        MainWindow &window = bench.window;
        fakes.files.files[QStringLiteral("/p/a.89i")] = pictureFile(8, 2);
        QVERIFY(window.OpenFile(QStringLiteral("/p/a.89i"), QStringLiteral("a.89i")));
        window.nameBox()->setText(name);
        window.commentBox()->setText(comment);
        if (saveAs) {
            fakes.dialogs.choose(QStringLiteral("/p/b.89i"));
            window.miSaveAs_Click();
        } else {
            window.miSave_click();
        }
        const QString written = saveAs ? QStringLiteral("/p/b.89i") : QStringLiteral("/p/a.89i");
        QTEST(storedComment(fakes.files.files.value(written)), "stored");
        QFETCH(QString, note);
        QCOMPARE(fakes.messages.texts(), note.isEmpty() ? QStringList() : QStringList{note});
        QCOMPARE(window.commentBox()->text(), comment); // the box keeps what was typed
    }

    // A name that is not valid UTF-8 opens nothing, not even the file its decoding names.
    void startRefusesANameThatIsNotText_data()
    {
        QTest::addColumn<QByteArrayList>("words");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a byte 0xFF") << QByteArrayList{"bad\xff.89i"} << "bad\\xFF.89i";
        QTest::newRow("in the second word") << QByteArrayList{"two", "bad\xff.89i"} << "two bad\\xFF.89i";
        QTest::newRow("a cut sequence") << QByteArrayList{"bad\xc3.89i"} << "bad\\xC3.89i";
        QTest::newRow("valid UTF-8 opens") << QByteArrayList{"bad\xef\xbf\xbd.89i"} << QString();
    }
    void startRefusesANameThatIsNotText()
    {
        QFETCH(QByteArrayList, words);
        QFETCH(QString, shown);
        RealFilesWindow bench;
        bench.window.start(startWords(words));
        if (shown.isEmpty()) {
            QCOMPARE(bench.fakes.messages.texts(), QStringList());
            QCOMPARE(bench.window.currentFile(), QDir::current().absoluteFilePath(QStringLiteral("bad\uFFFD.89i")));
            return;
        }
        QCOMPARE(bench.fakes.messages.texts(), QStringList{"Can't open " + shown + u'\r' + uncarriedNameReason()});
        QCOMPARE(bench.window.currentFile(), QString());
        QVERIFY(bench.window.recentFiles().at(0).path.isEmpty());
        QVERIFY(bench.window.action(QStringLiteral("miOpen"))->isEnabled());
        QVERIFY(!bench.window.action(QStringLiteral("miSaveAs"))->isEnabled()); // no picture read
    }

    // Return in the real message box: Yes where the designed questions have it, No where a
    // Yes would replace another program's file.
    void returnInAYesNoBox_data()
    {
        QTest::addColumn<Messages::Buttons>("buttons");
        QTest::addColumn<Messages::Answer>("answer");
        QTest::newRow("designed Yes/No") << Messages::Buttons::YesNo << Messages::Answer::Yes;
        QTest::newRow("safe No") << Messages::Buttons::YesNoSafeNo << Messages::Answer::No;
    }
    void returnInAYesNoBox()
    {
        QFETCH(Messages::Buttons, buttons);
        QFETCH(Messages::Answer, answer);
        QtMessages messages(nullptr);
        QTimer::singleShot(0, [] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return);
        });
        QCOMPARE(messages.show(QStringLiteral("Replace it?"), QStringLiteral("DOTLARK"), Messages::Icon::Exclamation, buttons),
                 answer);
    }

    // The filters as the Qt dialog shows them: each pattern list once.
    void saveAsFiltersShowPatternsOnce()
    {
        FakeServices fakes;
        MainWindow window(fakes.services());
        window.miSaveAs_Click(); // the dialog is cancelled
        QCOMPARE(qtNameFilters(fakes.dialogs.requests.value(0).filter),
                 QStringList({"Readable Files (89i) (*.89i)", "Bitmap (*.bmp)", "TI-92 Plus (9xi) (*.9xi)",
                              "Voyage 200 (v2i) (*.v2i)", "TI-92 (92i) (*.92i)"}));
    }

    // Import keeps its designed filter first (chosen by the dialog) and offers every kind
    // the loader reads under "All pictures".
    void importOffersAllPictures()
    {
        FakeServices fakes;
        MainWindow window(fakes.services());
        window.miImport_Click(); // the dialog is cancelled
        const QStringList filters = qtNameFilters(fakes.dialogs.requests.value(0).filter);
        QCOMPARE(filters.size(), 4);
        QCOMPARE(filters[0], QStringLiteral("BMP, ICO, RLE, WMF,JPG,GIF (*.BMP *.ICO *.RLE *.WMF *.JPG *.GIF)"));
        QVERIFY(filters[1].startsWith(QStringLiteral("All pictures (")));
        QStringList endings{"wmf", "rle", "pnm", "jpeg", "jpg", "png", "gif", "bmp", "ico", "pbm", "pgm", "ppm"};
        for (const QByteArray &format : QImageReader::supportedImageFormats())
            endings << QString::fromLatin1(format);
        const QStringList patterns = filters[1].section(u'(', 1).chopped(1).split(u' ');
        for (const QString &ending : endings)
            QVERIFY2(patterns.contains("*." + ending), qPrintable(ending));
    }

    // The editor without a display says so and ends with status 1, as the run script does;
    // --help and --version need none.
    void startsWithoutADisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("display"); // empty: not set
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        QTest::newRow("nothing set") << QStringList() << QString() << 1
                                     << "dotlark: there is no display to show the editor on: neither DISPLAY nor "
                                        "WAYLAND_DISPLAY is set.";
        QTest::newRow("no X server there") << QStringList() << ":4711" << 1
                                           << "dotlark: there is no display to show the editor on: could not "
                                              "connect to display :4711.";
        QTest::newRow("--version") << QStringList{"--version"} << QString() << 0 << "dotlark 3.0.8";
        QTest::newRow("--help") << QStringList{"--help"} << QString() << 0 << "Usage: dotlark [PICTURE]";
    }
    void startsWithoutADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, display);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        if (!display.isEmpty())
            environment.insert(QStringLiteral("DISPLAY"), display);
        QProcess editor;
        editor.setProcessEnvironment(environment);
        editor.start(QStringLiteral(DOTLARK_BINARY_DIR "/app/dotlark/dotlark"), arguments);
        QVERIFY(editor.waitForFinished(30000));
        QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
        QTEST(editor.exitCode(), "exitCode");
        const QString output = QString::fromUtf8(editor.readAllStandardError() + editor.readAllStandardOutput());
        QFETCH(QString, said);
        QVERIFY2(output.contains(said), qPrintable(output));
    }
};

QTEST_MAIN(tst_EditorMessages)
#include "tst_EditorMessages.moc"
