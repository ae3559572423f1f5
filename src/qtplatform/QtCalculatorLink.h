#pragma once

#include "platform/CalculatorLink.h"

#include <QStringList>

class Progress;

// The transfers through the helper program dotlark-link, one run each: the cable code runs
// there, so a cable that hangs or crashes costs the helper only. The caller's event loop
// keeps running meanwhile; a Progress, when given, shows the operation and offers Cancel,
// which ends the helper at once. A helper that has not answered after deadlineMs is ended,
// and the operation fails saying so.
class QtCalculatorLink : public CalculatorLink
{
public:
    static constexpr int kDefaultDeadlineMs = 60000;

    // helper: the dotlark-link program to run; empty means findHelper().
    explicit QtCalculatorLink(LinkSettings settings, QString helper = {}, int deadlineMs = kDefaultDeadlineMs,
                              Progress *progress = nullptr);

    Done send(const QString &variableFile) override;
    Outcome<std::vector<CalculatorVariable>> list() override;
    Done receive(const QString &folder, const QString &name, const QString &outFile) override;
    Outcome<CalculatorScreen> capture(bool full) override;

    // dotlark-link beside the running program, else in the prefix's helper folder; empty
    // when neither has it.
    static QString findHelper();

    struct Answer; // the helper's reply, or why there is none

private:
    Answer run(const QStringList &operation, const QString &text);

    LinkSettings m_settings;
    QString m_helper;
    int m_deadlineMs;
    Progress *m_progress;
};
