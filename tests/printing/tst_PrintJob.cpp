#include "fakes/PrintFakes.h"
#include "printing/PrintJob.h"

#include <QTest>
#include <memory>

// The print job against a page that records what it is asked to do, one line per call,
// twips to a tenth.
namespace {


PrintInput picture(int width = 160, int height = 77)
{
    PrintInput input;
    input.width = width;
    input.height = height;
    input.pixels = PixelGrid(width, height);
    input.folder = QStringLiteral("main");
    input.variable = QStringLiteral("picture");
    input.comment = QStringLiteral("made with DOTLARK");
    return input;
}

QStringList callsStartingWith(const QStringList &calls, const QString &prefix)
{
    QStringList found;
    for (const QString &call : calls)
        if (call.startsWith(prefix))
            found << call;
    return found;
}

// The four corners of a "box ..." line, or of the first square of a "squares ..." line.
QList<double> corners(const QString &call)
{
    const QStringList parts = call.split(u' ');
    if (parts[0] == u"squares") {
        const double x = parts[1].toDouble(), y = parts[2].toDouble(), side = parts[5].toDouble();
        return {x, y, x + side, y + side};
    }
    return {parts[1].toDouble(), parts[2].toDouble(), parts[3].toDouble(), parts[4].toDouble()};
}

} // namespace

class tst_PrintJob : public QObject
{
    Q_OBJECT
private slots:
    // Initial values, 160 x 77, pixel (0, 0) black: s = 1440 * 4 / 159.
    void workedExample()
    {
        PrintInput input = picture();
        input.pixels.set(0, 0, 1);
        FakePrintDialog dialog;
        QVERIFY(runPrintJob(input, PageSetup::initial(160), dialog));
        QCOMPARE(dialog.log.calls, QStringList({
                                       "squares 1440.0 1440.0 x1 side 27.2 pitch 36.2 black",
                                       "pen 5",
                                       "box 1432.8 1432.8 7246.2 4239.4 black outline",
                                       "at 1430.0 4253.4",
                                       "font Arial 10",
                                       "x 1430.0",
                                       "end",
                                   }));
    }

    // Each run of black pixels in a row is one row of squares, 0.75 s wide, s apart; runs
    // end at white pixels and at the row's end.
    void squares_data()
    {
        QTest::addColumn<QList<QPoint>>("black");
        QTest::addColumn<QStringList>("rows");
        const QString size = " side 27.2 pitch 36.2 black";
        QTest::newRow("all white") << QList<QPoint>{} << QStringList{};
        QTest::newRow("row by row, left to right")
            << QList<QPoint>{{5, 0}, {1, 1}, {2, 0}}
            << QStringList{"squares 1512.5 1440.0 x1" + size, "squares 1621.1 1440.0 x1" + size,
                           "squares 1476.2 1476.2 x1" + size};
        QTest::newRow("last pixel") << QList<QPoint>{{159, 76}} << QStringList{"squares 7200.0 4193.2 x1" + size};
        QTest::newRow("a run is one call") << QList<QPoint>{{3, 0}, {4, 0}, {5, 0}, {6, 0}, {8, 0}}
                                           << QStringList{"squares 1548.7 1440.0 x4" + size,
                                                          "squares 1729.8 1440.0 x1" + size};
        QTest::newRow("runs stop at the row's end")
            << QList<QPoint>{{158, 0}, {159, 0}, {0, 1}, {1, 1}}
            << QStringList{"squares 7163.8 1440.0 x2" + size, "squares 1440.0 1476.2 x2" + size};
        QList<QPoint> row;
        for (int x = 0; x < 160; ++x)
            row << QPoint(x, 40);
        QTest::newRow("a whole row") << row << QStringList{"squares 1440.0 2889.1 x160" + size};
    }
    void squares()
    {
        QFETCH(QList<QPoint>, black);
        QFETCH(QStringList, rows);
        PrintInput input = picture();
        for (const QPoint &p : black)
            input.pixels.set(p.x(), p.y(), 1);
        FakePrintDialog dialog;
        QVERIFY(runPrintJob(input, PageSetup::initial(160), dialog));
        QCOMPARE(callsStartingWith(dialog.log.calls, "squares"), rows);
        // The frame follows the squares, even on an all-white picture.
        QCOMPARE(dialog.log.calls.indexOf(callsStartingWith(dialog.log.calls, "box").value(0)), rows.size() + 1);
    }

