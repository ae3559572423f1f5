#include "fakes/RenameRace.h"

#include "fakes/PlacementProbe.h"
#include "fakes/TestFiles.h"
#include "qtplatform/PathIdentity.h"
#include "qtplatform/WholeFileWriter.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <atomic>
#include <cstdio>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// A version: its label on the first line, then bytes that differ from one label to another.
QByteArray version(const QByteArray &label, int bytes)
{
    QByteArray content = label + '\n';
    const uint seed = qHash(label);
    while (content.size() < bytes)
        content += char('a' + (seed + content.size()) % 26);
    return content;
}

QByteArray labelOf(const QByteArray &content) { return content.left(content.indexOf('\n')); }

QByteArray digestOf(const QByteArray &content) { return QCryptographicHash::hash(content, QCryptographicHash::Sha256); }

// The other program: numbered versions renamed over the file, a random pause between two.
// A number is announced before its version is renamed in, and a version once announced is
// always renamed in: a version numbered below the announced one is already replaced, or
// about to be.
class OtherProgram
{
public:
    OtherProgram(const QString &target, int bytes, int pauseMicroseconds)
        : m_target(QFile::encodeName(target)), m_bytes(bytes), m_pause(pauseMicroseconds),
          m_thread([this] { run(); })
    {
    }
    ~OtherProgram()
    {
        m_stop = true;
        m_thread.join();
    }
    long announced() const { return m_announced.load(); }

private:
    void run()
    {
        const QByteArray staging = m_target + ".other";
        while (!m_stop) {
            const long number = m_announced.load() + 1;
            writeFile(QFile::decodeName(staging), version("theirs " + QByteArray::number(number), m_bytes));
            m_announced = number;
            ::rename(staging.constData(), m_target.constData());
            ::usleep(useconds_t(QRandomGenerator::global()->bounded(m_pause + 1)));
        }
    }

    QByteArray m_target;
    int m_bytes;
    int m_pause;
    std::atomic<bool> m_stop{false};
    std::atomic<long> m_announced{0};
    std::thread m_thread;
};

struct Removal
{
    QByteArray content;
    long announced; // the other program's announced number at that moment
};

// Why one write lost an update, or nothing when it lost none.
QString lossOf(const Done &result, const WriteGuard &guard, const QByteArray &mine,
               const std::vector<Removal> &removed, const QString &target)
{
    if (result) {
        if (removed.size() == 1 && digestOf(removed.front().content) == guard.expected.digest)
            return {};
        return QStringLiteral("a successful write replaced \"%1\", not the version its guard expected (%2 files removed)")
            .arg(QString::fromLatin1(removed.empty() ? QByteArray() : labelOf(removed.front().content)))
            .arg(removed.size());
    }
    for (const Removal &removal : removed) {
        const QByteArray label = labelOf(removal.content);
        const bool replacedByThem = label.startsWith("theirs ") && label.mid(7).toLong() < removal.announced;
        if (removal.content != mine && !replacedByThem)
            return QStringLiteral("a refused write removed \"%1\"").arg(QString::fromLatin1(label));
    }
    if (readFile(target) == mine)
        return QStringLiteral("a refused write left its own version in place");
    return {};
}

} // namespace

RaceFigures runRenameRace(const QString &folder, int writes, int bytes, int pauseMicroseconds)
{
    const QString target = folder + QStringLiteral("/race.89g");
    writeFile(target, version("first", bytes));
    RaceFigures figures;
    QElapsedTimer clock;
    clock.start();
    OtherProgram other(target, bytes, pauseMicroseconds);
    PlacementProbe probe;
    std::vector<Removal> removed;
    probe.onRemove = [&](const QByteArray &content) { removed.push_back({content, other.announced()}); };
    for (int i = 0; i < writes; ++i) {
        const WriteGuard guard{identifyPath(target), true};
        const QByteArray mine = version("mine " + QByteArray::number(i) + " after " + labelOf(readFile(target)), bytes);
        removed.clear();
        const Done result = writeWholeFile(target, mine, &guard);
        ++figures.writes;
        if (result)
            ++figures.succeeded;
        else if (result.failure().what == Failure::What::ChangedOnDisk)
            ++figures.refused;
        else
            ++figures.failed;
        const int placements = probe.takePlacements();
        figures.putBack += !result && placements >= 2;
        figures.putBackAgain += !result && placements >= 3;
        const QString loss = lossOf(result, guard, mine, removed, target);
        if (!loss.isEmpty() && figures.lost++ == 0)
            figures.firstLoss = loss;
    }
    figures.theirs = other.announced();
    figures.milliseconds = clock.elapsed();
    return figures;
}
