#pragma once

#include <QString>

// Guarded writes of one file while another program (a thread here) renames new versions of
// it into place in a loop, pausing a random while between two of them. Every write takes its
// guard from the path and then reads the file, as the editor does before it saves.
//
// A lost update is a successful write that replaced another version than the one its guard
// expected, or a refused write that removed a version of the other program which that
// program had not yet replaced itself, or left its own in place. What a write replaced and
// removed is seen through a PlacementProbe.
struct RaceFigures
{
    int writes = 0;
    int succeeded = 0;
    int refused = 0; // ChangedOnDisk
    int failed = 0;  // for any other reason
    int lost = 0;
    int putBack = 0;      // refused writes that put the other version back after it came out
    int putBackAgain = 0; // of those, the ones where a newer version arrived between the exchanges
    long theirs = 0;   // versions the other program put in place
    QString firstLoss; // what the first lost update was
    qint64 milliseconds = 0;
};

// `bytes` is the length of every version; `pauseMicroseconds` the longest pause of the other
// program between two renames.
RaceFigures runRenameRace(const QString &folder, int writes, int bytes, int pauseMicroseconds);
