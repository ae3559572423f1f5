#pragma once

#include "CommandLine.h"
#include "document/Picture89i.h"

// The picture operations the tool offers on pictures it writes: --canvas, --flip, --rotate
// and --invert, in that order, and --scale for image output.

// The options, for the command table and the help; `scale` adds --scale.
OptionTable transformOptions(bool scale);
extern const QString kTransformSynopsis; // " [--canvas WxH[+ANCHOR]] [--flip h|v] ..."

// Changes the picture as the options ask; false after a usage error naming the option.
bool transformPicture(const Invocation &call, CalcPicture &picture);
// The --scale of image output, 1 when not given; nothing after a usage error.
std::optional<int> scaleOption(const Invocation &call);
