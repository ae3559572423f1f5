#include "fakes/TestFiles.h"
#include "printing/PrintJob.h"
#include "printing/PrintToPdf.h"
#include "qtplatform/QtFileStore.h"
#include "qtplatform/QtPdfPage.h"
#include "qtplatform/QtPrinterPage.h"

#include <QFile>
#include <QImage>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The whole road to paper: the job on a Letter PDF page, rendered back with pdftoppm, must
// put ink where the twip arithmetic says. At 288 dots per inch one pixel is 5 twips.
namespace {

constexpr int kRenderDpi = 288;

int px(double twips) { return static_cast<int>(twips * kRenderDpi / 1440.0); }

bool dark(const QImage &page, double xTwips, double yTwips) { return qGray(page.pixel(px(xTwips), px(yTwips))) < 100; }

bool light(const QImage &page, double xTwips, double yTwips) { return qGray(page.pixel(px(xTwips), px(yTwips))) > 160; }

// Whether any pixel of the band (twips) holds ink.
bool inkIn(const QImage &page, const QRectF &twips)
{
    for (int y = px(twips.top()); y <= px(twips.bottom()); ++y)
        for (int x = px(twips.left()); x <= px(twips.right()); ++x)
            if (qGray(page.pixel(x, y)) < 128)
                return true;
    return false;
}

// The picture on a PDF page written at path, as dotlark-convert --print-pdf writes it.
Done printPdf(const QString &path, const PrintInput &input, const PageSetup &setup)
{
    QtPdfPage page;
    QtFileStore files;
    return printToPdf(page, files, path, input, setup);
}

PrintInput picture()
{
    PrintInput input;
    input.width = 160;
    input.height = 77;
    input.pixels = PixelGrid(160, 77);
    input.pixels.set(0, 0, 1);
    input.pixels.set(159, 76, 1);
    input.fileTitle = QStringLiteral("pic.89i");
    input.folder = QStringLiteral("main");
    input.variable = QStringLiteral("picture");
    input.comment = QStringLiteral("made with DOTLARK");
    return input;
}

// The page as it was drawn before runs were: every square a filled box of its own.
class BoxPerSquarePage : public QtPrinterPage
{
public:
    using QtPrinterPage::QtPrinterPage;
    bool DrawSquareRow(double x, double y, int count, double side, double pitch, const QColor &colour) override
    {
        for (int i = 0; i < count; ++i)
            if (!DrawBox(x + i * pitch, y, x + i * pitch + side, y + side, colour, true))
                return false;
        return true;
    }
};

// width x 6: a full row, lone pixels, runs of every length up to 12, an empty row,
// scattered pixels, and a full row again.
PrintInput runsPicture(int width)
{
    PrintInput input;
    input.width = width;
    input.height = 6;
    input.pixels = PixelGrid(width, 6);
    for (int x = 0; x < width; ++x) {
        input.pixels.set(x, 0, 1);
        input.pixels.set(x, 1, x % 2);
        input.pixels.set(x, 4, (x * 7919 / 13) % 3 == 0);
        input.pixels.set(x, 5, 1);
    }
    for (int length = 1, x = 0; x + length < width; x += 2 * length + 1, length = length % 12 + 1)
        for (int i = 0; i < length; ++i)
            input.pixels.set(x + i, 2, 1);
    return input;
}

} // namespace

class tst_PrintToPdf : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

    // The page at dpi dots per inch, or only the part crop (in those dots) of it.
    QImage render(const QString &pdf, int dpi = kRenderDpi, const QRect &crop = {})
    {
        const QString prefix = dir.filePath(QStringLiteral("page"));
        QStringList arguments{"-r", QString::number(dpi), "-png", "-singlefile", pdf, prefix};
        if (!crop.isNull())
            arguments = QStringList{"-x", QString::number(crop.x()), "-y", QString::number(crop.y()), "-W",
                                    QString::number(crop.width()), "-H", QString::number(crop.height())}
                        + arguments;
        QProcess pdftoppm;
        pdftoppm.start(QStringLiteral("pdftoppm"), arguments);
        if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitCode() != 0)
            return {};
        return QImage(prefix + QStringLiteral(".png"));
    }

