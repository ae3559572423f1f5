#pragma once

#include "document/GroupFile.h"
#include "platform/Failure.h"
#include "session/GroupChange.h"
#include "session/ShownText.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Group files of both kinds, as the editor and the converter read and write them: the 68k
// group file (.89g, .92g, .9xg, .v2g, also a backup or a single variable file) and the
// TIGroup (.tig): a ZIP archive of single-variable files named like "main.pic1.89i"
// (document/TiGroupFile.h reads and writes the archive).

// A TIGroup by its first bytes (a ZIP archive); else a 68k group file is assumed.
bool isTiGroup(const QByteArray &bytes);
// Whether a path names a group file by its ending (.89g, .92g, .9xg, .v2g or .tig).
bool isGroupPath(const QString &path);
// The file dialogs' filter of group files ("title|patterns").
inline constexpr ShownText kGroupFilesFilter{
    "TiGroup", QT_TRANSLATE_NOOP("TiGroup", "Calculator groups (89g, 92g, 9xg, v2g, tig)|*.89g;*.92g;*.9xg;*.v2g;*.tig")};

// How a warning names a variable by its folder and name (calculator bytes, as the file has
// them). The plain way is folder\name; a caller that prints the warning as a line of its own
// output escapes what the file holds there, and only that, not the separator.
using VariableNaming = QString (*)(const std::string &folder, const std::string &name);
QString plainVariableName(const std::string &folder, const std::string &name);

// The group in a file's bytes; its variables in the file's order. A TIGroup's are in member
// order, with folder entries as a 68k group of the same variables has them; two members of
// one folder\name both give their variable; its calculator is the first variable member's.
// warnings gets one line per variable whose checksum disagrees, the variable named by
// `naming`. A damaged file is a DamagedPicture failure whose detail says why.
Outcome<GroupFile> decodeGroupFile(const QString &path, const QByteArray &bytes, QStringList *warnings = nullptr,
                                   VariableNaming naming = plainVariableName);
// The bytes of the group as the kind of file `path` names: a TIGroup for .tig, else a 68k
// group file.
Outcome<QByteArray> encodeGroupFile(const QString &path, const GroupFile &group);

// The TIGroup codecs themselves. Encoding writes one member a variable, named
// "folder.name.ending", stamped with the time of now.
Outcome<GroupFile> decodeTiGroup(const QString &path, const QByteArray &bytes, QStringList *warnings = nullptr,
                                VariableNaming naming = plainVariableName);
Outcome<QByteArray> encodeTiGroup(const QString &path, const GroupFile &group);

// The TIGroup `bytes` with a save's change made member by member: the member that holds a
// changed variable gets the new variable's file in its place (under its own name while the
// variable keeps its name, else "folder.name.ending"), a variable new to the archive comes
// as a member at its end, a member that holds only a variable the change replaces by
// another name goes; every other member stays byte for byte, of whatever calculator, kind
// or comment. Refused, naming the members, when a changed variable is held by two members
// or shares its member with other variables: which one is meant, or what else the member
// holds, cannot be kept.
Outcome<QByteArray> changedTiGroup(const QString &path, const QByteArray &bytes, const GroupChange &change);
