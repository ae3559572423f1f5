#include "printing/PrintToPdf.h"
#include "qtplatform/QtFileStore.h"
#include "qtplatform/QtPdfPage.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <functional>

// The printed page of a picture, as dotlark-convert --print-pdf writes it: time per page and
// the PDF's size (counter pdf_bytes). Run with QT_QPA_PLATFORM=offscreen.

namespace {

QTemporaryDir *scratch = nullptr;

PrintInput picture(int width, int height, const std::function<bool(int x, int y)> &black)
{
    PrintInput input;
    input.width = width;
    input.height = height;
    input.pixels = PixelGrid(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            input.pixels.set(x, y, black(x, y) ? 1 : 0);
    input.folder = QStringLiteral("main");
    input.variable = QStringLiteral("picture");
    return input;
}

bool allBlack(int, int) { return true; }
bool checkerboard(int x, int y) { return (x + y) % 2 == 0; }

void printPage(benchmark::State &state, const PrintInput &input)
{
    const QString pdf = scratch->filePath(QStringLiteral("page.pdf"));
    QtFileStore files;
    for (auto _ : state) {
        QtPdfPage page;
        if (!printToPdf(page, files, pdf, input, PageSetup::initial(160)))
            state.SkipWithError("the page was not written");
    }
    state.counters["pdf_bytes"] = double(QFileInfo(pdf).size());
}

void allBlack240x128(benchmark::State &state) { printPage(state, picture(240, 128, allBlack)); }
BENCHMARK(allBlack240x128)->Unit(benchmark::kMillisecond);

void checkerboard240x128(benchmark::State &state) { printPage(state, picture(240, 128, checkerboard)); }
BENCHMARK(checkerboard240x128)->Unit(benchmark::kMillisecond);

// The widest picture a picture file holds: 32767 columns leave room for 15 rows.
void allBlack32767x15(benchmark::State &state) { printPage(state, picture(32767, 15, allBlack)); }
BENCHMARK(allBlack32767x15)->Unit(benchmark::kMillisecond)->Iterations(2);

// No run longer than one pixel: the most drawing a picture file can ask for.
void checkerboard32767x15(benchmark::State &state) { printPage(state, picture(32767, 15, checkerboard)); }
BENCHMARK(checkerboard32767x15)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    scratch = &dir;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
