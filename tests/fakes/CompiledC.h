#pragma once

#include <QDebug>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include <optional>

// What a C program prints: the files (names and texts) written to a fresh folder, the one
// named `program` compiled by gcc with `flags` and run. Nothing when it does not compile (gcc's
// words go to the test's output) or does not end within 10 seconds.
inline std::optional<QByteArray> compiledOutput(const QMap<QString, QByteArray> &files, const QString &program,
                                                const QStringList &flags)
{
    QTemporaryDir dir;
    for (auto file = files.begin(); file != files.end(); ++file) {
        QFile out(dir.filePath(file.key()));
        if (!out.open(QIODevice::WriteOnly) || out.write(file.value()) != file.value().size())
            return std::nullopt;
    }
    QProcess gcc;
    gcc.start("gcc", flags + QStringList{"-o", dir.filePath("program"), dir.filePath(program)});
    if (!gcc.waitForFinished(60000) || gcc.exitCode() != 0) {
        qWarning() << gcc.readAllStandardError();
        return std::nullopt;
    }
    QProcess run;
    run.start(dir.filePath("program"));
    if (!run.waitForFinished(10000))
        return std::nullopt;
    return run.readAllStandardOutput();
}
