#include "link/EmulatorTransfers.h"

#include "fakes/FakeProgress.h"

#include "qtplatform/QtCalculatorLink.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <functional>

// linkfigures [RUNS]: the link's speed against the emulated TI-89, side by side in one run:
// the editor's Send (list, question and send in one session of the helper) and its grey Send
// (two planes), sending a 160 x 77 picture with dotlark-convert and with TiLP's command line,
// receiving it (TiLP's command line cannot receive), capturing the screen in both sizes.
// Prints the median wall time of RUNS runs (default 5) of each; a run that met PedroM's error
// box counts with its successful repetition only. Needs an X display (xvfb-run) and tiemu.
//
// linkfigures cancels N: N sends cancelled at each of three moments, each followed by a list
// (see cancels()).
//
// linkfigures cycles ti89|ti92+|v200 N [CALC]: N cycles of Send then Receive of a picture with
// the calculator on Automatic (or CALC), as the editor does them (the list, the send, the list, the
// receive); each failure is printed with what the user was told, then PedroM's error box is
// dismissed and the cycle goes on.

namespace {

struct Timed
{
    QString what;
    std::vector<qint64> ms;
    QString failed;
};

// One process run as a transfer; its time is the last attempt's.
qint64 timedRun(EmulatedCalculator &calculator, const QString &program, const QStringList &arguments, QString &failed)
{
    qint64 elapsed = 0;
    failed = calculator.transfer([&] {
        QElapsedTimer clock;
        clock.start();
        QProcess process;
        process.start(program, arguments);
        process.closeWriteChannel();
        const bool ended = process.waitForFinished(120000);
        elapsed = clock.elapsed();
        const QString said = QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
        if (!ended || process.exitCode() != 0 || said.contains(QStringLiteral("timeout")))
            return said.contains(QStringLiteral("timeout")) ? QStringLiteral("timeout (error 4)") : said + u'.';
        return QString();
    });
    return elapsed;
}

qint64 median(std::vector<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// The editor's link for the emulated calculator: Automatic, or the calculator given.
LinkSettings editorSettings(const QString &calc)
{
    return {QStringLiteral("tiemu"), 2, calc, 10, {}};
}

// What the user reads of a failure: the link's words.
QString told(const Failure &failure) { return failure.detail; }

int cycles(const QString &model, int count, const QString &calc, const QString &folder)
{
    const EmulatedCalculator::Model kind = model == QStringLiteral("ti92+") ? EmulatedCalculator::Model::TI92Plus
                                           : model == QStringLiteral("v200") ? EmulatedCalculator::Model::Voyage200
                                                                             : EmulatedCalculator::Model::TI89;
    EmulatedCalculator::cleanLink();
    EmulatedCalculator calculator(kind);
    if (!calculator.start()) {
        std::fprintf(stderr, "linkfigures: %s\n", qPrintable(calculator.why()));
        return 1;
    }
    QTextStream out(stdout);
    int failures = 0;
    QStringList models;
    for (int cycle = 0; cycle < count; ++cycle) {
        const QString picture = folder + QStringLiteral("/cycle.") + calculator.pictureSuffix();
        const QString back = folder + QStringLiteral("/back.") + calculator.pictureSuffix();
        writeRandomPicture(picture, unsigned(100 + cycle));
        QtCalculatorLink link(editorSettings(calc), EmulatedCalculator::linkHelper());
        QString failed;
        const SendReport sent = link.sendAll({picture}, [](const QStringList &, const QString &) { return true; });
        if (sent.failure)
            failed = QStringLiteral("send: ") + told(*sent.failure);
        else if (link.calcUsed())
            models << link.calcUsed()->calc;
        if (failed.isEmpty()) {
            const Outcome<std::vector<CalculatorVariable>> listed = link.list();
            if (!listed)
                failed = QStringLiteral("list: ") + told(listed.failure());
            else if (std::none_of(listed->begin(), listed->end(),
                                  [](const CalculatorVariable &v) { return v.name == QStringLiteral("picture"); }))
                failed = QStringLiteral("list: main\\picture not listed");
        }
        if (failed.isEmpty()) {
            QFile::remove(back);
            if (const Done received = link.receive(QStringLiteral("main"), QStringLiteral("picture"), back); !received)
                failed = QStringLiteral("receive: ") + told(received.failure());
            else if (pixelsOf(back) != pixelsOf(picture))
                failed = QStringLiteral("receive: other pixels");
        }
        if (!failed.isEmpty()) {
            ++failures;
            out << "cycle " << cycle + 1 << " failed: " << failed << Qt::endl;
            calculator.dismissError();
        }
    }
    models.removeDuplicates();
    out << model << ", calculator " << calc << ": " << count << " cycles, " << failures << " failed; the link took " << models.join(QStringLiteral(", "))
        << Qt::endl;
    return 0;
}

// Cancel at three moments of a send of a 60 KB picture over main\\cancel (before the first
// packet, in the data, when the data is told complete), then a list right after, with no
// error box dismissed between: what the user was told and whether the list worked.
int cancels(int rounds, const QString &folder)
{
    EmulatedCalculator::cleanLink();
    EmulatedCalculator calculator;
    if (!calculator.start()) {
        std::fprintf(stderr, "linkfigures: %s\n", qPrintable(calculator.why()));
        return 1;
    }
    const QString old = folder + QStringLiteral("/old.89i"), big = folder + QStringLiteral("/cancel.89i");
    writeRandomPicture(old, 5);
    QTextStream out(stdout);
    struct Moment { const char *what; int afterMs; bool firstStep, lastStep; };
    for (const Moment &moment : {Moment{"before the first packet", 300, false, false}, Moment{"in the data", -1, true, false},
                                 Moment{"when the data is told complete", -1, false, true}}) {
        int listed = 0, oldKept = 0;
        QStringList said;
        for (int round = 0; round < rounds; ++round) {
            const QString raw = folder + QStringLiteral("/raw.89i");
            writeRandomPicture(raw, unsigned(6 + round), 240, 2000);
            QFile::remove(big);
            runConvert({raw, big, "--name", "cancel"});
            calculator.transfer([&] {
                const ToolRun r = runConvert(QStringList{"--send", old, "--var", "main\\cancel"} + calculator.linkOptions());
                return r.exitCode == 0 ? QString() : r.err;
            });
            FakeProgress progress;
            progress.cancelAfterMs = moment.afterMs;
            progress.cancelAtFirstStep = moment.firstStep;
            progress.cancelAtLastStep = moment.lastStep;
            QtCalculatorLink link(editorSettings(QStringLiteral("ti89")), EmulatedCalculator::linkHelper(), 0, &progress);
            const Done sent = link.send(big);
            said << (sent ? QStringLiteral("sent") : sent.failure().detail);
            QtCalculatorLink next(editorSettings(QStringLiteral("ti89")), EmulatedCalculator::linkHelper());
            if (next.list())
                ++listed;
            calculator.dismissError();
            const QString back = folder + QStringLiteral("/back.89i");
            calculator.transfer([&] {
                const ToolRun r = runConvert(QStringList{"--receive", "main\\cancel", back} + calculator.linkOptions());
                return r.exitCode == 0 ? QString() : r.err;
            });
            oldKept += pixelsOf(back) == pixelsOf(old);
        }
        said.removeDuplicates();
        out << moment.what << ": " << rounds << " rounds, the list right after worked " << listed << " times, the old picture kept "
            << oldKept << " times; told: " << said.join(QStringLiteral(" | ")) << Qt::endl;
    }
    out << "error boxes dismissed: " << calculator.dismissals() << ", boots: " << calculator.boots() << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir dir;
    if (argc > 3 && QByteArray(argv[1]) == "cycles")
        return cycles(QString::fromLocal8Bit(argv[2]), std::max(1, atoi(argv[3])),
                      argc > 4 ? QString::fromLocal8Bit(argv[4]) : QStringLiteral("auto"), dir.path());
    if (argc > 2 && QByteArray(argv[1]) == "cancels")
        return cancels(std::max(1, atoi(argv[2])), dir.path());
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    const QString picture = dir.filePath(QStringLiteral("picture.89i")), back = dir.filePath(QStringLiteral("back.89i"));
    const QString light = dir.filePath(QStringLiteral("picturl.89i")), dark = dir.filePath(QStringLiteral("picturd.89i"));
    writeRandomPicture(picture, 7);
    writeRandomPicture(light, 8);
    writeRandomPicture(dark, 9);
    EmulatedCalculator::cleanLink();
    EmulatedCalculator calculator;
    if (!calculator.start()) {
        std::fprintf(stderr, "linkfigures: %s\n", qPrintable(calculator.why()));
        return 1;
    }
    const QString convert = convertToolPath(), tilp = QStandardPaths::findExecutable(QStringLiteral("tilp"));
    const QStringList link = calculator.linkOptions();
    const QStringList tilpSend{"--calc=ti89", "--cable=TiEmu", "--port=2", "--no-gui", "--silent"};
    // The editor's sends as it makes them: the list, the question (answered yes) and the send in
    // one run of the helper, the picture's calculator given.
    const auto editorSend = [&](const QStringList &files) {
        return [&calculator, files]() {
            QtCalculatorLink editor(editorSettings(QStringLiteral("ti89")), EmulatedCalculator::linkHelper());
            const SendReport report = editor.sendAll(files, [](const QStringList &, const QString &) { return true; });
            (void)calculator;
            return report.failure ? report.failure->detail : QString();
        };
    };
    struct Step { QString what, program; QStringList arguments; std::function<QString()> inProcess; };
    std::vector<Step> steps{
        {"editor Send (list, ask, send)", {}, {}, editorSend({picture})},
        {"editor grey Send (two planes)", {}, {}, editorSend({light, dark})},
        {"send, dotlark-convert --send", convert, QStringList{"--send", picture} + link, {}},
        {"send, tilp --no-gui", tilp, tilpSend + QStringList{picture}, {}},
        {"two sends, tilp --no-gui, each plane", tilp, tilpSend + QStringList{light}, {}},
        {"receive, dotlark-convert --receive", convert, QStringList{"--receive", "main\\picture", back} + link, {}},
        {"capture 160 x 100, dotlark-convert --capture", convert, QStringList{"--capture", dir.filePath("s.png")} + link, {}},
        {"capture 240 x 128, dotlark-convert --capture --full", convert,
         QStringList{"--capture", dir.filePath("f.png"), "--full"} + link, {}},
    };
    std::vector<Timed> figures;
    for (const Step &step : steps)
        figures.push_back({step.what, {}, step.program.isEmpty() && !step.inProcess ? QStringLiteral("not installed") : QString()});
    // Round by round, so that a slower moment of the machine falls on every step alike.
    for (int run = 0; run < runs; ++run)
        for (size_t i = 0; i < steps.size(); ++i) {
            if (!figures[i].failed.isEmpty())
                continue;
            if (steps[i].inProcess) {
                qint64 elapsed = 0;
                figures[i].failed = calculator.transfer([&] {
                    QElapsedTimer clock;
                    clock.start();
                    const QString said = steps[i].inProcess();
                    elapsed = clock.elapsed();
                    return said;
                });
                figures[i].ms.push_back(elapsed);
            } else {
                qint64 elapsed = timedRun(calculator, steps[i].program, steps[i].arguments, figures[i].failed);
                // TiLP's grey send is two runs, one per plane.
                if (steps[i].what.startsWith(QStringLiteral("two sends")) && figures[i].failed.isEmpty())
                    elapsed += timedRun(calculator, steps[i].program, tilpSend + QStringList{dark}, figures[i].failed);
                figures[i].ms.push_back(elapsed);
            }
        }
    QTextStream out(stdout);
    out << "median wall time of " << runs << " runs (ms), TiEmu + PedroM TI-89, 160 x 77 picture\n";
    for (const Timed &figure : figures)
        out << qSetFieldWidth(52) << Qt::left << figure.what << qSetFieldWidth(0)
            << (figure.failed.isEmpty() ? QString::number(median(figure.ms)) : "failed: " + figure.failed.trimmed()) << '\n';
    out << "receive with tilp: its command line cannot receive a variable\n";
    out << "error boxes dismissed: " << calculator.dismissals() << ", boots: " << calculator.boots() << '\n';
    return 0;
}
