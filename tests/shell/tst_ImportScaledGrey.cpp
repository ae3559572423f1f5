#include "canvas/CanvasView.h"
#include "fakes/FakeWindow.h"
#include "shell/ImportScaledDialog.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

namespace {
const QString kPhoto = QStringLiteral("/p/photo.jpg");

// Four bands of the greys the calculator shows, black at the top: sRGB 0, 156, 213 and 255
// (linear light 0, 1/3, 2/3 and 1), each `rows` high.
QImage calculatorGreys(int width = 160, int rows = 20)
{
    static const int greys[4] = {0, 156, 213, 255};
    QImage picture(width, 4 * rows, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(greys[y / rows], greys[y / rows], greys[y / rows]));
    return picture;
}

// The level each preview pixel shows, by the canvas's colours (-1: another colour).
PixelGrid shownLevels(const ScaledPreview &preview)
{
    static const QRgb colours[4] = {CanvasView::kBackground, CanvasView::kLightGrey, CanvasView::kDarkGrey,
                                    CanvasView::kBlack};
    const QImage &image = preview.shown();
    PixelGrid levels(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            levels.put(x, y, uint8_t(std::find(colours, colours + 4, image.pixel(x, y)) - colours));
    return levels;
}

// Black on the left half, white on the right, larger than the screen.
QImage halves()
{
    QImage picture(640, 308, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width() / 2; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 0));
    return picture;
}
} // namespace

// File > Import Scaled... with four grey levels: the dialog's choice and preview, and what OK
// makes of the picture.
class tst_ImportScaledGrey : public QObject
{
    Q_OBJECT

    const ScaleSource m_source{calculatorGreys(), QSize(160, 80)};

    struct Bench : FakeWindow
    {
        Bench() { fakes.pictures.pictures[kPhoto] = halves(); }
        void importScaled(const std::optional<ScaledImportChoice> &choice)
        {
            fakes.dialogs.choose(kPhoto);
            fakes.scaledImport.choices.push_back(choice);
            window.miImportScaled_Click();
        }
    };

private slots:
    // A ramp of the four greys comes out as four bands of their levels, by any tone, and the
    // preview shows them in the canvas's greys; without the choice the dialog is as it was.
    void fourBands_data()
    {
        QTest::addColumn<QString>("tone");
        QTest::addColumn<int>("wrongAtMost"); // cells of a band not its level
        QTest::newRow("threshold") << "threshold" << 0;
        QTest::newRow("Floyd-Steinberg") << "floydSteinberg" << 16;
        QTest::newRow("Atkinson") << "atkinson" << 16;
    }
    void fourBands()
    {
        QFETCH(QString, tone);
        QFETCH(int, wrongAtMost);
        ImportScaledDialog dialog(m_source, kPhoto, PixelGrid(160, 80));
        dialog.findChild<QRadioButton *>(tone)->click();
        auto *grey = dialog.findChild<QCheckBox *>(QStringLiteral("greyLevels"));
        auto *add = dialog.findChild<QRadioButton *>(QStringLiteral("add"));
        grey->click();
        QCOMPARE(dialog.choice().levels, 4);
        QVERIFY(!dialog.findChild<QSlider *>(QStringLiteral("thresholdLevel"))->isEnabled());
        QCOMPARE(add->text(), QStringLiteral("Add grey and blac&k pixels"));

        const PixelGrid &levels = dialog.result();
        for (int band = 0; band < 4; ++band) {
            int wrong = 0;
            for (int y = band * 20; y < band * 20 + 20; ++y)
                for (int x = 0; x < 160; ++x)
                    wrong += levels.at(x, y) != 3 - band;
            QVERIFY2(wrong <= wrongAtMost, qPrintable(QStringLiteral("band %1: %2 cells").arg(band).arg(wrong)));
        }
        QCOMPARE(shownLevels(dialog.preview()), levels);

        grey->click();
        QCOMPARE(dialog.choice().levels, 2);
        QCOMPARE(dialog.result(), scaledPixels(m_source, dialog.choice().settings));
        QCOMPARE(add->text(), QStringLiteral("Add blac&k pixels"));
        QCOMPARE(dialog.findChild<QSlider *>(QStringLiteral("thresholdLevel"))->isEnabled(), tone == "threshold");
    }

