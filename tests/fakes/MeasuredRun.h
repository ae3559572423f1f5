#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A program run to its end as a user runs it (standard input closed), with the most memory
// it held: the kernel's peak resident size of the process and of every child it waited for
// (the converter and its picture reader alike).
struct MeasuredRun
{
    int exitCode = -1;    // -1: it did not end by itself
    QByteArray out;       // the first 64 KB of its standard output
    qint64 outBytes = 0;  // all of it
    QString err;
    qint64 peakKilobytes = 0;
};

MeasuredRun runMeasured(const QString &program, const QStringList &arguments);
