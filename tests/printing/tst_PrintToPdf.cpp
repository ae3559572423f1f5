#include "printing/PrintToPdf.h"

#include <QFile>
#include <QImage>
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

} // namespace

class tst_PrintToPdf : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

    QImage render(const QString &pdf)
    {
        const QString prefix = dir.filePath(QStringLiteral("page"));
        QProcess pdftoppm;
        pdftoppm.start(QStringLiteral("pdftoppm"), {"-r", QString::number(kRenderDpi), "-png", "-singlefile", pdf, prefix});
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
        QVERIFY(printToPdf(pdf, picture(), setup));
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

    // A job that cannot print leaves no file, and does not spoil one already there.
    void failureWritesNothing()
    {
        const QString pdf = dir.filePath(QStringLiteral("kept.pdf"));
        QFile existing(pdf);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("earlier");
        existing.close();
        PrintInput narrow = picture();
        narrow.width = 1;
        QVERIFY(!printToPdf(pdf, narrow, PageSetup::initial(160)));
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QCOMPARE(existing.readAll(), QByteArray("earlier"));

        QVERIFY(!printToPdf(dir.filePath(QStringLiteral("no/such/folder/out.pdf")), picture(),
                            PageSetup::initial(160)));
    }
};

QTEST_MAIN(tst_PrintToPdf)
#include "tst_PrintToPdf.moc"
