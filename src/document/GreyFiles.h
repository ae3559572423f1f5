#pragma once

#include "document/GreyPicture.h"
#include "document/GroupFile.h"
#include "document/Picture89i.h"

#include <optional>
#include <string>
#include <string_view>

// A grey picture on disk: its two planes as two picture variables named by
// planeVariableNames (the light plane first), either in one group file or as two picture
// files of their own. Pure functions over bytes; texts are calculator bytes.

// The two picture variables (light, dark) of `picture` in `folder`, each with the
// picture's size; nothing when the picture is too large for a picture variable.
struct GreyVariables
{
    CalcPicture light, dark;
};
GreyVariables greyVariables(const GreyPicture &picture, std::string_view folder, std::string_view name,
                            std::string_view comment = {}, CalcKind kind = CalcKind::TI89);

// Both variables put into `group` (replacing variables of the same names); false, and the
// group unchanged, when the picture is too large for a picture variable.
bool putGreyPicture(GroupFile &group, const GreyPicture &picture, std::string_view folder, std::string_view name);

// The grey picture a pair of the group holds. With an error, `entry` is the variable that
// could not be read.
struct GreyDecodeResult
{
    Picture89iError error = Picture89iError::None;
    int entry = -1;
    GreyPicture picture;
};
GreyDecodeResult decodeGreyPair(const GroupFile &group, const GreyPair &pair);

// The two picture files (light, dark); an error when either cannot be written.
struct GreyEncodeResult
{
    Picture89iError error = Picture89iError::None;
    std::vector<uint8_t> light, dark;
};
GreyEncodeResult encodeGreyFiles(const GreyVariables &variables);
