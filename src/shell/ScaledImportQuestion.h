#pragma once

#include "document/PixelGrid.h"
#include "import/ScaledImport.h"

#include <QString>
#include <optional>

// What File > Import Scaled... is asked to do with a picture: how to scale it, and whether
// its black pixels are added to the picture (as File > Import does) or replace the
// picture's pixels on the whole target; black and white or four grey levels (which make
// the picture a grey one).
struct ScaledImportChoice
{
    ScaleSettings settings;
    bool replace = false;
    int levels = 2; // 2 or 4

    bool operator==(const ScaledImportChoice &) const = default;
};

// The accepted choice and the pixels it gives on the target: what the preview showed. With
// 4 levels each cell is a GreyLevel (0 white to 3 black), else 1 black and 0 white.
struct ScaledImportAnswer
{
    ScaledImportChoice choice;
    PixelGrid pixels;
};

// The modal question of File > Import Scaled...: the program shows the dialog with its
// preview, tests answer as scripted.
class ScaledImportQuestion
{
public:
    virtual ~ScaledImportQuestion() = default;
    // `source` is the picture read from `path`, ready for its target; `beneath` is the picture
    // it lands on (the document's grid, of `beneathLevels`), which the preview shows under
    // added black pixels; the dialog opens with `initial`. Nothing when cancelled.
    virtual std::optional<ScaledImportAnswer> askScaledImport(const ScaleSource &source, const QString &path,
                                                              const PixelGrid &beneath, int beneathLevels,
                                                              const ScaledImportChoice &initial) = 0;
};
