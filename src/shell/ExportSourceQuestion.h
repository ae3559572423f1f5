#pragma once

#include "document/SpriteSource.h"

#include <QString>
#include <optional>

// What File > Export Source... is about: the picture or the selection, its size and kind,
// and the array name it starts from (the Pic Var Name made a C identifier).
struct ExportSourceOffer
{
    int width = 0, height = 0;
    bool grey = false;
    bool selection = false;
    QString name;
};

// The rows' width that fits the offer: 8, 16 or 32 pixels, rows of bytes when wider.
SpriteWidth fittingWidth(int width);

// The options of the C source: the program asks with its dialog, tests with scripted answers.
// The answer's `header` is left to the file's ending.
class ExportSourceQuestion
{
public:
    virtual ~ExportSourceQuestion() = default;
    // Nothing when cancelled.
    virtual std::optional<SpriteRequest> askExportSource(const ExportSourceOffer &offer) = 0;
};
