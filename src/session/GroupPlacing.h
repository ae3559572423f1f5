#pragma once

#include "document/GroupFile.h"

#include <string>

// A picture's variable goes where folder\name was: in its place when only its name
// changed (or not even that), else in its folder's place as Add to Group puts it.
void putInPlaceOf(GroupFile &group, const std::string &folder, const std::string &name, GroupEntry variable);
