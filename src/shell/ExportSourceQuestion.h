#pragma once

#include "document/SpriteSource.h"

#include <QSize>
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
    // Edit > Tile Grid's tiles (empty: none): "All tiles" writes every one.
    QSize tiles;
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
