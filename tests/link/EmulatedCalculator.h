#pragma once

#include <QPoint>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <functional>

// A TI-89 without hardware for the link tests: TiEmu running PedroM, the free calculator
// OS its package ships, with the virtual link cable on (port 2 from our side). start()
// re-wraps PedroM's image as a flash file the emulator imports, writes the emulator's
// settings in a private home folder, starts it on the test's X display and waits until the
// calculator answers; nothing talks to it during its boot, which would spoil the link for
// good. The link is one per machine (a shared memory segment and two FIFOs in /tmp): it is
// cleaned before and after, and the tests that use it run one at a time (CMake's
// RESOURCE_LOCK calculator_link; any test program may hold one of these).
//
// Now and then PedroM takes a packet for an unknown command and shows a modal box "Error /
// Link: Command?"; while it is up its link answers nothing (a timeout, error 4). transfer()
// presses the skin's ESC key to dismiss it and runs the transfer again.
class EmulatedCalculator
{
public:
    enum class Model { TI89, TI92Plus, Voyage200 };
    explicit EmulatedCalculator(Model model = Model::TI89);
    ~EmulatedCalculator();
    EmulatedCalculator(const EmulatedCalculator &) = delete;
    EmulatedCalculator &operator=(const EmulatedCalculator &) = delete;

    // True when the calculator answers; else why() says why not (for a skip).
    bool start();
    const QString &why() const { return m_why; }
    // Boots the emulator again from its image (the variables sent are gone), for a link that
    // no dismissal brings back.
    bool restart();
    // Ends the emulator at once, as a crash would (the link is then cleaned).
    void kill();
    bool running() const { return m_emulator.state() != QProcess::NotRunning; }

    // Runs one transfer: `run` returns what it said when it failed, nothing when it worked.
    // After a timeout (error 4) PedroM's error box is dismissed and the transfer runs again,
    // a few times; when that does not help the emulator boots again (its variables are gone)
    // for a last run. Any other failure ends it at once. Returns what the last run said.
    QString transfer(const std::function<QString()> &run);
    // Presses ESC on the emulator's skin (a key sent to its window does not reach it).
    void dismissError();
    // How often an error box was dismissed, and the emulator booted, since start().
    int dismissals() const { return m_dismissals; }
    int boots() const { return m_boots; }

    // Removes what a killed emulator leaves of the link.
    static void cleanLink();
    // dotlark-link of the build tree, and the link options (dotlark-link's and dotlark-convert's)
    // for this calculator.
    static QString linkHelper();
    QStringList linkOptions() const;
    // The calculator's name for the link options, and the picture file ending it takes.
    const QString &calc() const { return m_calc; }
    QString pictureSuffix() const;

private:
    bool prepare();
    bool boot();
    bool answers();
    QString retried(const std::function<QString()> &run);

    Model m_model;
    QString m_image;
    int m_deviceType;
    QString m_calc;
    QPoint m_escKey;
    int m_dismissals = 0;
    int m_boots = 0;
    QTemporaryDir m_home;
    QProcess m_emulator;
    QString m_why;
};
