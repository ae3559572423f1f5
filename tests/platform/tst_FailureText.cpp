#include "platform/FailureText.h"
#include "calc/PictureFile.h"

#include <QTest>

Q_DECLARE_METATYPE(Failure::What)
Q_DECLARE_METATYPE(Wording)

using What = Failure::What;

// The one wording of failures: every kind, with and without the system's or reader's words,
// as a sentence and as a reader's phrase, reads as the editor and the converter have always
// shown it, and never names the file itself (each command names it in its own way).
class tst_FailureText : public QObject
{
    Q_OBJECT
private slots:
    void describe_data()
    {
        QTest::addColumn<What>("what");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<Wording>("wording");
        QTest::addColumn<QString>("words");
        const auto row = [](const char *name, What what, const QString &detail, const QString &words) {
            QTest::newRow(name) << what << detail << Wording::Sentence << words;
        };
        const auto phrase = [](const char *name, What what, const QString &detail, const QString &words) {
            QTest::newRow(name) << what << detail << Wording::Phrase << words;
        };
        row("missing", What::Missing, {}, "The file does not exist.");
        row("missing, words ignored", What::Missing, "No such file or directory", "The file does not exist.");
        row("cannot read", What::CannotRead, "Permission denied", "Permission denied.");
        row("cannot read, no words", What::CannotRead, {}, "The file cannot be read.");
        row("cannot write", What::CannotWrite, "No space left on device", "No space left on device");
        row("cannot write, no words", What::CannotWrite, {}, "Disk write error");
        row("folder", What::Folder, {}, "This is a folder, not a file.");
        row("device read", What::Device, {}, "This is a device or a pipe, not a file.");
        row("not regular, written", What::NotRegular, {}, "This is not a regular file.");
        row("too large", What::TooLarge, "4194304 bytes", "The file is larger than 4194304 bytes.");
        row("too large, no limit", What::TooLarge, {}, "The file is too large.");
        row("empty", What::Empty, {}, "The file is empty.");
        row("changed on disk", What::ChangedOnDisk, {}, "Another program changed it meanwhile; it is left as it is.");
        row("not a picture", What::NotAPicture, "the file is empty", "the file is empty");
        row("not a picture, no words", What::NotAPicture, {}, "it is no picture this program reads");
        row("damaged picture", What::DamagedPicture, "The picture has a width or height of 0.",
            "The picture has a width or height of 0.");
        row("damaged picture, no words", What::DamagedPicture, {},
            "The file is not a calculator picture (.89i, .9xi, .v2i or .92i).");
        row("picture too large", What::PictureTooLarge, "32767 x 16 pixels: 65536 bytes of pixel data",
            "The picture is 32767 x 16 pixels: 65536 bytes of pixel data, more than the 65530 a picture file holds.");
        row("picture too large, no size", What::PictureTooLarge, {}, "The picture is larger than a picture file holds.");
        row("cannot encode", What::CannotEncode, "Unsupported image format", "Unsupported image format");
        row("cannot encode, no words", What::CannotEncode, {}, "The picture cannot be written in this format.");
        row("no page", What::NoPage, "no display to draw the page with", "no display to draw the page with");
        row("no page, no words", What::NoPage, {}, "The page cannot be drawn.");
        row("link", What::LinkFailed, "the calculator does not answer", "The calculator does not answer.");
        row("link, no words", What::LinkFailed, {}, "The calculator link failed.");
        // A picture reader's reasons, after "<file>: ".
        phrase("phrase: cannot read", What::CannotRead, "Permission denied", "Permission denied");
        phrase("phrase: cannot read, no words", What::CannotRead, {}, "the file cannot be read");
        phrase("phrase: folder", What::Folder, {}, "it is a folder, not a file");
        phrase("phrase: device", What::Device, {}, "it is a device or a pipe, not an ordinary file");
        phrase("phrase: too large", What::TooLarge, "134217728 bytes", "the file is larger than 134217728 bytes");
        phrase("phrase: too large, no limit", What::TooLarge, {}, "the file is too large");
        phrase("phrase: empty", What::Empty, {}, "the file is empty");
        phrase("phrase: not a picture", What::NotAPicture, "the metafile's records are damaged",
               "the metafile's records are damaged");
        phrase("phrase: not a picture, no words", What::NotAPicture, {}, "it is no picture this program reads");
        phrase("phrase: none of its own", What::Missing, {}, "The file does not exist.");
    }
    void describe()
    {
        QFETCH(What, what);
        QFETCH(QString, detail);
        QFETCH(Wording, wording);
        QFETCH(QString, words);
        QCOMPARE(::describe({what, QStringLiteral("/home/u/pic.89i"), detail}, wording), words);
    }

    // Every kind has words of its own in both forms, even without a detail (a kind added
    // without them fails).
    void everyKindIsWorded()
    {
        for (int kind = int(What::Missing); kind <= int(What::LinkFailed); ++kind)
            for (const Wording wording : {Wording::Sentence, Wording::Phrase})
                QVERIFY2(!::describe({What(kind), {}, {}}, wording).isEmpty(), qPrintable(QString::number(kind)));
    }

    // The calculator format's reasons become failures in one place, the sizes in the words
    // as the file session and the converter showed them.
    void pictureFileFailures()
    {
        const Failure tooShort = pictureFailure(QStringLiteral("a.89i"), Picture89iError::TooShort);
        QCOMPARE(tooShort.what, What::DamagedPicture);
        QCOMPARE(::describe(tooShort), QString::fromStdString(errorText(Picture89iError::TooShort)));
        QCOMPARE(pictureFailure(QStringLiteral("a.89i"), Picture89iError::TooLargeToWrite).what, What::CannotEncode);
        QVERIFY(!pictureSizeFailure(QStringLiteral("a.89i"), 160, 77));
        const std::optional<Failure> wide = pictureSizeFailure(QStringLiteral("a.89i"), 32767, 16);
        QVERIFY(wide);
        QCOMPARE(::describe(*wide), QStringLiteral("The picture is 32767 x 16 pixels: 65536 bytes of pixel data, "
                                                   "more than the 65530 a picture file holds."));
    }
};

QTEST_GUILESS_MAIN(tst_FailureText)
#include "tst_FailureText.moc"