private slots:
    void pageShowsSquaresFrameAndText()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm is not installed (Debian package poppler-utils): cannot render the PDF");
        const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
        PageSetup setup = PageSetup::initial(160);
        setup.fileInfo = setup.comment = true;
        QVERIFY(printPdf(pdf, picture(), setup));
        const QImage page = render(pdf);
        QVERIFY(!page.isNull());
        QCOMPARE(page.size(), QSize(8.5 * kRenderDpi, 11 * kRenderDpi)); // Letter

        const double s = 1440.0 * 4 / 159;
        // Squares: pixel (0, 0) at (1440, 1440) and pixel (159, 76), 0.75 s wide each, a
        // white gap after them and nothing where pixel (1, 1) would be.
        QVERIFY(dark(page, 1440 + 0.375 * s, 1440 + 0.375 * s));
        QVERIFY(light(page, 1440 + 1.5 * s, 1440 + 1.5 * s));
        QVERIFY(dark(page, 1440 + 159.375 * s, 1440 + 76.375 * s));
        QVERIFY(light(page, 1440 + 158.5 * s, 1440 + 76.375 * s));
        // Frame from (1432.8, 1432.8) to (7246.2, 4239.4), 5 dots of 1/600 inch wide.
        const double midY = (1432.8 + 4239.4) / 2, midX = (1432.8 + 7246.2) / 2;
        QVERIFY(dark(page, 1432.8, midY));
        QVERIFY(dark(page, 7246.2, midY));
        QVERIFY(dark(page, midX, 1432.8));
        QVERIFY(dark(page, midX, 4239.4));
        QVERIFY(light(page, 1432.8 - 20, midY));
        QVERIFY(light(page, 7246.2 + 20, midY));
        QVERIFY(light(page, midX, midY));
        // Two text lines of 10 points start 14 twips under the frame, at x = 1430.
        QVERIFY(inkIn(page, QRectF(1430, 4260, 2000, 200)));
        QVERIFY(inkIn(page, QRectF(1430, 4500, 2000, 200)));
        QVERIFY(!inkIn(page, QRectF(0, 4250, 1420, 800)));
        QVERIFY(!inkIn(page, QRectF(0, 4800, 12000, 400)));
    }

    // Runs drawn as dashed strokes put the ink exactly where a box per square put it: the
    // two pages, rendered at four dots per printer dot, differ only in edge pixels. Crops
    // in those dots: the rows' left ends with the frame's corner, and for the long rows
    // the place where one dashed piece gives way to the next (square 1024) and the end.
    void runsPrintTheSamePageAsSquares_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QList<QRect>>("crops");
        QTest::newRow("a quarter pitch of white between squares") << 200 << QList<QRect>{{2340, 2340, 1400, 360}};
        QTest::newRow("squares that overlap, rows longer than one piece")
            << 1100 << QList<QRect>{{2340, 2340, 1400, 180}, {11300, 2340, 950, 180}};
    }
    void runsPrintTheSamePageAsSquares()
    {
        QFETCH(int, width);
        QFETCH(QList<QRect>, crops);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm is not installed (Debian package poppler-utils): cannot render the PDF");
        const PrintInput input = runsPicture(width);
        const PageSetup setup = PageSetup::initial(160);
        const QString runs = dir.filePath(QStringLiteral("runs.pdf"));
        QVERIFY(printPdf(runs, input, setup));
        const QString boxes = dir.filePath(QStringLiteral("boxes.pdf"));
        {
            QPdfWriter writer(boxes);
            writer.setPageSize(QPageSize(QPageSize::Letter));
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            writer.setResolution(600);
            BoxPerSquarePage page(writer);
            QVERIFY(printPicture(page, input, setup));
        }
        for (const QRect &crop : crops) {
            const QImage expected = render(boxes, 2400, crop);
            const QImage actual = render(runs, 2400, crop);
            QVERIFY(!expected.isNull() && !actual.isNull());
            QCOMPARE(actual.size(), expected.size());
            qsizetype differing = 0, ink = 0;
            for (int y = 0; y < actual.height(); ++y)
                for (int x = 0; x < actual.width(); ++x) {
                    const int shade = qGray(expected.pixel(x, y));
                    ink += shade < 128;
                    differing += std::abs(qGray(actual.pixel(x, y)) - shade) > 128;
                }
            QVERIFY2(ink > actual.width() * actual.height() / 5, "the crop shows the squares");
            QVERIFY2(differing * 1000 < ink, qPrintable(QStringLiteral("%1 of %2 ink pixels differ").arg(differing).arg(ink)));
        }
    }

    // A job that cannot print leaves no file, and does not spoil one already there.
    void failureWritesNothing()
    {
        const QString pdf = dir.filePath(QStringLiteral("kept.pdf"));
        QVERIFY(writeFile(pdf, "earlier"));
        PrintInput narrow = picture();
        narrow.width = 1;
        const Done noPage = printPdf(pdf, narrow, PageSetup::initial(160));
        QVERIFY(!noPage);
        QCOMPARE(noPage.failure().what, Failure::What::NoPage);
        QCOMPARE(readFile(pdf), QByteArray("earlier"));

        const QString unwritable = dir.filePath(QStringLiteral("no/such/folder/out.pdf"));
        const Done written = printPdf(unwritable, picture(), PageSetup::initial(160));
        QVERIFY(!written);
        QCOMPARE(written.failure(), (Failure{Failure::What::CannotWrite, unwritable, "No such file or directory"}));
    }
};

QTEST_MAIN(tst_PrintToPdf)
#include "tst_PrintToPdf.moc"
