#include "document/NameRules.h"

namespace {

struct NameTexts
{
    const char *title;
    const char *missing;
    const char *leadingDigit;
    const char *invalidSecondLine; // followed by the character and ">"
};

const NameTexts &textsOf(NameKind kind)
{
    static const NameTexts picVar{"Pic Var ERROR!", "Pic Var Name missing.",
                                  "First character of Pic Var Name can't be digit.", "in Pic Var Name: <"};
    static const NameTexts folder{"Folder Name ERROR!", "Folder Name missing.",
                                  "First character of Folder Name can't be digit.", "in Folder Name: <"};
    return kind == NameKind::PicVar ? picVar : folder;
}

bool isDigit(uint8_t c) { return c >= 48 && c <= 57; }

// Codes 234-239 are allowed nowhere, but a variable name starting with one of them is
// reported as starting with a digit.
bool isForbiddenFirst(uint8_t c, NameKind kind)
{
    return isDigit(c) || (kind == NameKind::PicVar && c >= 234 && c <= 239);
}

bool isAccepted(uint8_t c, bool first)
{
    return (c >= 65 && c <= 90) || (c >= 97 && c <= 122) || (c >= 128 && c <= 148) || (!first && isDigit(c));
}

} // namespace

NameCheck checkName(std::string_view bytes, NameKind kind)
{
    if (bytes.empty())
        return {NameFault::Missing, 0, 0};
    const auto first = uint8_t(bytes.front());
    if (isForbiddenFirst(first, kind))
        return {NameFault::LeadingDigit, first, 0};
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto c = uint8_t(bytes[i]);
        if (!isAccepted(c, i == 0))
            return {NameFault::InvalidCharacter, c, int(i)};
    }
    return {};
}

std::string nameFaultTitle(NameKind kind) { return textsOf(kind).title; }

std::string nameFaultMessage(NameKind kind, NameFault fault, std::string_view character)
{
    const NameTexts &texts = textsOf(kind);
    switch (fault) {
    case NameFault::None:
        return {};
    case NameFault::Missing:
        return texts.missing;
    case NameFault::LeadingDigit:
        return texts.leadingDigit;
    case NameFault::InvalidCharacter:
        return std::string("Invalid character \r") + texts.invalidSecondLine + std::string(character) + ">";
    }
    return {};
}
