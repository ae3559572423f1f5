#pragma once

#include <QString>

#include <functional>

// Work that may take long, such as reading a picture in the helper process, while the
// program keeps answering: from begin() to end() the program's windows take no command
// from the user (they still repaint), and once the work has gone on for kDelayMs a modal
// window says `text` and offers Cancel, which calls `cancel`.
class Progress
{
public:
    static constexpr int kDelayMs = 500;

    virtual ~Progress() = default;
    // `cancel` is called at most once, and never after end().
    virtual void begin(const QString &text, std::function<void()> cancel) = 0;
    virtual void end() = 0;
    // How far the work has come, when it can tell: `done` of `total` (bytes of a transfer).
    // Work that says nothing shows as busy.
    virtual void step(qint64 done, qint64 total)
    {
        (void)done;
        (void)total;
    }
};
