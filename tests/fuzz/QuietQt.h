#pragma once

#include <QCoreApplication>
#include <QGuiApplication>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

// One application object for the whole run, so that Qt finds its plugins, and no Qt
// warnings: the readers warn about nearly every input, which would drown libFuzzer's output
// and slow it down. A fatal message still ends the run as a crash. The application is of
// the kind the code under test runs in: the decoding helper has a core application, the
// editor a GUI one (a settings value may hold a serialised bitmap, which needs it).
template <typename Application = QCoreApplication>
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
    static Application app(argc, argv);
}
