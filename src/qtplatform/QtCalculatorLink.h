#pragma once

#include "platform/CalculatorLink.h"

#include <QStringList>

class Progress;

// The transfers through the helper program dotlark-link, one run each: the cable code runs
// there, so a cable that hangs or crashes costs the helper only. The caller's event loop
// keeps running meanwhile; a Progress, when given, shows the operation and offers Cancel,
// which asks the helper to end the exchange with the calculator and stop, and ends it when
// it has not within a few of the cable's waits. A helper that says nothing (no progress, no
// sign of life) for silenceMs is ended, and the operation fails saying so; a question it
// asks stops that clock until it is answered.
class QtCalculatorLink : public CalculatorLink
{
public:
    // helper: the dotlark-link program to run; empty means findHelper(). silenceMs 0: as
    // silenceLimitMs() gives for the settings.
    explicit QtCalculatorLink(LinkSettings settings, QString helper = {}, int silenceMs = 0, Progress *progress = nullptr);

    // The longest the helper may be silent when the cable waits `timeoutSeconds` for each
    // answer: a few of those waits and the calculator's settle time.
    static int silenceLimitMs(int timeoutSeconds);

    Done send(const QString &variableFile) override;
    SendReport sendAll(const QStringList &variableFiles, const ReplaceQuestion &ask) override;
    std::optional<CalcUsed> calcUsed() const override { return m_calcUsed; }
    Outcome<std::vector<CalculatorVariable>> list() override;
    Done receive(const QString &folder, const QString &name, const QString &outFile) override;
    Outcome<CalculatorScreen> capture(bool full) override;

    // dotlark-link beside the running program, else in the prefix's helper folder; empty
    // when neither has it.
    static QString findHelper();

    struct Answer; // the helper's reply, or why there is none

private:
    Answer run(const QStringList &operation, const QString &text, const ReplaceQuestion &ask = {});

    LinkSettings m_settings;
    QString m_helper;
    int m_silenceMs;
    Progress *m_progress;
    std::optional<CalcUsed> m_calcUsed;
};
