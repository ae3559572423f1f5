#pragma once

#include "document/NameRules.h"

#include <QString>
#include <optional>

// What is wrong with a calculator name as typed, in the words the user reads.
struct NameProblem
{
    QString title;
    QString message; // the invalid-character message has a carriage return between its lines
};

// Applies the name rules to text as the calculator stores it; nothing when the name passes.
// The invalid-character message shows the offending character as it was typed.
std::optional<NameProblem> findNameProblem(const QString &text, NameKind kind);
