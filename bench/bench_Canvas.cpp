// How long the canvas takes to show a whole picture, and one pen pixel.
#include "canvas/CanvasView.h"
#include "canvas/DrawingTools.h"

#include <QApplication>
#include <benchmark/benchmark.h>

static void repaintAllBlack(benchmark::State &state)
{
    CanvasView canvas;
    PixelGrid pixels(160, 77);
    for (int y = 0; y < 77; ++y)
        for (int x = 0; x < 160; ++x)
            pixels.set(x, y, 1);
    for (auto _ : state) {
        canvas.ClearCanvas();
        canvas.paintPixels(pixels);
    }
}
BENCHMARK(repaintAllBlack);

static void penStrokeAcrossTheScreen(benchmark::State &state)
{
    PictureDocument document;
    CanvasView canvas;
    DrawingTools tools(document, canvas);
    tools.miTool_Click(Tool::Pen);
    for (auto _ : state) {
        tools.Picture1_MouseDown(1, 0.5f, 0.5f);
        tools.Picture1_MouseMove(1, 159.5f, 76.5f);
    }
}
BENCHMARK(penStrokeAcrossTheScreen);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
