// Rasterising full-screen shapes into a picture grid, the way the release of a drag does.
#include "import/PictureImport.h"
#include "canvas/Shapes.h"
#include "document/PixelGrid.h"

#include <benchmark/benchmark.h>

namespace {

PlotFn into(PixelGrid &grid)
{
    return [&grid](int x, int y) { grid.set(x, y, 1); };
}

// Circle around the screen's centre reaching its top and bottom rows.
void BM_Circle(benchmark::State &state)
{
    PixelGrid grid(160, 77);
    for (auto _ : state)
        benchmark::DoNotOptimize(rasteriseCircle(80.5f, 38.5f, 38.0, into(grid)));
}
BENCHMARK(BM_Circle);

// Widest ellipse: 79 pixels across, 38 up and down.
void BM_Ellipse(benchmark::State &state)
{
    PixelGrid grid(160, 77);
    const float aspect = ellipseAspect(80.5f, 38.5f, 159.5f, 0.5f);
    for (auto _ : state)
        benchmark::DoNotOptimize(rasteriseEllipse(80.5f, 38.5f, 88.0, aspect, into(grid)));
}
BENCHMARK(BM_Ellipse);

// Bar over the whole screen: 160 x 77 plots.
void BM_Bar(benchmark::State &state)
{
    PixelGrid grid(160, 77);
    for (auto _ : state)
        rasteriseBar(0.2f, 0.2f, 159.4f, 76.4f, into(grid));
}
BENCHMARK(BM_Bar);

// Diagonal line across the screen.
void BM_Line(benchmark::State &state)
{
    PixelGrid grid(160, 77);
    for (auto _ : state)
        benchmark::DoNotOptimize(rasteriseLine(0.5f, 0.5f, 159.5f, 76.5f, into(grid)));
}
BENCHMARK(BM_Line);

// Pen segment across the screen, as one fast move of a stroke.
void BM_PenSegment(benchmark::State &state)
{
    PixelGrid grid(160, 77);
    for (auto _ : state)
        benchmark::DoNotOptimize(rasterisePenSegment(0.5f, 0.5f, 159, 76, into(grid)));
}
BENCHMARK(BM_PenSegment);

// Importing a full-screen picture with every other pixel dark.
void BM_Import(benchmark::State &state)
{
    QImage picture(160, 77, QImage::Format_RGB32);
    for (int y = 0; y < 77; ++y)
        for (int x = 0; x < 160; ++x)
            picture.setPixel(x, y, (x + y) % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    PixelGrid grid(160, 77);
    for (auto _ : state)
        importPicture(picture, into(grid));
}
BENCHMARK(BM_Import);

} // namespace

BENCHMARK_MAIN();
