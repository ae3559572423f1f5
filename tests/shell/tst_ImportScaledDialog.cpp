#include "canvas/CanvasView.h"
#include "platform/Translations.h"
#include "shell/ImportScaledDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSlider>
#include <QTest>

#include <functional>

namespace {
// A photo-like picture, wider than the screen: a diagonal grey ramp with a dark disc and a
// light band, so that every setting changes some pixels of the result.
QImage photo(int width = 480, int height = 160)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            int grey = 255 * (x + y) / (width + height);
            if ((x - width / 3) * (x - width / 3) + (y - height / 2) * (y - height / 2) < height * height / 9)
                grey /= 3;
            if (x > 3 * width / 4)
                grey = 200;
            picture.setPixel(x, y, qRgb(grey, grey, std::min(255, grey + 20)));
        }
    return picture;
}

// The preview's image as the pixels it shows: 1 where black.
PixelGrid shownPixels(const ScaledPreview &preview)
{
    const QImage &image = preview.shown();
    PixelGrid pixels(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            pixels.set(x, y, image.pixel(x, y) == CanvasView::kBlack);
    return pixels;
}

} // namespace

Q_DECLARE_METATYPE(ScaledImportChoice)

namespace {
template <typename T> T *control(QDialog &dialog, const char *name)
{
    T *found = dialog.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}
} // namespace

// The Import Scaled dialog, built without being shown modally: its controls, its preview,
// and the result it hands back.
class tst_ImportScaledDialog : public QObject
{
    Q_OBJECT

    const ScaleSource m_source{photo(), QSize(160, 77)};
    const PixelGrid m_blank{160, 77};

private slots:
    void defaults()
    {
        ImportScaledDialog dialog(m_source, QStringLiteral("/p/photo.jpg"), m_blank);
        QCOMPARE(dialog.choice(), ScaledImportChoice());
        QCOMPARE(dialog.choice().settings.threshold, 128);
        QVERIFY(!dialog.choice().replace);
        QCOMPARE(dialog.result(), scaledPixels(m_source, ScaleSettings()));
        QCOMPARE(shownPixels(dialog.preview()), dialog.result());
        QCOMPARE(dialog.preview().magnification(), 2);
        QVERIFY(control<QPushButton>(dialog, "ok")->isDefault());
        QCOMPARE(control<QLabel>(dialog, "about")->text(), QStringLiteral("photo.jpg: 480 x 160 pixels onto 160 x 77"));
    }

