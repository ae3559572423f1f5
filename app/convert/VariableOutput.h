#pragma once

#include "ToolSupport.h"

#include <string>

// What the commands that name a calculator variable share: the link's and the groups'.

// FOLDER\NAME into its two names (FOLDER\ may be left out: main), each by the name rules;
// false after saying why.
bool splitVariable(const QString &text, std::string &folder, std::string &name);

// The picture as OUT's kind of file: a calculator picture by its ending, else an image.
int writePictureAs(Context &context, const QString &out, CalcPicture picture);
