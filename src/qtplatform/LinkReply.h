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
    std::optional<CalcUsed> calc;
    QStringList held;  // send --ask: folder\name of each variable the calculator holds
    QString unsure;    // send --ask: why the calculator's list cannot be trusted
    bool asked = false;
    bool declined = false;
    QStringList sent;  // folder\name of each variable sent, in order
    QString malformed; // why the output is not an answer, when it is not one

    static LinkReply parse(const QByteArray &output);
    // One line more of the answer; false when it is not a line of the protocol.
    bool take(const QByteArray &line);
};
