#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The calculator's rules for folder and picture variable names. A name is a string of
// calculator bytes compared by code; it is neither trimmed nor case-folded, and the rules
// set no length limit of their own (the boxes and the file fields hold 8).

enum class NameKind { PicVar, Folder };
enum class NameFault { None, Missing, LeadingDigit, InvalidCharacter };

struct NameCheck
{
    NameFault fault = NameFault::None;
    uint8_t character = 0; // the offending byte, for LeadingDigit and InvalidCharacter
    int position = 0;      // its index in the name
    bool passed() const { return fault == NameFault::None; }
};

NameCheck checkName(std::string_view bytes, NameKind kind);

// The words the user reads. character is inserted as given (calculator byte or UTF-8) into
// the invalid-character message, whose two lines are separated by a carriage return.
std::string nameFaultTitle(NameKind kind);
std::string nameFaultMessage(NameKind kind, NameFault fault, std::string_view character);
