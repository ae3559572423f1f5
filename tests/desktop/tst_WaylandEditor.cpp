#include "canvas/CanvasView.h"
#include "desktop/HeadlessSway.h"
#include "document/Picture89i.h"
#include "document/PictureDocument.h"

#include <QBuffer>
#include <QFile>
#include <QTest>

#include <cstring>

// The real editor as a native Wayland client of a headless sway (no X server anywhere): it
// opens the picture named on its command line and shows it pixel for pixel, and Edit > Copy
// of the whole picture, pressed as keys, reaches other programs as image/png.
class tst_WaylandEditor : public QObject
{
    Q_OBJECT

    HeadlessSway m_sway;
    QProcess *m_editor = nullptr;
    PixelGrid m_pixels{160, 77};
    std::optional<QPoint> m_canvasAt; // where the canvas was seen at scale 1

    // A pattern that shows a shift, a stretch or a blur: the corners, the top row and
    // scattered dots.
    static PixelGrid pattern()
    {
        PixelGrid pixels(160, 77);
        for (int y = 0; y < 77; ++y)
            for (int x = 0; x < 160; ++x)
                if (y == 0 || (x == 159 && y == 76) || (x * 7 + y * 13) % 11 < 3)
                    pixels.set(x, y, 1);
        return pixels;
    }

    // Where the image lies, unchanged, in the screenshot.
    static std::optional<QPoint> find(const QImage &screen, const QImage &image)
    {
        const qsizetype row = qsizetype(image.width()) * 4;
        for (int y = 0; y + image.height() <= screen.height(); ++y)
            for (int x = 0; x + image.width() <= screen.width(); ++x) {
                int line = 0;
                while (line < image.height()
                       && std::memcmp(screen.constScanLine(y + line) + x * 4, image.constScanLine(line), row) == 0)
                    ++line;
                if (line == image.height())
                    return QPoint(x, y);
            }
        return std::nullopt;
    }

    QImage screenshot()
    {
        const std::optional<QByteArray> png = m_sway.run(QStringLiteral("grim"), {QStringLiteral("-t"), QStringLiteral("png"), QStringLiteral("-")});
        return png ? QImage::fromData(*png, "PNG").convertToFormat(QImage::Format_RGB32) : QImage();
    }

    QString editorOutput() { return m_editor ? QString::fromLocal8Bit(m_editor->readAll()) : QString(); }

private slots:
    void initTestCase()
    {
        if (const QString problem = m_sway.start(1024, 768); !problem.isEmpty())
            QSKIP(qPrintable(QStringLiteral("no headless Wayland compositor: ") + problem));
        m_pixels = pattern();
        const EncodeResult file = encode89i("main", "wayland", "", 160, 77, m_pixels);
        const QString path = m_sway.folder() + QStringLiteral("/shown.89i");
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        QCOMPARE(out.write(reinterpret_cast<const char *>(file.bytes.data()), qint64(file.bytes.size())), qint64(file.bytes.size()));
        out.close();
        QVERIFY(HeadlessSway::ownedByUser(path, 0644));
        QProcessEnvironment env = m_sway.environment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        m_editor = &m_sway.launch(QStringLiteral(DOTLARK_BINARY_DIR "/app/dotlark/dotlark"), {path}, env);
        QVERIFY2(m_editor->waitForStarted(5000), qPrintable(m_editor->errorString()));
    }

    // The canvas, found in the compositor's screenshot exactly as the canvas renders the
    // picture: at its actual size, one screen pixel per pixel, no blur.
    void showsThePicture()
    {
        PictureDocument document;
        document.replace(PixelGrid(m_pixels), 160, 77);
        const CanvasView canvas(document);
        const QImage expected = canvas.render(m_pixels).convertToFormat(QImage::Format_RGB32);
        std::optional<QPoint> &at = m_canvasAt;
        QImage screen;
        QDeadlineTimer deadline(20000);
        while (!at && !deadline.hasExpired() && m_editor->state() == QProcess::Running) {
            QTest::qWait(300);
            screen = screenshot();
            at = find(screen, expected);
        }
        const QString saved = QStringLiteral(DOTLARK_BINARY_DIR "/Testing/wayland-screenshot.png");
        if (!at)
            screen.save(saved);
        QVERIFY2(m_editor->state() == QProcess::Running, qPrintable(QStringLiteral("the editor ended: ") + editorOutput()));
        QVERIFY2(at, qPrintable(QStringLiteral("the picture is not on the screen (%1); the editor said: %2").arg(saved, editorOutput())));
    }

