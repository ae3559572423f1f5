// How long the canvas takes to show a picture and to draw on it: the canvas alone, and in a
// frame of the designed size (547 x 266 screen pixels) with each mouse move followed by the
// repaint it causes.
#include "canvas/CanvasView.h"
#include "canvas/DrawingTools.h"

#include <QApplication>
#include <QImage>
#include <QScrollArea>
#include <benchmark/benchmark.h>

namespace {
struct Editor
{
    PictureDocument document;
    QScrollArea frame;
    CanvasView *canvas = new CanvasView(document);
    DrawingTools tools{document, *canvas};

    Editor(int width, int height, double zoom)
    {
        document.replace(PixelGrid(width, height), width, height);
        frame.resize(547, 266);
        frame.setWidget(canvas);
        canvas->setZoom(zoom);
        canvas->setTools(&tools);
        frame.show();
        QApplication::processEvents();
        tools.miTool_Click(Tool::Pen);
    }
};
} // namespace

// One pen move of a few pixels, and the repaint of what it changed.
static void penMoveWithRepaint(benchmark::State &state)
{
    Editor editor(int(state.range(0)), int(state.range(1)), 1.0);
    editor.tools.Picture1_MouseDown(1, 2.5f, 2.5f);
    float x = 2.5f;
    for (auto _ : state) {
        x = x > 60 ? 2.5f : x + 3;
        editor.tools.Picture1_MouseMove(1, x, 2.5f + float(int(x) % 5));
        QApplication::processEvents();
    }
    editor.tools.Picture1_MouseUp(1, x, 2.5f);
}
BENCHMARK(penMoveWithRepaint)->Args({160, 77})->Args({4000, 100})->Unit(benchmark::kMicrosecond);

// The whole visible part of an all-black picture painted again, at a zoom of 1 and 8.
static void repaintVisible(benchmark::State &state)
{
    Editor editor(4000, 100, double(state.range(0)));
    PixelGrid black(4000, 100);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 4000; ++x)
            black.set(x, y, 1);
    editor.document.replace(std::move(black), 4000, 100);
    // Rendered into an image of the frame's size: the visible cells, as paintEvent draws them.
    QImage target(editor.frame.viewport()->size(), QImage::Format_RGB32);
    const QRegion visible = editor.canvas->visibleRegion();
    for (auto _ : state)
        editor.canvas->QWidget::render(&target, QPoint(), visible);
}
BENCHMARK(repaintVisible)->Arg(1)->Arg(8)->Unit(benchmark::kMicrosecond);

// An all-black picture read into the document, and the canvas told to show it anew.
static void repaintAllBlack(benchmark::State &state)
{
    PictureDocument document;
    CanvasView canvas(document);
    PixelGrid pixels(160, 77);
    for (int y = 0; y < 77; ++y)
        for (int x = 0; x < 160; ++x)
            pixels.set(x, y, 1);
    for (auto _ : state)
        document.replace(pixels, 160, 77);
}
BENCHMARK(repaintAllBlack);

static void penStrokeAcrossTheScreen(benchmark::State &state)
{
    PictureDocument document;
    CanvasView canvas(document);
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
