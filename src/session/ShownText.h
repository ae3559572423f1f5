#pragma once

#include <QCoreApplication>
#include <QString>

// A constant text of the program kept as its English source and shown in the user's
// language: it is translated each time it is used as a QString, so that a constant made
// before the translations were loaded still speaks the language chosen at start. The
// source must be marked with QT_TRANSLATE_NOOP(context, ...) for the translation tools.
struct ShownText
{
    const char *context;
    const char *source;

    operator QString() const { return QCoreApplication::translate(context, source); }
};
