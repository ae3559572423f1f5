#pragma once

#include "platform/CalculatorLink.h"

#include <QByteArray>

#include <optional>

// The answer of dotlark-link (qtplatform/LinkProtocol.h), read from all its output.
struct LinkReply
{
    bool done = false;
    QString failure; // the helper's own words, when it said "failure"
    std::vector<CalculatorVariable> variables;
    std::optional<CalculatorScreen> screen;
    QString malformed; // why the output is not an answer, when it is not one

    static LinkReply parse(const QByteArray &output);
};