    // A grey picture prints each run of one level in its grey: light grey is never black.
    void greyLevels()
    {
        PrintInput input = picture();
        input.grey = true;
        const uint8_t row[] = {1, 1, 2, 3, 0, 3};
        for (int x = 0; x < 6; ++x)
            input.pixels.put(x, 0, row[x]);
        FakePrintDialog dialog;
        QVERIFY(runPrintJob(input, PageSetup::initial(160), dialog));
        QStringList colours;
        for (const QString &call : callsStartingWith(dialog.log.calls, "squares"))
            colours << call.section(u' ', 3, 3) + u' ' + call.section(u' ', -1);
        QCOMPARE(colours, (QStringList{"x2 #d5d5d5", "x1 #9c9c9c", "x1 black", "x1 black"}));
    }

    // The grid may be larger than the picture: only the picture's part is printed.
    void gridBeyondPictureIsNotPrinted()
    {
        PrintInput input = picture(10, 5);
        input.pixels = PixelGrid(160, 77);
        input.pixels.set(10, 0, 1);
        input.pixels.set(0, 5, 1);
        FakePrintDialog dialog;
        QVERIFY(runPrintJob(input, PageSetup::initial(160), dialog));
        QVERIFY(callsStartingWith(dialog.log.calls, "squares").isEmpty());
    }

    void textLines_data()
    {
        QTest::addColumn<bool>("fileInfo");
        QTest::addColumn<bool>("comment");
        QTest::addColumn<QString>("fileTitle");
        QTest::addColumn<QString>("commentText");
        QTest::addColumn<QStringList>("lines");
        const QString folderVar = "text [Folder: main  Var: picture] eol";
        QTest::newRow("neither") << false << false << "pic.89i" << "c" << QStringList{"x 1430.0"};
        QTest::newRow("file line, no file name")
            << true << false << "" << "c" << QStringList{folderVar, "x 1430.0"};
        QTest::newRow("file line with file name")
            << true << false << "pic.89i" << "c"
            << QStringList{"text [File: pic.89i  ]", folderVar, "x 1430.0"};
        QTest::newRow("comment alone") << false << true << "pic.89i" << "hello"
                                       << QStringList{"x 1430.0", "text [hello] eol"};
        QTest::newRow("both") << true << true << "pic.89i" << "hello"
                              << QStringList{"text [File: pic.89i  ]", folderVar, "x 1430.0",
                                             "text [hello] eol"};
        QTest::newRow("empty comment is an empty line")
            << false << true << "" << "" << QStringList{"x 1430.0", "text [] eol"};
    }
    void textLines()
    {
        QFETCH(bool, fileInfo);
        QFETCH(bool, comment);
        QFETCH(QString, fileTitle);
        QFETCH(QString, commentText);
        QFETCH(QStringList, lines);
        PrintInput input = picture();
        input.fileTitle = fileTitle;
        input.comment = commentText;
        PageSetup setup = PageSetup::initial(160);
        setup.fileInfo = fileInfo;
        setup.comment = comment;
        FakePrintDialog dialog;
        QVERIFY(runPrintJob(input, setup, dialog));
        const QStringList &calls = dialog.log.calls;
        const qsizetype font = calls.indexOf("font Arial 10");
        QVERIFY(font > 0);
        QCOMPARE(calls[font - 1], QString("at 1430.0 4253.4"));
        QCOMPARE(calls.mid(font + 1), lines + QStringList{"end"});
    }

