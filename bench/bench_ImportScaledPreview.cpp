// How fast File > Import Scaled...'s preview follows its controls on a 4000 x 3000 photo:
// the preparation once per file, a placement change, and a tone change (a slider moved),
// each with the repaint of the preview. Run with QT_QPA_PLATFORM=offscreen.
#include "shell/ImportScaledDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QSlider>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
// Smooth colour waves with fine grain: something like a photo, with no flat areas.
QImage photo(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    unsigned seed = 1;
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            seed = seed * 1103515245u + 12345u;
            const int grain = int(seed >> 27) - 16;
            const double u = x / double(width), v = y / double(height);
            const auto channel = [&](double phase) {
                return std::clamp(int(128 + 90 * std::sin(7 * u + phase) * std::cos(5 * v - phase)) + grain, 0, 255);
            };
            line[x] = qRgb(channel(0), channel(1.3), channel(2.1));
        }
    }
    return image;
}

double milliseconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

// Median and worst of `runs` timings.
void report(const char *what, int runs, const std::function<void(int)> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(milliseconds([&] { work(i); }));
    std::sort(times.begin(), times.end());
    std::printf("%-52s median %7.2f ms, worst %7.2f ms (%d runs)\n", what, times[times.size() / 2], times.back(), runs);
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QSize target(160, 77);
    const QImage full = photo(4000, 3000);
    // What a JPEG decoder reading at 1/8 hands over for this target, and the top-left part for 1:1.
    const QImage reduced = full.scaled(500, 375, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage corner = full.copy(0, 0, target.width(), target.height());

    int kept = 0; // what the preparations made, used so that none is left out
    report("prepare, the picture read whole (4000 x 3000)", 3,
           [&](int) { kept += ScaleSource(full, target).working().width; });
    report("prepare, the picture read at 1/8 (500 x 375)", 10,
           [&](int) { kept += ScaleSource(reduced, corner, full.size(), target).working().width; });
    std::printf("(working widths summed: %d)\n", kept);

    for (const bool whole : {true, false}) {
        const ScaleSource source = whole ? ScaleSource(full, target) : ScaleSource(reduced, corner, full.size(), target);
        std::printf("-- %s\n", whole ? "read whole" : "read at 1/8");
        ImportScaledDialog dialog(source, QStringLiteral("photo.jpg"), PixelGrid(target.width(), target.height()));
        dialog.show();
        QApplication::processEvents();
        QWidget *preview = dialog.findChild<QWidget *>(QStringLiteral("preview"));
        const auto changed = [&](const std::function<void()> &change) {
            change();
            preview->repaint(); // the preview on the screen, not only asked for
        };
        const char *placements[] = {"fill", "stretch", "actual", "fit"};
        report("placement changed (Fit, Fill, Stretch, 1:1)", 20, [&](int i) {
            changed([&] { dialog.findChild<QAbstractButton *>(QString::fromLatin1(placements[i % 4]))->click(); });
        });
        auto *threshold = dialog.findChild<QSlider *>(QStringLiteral("thresholdLevel"));
        report("threshold slider moved", 50, [&](int i) { changed([&] { threshold->setValue(60 + i); }); });
        dialog.findChild<QAbstractButton *>(QStringLiteral("floydSteinberg"))->click();
        auto *brightness = dialog.findChild<QSlider *>(QStringLiteral("brightness"));
        report("brightness moved, Floyd-Steinberg dither", 50, [&](int i) { changed([&] { brightness->setValue(i - 25); }); });
        dialog.findChild<QAbstractButton *>(QStringLiteral("atkinson"))->click();
        auto *contrast = dialog.findChild<QSlider *>(QStringLiteral("contrast"));
        report("contrast moved, Atkinson dither", 50, [&](int i) { changed([&] { contrast->setValue(i - 25); }); });
    }
    return 0;
}
