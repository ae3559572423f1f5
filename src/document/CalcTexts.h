#pragma once

#include <string>

// The comment of a picture made here: a new one, a captured screen, one received from the
// calculator (which keeps no comment).
inline constexpr char kNewPictureComment[] = "made with DOTLARK";

// The three calculator texts that travel with a picture, one byte per character as the
// calculator stores them: its folder, the picture variable's name and the comment (kept in
// the PC file only). The defaults are a new picture's.
struct CalcTexts
{
    std::string folder = "main";
    std::string name = "picture";
    std::string comment = kNewPictureComment;
    bool operator==(const CalcTexts &) const = default;
};
