#pragma once

#include "document/Picture89i.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

// One picture of a group file, as the chooser lists it.
struct GroupChoice
{
    QString name;    // folder\name
    size_t size = 0; // bytes of the variable as stored
};

// The picture of choice i, for its preview; width 0 when it cannot be shown. Asked only for the
// picture shown: a group of tens of thousands is listed without decoding them all.
using GroupPreview = std::function<CalcPicture(int)>;

// The question of opening a group file of several pictures: the program answers it with
// its dialog, tests with scripted answers.
class GroupQuestions
{
public:
    virtual ~GroupQuestions() = default;
    // Which picture of the group at groupPath to open, by its place in the list; nothing
    // when cancelled.
    virtual std::optional<int> choosePicture(const QString &groupPath, const std::vector<GroupChoice> &pictures,
                                             const GroupPreview &previewOf) = 0;
};
