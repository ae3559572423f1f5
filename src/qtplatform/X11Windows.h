#pragma once

#include <QList>
#include <QString>
#include <optional>

struct _XDisplay; // Xlib's Display, kept out of this header

// Finds other programs' top-level windows on the X server named by DISPLAY and brings them
// to the front. Windows are X resource ids. Every X error on the way is caught and turns
// into a failed result; no error ever ends the program.
class X11Windows
{
public:
    using Id = unsigned long;

    X11Windows();  // connects to the server; usable() tells whether that worked
    ~X11Windows();
    X11Windows(const X11Windows &) = delete;
    X11Windows &operator=(const X11Windows &) = delete;

    bool usable() const { return m_display != nullptr; }
    // The top-most window titled title, else the top-most one whose title begins with it.
    std::optional<Id> findByTitle(const QString &title);
    // Every window found by that title, in the order findByTitle prefers them: the whole
    // titles top-most first, then the beginnings top-most first.
    QList<Id> allByTitle(const QString &title);
    // The top-most window owned by process pid or by one of its descendants.
    std::optional<Id> findByProcess(qint64 pid);
    // Asks the window manager to activate the window; without one, raises and focuses it.
    bool activate(Id window);

private:
    QList<Id> topLevels();            // bottom to top
    void walk(Id parent, int depth, QList<Id> &found);
    bool managerAnswers();            // an EWMH manager that handles _NET_ACTIVE_WINDOW runs
    QString title(Id window);
    qint64 processOf(Id window);
    QList<unsigned long> cardinals(Id window, const char *property, unsigned long type);
    unsigned long atom(const char *name);

    _XDisplay *m_display = nullptr;
};
