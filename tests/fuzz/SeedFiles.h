#pragma once

// What every kind of seed fuzz_seeds writes is made and saved with.

#include "document/CalcKind.h"

#include <QByteArray>
#include <QString>

#include <string>

// Says on standard error what went wrong; fuzz_seeds then ends with status 1.
void fail(const QString &what);
bool anySeedFailed();

void save(const QString &folder, const QString &name, const QByteArray &bytes);

// A calculator picture file of width x height pixels in a pattern (0: all black), as
// main\name with the comment "seed picture".
QByteArray calcFile(int width, int height, CalcKind kind, const std::string &name, int pattern);
