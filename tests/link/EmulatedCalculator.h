#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A TI-89 without hardware for the link tests: TiEmu running PedroM, the free calculator
// OS its package ships, with the virtual link cable on (port 2 from our side). start()
// re-wraps PedroM's image as a flash file the emulator imports, writes the emulator's
// settings in a private home folder, starts it on the test's X display and waits until the
// calculator answers; nothing talks to it during its boot, which would spoil the link for
// good. The link is one per machine (a shared memory segment and two FIFOs in /tmp): it is
// cleaned before and after, and the tests that use it run one at a time.
class EmulatedCalculator
{
public:
    // The TI-89 image by default; device 0x98 for the TI-89, 0x88 for the 92 Plus / V200.
    explicit EmulatedCalculator(QString image = QStringLiteral("/usr/share/tiemu/pedrom/pedrom89.tib"),
                                int deviceType = 0x98, QString calc = QStringLiteral("ti89"));
    ~EmulatedCalculator();
    EmulatedCalculator(const EmulatedCalculator &) = delete;
    EmulatedCalculator &operator=(const EmulatedCalculator &) = delete;

    // True when the calculator answers; else why() says why not (for a skip).
    bool start();
    const QString &why() const { return m_why; }
    // Boots the emulator again from its image (the variables sent are gone): PedroM's link
    // now and then stops answering after a transfer (TiLP's transfers too), for good.
    bool restart();
    // Ends the emulator at once, as a crash would (the link is then cleaned).
    void kill();
    bool running() const { return m_emulator.state() != QProcess::NotRunning; }

    // Removes what a killed emulator leaves of the link.
    static void cleanLink();
    // dotlark-link of the build tree, and the link options (dotlark-link's and dotlark-convert's)
    // for this calculator.
    static QString linkHelper();
    QStringList linkOptions() const;

private:
    bool prepare();
    bool boot();
    bool answers();

    QString m_image;
    int m_deviceType;
    QString m_calc;
    QTemporaryDir m_home;
    QProcess m_emulator;
    QString m_why;
};