    // Doubling the width doubles the pitch; margins shift everything, text included.
    void placementFollowsSetup_data()
    {
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("width");
        QTest::newRow("doubled width") << 1.0 << 1.0 << 8.0;
        QTest::newRow("shifted margins") << 2.5 << 0.0 << 4.0;
    }
    void placementFollowsSetup()
    {
        QFETCH(double, top);
        QFETCH(double, left);
        QFETCH(double, width);
        PrintInput input = picture();
        input.pixels.set(3, 2, 1);
        PageSetup setup = PageSetup::initial(160);
        setup.top = top;
        setup.left = left;
        setup.width = width;
        setup.comment = true;
        FakePrintDialog dialog;
        QVERIFY(runPrintJob(input, setup, dialog));
        const QStringList boxes = callsStartingWith(dialog.log.calls, "squares") + callsStartingWith(dialog.log.calls, "box");
        QCOMPARE(boxes.size(), 2);
        const double s = 1440 * width / 159, x0 = 1440 * left, y0 = 1440 * top;
        const double tolerance = 0.1; // a tenth of a twip, twice rounded for a square's far corner
        const QList<double> square = corners(boxes[0]);
        const QList<double> expectedSquare{x0 + 3 * s, y0 + 2 * s, x0 + 3.75 * s, y0 + 2.75 * s};
        const QList<double> frame = corners(boxes[1]);
        const QList<double> expectedFrame{x0 - 0.2 * s, y0 - 0.2 * s, x0 + 160 * s + 10, y0 + 77 * s + 10};
        for (int i = 0; i < 4; ++i) {
            QVERIFY2(std::abs(square[i] - expectedSquare[i]) < tolerance, qPrintable(boxes[0]));
            QVERIFY2(std::abs(frame[i] - expectedFrame[i]) < tolerance, qPrintable(boxes[1]));
        }
        QVERIFY(dialog.log.calls.contains(QStringLiteral("at %1 %2").arg(num(x0 - 10), num(y0 + 77 * s + 24))));
        QVERIFY(dialog.log.calls.contains(QStringLiteral("x %1").arg(num(x0 - 10))));
    }

    // Every failure ends the job at once: no further call, no end of document.
    void failuresPrintNothing_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("failAt");
        QTest::addColumn<int>("callsMade");
        QTest::newRow("dialog cancelled") << true << 160 << -1 << 0;
        QTest::newRow("one pixel wide") << false << 1 << -1 << 0;
        QTest::newRow("square fails") << false << 160 << 0 << 1;
        QTest::newRow("frame pen fails") << false << 160 << 1 << 2;
        QTest::newRow("text fails") << false << 160 << 4 << 5;
        QTest::newRow("end fails") << false << 160 << 8 << 9;
    }
    void failuresPrintNothing()
    {
        QFETCH(bool, cancel);
        QFETCH(int, width);
        QFETCH(int, failAt);
        QFETCH(int, callsMade);
        PrintInput input = picture(width, 77);
        input.pixels.set(0, 0, 1);
        PageSetup setup = PageSetup::initial(160);
        setup.fileInfo = setup.comment = true;
        FakePrintDialog dialog;
        dialog.cancel = cancel;
        dialog.log.failAt = failAt;
        QVERIFY(!runPrintJob(input, setup, dialog));
        QCOMPARE(dialog.asked, 1); // the dialog comes first, even for a picture that cannot print
        QCOMPARE(dialog.log.calls.size(), callsMade);
        if (callsMade > 0)
            QVERIFY(dialog.log.calls.last().endsWith(" FAILED"));
    }

    // Values beyond range give no page rather than a page of nonsense.
    void nonFiniteSetupPrintsNothing()
    {
        PageSetup setup = PageSetup::initial(160);
        setup.width = 1e308;
        FakePrintDialog dialog;
        QVERIFY(!runPrintJob(picture(), setup, dialog));
        QVERIFY(dialog.log.calls.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_PrintJob)
#include "tst_PrintJob.moc"
