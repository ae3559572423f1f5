#pragma once

#include "ToolSupport.h"
#include "document/GreyPicture.h"
#include "document/GroupFile.h"

#include <optional>
#include <string>

// Grey pictures on the command line: a group's light/dark pair (NAMEl and NAMEd, one size)
// read as one picture of four levels, written as an image, and a scaled import of four
// levels written as such a pair, in a group or as two picture files.

struct NamedGreyPicture
{
    GreyPicture picture;
    std::string folder, name; // the name without its l/d
};

// The pair --var names (FOLDER\NAME, the name without its l/d), or the group's only pair;
// nothing after saying why.
std::optional<NamedGreyPicture> chosenGreyPicture(const Invocation &call, const QString &path, const GroupFile &group);

// Whether --var names a pair of the group and no picture variable of that name.
bool namesGreyPair(const Invocation &call, const GroupFile &group);

// The pair --var names as OUT: a PNG or BMP image of the four levels.
int extractGreyPicture(Context &context, const GroupFile &group);

// A picture of four levels as a new group of OUT's kind holding its pair (named after
// `texts`' name, in its folder, the group's comment its comment).
int writeGreyGroup(Context &context, const QString &source, const GreyPicture &picture, const CalcPicture &texts);

// Before the slow work: both files are outputs of the command (written only as they are
// now), and neither is anything but a calculator picture, which the command replaces (OUT
// is replaced whatever it is; these names the user did not type). kExitOk, or kExitRefused
// after saying why.
int claimGreyFiles(Context &context);

// A picture of four levels as its two picture files (OUT's name with "l" and "d" before its
// ending: Place::planeFiles), of OUT's calculator, the variables named after `texts`' name
// in its folder, each with its comment. Both are written or neither is changed.
int writeGreyFiles(Context &context, const QString &source, const GreyPicture &picture, const CalcPicture &texts);
