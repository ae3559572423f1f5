#pragma once

#include "platform/CalculatorLink.h"

#include <optional>
#include <vector>

// The questions of the calculator link commands: the program answers them with its dialogs,
// tests with scripted answers.
class LinkQuestions
{
public:
    virtual ~LinkQuestions() = default;
    // File > Link Settings...: the settings starting from the current ones; nothing when cancelled.
    virtual std::optional<LinkSettings> askLinkSettings(const LinkSettings &current) = 0;
    // Receive from Calculator...: which of the calculator's pictures (at least one offered) to
    // receive, by their places in the list: one is opened, several go into a group file;
    // none when cancelled.
    virtual std::vector<int> choosePictures(const std::vector<CalculatorVariable> &pictures) = 0;
    // Capture Calculator Screen...: the whole screen (true) or the part a TI-89 shows,
    // starting from the last choice; nothing when cancelled.
    virtual std::optional<bool> askCaptureFull(bool lastFull) = 0;
};
