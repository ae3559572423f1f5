#pragma once

#include "document/PictureOps.h"

#include <QSize>
#include <QString>
#include <functional>
#include <optional>

// Draw > Canvas Size...: the new size and where the old picture stays.
struct CanvasSizeChoice
{
    int width = 0;
    int height = 0;
    PictureOps::Anchor anchor = PictureOps::Anchor::TopLeft;
};

// The Text tool's line and its font.
struct TextChoice
{
    QString text;
    QString family;
    int pixelSize = 8;
    bool bold = false;
    bool operator==(const TextChoice &) const = default;
};

// The questions of the picture commands added to the editor: the program answers them with
// its dialogs, tests with scripted answers.
class EditQuestions
{
public:
    virtual ~EditQuestions() = default;
    // The canvas size, starting from the picture's own; nothing when cancelled.
    virtual std::optional<CanvasSizeChoice> askCanvasSize(QSize current) = 0;
    // A line of text and its font; `preview` is told of every change while the box is open,
    // so the text shows on the picture as it is typed. Nothing when cancelled.
    virtual std::optional<TextChoice> askText(const TextChoice &initial,
                                              const std::function<void(const TextChoice &)> &preview) = 0;
    // The scale of File > Export Picture..., 1 to 16; nothing when cancelled.
    virtual std::optional<int> askExportScale() = 0;
    // Edit > Tile Grid...: the tiles' size (8, 16 or 32 wide, up to `picture`'s height tall),
    // starting from `current`; an empty size for no grid; nothing when cancelled.
    virtual std::optional<QSize> askTileGrid(QSize current, QSize picture) = 0;
};
