#pragma once

#include "document/CalcKind.h"
#include "document/GroupFile.h"
#include "platform/Failure.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <vector>

// What a save changes in a group file: a picture's variables, known by the names they had
// (none when they are new to the group), replaced by new ones that take their places (a
// variable renamed in its folder keeps its place and attribute); and the group's comment
// when the picture's changed. Everything else stays as it was read, byte for byte.
struct GroupChange
{
    std::string folder;                // of the variables as they were
    std::vector<std::string> oldNames; // as they were; empty: the variables are added
    std::vector<GroupEntry> variables; // what goes in their places, in the same order
    std::optional<std::string> comment;
    CalcKind kind = CalcKind::TI89;    // of variables new to a TIGroup, each a member of its own
};

// The group file `bytes` (a 68k group or a TIGroup, by its content), read from `path`, with
// the change made: its new bytes, or why it cannot be made (the group is damaged, holds the
// variable twice, ...). A TIGroup is changed member by member (changedTiGroup).
Outcome<QByteArray> changedGroup(const QString &path, const QByteArray &bytes, const GroupChange &change);

// A new group file of the kind `path` names (a TIGroup for .tig) holding only `variables`,
// for the calculator `kind`, with `comment`.
Outcome<QByteArray> freshGroup(const QString &path, CalcKind kind, const std::string &comment,
                               const std::vector<GroupEntry> &variables);

// A picture's variable goes where folder\name was: in its place when only its name
// changed (or not even that), else in its folder's place as putVariable puts it.
void putInPlaceOf(GroupFile &group, const std::string &folder, const std::string &name, GroupEntry variable);
