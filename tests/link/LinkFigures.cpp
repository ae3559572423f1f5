#include "link/EmulatorTransfers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

// linkfigures [RUNS]: the link's speed against the emulated TI-89, side by side in one run:
// sending a 160 x 77 picture with dotlark-convert and with TiLP's command line, receiving it
// (TiLP's command line cannot receive), capturing the screen in both sizes. Prints the median
// wall time of RUNS runs (default 5) of each; a run that met PedroM's error box counts with
// its successful repetition only. Needs an X display (xvfb-run) and tiemu.

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

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("picture.89i")), back = dir.filePath(QStringLiteral("back.89i"));
    writeRandomPicture(picture, 7);
    EmulatedCalculator::cleanLink();
    EmulatedCalculator calculator;
    if (!calculator.start()) {
        std::fprintf(stderr, "linkfigures: %s\n", qPrintable(calculator.why()));
        return 1;
    }
    const QString convert = convertToolPath(), tilp = QStandardPaths::findExecutable(QStringLiteral("tilp"));
    const QStringList link = calculator.linkOptions();
    struct Step { QString what, program; QStringList arguments; };
    std::vector<Step> steps{
        {"send, dotlark-convert --send", convert, QStringList{"--send", picture} + link},
        {"send, tilp --no-gui", tilp, {"--calc=ti89", "--cable=TiEmu", "--port=2", "--no-gui", "--silent", picture}},
        {"receive, dotlark-convert --receive", convert, QStringList{"--receive", "main\\picture", back} + link},
        {"capture 160 x 100, dotlark-convert --capture", convert, QStringList{"--capture", dir.filePath("s.png")} + link},
        {"capture 240 x 128, dotlark-convert --capture --full", convert,
         QStringList{"--capture", dir.filePath("f.png"), "--full"} + link},
    };
    std::vector<Timed> figures;
    for (const Step &step : steps)
        figures.push_back({step.what, {}, step.program.isEmpty() ? QStringLiteral("not installed") : QString()});
    // Round by round, so that a slower moment of the machine falls on every step alike.
    for (int run = 0; run < runs; ++run)
        for (size_t i = 0; i < steps.size(); ++i)
            if (figures[i].failed.isEmpty())
                figures[i].ms.push_back(timedRun(calculator, steps[i].program, steps[i].arguments, figures[i].failed));
    QTextStream out(stdout);
    out << "median wall time of " << runs << " runs (ms), TiEmu + PedroM TI-89, 160 x 77 picture\n";
    for (const Timed &figure : figures)
        out << qSetFieldWidth(52) << Qt::left << figure.what << qSetFieldWidth(0)
            << (figure.failed.isEmpty() ? QString::number(median(figure.ms)) : "failed: " + figure.failed.trimmed()) << '\n';
    out << "receive with tilp: its command line cannot receive a variable\n";
    out << "error boxes dismissed: " << calculator.dismissals() << ", boots: " << calculator.boots() << '\n';
    return 0;
}
