#pragma once

#include <optional>
#include <span>
#include <string_view>

// The calculators of the 68k family whose picture files share one layout and differ only in
// the 8-byte signature at the start and the file name's ending.
enum class CalcKind { TI89, TI92, TI92Plus, Voyage200 };

struct CalcKindInfo
{
    CalcKind kind;
    std::string_view signature; // 8 bytes at offset 0
    std::string_view ending;    // lower case, without the dot
    std::string_view model;     // as the user knows the calculator
};

// Every kind, the TI-89 first.
std::span<const CalcKindInfo> calcKinds();
const CalcKindInfo &infoOf(CalcKind kind);

// By the last three characters of a name, in any case ("pic.9XI"); nothing for another ending.
std::optional<CalcKind> kindFromEnding(std::string_view path);
// By the signature a file begins with; nothing when it begins with none of them.
std::optional<CalcKind> kindFromSignature(std::span<const unsigned char> bytes);