    // Each control changes the choice as it says, and the preview shows the pixels that
    // choice gives: the result handed back.
    void controls_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("value"); // sliders
        QTest::addColumn<ScaledImportChoice>("expected");
        const auto with = [](const std::function<void(ScaledImportChoice &)> &change) {
            ScaledImportChoice choice;
            change(choice);
            return choice;
        };
        QTest::newRow("Fill") << "fill" << 0 << with([](auto &c) { c.settings.placement = Placement::Fill; });
        QTest::newRow("Stretch") << "stretch" << 0 << with([](auto &c) { c.settings.placement = Placement::Stretch; });
        QTest::newRow("1:1") << "actual" << 0 << with([](auto &c) { c.settings.placement = Placement::Actual; });
        QTest::newRow("Floyd-Steinberg")
            << "floydSteinberg" << 0 << with([](auto &c) { c.settings.tone = Tone::FloydSteinberg; });
        QTest::newRow("Atkinson") << "atkinson" << 0 << with([](auto &c) { c.settings.tone = Tone::Atkinson; });
        QTest::newRow("threshold") << "thresholdLevel" << 60 << with([](auto &c) { c.settings.threshold = 60; });
        QTest::newRow("threshold all") << "thresholdLevel" << 256 << with([](auto &c) { c.settings.threshold = 256; });
        QTest::newRow("invert") << "invert" << 0 << with([](auto &c) { c.settings.invert = true; });
        QTest::newRow("brightness") << "brightness" << 40 << with([](auto &c) { c.settings.brightness = 40; });
        QTest::newRow("contrast") << "contrast" << -70 << with([](auto &c) { c.settings.contrast = -70; });
        QTest::newRow("replace") << "replace" << 0 << with([](auto &c) { c.replace = true; });
    }
    void controls()
    {
        QFETCH(QString, control);
        QFETCH(int, value);
        QFETCH(ScaledImportChoice, expected);
        ImportScaledDialog dialog(m_source, QStringLiteral("/p/photo.jpg"), m_blank);
        const PixelGrid before = dialog.result();
        if (auto *slider = dialog.findChild<QSlider *>(control))
            slider->setValue(value);
        else
            dialog.findChild<QAbstractButton *>(control)->click();
        QCOMPARE(dialog.choice(), expected);
        const PixelGrid expectedPixels = scaledPixels(m_source, expected.settings);
        QCOMPARE(dialog.result(), expectedPixels);
        QCOMPARE(shownPixels(dialog.preview()), expectedPixels);
        if (control != "replace")
            QVERIFY(dialog.result() != before);
        if (dialog.findChild<QSlider *>(control))
            QCOMPARE(dialog.findChild<QLabel *>(control + QStringLiteral("Value"))->text(), QString::number(value));
    }

    // Added black pixels are previewed on the picture they land on, as OK leaves it; pixels
    // that replace the picture are previewed alone. OK's pixels are the import's either way.
    void previewShowsTheResult()
    {
        PixelGrid beneath(160, 77);
        for (int y = 0; y < 77; ++y)
            beneath.set(150, y, 1); // in the light band at the right, which imports white
        ImportScaledDialog dialog(m_source, QStringLiteral("/p/photo.jpg"), beneath);
        const PixelGrid imported = scaledPixels(m_source, ScaleSettings());
        PixelGrid landed = imported;
        for (int y = 0; y < 77; ++y)
            landed.set(150, y, 1);
        QVERIFY(imported != landed);
        QCOMPARE(shownPixels(dialog.preview()), landed);
        control<QRadioButton>(dialog, "replace")->click();
        QCOMPARE(shownPixels(dialog.preview()), imported);
        control<QRadioButton>(dialog, "add")->click();
        control<QSlider>(dialog, "thresholdLevel")->setValue(0); // nothing imported
        QCOMPARE(shownPixels(dialog.preview()), beneath);
        QCOMPARE(dialog.result(), PixelGrid(160, 77));
    }

    // A choice set is shown by the controls and gives its pixels; Reset brings the defaults.
    // The threshold only applies, and can only be moved, while Threshold is the tone.
    void setChoiceAndReset()
    {
        ImportScaledDialog dialog(m_source, QStringLiteral("/p/photo.jpg"), m_blank);
        const ScaledImportChoice chosen{{Placement::Stretch, Tone::Atkinson, 40, true, -20, 30}, true};
        dialog.setChoice(chosen);
        QCOMPARE(dialog.choice(), chosen);
        QCOMPARE(dialog.result(), scaledPixels(m_source, chosen.settings));
        QVERIFY(control<QRadioButton>(dialog, "stretch")->isChecked());
        QCOMPARE(control<QLabel>(dialog, "contrastValue")->text(), QStringLiteral("30"));
        QVERIFY(!control<QSlider>(dialog, "thresholdLevel")->isEnabled());
        control<QPushButton>(dialog, "reset")->click();
        QCOMPARE(dialog.choice(), ScaledImportChoice());
        QCOMPARE(shownPixels(dialog.preview()), scaledPixels(m_source, ScaleSettings()));
        QVERIFY(control<QSlider>(dialog, "thresholdLevel")->isEnabled());
    }

    // On the screen: each picture pixel is a square of the magnification, in the canvas's
    // colours, inside a one-pixel frame.
    void previewOnScreen()
    {
        ImportScaledDialog dialog(m_source, QStringLiteral("/p/photo.jpg"), m_blank);
        const QImage screen = const_cast<ScaledPreview &>(dialog.preview()).grab().toImage();
        QCOMPARE(screen.size(), QSize(322, 156));
        const PixelGrid &pixels = dialog.result();
        int mismatches = 0;
        for (int y = 0; y < 77; ++y)
            for (int x = 0; x < 160; ++x)
                for (const QPoint corner : {QPoint(0, 0), QPoint(1, 1)}) {
                    const QPoint at = QPoint(1 + 2 * x, 1 + 2 * y) + corner;
                    const QRgb expected = pixels.at(x, y) ? CanvasView::kBlack : CanvasView::kBackground;
                    mismatches += screen.pixel(at) != expected;
                }
        QCOMPARE(mismatches, 0);
    }

    // Large factors for small pictures, 1 for large ones; the dialog fits a 1024 x 768 screen
    // for any picture (a large one scrolls in the preview).
    void fitsTheScreen_data()
    {
        QTest::addColumn<QSize>("target");
        QTest::addColumn<int>("magnification");
        QTest::newRow("calculator screen") << QSize(160, 77) << 2;
        QTest::newRow("small") << QSize(20, 10) << 20;
        QTest::newRow("one pixel") << QSize(1, 1) << 300;
        QTest::newRow("TI-92 screen") << QSize(240, 128) << 1;
        QTest::newRow("wide") << QSize(4000, 100) << 1;
        QTest::newRow("tall") << QSize(100, 4000) << 1;
    }
    void fitsTheScreen()
    {
        QFETCH(QSize, target);
        QFETCH(int, magnification);
        const ScaleSource source(photo(), target);
        ImportScaledDialog dialog(source, QStringLiteral("/p/photo.jpg"), m_blank);
        QCOMPARE(dialog.preview().magnification(), magnification);
        const QSize size = dialog.sizeHint();
        QVERIFY2(size.width() <= 1000 && size.height() <= 700,
                 qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
        QCOMPARE(dialog.result().width(), target.width());
    }

    // In French and German, with the longest captions (four grey levels), the dialog still fits
    // a 1024 x 768 screen, and its buttons keep the names that find them.
    void translatedFitsTheScreen_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("French") << "fr_FR";
        QTest::newRow("German") << "de_DE";
    }
    void translatedFitsTheScreen()
    {
        QFETCH(QString, locale);
        QVERIFY(!Translations::install(QLocale(locale)).isEmpty());
        const auto english = qScopeGuard([] { Translations::install(QLocale::c()); });
        const ScaleSource source(photo(), QSize(240, 128));
        ImportScaledDialog dialog(source, QStringLiteral("/p/photo.jpg"), m_blank);
        QVERIFY(dialog.windowTitle() != QStringLiteral("Import Scaled..."));
        ScaledImportChoice grey;
        grey.levels = 4;
        dialog.setChoice(grey);
        const QSize size = dialog.sizeHint();
        QVERIFY2(size.width() <= 1000 && size.height() <= 700,
                 qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
        for (const char *name : {"ok", "cancel", "reset"})
            QVERIFY2(dialog.findChild<QPushButton *>(QString::fromLatin1(name)), name);
    }

    // Tab goes through the groups in reading order, then the buttons.
    void tabOrder()
    {
        ImportScaledDialog dialog(m_source, QStringLiteral("/p/photo.jpg"), m_blank);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        control<QRadioButton>(dialog, "fit")->setFocus();
        QStringList reached{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 11; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(reached, QStringList({"fit", "threshold", "thresholdLevel", "greyLevels", "add", "invert", "brightness",
                                       "contrast", "reset", "ok", "cancel", "fit"}));
    }
};

QTEST_MAIN(tst_ImportScaledDialog)
#include "tst_ImportScaledDialog.moc"
