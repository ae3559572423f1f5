// How soon each command shows its result: the time from the key press, menu item or click
// that gives it to the end of the repaint it causes, in the main window at its designed size,
// on a 4000 x 100 picture and on the calculator screen's 160 x 77 for comparison. The
// commands on the picture are timed at the actual size and, on the large picture, with the
// whole of it shown (Draw > Fit: ".../fit").
//
// Each timed figure starts when the event is handed to the window and ends when the event
// loop has run the canvas's paint event (the window's whole repaint and its flush with it).
// Whatever puts the picture back between two figures (an undo, a zoom back) is not timed.
// The counters give the first run's time, the median and the worst of the runs after it.
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_Commands
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_Commands
#include "canvas/CanvasView.h"
#include "fakes/FakeWindow.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <functional>
#include <string_view>
#include <vector>

namespace {
// Two combs, half the picture each, their teeth two pixels wide between each other's: the
// black one hangs from the top row, the white one stands on the bottom row. Each colour is
// one region, so a Fill or a WhFill anywhere turns the whole picture.
PixelGrid combs(int width, int height)
{
    PixelGrid grid(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            grid.set(x, y, y == 0 || (y < height - 1 && x % 4 < 2));
    return grid;
}

class Editor : public QObject
{
public:
    FakeWindow shown;
    MainWindow &window = shown.window;
    CanvasView &canvas = window.canvas();
    int paints = 0;
    bool active = false;  // the window has the keyboard: its shortcuts work
    bool stalled = false; // a command caused no repaint

    Editor(int width, int height)
    {
        window.document().read(combs(width, height), width, height, 2, CalcTexts(), nullptr);
        window.show();
        window.activateWindow();
        active = QTest::qWaitForWindowActive(&window);
        canvas.setFocus();
        canvas.installEventFilter(this);
        settle();
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }

    // Runs the events until the canvas has painted since `before` (at most two seconds).
    void paintedSince(int before)
    {
        QElapsedTimer guard;
        guard.start();
        while (paints == before && !(stalled = guard.elapsed() > 2000))
            QCoreApplication::processEvents();
    }
    // Lets whatever is pending happen, so that a timed figure starts from a still window.
    void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
    // Milliseconds from handing the window `give` to the end of the repaint it causes.
    double timed(const std::function<void()> &give)
    {
        settle();
        const int before = paints;
        const auto start = std::chrono::steady_clock::now();
        give();
        paintedSince(before);
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }

    // A key as the user presses it, to the widget with the focus (shortcuts first).
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, key, modifiers);
    }
    void trigger(const char *name) { window.action(QString::fromLatin1(name))->trigger(); }
    // Untimed: a key and the repaint it causes.
    void keyShown(Qt::Key pressed, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const int before = paints;
        key(pressed, modifiers);
        paintedSince(before);
        settle();
    }
    QPoint at(double x, double y) const { return canvas.toScreen(QPointF(x, y)).toPoint(); }
    // A click on the middle row, on the first pixel of the value given (at any zoom).
    void clickOn(int value)
    {
        const int y = at(0, window.document().height() / 2 + 0.5).y();
        for (int x = 0; x < canvas.width(); ++x)
            if (const QPointF cell = canvas.toolPosition(QPointF(x, y)); pixels().at(int(cell.x()), int(cell.y())) == value)
                return QTest::mouseClick(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
    }
    const PixelGrid &pixels() const { return window.document().pixels(); }
};

// One command: `run` is timed; `before` and `after` (untimed) make each run start from the
// same picture; `check` says, after the first run, whether the command did its work.
struct Command
{
    const char *name;
    std::function<void(Editor &)> run;
    std::function<void(Editor &)> before = [](Editor &) {};
    std::function<void(Editor &)> after = [](Editor &e) { e.keyShown(Qt::Key_Z, Qt::ControlModifier); };
    std::function<bool(Editor &)> check = [](Editor &) { return true; };
    std::function<void(Editor &)> setUp = [](Editor &) {};
};

constexpr auto kCtrl = Qt::ControlModifier;
const auto kCtrlShift = Qt::ControlModifier | Qt::ShiftModifier;

bool allOf(const Editor &e, int value)
{
    const PixelGrid &p = e.pixels();
    for (int y = 0; y < e.window.document().height(); ++y)
        for (int x = 0; x < e.window.document().width(); ++x)
            if (p.at(x, y) != value)
                return false;
    return true;
}

std::vector<Command> commands()
{
    const auto undo = [](Editor &e) { e.keyShown(Qt::Key_Z, kCtrl); };
    const auto actual = [](Editor &e) { e.keyShown(Qt::Key_0, kCtrl); };
    const auto invert = [](Editor &e) { e.keyShown(Qt::Key_I, kCtrl); };
    const auto selectAllInvert = [](Editor &e) {
        e.keyShown(Qt::Key_A, kCtrlShift);
        e.keyShown(Qt::Key_I, kCtrl);
    };
    const auto nothing = [](Editor &) {};
    return {
        // A click of the Fill tool on the white comb, and of WhFill on the black one.
        {"Fill", [](Editor &e) { e.clickOn(0); }, nothing, undo, [](Editor &e) { return allOf(e, 1); },
         [](Editor &e) { e.key(Qt::Key_F); }},
        {"WhFill", [](Editor &e) { e.clickOn(1); }, nothing, undo, [](Editor &e) { return allOf(e, 0); },
         [](Editor &e) { e.key(Qt::Key_F, Qt::ShiftModifier); }},
        {"Invert", [](Editor &e) { e.key(Qt::Key_I, kCtrl); }, nothing, undo,
         [](Editor &e) { return e.pixels().at(0, 0) == 0 && e.pixels().at(2, 1) == 1; }},
        {"FlipHorizontal", [](Editor &e) { e.key(Qt::Key_H, kCtrlShift); }, nothing, undo,
         [](Editor &e) { return e.pixels().at(e.window.document().width() - 1, 1) == 1; }},
        {"FlipVertical", [](Editor &e) { e.key(Qt::Key_J, kCtrlShift); }, nothing, undo,
         [](Editor &e) { return e.pixels().at(2, 0) == 0; }},
        {"RotateRight", [](Editor &e) { e.key(Qt::Key_R, kCtrl); }, nothing, undo,
         [](Editor &e) { return e.window.document().width() < e.window.document().height() || e.window.document().width() == e.window.document().height(); }},
        // Undo and Redo of a whole-picture step (Invert) and of a step of single pixels (an
        // Invert of the selection of everything).
        {"Undo/Invert", [](Editor &e) { e.key(Qt::Key_Z, kCtrl); }, invert, nothing,
         [](Editor &e) { return e.pixels().at(0, 0) == 1; }},
        {"Undo/SelectionInvert", [](Editor &e) { e.key(Qt::Key_Z, kCtrl); }, selectAllInvert,
         [](Editor &e) { e.keyShown(Qt::Key_Escape); }, [](Editor &e) { return e.pixels().at(0, 0) == 1; }},
        {"Redo/Invert", [](Editor &e) { e.key(Qt::Key_Y, kCtrl); }, nothing, undo,
         [](Editor &e) { return e.pixels().at(0, 0) == 0; },
         [](Editor &e) {
             e.keyShown(Qt::Key_I, kCtrl);
             e.keyShown(Qt::Key_Z, kCtrl);
         }},
        {"Redo/SelectionInvert", [](Editor &e) { e.key(Qt::Key_Y, kCtrl); }, nothing, undo,
         [](Editor &e) { return e.pixels().at(0, 0) == 0; },
         [](Editor &e) {
             e.keyShown(Qt::Key_A, kCtrlShift);
             e.keyShown(Qt::Key_I, kCtrl);
             e.keyShown(Qt::Key_Z, kCtrl);
         }},
        {"ZoomIn", [](Editor &e) { e.key(Qt::Key_Plus, kCtrl); }, nothing, actual,
         [](Editor &e) { return e.canvas.zoom() > 1; }},
        {"ZoomOut", [](Editor &e) { e.key(Qt::Key_Minus, kCtrl); }, nothing, actual,
         [](Editor &e) { return e.canvas.zoom() < 1; }},
        {"ActualSize", [](Editor &e) { e.key(Qt::Key_0, kCtrl); }, [](Editor &e) { e.keyShown(Qt::Key_Plus, kCtrl); },
         nothing, [](Editor &e) { return e.canvas.zoom() == 1; }},
        {"Fit", [](Editor &e) { e.trigger("miFit"); }, nothing, actual, [](Editor &) { return true; }},
        {"SelectAll", [](Editor &e) { e.key(Qt::Key_A, kCtrlShift); }, nothing,
         [](Editor &e) { e.keyShown(Qt::Key_Escape); }, [](Editor &e) { return e.window.tools().selection().active(); }},
        {"SelectionInvert", [](Editor &e) { e.key(Qt::Key_I, kCtrl); }, nothing, undo,
         [](Editor &e) { return e.pixels().at(0, 0) == 0 && e.window.tools().selection().active(); },
         [](Editor &e) { e.keyShown(Qt::Key_A, kCtrlShift); }},
        // The selection of everything moved a pixel by an arrow key: it floats.
        {"SelectionMove", [](Editor &e) { e.key(Qt::Key_Left); }, nothing,
         [](Editor &e) {
             e.keyShown(Qt::Key_Right);
             e.keyShown(Qt::Key_Escape); // lands where it was lifted: no change
             e.keyShown(Qt::Key_A, kCtrlShift);
         },
         [](Editor &e) { return e.window.tools().selection().floating(); },
         [](Editor &e) { e.keyShown(Qt::Key_A, kCtrlShift); }},
        {"ShiftLeft", [](Editor &e) { e.key(Qt::Key_Left, kCtrlShift); }, nothing, undo,
         [](Editor &e) { return e.pixels().at(0, 1) == 1 && e.pixels().at(1, 1) == 0; }},
        {"ClrDraw", [](Editor &e) { e.key(Qt::Key_C, kCtrl); }, nothing, undo, [](Editor &e) { return allOf(e, 0); }},
    };
}

// The zoom commands are timed from the actual size only.
bool zooms(const Command &command)
{
    return std::string_view(command.name).starts_with("Zoom") || std::string_view(command.name) == "ActualSize"
           || std::string_view(command.name) == "Fit";
}

// Times `give` once and then once per iteration, each time between `before` and `after`
// (untimed); `check` says after the first whether it did its work.
void timeRuns(benchmark::State &state, Editor &editor, const std::function<void()> &give,
              const std::function<void()> &before, const std::function<void()> &after, const std::function<bool()> &check)
{
    before();
    const double first = editor.timed(give);
    if (!check())
        state.SkipWithError("the command did not do its work");
    after();
    std::vector<double> times;
    for (auto _ : state) {
        before();
        const double ms = editor.timed(give);
        state.SetIterationTime(ms / 1000);
        times.push_back(ms);
        after();
    }
    if (editor.stalled)
        state.SkipWithError("a command caused no repaint");
    std::sort(times.begin(), times.end());
    state.counters["first_ms"] = first;
    state.counters["median_ms"] = times.empty() ? 0 : times[times.size() / 2];
    state.counters["worst_ms"] = times.empty() ? 0 : times.back();
}

// `fitted`: the whole picture shown (Draw > Fit) rather than at the actual size.
void runCommand(benchmark::State &state, const Command &command, int width, int height, bool fitted)
{
    Editor editor(width, height);
    if (!editor.active)
        return state.SkipWithError("the window did not become active");
    if (fitted)
        editor.trigger("miFit");
    command.setUp(editor);
    editor.settle();
    timeRuns(
        state, editor, [&] { command.run(editor); }, [&] { command.before(editor); }, [&] { command.after(editor); },
        [&] { return command.check(editor); });
}

// A pen stroke: each figure is one move of a few pixels with the button held.
void penMove(benchmark::State &state, int width, int height)
{
    Editor editor(width, height);
    if (!editor.active)
        return state.SkipWithError("the window did not become active");
    editor.key(Qt::Key_P);
    QTest::mousePress(&editor.canvas, Qt::LeftButton, Qt::NoModifier, editor.at(2.5, 40.5));
    editor.settle();
    double x = 2.5;
    const auto move = [&] {
        x = x > 150 ? 2.5 : x + 3;
        QTest::mouseMove(&editor.canvas, editor.at(x, 40.5 + int(x) % 7));
    };
    timeRuns(state, editor, move, [] {}, [] {}, [] { return true; });
    QTest::mouseRelease(&editor.canvas, Qt::LeftButton, Qt::NoModifier, editor.at(x, 40.5));
}
} // namespace

int main(int argc, char **argv)
{
    // On the display there is (Xvfb under xvfb-run), offscreen without one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::AddCustomContext("platform", QGuiApplication::platformName().toStdString());
    static const std::vector<Command> all = commands();
    for (const auto &[width, height] : {std::pair{4000, 100}, std::pair{160, 77}}) {
        const std::string size = "/" + std::to_string(width) + "x" + std::to_string(height);
        for (const Command &command : all)
            for (const bool fitted : {false, true})
                if (!fitted || (width > PictureDocument::kScreenWidth && !zooms(command)))
                    benchmark::RegisterBenchmark((command.name + size + (fitted ? "/fit" : "")).c_str(),
                                                 [&command, width, height, fitted](benchmark::State &state) {
                                                     runCommand(state, command, width, height, fitted);
                                                 })
                        ->UseManualTime()
                        ->Iterations(30)
                        ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("PenMove" + size).c_str(),
                                     [width, height](benchmark::State &state) { penMove(state, width, height); })
            ->UseManualTime()
            ->Iterations(30)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
