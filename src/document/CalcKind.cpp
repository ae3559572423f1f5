#include "document/CalcKind.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {
constexpr std::array<CalcKindInfo, 4> kKinds{{
    {CalcKind::TI89, "**TI89**", "89i", "TI-89"},
    {CalcKind::TI92, "**TI92**", "92i", "TI-92"},
    {CalcKind::TI92Plus, "**TI92P*", "9xi", "TI-92 Plus"},
    {CalcKind::Voyage200, "**V200**", "v2i", "Voyage 200"},
}};
} // namespace

std::span<const CalcKindInfo> calcKinds() { return kKinds; }

const CalcKindInfo &infoOf(CalcKind kind)
{
    return *std::find_if(kKinds.begin(), kKinds.end(), [kind](const CalcKindInfo &info) { return info.kind == kind; });
}

std::optional<CalcKind> kindFromEnding(std::string_view path)
{
    if (path.size() < 3)
        return std::nullopt;
    const std::string_view last = path.substr(path.size() - 3);
    for (const CalcKindInfo &info : kKinds)
        if (std::equal(last.begin(), last.end(), info.ending.begin(),
                       [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; }))
            return info.kind;
    return std::nullopt;
}

std::optional<CalcKind> kindFromSignature(std::span<const unsigned char> bytes)
{
    for (const CalcKindInfo &info : kKinds)
        if (bytes.size() >= info.signature.size()
            && std::equal(info.signature.begin(), info.signature.end(), bytes.begin(),
                          [](char a, unsigned char b) { return static_cast<unsigned char>(a) == b; }))
            return info.kind;
    return std::nullopt;
}