    // Over a grey picture the preview shows its greys where the import adds nothing, and the
    // import's black as black, in black and white as in grey.
    void previewOverAGreyPicture()
    {
        PixelGrid beneath(160, 80);
        beneath.put(5, 70, 1);  // in the white band
        beneath.put(6, 70, 2);
        beneath.put(5, 10, 1);  // under the black band
        ImportScaledDialog dialog(m_source, kPhoto, beneath, 4);
        const PixelGrid shown = shownLevels(dialog.preview());
        QCOMPARE(shown.at(5, 70), 1);
        QCOMPARE(shown.at(6, 70), 2);
        QCOMPARE(shown.at(5, 10), 3);
        QCOMPARE(shown.at(50, 10), 3);
        dialog.findChild<QRadioButton *>(QStringLiteral("replace"))->click();
        QCOMPARE(shownLevels(dialog.preview()).at(5, 70), 0);
    }

    // OK makes the picture a grey one holding the import (a black-and-white picture turned
    // grey in the same step, its black staying black); black and white into a grey picture
    // lands black. One Undo gives the picture before back, levels and all; Redo the import.
    void okAndUndo_data()
    {
        QTest::addColumn<int>("pictureLevels");
        QTest::addColumn<int>("importLevels");
        QTest::addColumn<bool>("replace");
        QTest::newRow("grey into black and white") << 2 << 4 << false;
        QTest::newRow("grey replacing a grey picture") << 4 << 4 << true;
        QTest::newRow("black and white into grey") << 4 << 2 << false;
    }
    void okAndUndo()
    {
        QFETCH(int, pictureLevels);
        QFETCH(int, importLevels);
        QFETCH(bool, replace);
        Bench bench;
        MainWindow &w = bench.window;
        PictureDocument &document = w.document();
        if (pictureLevels == 4)
            document.blank(160, 77, PictureDocument::Blanking::New, 4);
        document.fillRect({2, 10, 149, 1}, 1); // a row of black, or of light grey
        const PixelGrid before = document.pixels();
        ScaledImportChoice choice;
        choice.settings.placement = Placement::Stretch;
        choice.replace = replace;
        choice.levels = importLevels;
        bench.importScaled(choice);

        QCOMPARE(bench.fakes.scaledImport.lastBeneathLevels, pictureLevels);
        QCOMPARE(document.levels(), 4);
        const PixelGrid after = document.pixels();
        QCOMPARE(after.at(5, 40), 3);                                     // the black half
        QCOMPARE(after.at(140, 10), replace ? 0 : pictureLevels == 4 ? 1 : 3); // the row under the white half
        QCOMPARE(after.at(140, 40), 0);
        QCOMPARE(w.canvas().image(), w.canvas().render(after));
        QVERIFY(w.currentFile().isEmpty());

        w.action(QStringLiteral("miUndo"))->trigger();
        QCOMPARE(document.pixels(), before);
        QCOMPARE(document.levels(), pictureLevels);
        QCOMPARE(w.canvas().image(), w.canvas().render(before));
        w.action(QStringLiteral("miRedo"))->trigger();
        QCOMPARE(document.pixels(), after);
        QCOMPARE(document.levels(), 4);
    }

    // The choice of levels is remembered with the rest; a setting from before there were
    // levels opens in black and white, a number of levels that is not 2 or 4 as the defaults.
    void remembersTheLevels_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("levels"); // 0: the defaults
        QTest::newRow("before grey levels") << "2 2 100 1 5 -5 1" << 2;
        QTest::newRow("grey") << "2 2 100 1 5 -5 1 4" << 4;
        QTest::newRow("three levels") << "2 2 100 1 5 -5 1 3" << 0;
    }
    void remembersTheLevels()
    {
        QFETCH(QString, stored);
        QFETCH(int, levels);
        Bench bench;
        const QString key = QStringLiteral("dotlark95/Import Scaled/Last");
        bench.fakes.settings.values[key] = stored;
        bench.importScaled(std::nullopt);
        ScaledImportChoice expected;
        if (levels)
            expected = {{Placement::Stretch, Tone::Atkinson, 100, true, 5, -5}, true, levels};
        QCOMPARE(bench.fakes.scaledImport.lastInitial, expected);

        ScaledImportChoice grey;
        grey.levels = 4;
        bench.importScaled(grey);
        Bench later;
        later.fakes.settings.values = bench.fakes.settings.values;
        later.importScaled(std::nullopt);
        QCOMPARE(later.fakes.scaledImport.lastInitial, grey);
    }
};

QTEST_MAIN(tst_ImportScaledGrey)
#include "tst_ImportScaledGrey.moc"
