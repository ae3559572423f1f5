#pragma once

#include "CommandLine.h"
#include "ToolSupport.h"

// The commands on the sprites of C source (.h, .c), as game authors keep them:
//   --list SOURCE                   one line per array that could be a sprite: its name,
//                                   element size, length and shape, or why it is none
//   SOURCE OUT [--var NAME]         a sprite as OUT: a calculator picture, a PNG, BMP or PBM
//                                   image; a grey one as an image of four levels, a group of
//                                   its two planes or two picture files
//   PICTURE SOURCE --add [--var N]  the picture written into the sprite's arrays in place:
//                                   only values that change are written, every other byte
//                                   of the file stays
// kExitOk when done; kExitRefused after saying why.
int listSource(Context &context);
int extractFromSource(Context &context);
int addToSource(Context &context);
