#include "calc/ByteConversions.h"
#include "calc/CalcCharset.h"
#include "fakes/PictureFixtures.h"
#include "fakes/TestFiles.h"
#include "platform/ShownNames.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kTool = QStringLiteral(DOTLARK_BINARY_DIR "/app/convert/dotlark-convert");

} // namespace

// What dotlark-convert says when a file or a name is not what it should be: each message
// names the file and tells what it is, no output is written, nothing is echoed without bound
// or with the control characters a file holds.
class tst_ConvertMessages : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QTemporaryDir runtime; // the children's: --print-pdf starts a GUI application, which warns without one

    struct Run
    {
        int exitCode = -1;
        QByteArray out, err;
    };

    // Runs the tool in the test folder with the arguments as bytes, exactly as given: the
    // child executes itself with them, so names need not be valid text.
    Run run(const QList<QByteArray> &arguments)
    {
        std::vector<QByteArray> kept{QFile::encodeName(kTool)};
        kept.insert(kept.end(), arguments.begin(), arguments.end());
        std::vector<char *> argv;
        for (QByteArray &argument : kept)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.setChildProcessModifier([&argv] {
            ::execv(argv[0], argv.data());
            ::_exit(127);
        });
        process.start(kTool, {});
        if (!process.waitForFinished(30000))
            return {};
        return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    }

    void write(const QString &name, const QByteArray &bytes) { QVERIFY(writeFile(dir.filePath(name), bytes)); }

    QStringList entries() const { return QDir(dir.path()).entryList(QDir::Files | QDir::System, QDir::Name); }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QVERIFY2(QFile::exists(kTool), "build dotlark-convert first");
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        write("photo.png", photoFile(64, 40, "PNG"));
        write("photo.jpg", photoFile(64, 40, "JPEG"));
        write("png.89i", photoFile(64, 40, "PNG"));
        write("jpeg.89i", photoFile(64, 40, "JPEG"));
        write("s.89i", pictureFile(8, 2));
        for (const char *pipe : {"fifo.jpg", "fifo.pbm"})
            QVERIFY(::mkfifo(QFile::encodeName(dir.filePath(pipe)).constData(), 0644) == 0);
    }

    // The command is refused with exactly this message and writes nothing.
    void refusesWithAMessage_data()
    {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<QString>("message");
        const QString pipe = QStringLiteral("cannot be read as a picture: it is a device or a pipe, not an ordinary file");
        QTest::newRow("a PNG renamed .89i") << QByteArrayList{"png.89i", "out.pbm"}
                                            << "png.89i: The file is not a calculator picture: it is a PNG image.";
        QTest::newRow("a JPEG renamed .89i, --info") << QByteArrayList{"--info", "jpeg.89i"}
                                                     << "jpeg.89i: The file is not a calculator picture: it is a JPEG image.";
        QTest::newRow("a FIFO, --fit") << QByteArrayList{"fifo.jpg", "x.89i", "--fit"} << "fifo.jpg: " + pipe;
        QTest::newRow("a FIFO, plain import") << QByteArrayList{"fifo.pbm", "x.89i"} << "fifo.pbm: " + pipe;
        QTest::newRow("/dev/zero, --fit") << QByteArrayList{"/dev/zero", "x.89i", "--fit"} << "/dev/zero: " + pipe;
        QTest::newRow("/dev/zero, --screen") << QByteArrayList{"/dev/zero", "x.89i", "--screen"} << "/dev/zero: " + pipe;
        QTest::newRow("a missing picture") << QByteArrayList{"gone.jpg", "x.89i", "--fit"}
                                           << "gone.jpg: The file does not exist.";
        const QString notText = QStringLiteral(": ") + uncarriedNameReason();
        // "bad\uFFFD.89i" exists: the name that is not UTF-8 must not reach it.
        QTest::newRow("an input not UTF-8") << QByteArrayList{"bad\xff.89i", "out.pbm"} << "bad\\xFF.89i" + notText;
        QTest::newRow("an output not UTF-8") << QByteArrayList{"s.89i", "o\xff.pbm"} << "o\\xFF.pbm" + notText;
        QTest::newRow("a cut sequence") << QByteArrayList{"photo.jpg", "o\xc3.89i", "--fit"} << "o\\xC3.89i" + notText;
        QTest::newRow("an overlong /") << QByteArrayList{"s.89i", "o\xc0\xaf.pbm"} << "o\\xC0\\xAF.pbm" + notText;
        // Where --comment is a flag, or the option's value is an output file, a name it is.
        QTest::newRow("a flag's neighbour not UTF-8")
            << QByteArrayList{"--print-pdf", "o.pdf", "--comment", "s\xff.89i"} << "s\\xFF.89i" + notText;
        QTest::newRow("a PDF to write not UTF-8") << QByteArrayList{"--print-pdf", "o\xff.pdf", "s.89i"} << "o\\xFF.pdf" + notText;
        QTest::newRow("a group to write not UTF-8")
            << QByteArrayList{"s.89i", "--group", "g\xe9.89g"} << "g\\xE9.89g" + notText;
        const QByteArray huge(100 * 1024, 'c');
        QTest::newRow("a 100 KB comment") << QByteArrayList{"photo.jpg", "x.89i", "--fit", "--comment", huge}
                                          << shownName(QString::fromLatin1(huge), kMessageNameLength)
                                                 + ": --comment takes at most 40 characters";
    }
    void refusesWithAMessage()
    {
        QFETCH(QByteArrayList, arguments);
        QFETCH(QString, message);
        write(QStringLiteral("bad\uFFFD.89i"), pictureFile(8, 2));
        const QStringList before = entries();
        const Run result = run(arguments);
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(QString::fromUtf8(result.err), "dotlark-convert: " + message + u'\n');
        QCOMPARE(entries(), before);
    }

    // An option's value that is not UTF-8 is wrong usage naming the option, not a file to
    // rename; an option that is not UTF-8 is one the command does not have.
    void refusesAValueNotText_data()
    {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("--comment") << QByteArrayList{"photo.jpg", "x.89i", "--comment", "caf\xe9"}
                                   << "the value of --comment is not valid UTF-8 text: \"caf\\xE9\"";
        QTest::newRow("--name, before the files") << QByteArrayList{"--name", "\xff", "s.89i", "t.89i"}
                                                   << "the value of --name is not valid UTF-8 text: \"\\xFF\"";
        QTest::newRow("--var of a group") << QByteArrayList{"g.89g", "o.89i", "--var", "main\\p\xc3"}
                                          << "the value of --var is not valid UTF-8 text: \"main\\p\\xC3\"";
        QTest::newRow("--receive") << QByteArrayList{"--receive", "\xc0\xaf", "o.89i"}
                                   << "the value of --receive is not valid UTF-8 text: \"\\xC0\\xAF\"";
        QTest::newRow("--size of --fit") << QByteArrayList{"photo.jpg", "x.89i", "--fit", "--size", "16\xd7" "7"}
                                         << "the value of --size is not valid UTF-8 text: \"16\\xD77\"";
        QTest::newRow("an option") << QByteArrayList{"s.89i", "t.89i", "--n\xe4me", "x"}
                                   << "this command has no option --n\\xE4me";
    }
    void refusesAValueNotText()
    {
        QFETCH(QByteArrayList, arguments);
        QFETCH(QString, message);
        const QStringList before = entries();
        const Run result = run(arguments);
        QCOMPARE(result.exitCode, 2);
        QCOMPARE(QString::fromUtf8(result.err), "dotlark-convert: " + message + "\nTry 'dotlark-convert --help'.\n");
        QCOMPARE(entries(), before);
    }

    // --info shows a file's texts on one line each, whatever bytes they hold.
    void infoEscapesControlCharacters()
    {
        write("forged.89i", pictureFile(8, 2, {}, {.name = "p\rq", .comment = "one\r\nheight:      99\a\\"}));
        const Run result = run({"--info", "forged.89i"});
        QCOMPARE(result.exitCode, 0);
        const QList<QByteArray> lines = result.out.split('\n');
        QCOMPARE(lines.size(), 13); // twelve lines and the end of the last
        QCOMPARE(lines[1], QByteArray("name:        p\\rq"));
        QCOMPARE(lines[2], QByteArray("comment:     one\\r\\nheight:      99\\a\\\\"));
        QCOMPARE(lines[4], QByteArray("height:      2"));
    }

    // A comment with characters the calculator lacks is stored with '?' for them, and said so.
    void notesAnUnstorableComment_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("note");
        QTest::newRow("e acute and euro") << QStringList{"--comment", "é€"} << "é?"
                                          << CalcCharset::unstorableCommentNote(QStringLiteral("é€"));
        QTest::newRow("two unknown, one twice") << QStringList{"--comment", "€ ☃ €"} << "? ? ?"
                                                << "The comment was stored with \"?\" in place of € ☃, which the "
                                                   "calculator's characters do not include.";
        QTest::newRow("a question mark typed") << QStringList{"--comment", "why?"} << "why?" << QString();
        QTest::newRow("an 8-character name") << QStringList{"--name", "abcdefgh", "--comment", "€"} << ""
                                             << "with an 8-character variable name the comment is not stored";
    }
    void notesAnUnstorableComment()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, stored);
        QFETCH(QString, note);
        QByteArrayList arguments{"photo.jpg", "noted.89i", "--fit"};
        for (const QString &option : options)
            arguments << option.toUtf8();
        const Run result = run(arguments);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(QString::fromUtf8(result.err), note.isEmpty() ? QString() : "dotlark-convert: note: " + note + u'\n');
        QCOMPARE(CalcCharset::toUnicode(decode89i(asBytes(readFile(dir.filePath("noted.89i")))).picture.comment), stored);
    }
};

QTEST_GUILESS_MAIN(tst_ConvertMessages)
#include "tst_ConvertMessages.moc"
