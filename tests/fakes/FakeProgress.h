#pragma once

#include "platform/Progress.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <algorithm>

// Records the work it is asked to show and presses Cancel after cancelAfterMs of it
// (never when negative) or at its first step; cancelled tells when it did.
class FakeProgress : public Progress
{
public:
    int cancelAfterMs = -1;
    bool cancelAtFirstStep = false; // presses Cancel when the first bytes are told
    bool cancelAtLastStep = false;  // presses Cancel when all the bytes are told
    QStringList begun;
    int ended = 0;
    QList<std::pair<qint64, qint64>> steps; // done, total
    QElapsedTimer cancelled; // started at the press

    void begin(const QString &text, std::function<void()> cancel) override
    {
        begun << text;
        m_cancel = std::move(cancel);
        if (cancelAfterMs >= 0)
            QTimer::singleShot(cancelAfterMs, &m_context, [this] {
                if (const std::function<void()> cancelNow = std::exchange(m_cancel, {})) {
                    cancelled.start();
                    cancelNow();
                }
            });
    }
    void step(qint64 done, qint64 total) override
    {
        steps.append({done, total});
        if (cancelAtFirstStep || (cancelAtLastStep && done == total))
            if (const std::function<void()> cancelNow = std::exchange(m_cancel, {})) {
                cancelled.start();
                cancelNow();
            }
    }
    void end() override
    {
        ++ended;
        m_cancel = {};
    }

private:
    std::function<void()> m_cancel;
    QObject m_context;
};

// How long the event loop keeps a 10 ms timer waiting while it runs: the longest time
// between two of its ticks, in milliseconds, from construction on.
class LoopLatency
{
public:
    LoopLatency()
    {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            m_longest = std::max(m_longest, m_clock.restart());
        });
        m_clock.start();
        m_timer.start(10);
    }
    // Including the wait from the last tick until now.
    qint64 longestMs() const { return std::max(m_longest, m_clock.elapsed()); }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
};
