#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// One array (or pair of arrays) of C source, as the sprite chooser lists it.
struct SpriteChoice
{
    QString name;
    QString elementSize; // "16 bits"; empty for an array that is no sprite
    QString length;      // "16 elements"
    QString shape;       // "16 x 16 pixels, with a mask", or "not a sprite: " and why
    QStringList notes;   // what was set aside or taken on trust
    bool sprite = true;  // false: listed with its reason, not to be chosen
};

// The sprite of choice i as a picture, for its preview; null when it cannot be shown.
// Asked only for the sprite shown.
using SpritePreview = std::function<QImage(int)>;

// The question of opening C source (.h, .c) of several arrays: the program answers it with
// its dialog, tests with scripted answers.
class SourceQuestions
{
public:
    virtual ~SourceQuestions() = default;
    // Which sprite of the source at `path` to open, by its place in the list (never one that
    // is no sprite); nothing when cancelled.
    virtual std::optional<int> chooseSprite(const QString &path, const std::vector<SpriteChoice> &choices,
                                            const SpritePreview &previewOf) = 0;
};
