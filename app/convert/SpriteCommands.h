#pragma once

#include "CommandLine.h"
#include "ToolSupport.h"

// IN OUT.h|OUT.c --sprite 8|16|32|x8 [--mask [--transparent LEVEL]] [--interlaced] [--var F\N]:
// C source of a calculator picture (one plane) or of a group's light/dark pair of pictures
// (four grey levels), for programs built with GCC4TI or TIGCC. A header's arrays are
// `static const`, a source file's `const`. kExitOk when written; kExitRefused after saying
// why; kExitUsage for an option out of its range.
int writeSpriteSource(Context &context);

OptionTable spriteOptions();
