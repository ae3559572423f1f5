#pragma once

#include <QByteArray>

#include <functional>
#include <map>
#include <utility>

// Watches, from inside the test program, how the file writer on this thread puts files in
// place and removes them. The program's own rename, renameat2 and unlink come before the C
// library's (a program's own definitions win), and act only on the thread that holds a
// probe; on every other thread, and while an action runs, they are the C library's.
//
// - An action can run just before the writer's n-th placement (a rename or renameat2, the
//   first being 0): another program renaming its version in at the worst moment.
// - Every file the writer removes is shown to onRemove first, and so is the file a plain
//   rename replaces: that rename is made as an exchange followed by a removal, which no
//   other program can tell from a rename.
// - renameat2 can answer as a file system without its flags does (EINVAL).
class PlacementProbe
{
public:
    PlacementProbe();
    ~PlacementProbe();
    PlacementProbe(const PlacementProbe &) = delete;
    PlacementProbe &operator=(const PlacementProbe &) = delete;

    void before(int placement, std::function<void()> action) { m_before[placement] = std::move(action); }
    // Placements made since the probe came or since the last call, counting from 0 again.
    int takePlacements() { return std::exchange(m_placements, 0); }

    // The whole content of a file the writer is about to remove.
    std::function<void(const QByteArray &content)> onRemove;
    bool refuseFlags = false;

    // For the interposed functions.
    static PlacementProbe *onThisThread();
    void runBefore(); // counts the placement and runs its action, if any
    void removing(const char *name) const;
    bool quiet() const { return m_quiet; }

private:
    std::map<int, std::function<void()>> m_before;
    int m_placements = 0;
    bool m_quiet = false; // while an action runs: its own renames are the other program's
    PlacementProbe *m_previous = nullptr;
};
