#include "document/Picture89i.h"

#include <benchmark/benchmark.h>
#include <random>

// Reading and writing a full calculator screen (160 x 77 pixels, 1635 bytes).

namespace {

PixelGrid randomScreen()
{
    std::mt19937 random(160);
    PixelGrid grid(160, 77);
    for (int y = 0; y < 77; ++y)
        for (int x = 0; x < 160; ++x)
            grid.set(x, y, random() & 1);
    return grid;
}

void decodeFullScreen(benchmark::State &state)
{
    const std::vector<uint8_t> file = encode89i("main", "picture", "made with DOTLARK", 160, 77, randomScreen()).bytes;
    for (auto _ : state) {
        DecodeResult result = decode89i(file);
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(file.size()));
}
BENCHMARK(decodeFullScreen);

void encodeFullScreen(benchmark::State &state)
{
    const PixelGrid grid = randomScreen();
    for (auto _ : state) {
        EncodeResult result = encode89i("main", "picture", "made with DOTLARK", 160, 77, grid);
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * 1635);
}
BENCHMARK(encodeFullScreen);

} // namespace

BENCHMARK_MAIN();
