// How long Import Scaled's steps take on a 4000 x 3000 photo placed on the 160 x 77 screen:
// preparing the source once (from the whole photo, as read from a PNG, and from a JPEG read
// at 1/8), placing it, and toning the placed picture, which the dialog's preview repeats on
// every change of a tone setting.
#include "import/ScaledImport.h"

#include <QImage>
#include <benchmark/benchmark.h>

#include <cmath>

namespace {

const QSize kScreen(160, 77);

QImage photo(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double u = double(x) / size.width(), v = double(y) / size.height();
            line[x] = qRgb(int(127.5 + 127 * std::sin(9 * u + 4 * v)), int(255 * v),
                           ((x / 7 + y / 5) % 2) ? 200 : int(255 * u));
        }
    }
    return image;
}

const QImage &fullPhoto()
{
    static const QImage image = photo(QSize(4000, 3000));
    return image;
}

const ScaleSource &fullSource()
{
    static const ScaleSource source(fullPhoto(), kScreen);
    return source;
}

} // namespace

// The source from the whole 4000 x 3000 photo.
static void scaleSourceFromFullPhoto(benchmark::State &state)
{
    const QImage &image = fullPhoto();
    for (auto _ : state)
        benchmark::DoNotOptimize(ScaleSource(image, kScreen));
}
BENCHMARK(scaleSourceFromFullPhoto)->Unit(benchmark::kMillisecond);

// The source from the photo as a JPEG comes at 1/8 (500 x 375), with its 1:1 corner.
static void scaleSourceFromReducedPhoto(benchmark::State &state)
{
    const QImage reduced = fullPhoto().scaled(500, 375, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage corner = fullPhoto().copy(0, 0, 160, 77);
    for (auto _ : state)
        benchmark::DoNotOptimize(ScaleSource(reduced, corner, fullPhoto().size(), kScreen));
}
BENCHMARK(scaleSourceFromReducedPhoto)->Unit(benchmark::kMillisecond);

// Placing the prepared photo: Fit, Fill, Stretch, Actual.
static void placePhoto(benchmark::State &state)
{
    const ScaleSource &source = fullSource();
    const auto placement = Placement(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(placePicture(source, placement));
}
BENCHMARK(placePhoto)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Toning the placed photo: threshold, Floyd-Steinberg, Atkinson, and a threshold with
// brightness and contrast.
static void tonePhoto(benchmark::State &state)
{
    const PlacedPicture placed = placePicture(fullSource(), Placement::Fit);
    ScaleSettings settings;
    settings.tone = Tone(state.range(0) % 3);
    if (state.range(0) == 3) {
        settings.brightness = 20;
        settings.contrast = -30;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(tonePicture(placed, settings));
}
BENCHMARK(tonePhoto)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
