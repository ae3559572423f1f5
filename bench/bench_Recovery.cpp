// The pen's latency with the recovery copy kept and without: one pen move of a few pixels
// and its repaint, in the designed frame (547 x 266 screen pixels), the editor's session
// watched by a RecoveryKeeper or not. And the cost of writing a copy, which runs a few
// seconds after the last change, never inside a stroke.
#include "canvas/CanvasView.h"
#include "canvas/DrawingTools.h"
#include "qtplatform/PosixPrivateFolder.h"
#include "qtplatform/QtFileStore.h"
#include "qtplatform/QtSettings.h"
#include "session/FileSession.h"
#include "session/RecoveryKeeper.h"
#include "session/RecoveryStore.h"

#include <QApplication>
#include <QScrollArea>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {
struct Editor
{
    QTemporaryDir folder;
    QtFileStore files;
    QtSettings settings;
    FileSession session{files, settings};
    PosixPrivateFolder privateFolder{folder.path()};
    RecoveryStore store{files, privateFolder};
    std::unique_ptr<RecoveryKeeper> keeper;
    QScrollArea frame;
    CanvasView *canvas = new CanvasView(session.document());
    DrawingTools tools{session.document(), *canvas};

    Editor(int width, int height, bool recovery)
    {
        session.document().read(PixelGrid(width, height), width, height, 2, CalcTexts(), nullptr);
        if (recovery) {
            keeper = std::make_unique<RecoveryKeeper>(session, store);
            tools.menusChanged = [this] { keeper->changed(); };
        }
        frame.resize(547, 266);
        frame.setWidget(canvas);
        frame.show();
        QApplication::processEvents();
        tools.miTool_Click(Tool::Pen);
    }
};
} // namespace

// Arg 0: without a recovery copy; 1: with one kept (the copy's timer armed throughout).
static void penMoveWithRecovery(benchmark::State &state)
{
    Editor editor(160, 77, state.range(0) != 0);
    editor.tools.Picture1_MouseDown(1, 2.5f, 2.5f);
    float x = 2.5f;
    for (auto _ : state) {
        x = x > 150 ? 2.5f : x + 3;
        editor.tools.Picture1_MouseMove(1, x, 2.5f + float(int(x) % 50));
        QApplication::processEvents();
    }
    editor.tools.Picture1_MouseUp(1, x, 2.5f);
}
BENCHMARK(penMoveWithRecovery)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A whole press, stroke and release, as a short scribble makes it.
static void shortStrokeWithRecovery(benchmark::State &state)
{
    Editor editor(160, 77, state.range(0) != 0);
    for (auto _ : state) {
        editor.tools.Picture1_MouseDown(1, 10.5f, 10.5f);
        for (float x = 11.5f; x < 60; x += 2)
            editor.tools.Picture1_MouseMove(1, x, 10.5f + x / 4);
        editor.tools.Picture1_MouseUp(1, 60.5f, 25.5f);
        QApplication::processEvents();
    }
}
BENCHMARK(shortStrokeWithRecovery)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Writing the copy (encoded, written atomically and synced): the calculator screen and a
// picture of 4000 x 100 pixels.
static void writeCopy(benchmark::State &state)
{
    Editor editor(int(state.range(0)), int(state.range(1)), true);
    editor.session.document().drawn();
    for (auto _ : state)
        editor.keeper->keepNow();
}
BENCHMARK(writeCopy)->Args({160, 77})->Args({4000, 100})->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
