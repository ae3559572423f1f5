#pragma once

#include "ToolSupport.h"
#include "platform/PictureLoader.h"

#include <optional>

// The conversions between .89i files and images. Each takes a command line already checked
// for its files and options (files[0] is the input, files[1] the output) and gives an
// ExitCode.

// IN.89i -> OUT.png / .bmp / .pbm, 1:1.
int exportPicture(Context &context);
// IMAGE -> OUT.89i: 1:1 at the image's size or, with --screen, placed on the graph screen
// as File > Import places it. --folder, --name and --comment set the texts.
int importImage(Context &context);
// IMAGE -> OUT.89i with --fit, --fill or --stretch: scaled onto --size (default 160 x 77)
// as File > Import Scaled... does, with its tone options.
int importScaled(Context &context);
// IN.89i -> OUT.89i with lengths and checksum made right; the text options replace.
int rewritePicture(Context &context);
// --info FILE.89i: the texts, the size and how far the file agrees with the writer.
int describePicture(Context &context);
// An image read for a command (a JPEG reduced or cut as `hint` allows), or nothing after
// saying why; a damaged one is read as far as it goes, with a note.
std::optional<LoadedPicture> loadImage(Context &context, const QString &in, const LoadHint &hint);
