// The picture commands as the document runs them, each one step of the history: a flood
// fill of the whole picture and a quarter turn, on the TI-92 screen and on a wide picture.
#include "document/PictureDocument.h"

#include <benchmark/benchmark.h>

// Every pixel is white, then black, then white...: each fill changes the whole picture.
static void floodFillWhole(benchmark::State &state)
{
    const int width = int(state.range(0)), height = int(state.range(1));
    PictureDocument document;
    document.replace(PixelGrid(width, height), width, height);
    int value = 1;
    for (auto _ : state) {
        document.floodFill(width / 2, height / 2, value);
        value ^= 1;
    }
}
BENCHMARK(floodFillWhole)->Args({240, 128})->Args({4000, 100})->Unit(benchmark::kMillisecond);

static void rotateRight(benchmark::State &state)
{
    const int width = int(state.range(0)), height = int(state.range(1));
    PictureDocument document;
    PixelGrid pixels(width, height);
    for (int x = 0; x < width; x += 3)
        pixels.set(x, x % height, 1);
    document.replace(std::move(pixels), width, height);
    for (auto _ : state) {
        PixelGrid turned = PictureOps::rotated(document.pixels(), document.width(), document.height(), PictureOps::Turn::Right);
        document.transform(std::move(turned), document.height(), document.width());
    }
}
BENCHMARK(rotateRight)->Args({240, 128})->Args({4000, 100})->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
