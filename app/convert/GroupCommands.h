#pragma once

#include "CommandLine.h"
#include "ToolSupport.h"
#include "document/GroupFile.h"

#include <optional>
#include <string>

// The commands on group files (.89g, .92g, .9xg, .v2g, a backup, or a TIGroup .tig):
//   --list GROUP                      one line per variable: folder\name, type, size
//   GROUP OUT [--var FOLDER\NAME]     one picture variable, written as OUT (a calculator
//                                     picture of OUT's ending, or PNG, BMP, PBM)
//   PICTURE GROUP --add [--var F\N]   the picture added to the group, or put in place of the
//                                     variable of the same folder\name; a new group when
//                                     there is none
//   A.89i B.89i ... --group OUT       a new group of the pictures
// A group is written whole or not at all, as every output. kExitOk when done;
// kExitRefused after saying why; kExitUsage for a command that does not fit.
int listGroup(Context &context);

// The group in a file, or nothing after saying why.
std::optional<GroupFile> readGroupFile(Context &context, const QString &path);
// folder\name as the commands show a variable.
QString shownVariable(const std::string &folder, const std::string &name);

int extractFromGroup(Context &context);
int addToGroup(Context &context);
int makeGroup(Context &context);