    // On an output of twice the density the canvas is drawn at twice the size, as sharp: each
    // cell holds nothing but the background and black, and the middle of every cell shows
    // its pixel. The compositor keeps the window where it was, in its own units.
    void sharpAtTwiceTheDensity()
    {
        if (!m_canvasAt)
            QSKIP("the canvas was not found at the normal density");
        QVERIFY(m_sway.command(QStringLiteral("output HEADLESS-1 resolution 2048x1536 scale 2")));
        const QRect canvas(*m_canvasAt * 2, QSize(547, 266) * 2);
        QImage screen;
        const auto wrongPixel = [&]() -> QString {
            screen = screenshot();
            if (!screen.rect().contains(canvas))
                return QStringLiteral("a screenshot of %1 x %2").arg(screen.width()).arg(screen.height());
            for (int y = canvas.top(); y <= canvas.bottom(); ++y)
                for (int x = canvas.left(); x <= canvas.right(); ++x)
                    if (const QRgb colour = screen.pixel(x, y); colour != CanvasView::kBlack && colour != CanvasView::kBackground)
                        return QStringLiteral("colour %1 at %2,%3").arg(colour, 0, 16).arg(x).arg(y);
            for (int y = 0; y < 77; ++y)
                for (int x = 0; x < 160; ++x) {
                    const QPoint middle = canvas.topLeft() + QPoint(int((x + 0.5) * 1094 / 160), int((y + 0.5) * 532 / 77));
                    if ((screen.pixel(middle) == CanvasView::kBlack) != (m_pixels.at(x, y) != 0))
                        return QStringLiteral("pixel %1,%2 of the picture").arg(x).arg(y);
                }
            return {};
        };
        QString wrong;
        QDeadlineTimer deadline(10000);
        do
            QTest::qWait(300);
        while (!(wrong = wrongPixel()).isEmpty() && !deadline.hasExpired());
        const QString saved = QStringLiteral(DOTLARK_BINARY_DIR "/Testing/wayland-screenshot-2x.png");
        if (!wrong.isEmpty())
            screen.save(saved);
        QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("%1 (%2)").arg(wrong, saved)));
    }

    // Select All and Copy (Ctrl+Shift+A, Ctrl+C) put the picture on the clipboard; wl-paste
    // gets it as PNG, black where the picture is. The virtual keyboard waits a second before
    // the keys, for the editor to take the new keyboard.
    void copyReachesOtherPrograms()
    {
        QVERIFY(m_editor && m_editor->state() == QProcess::Running);
        QVERIFY(m_sway.run(QStringLiteral("wtype"), {QStringLiteral("-s"), QStringLiteral("1000"), QStringLiteral("-M"),
                                                     QStringLiteral("ctrl"), QStringLiteral("-M"), QStringLiteral("shift"),
                                                     QStringLiteral("-k"), QStringLiteral("a"), QStringLiteral("-m"),
                                                     QStringLiteral("shift"), QStringLiteral("-s"), QStringLiteral("300"),
                                                     QStringLiteral("-k"), QStringLiteral("c"), QStringLiteral("-m"),
                                                     QStringLiteral("ctrl"), QStringLiteral("-s"), QStringLiteral("300")}));
        std::optional<QByteArray> types;
        QTRY_VERIFY_WITH_TIMEOUT((types = m_sway.run(QStringLiteral("wl-paste"), {QStringLiteral("--list-types")}))
                                     && types->split('\n').contains("image/png"),
                                 5000);
        const std::optional<QByteArray> png = m_sway.run(QStringLiteral("wl-paste"), {QStringLiteral("--type"), QStringLiteral("image/png")});
        QVERIFY(png);
        QVERIFY2(png->startsWith("\x89PNG"), "wl-paste got no PNG");
        const QImage copied = QImage::fromData(*png, "PNG");
        QCOMPARE(copied.size(), QSize(160, 77));
        for (int y = 0; y < 77; ++y)
            for (int x = 0; x < 160; ++x)
                if ((qGray(copied.pixel(x, y)) < 128) != (m_pixels.at(x, y) != 0))
                    QFAIL(qPrintable(QStringLiteral("the copied pixel %1,%2 differs").arg(x).arg(y)));
    }
};

QTEST_MAIN(tst_WaylandEditor)
#include "tst_WaylandEditor.moc"
