#pragma once

#include <QCoreApplication>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

// One application object for the whole run, so that Qt finds its plugins, and no Qt
// warnings: the readers warn about nearly every input, which would drown libFuzzer's output
// and slow it down. A fatal message still ends the run as a crash.
inline void startQuietQt()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtFatalMsg) {
            std::fprintf(stderr, "Qt fatal: %s\n", qPrintable(message));
            std::abort();
        }
    });
    static int argc = 1;
    static char name[] = "fuzzer";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}
