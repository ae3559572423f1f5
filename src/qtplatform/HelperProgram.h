#pragma once

#include <QString>

// Where a helper program of ours (dotlark-decode, dotlark-link) is: beside the running
// program (the build tree), else in the installed helper folder relative to it. Empty when
// neither holds a runnable file.
QString findHelperProgram(const QString &name);
