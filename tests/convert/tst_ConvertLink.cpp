#include "fakes/ConvertRun.h"
#include "fakes/PictureFixtures.h"
#include "fakes/TestFiles.h"

#include "calc/PictureFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// dotlark-convert's calculator commands where no calculator answers: the null cable answers
// every packet at once with an error, and no USB cable is plugged in here. (The transfers
// that succeed are tested against the emulator, tests/link.)
class tst_ConvertLink : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    // Each command fails naming what it worked on, in the link's words (with the null cable,
    // error 261 or 265 by where the library stops), exit 1, quickly.
    void nullCableFailures_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named");
        QTest::newRow("send") << QStringList{"--send", "PIC"} << "a.89i";
        QTest::newRow("send as") << QStringList{"--send", "PIC", "--var", "f\\g"} << "a.89i";
        QTest::newRow("list") << QStringList{"--list"} << "calculator";
        QTest::newRow("receive") << QStringList{"--receive", "main\\pic", "OUT"} << "main\\pic";
        QTest::newRow("capture") << QStringList{"--capture", "OUT", "--full"} << "calculator";
    }
    void nullCableFailures()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        const QString picture = dir.filePath(QStringLiteral("a.89i"));
        writeFile(picture, pictureFile(16, 8));
        const QString out = dir.filePath(QStringLiteral("out.png"));
        arguments.replaceInStrings(QStringLiteral("PIC"), picture).replaceInStrings(QStringLiteral("OUT"), out);
        QElapsedTimer clock;
        clock.start();
        const ToolRun r = runConvert(arguments + QStringList{"--cable", "null", "--calc", "ti89"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(named) && r.err.contains(QStringLiteral("(error 2")), qPrintable(r.err));
        QVERIFY2(clock.elapsed() < 15000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!QFile::exists(out));
    }

    // Without a cable plugged in, automatic finds none and says so.
    void noUsbCable()
    {
        const ToolRun r = runConvert({"--list"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(QStringLiteral("No USB link cable was found")), qPrintable(r.err));
    }

    // Options out of range are usage errors naming the option; names break the name rules.
    void refusedOptions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("says");
        QTest::newRow("cable") << QStringList{"--list", "--cable", "usb3"} << 2 << "--cable takes";
        QTest::newRow("port 0") << QStringList{"--list", "--port", "0"} << 2 << "--port takes 1 to 4";
        QTest::newRow("port 5") << QStringList{"--list", "--port", "5"} << 2 << "--port takes 1 to 4";
        QTest::newRow("calc") << QStringList{"--list", "--calc", "ti84"} << 2 << "--calc takes";
        QTest::newRow("list with a file") << QStringList{"--list", "x.89i"} << 2 << "usage";
        QTest::newRow("name digit") << QStringList{"--send", "PIC", "--var", "main\\1pic"} << 1 << "main\\1pic";
        QTest::newRow("name too long") << QStringList{"--receive", "main\\picture12", "o.png"} << 1 << "at most 8";
        QTest::newRow("folder bad") << QStringList{"--receive", "ma in\\pic", "o.png"} << 1 << "ma in\\pic";
    }
    void refusedOptions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, says);
        const QString picture = dir.filePath(QStringLiteral("a.89i"));
        writeFile(picture, pictureFile(16, 8));
        const ToolRun r = runConvert(arguments.replaceInStrings(QStringLiteral("PIC"), picture));
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(r.err.contains(says), qPrintable(r.err));
    }

    // What --receive got is named by the variable, never by the temporary file the link
    // wrote it to: a stand-in for the link helper (a script beside a copy of the tool, where
    // the tool looks for its helper) says it received the variable and writes this.
    void receivedVariableNamed_data()
    {
        QTest::addColumn<QString>("writes"); // a shell command; $out is the file to write
        QTest::addColumn<QString>("said");
        QTest::newRow("nothing") << "" << "The file does not exist.";
        QTest::newRow("5 MB") << "head -c 5000000 /dev/zero >\"$out\"" << "the file is larger than 4194304 bytes";
        QTest::newRow("a text") << "printf '**TI89**' >\"$out\"" << "it is not a picture variable";
    }
    // --send of a group sends each of its pictures, in the group's order, in one run of the
    // link helper (a stand-in that keeps what it was given).
    void sendsAGroupsPictures()
    {
        QTemporaryDir tool;
        const QString copy = tool.filePath(QStringLiteral("dotlark-convert"));
        QVERIFY(QFile::copy(convertToolPath(), copy));
        const QString kept = tool.filePath(QStringLiteral("kept"));
        QVERIFY(QDir().mkpath(kept));
        QVERIFY(writeFile(tool.filePath(QStringLiteral("dotlark-link")),
                          ("#!/bin/sh\n[ \"$1\" = send ] || exit 2\nshift\nn=0\nfor f; do case $f in --*) break;; esac\n"
                           "n=$((n+1)); cp \"$f\" '" + kept + "'/$n.89i; printf 'sent\\tmain\\t%s\\n' $n; done\necho done\n")
                              .toUtf8()));
        for (const QString &program : {copy, tool.filePath(QStringLiteral("dotlark-link"))})
            QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QString a = dir.filePath(QStringLiteral("ga.89i")), b = dir.filePath(QStringLiteral("gb.89i"));
        writeFile(a, pictureFile(16, 8));
        PictureTexts second;
        second.name = "second";
        writeFile(b, pictureFile(8, 8, {}, second));
        const QString group = dir.filePath(QStringLiteral("two.89g"));
        QCOMPARE(runConvert({a, b, "--group", group}).exitCode, 0);
        QProcess process;
        process.start(copy, {"--send", group, "--cable", "null"});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        QStringList names;
        for (const QString &sent : {QStringLiteral("1.89i"), QStringLiteral("2.89i")}) {
            const Outcome<CalcPicture> picture = decodePictureFile(sent, readFile(kept + u'/' + sent));
            QVERIFY(picture);
            names << QString::fromStdString(picture->folder + '\\' + picture->name);
        }
        QCOMPARE(names, (QStringList{"main\\pic", "main\\second"}));
    }

    void receivedVariableNamed()
    {
        QFETCH(QString, writes);
        QFETCH(QString, said);
        QTemporaryDir tool;
        const QString copy = tool.filePath(QStringLiteral("dotlark-convert"));
        QVERIFY(QFile::copy(convertToolPath(), copy));
        QVERIFY(writeFile(tool.filePath(QStringLiteral("dotlark-link")),
                          ("#!/bin/sh\n[ \"$1\" = receive ] || exit 2\nout=$4\n" + writes + "\necho done\n").toUtf8()));
        for (const QString &program : {copy, tool.filePath(QStringLiteral("dotlark-link"))})
            QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QProcess process;
        process.start(copy, {"--receive", "main\\pic", dir.filePath(QStringLiteral("r.89i")), "--cable", "null"});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()), "dotlark-convert: main\\pic: " + said + u'\n');
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("r.89i"))));
    }
};

QTEST_GUILESS_MAIN(tst_ConvertLink)
#include "tst_ConvertLink.moc"
