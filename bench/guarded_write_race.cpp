// Guarded writes of one file against another program that renames new versions of it into
// place in a loop (tests/fakes/RenameRace.h): how many successful writes replaced a version
// they did not expect. Figures, never pass/fail; bench/guarded_write_race.sh builds it
// against the writer of any revision, to compare.
//
//   guarded_write_race [WRITES] [BYTES] [PAUSE_MICROSECONDS] [FOLDER]
//   (defaults: 1000, 65536, 20000, a new folder in the system's temporary folder)

#include "fakes/RenameRace.h"

#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    const int writes = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int bytes = argc > 2 ? std::atoi(argv[2]) : 64 * 1024;
    const int pause = argc > 3 ? std::atoi(argv[3]) : 20000;
    QTemporaryDir folder(argc > 4 ? QString::fromLocal8Bit(argv[4]) + QStringLiteral("/race-XXXXXX") : QString());
    if (!folder.isValid()) {
        std::fprintf(stderr, "cannot make a folder to race in: %s\n", qPrintable(folder.errorString()));
        return 1;
    }
    const RaceFigures race = runRenameRace(folder.path(), writes, bytes, pause);
    std::printf("lost %d of %d successful (%d guarded writes of %d bytes: %d refused, %d failed otherwise; "
                "%ld versions renamed in by the other program, pausing up to %d us; %lld ms)\n",
                race.lost, race.succeeded, race.writes, bytes, race.refused, race.failed, race.theirs, pause,
                race.milliseconds);
    std::printf("%d refused writes put the other version back after it came out, %d of them more than once "
                "(a newer version arrived between the exchanges)\n",
                race.putBack, race.putBackAgain);
    if (race.lost > 0)
        std::printf("first: %s\n", qPrintable(race.firstLoss));
    return 0;
}
