#include "document/GroupFile.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

namespace {

struct TypeInfo
{
    const char *name;
    char letter; // the last letter of a single variable's file ending
};

const std::map<uint8_t, TypeInfo> &types()
{
    static const std::map<uint8_t, TypeInfo> table{
        {0x00, {"expression", 'e'}}, {0x04, {"list", 'l'}},     {0x06, {"matrix", 'm'}},   {0x0A, {"data", 'c'}},
        {0x0B, {"text", 't'}},       {0x0C, {"string", 's'}},   {0x0D, {"gdb", 'd'}},      {0x0E, {"figure", 'a'}},
        {0x10, {"picture", 'i'}},    {0x12, {"program", 'p'}},  {0x13, {"function", 'f'}}, {0x14, {"macro", 'x'}},
        {0x1C, {"other", 'y'}},      {0x1D, {"backup", 'g'}},   {0x21, {"assembly", 'z'}},
    };
    return table;
}

// "89", "92", "9x" or "v2": the ending's first two letters.
std::string endingStem(CalcKind kind) { return std::string(infoOf(kind).ending.substr(0, 2)); }

// Where a new variable of `folder` goes: after the last variable of its folder, or nowhere.
std::optional<size_t> placeInFolder(const GroupFile &group, std::string_view folder)
{
    std::optional<size_t> place;
    for (size_t i = 0; i < group.entries.size(); ++i)
        if (!group.entries[i].isFolder() && group.entries[i].folder == folder)
            place = i + 1;
        else if (group.entries[i].isFolder() && group.entries[i].name == folder && !place)
            place = i + 1;
    return place;
}

// A file of variables without folder entries (one variable, as a single file has it) gets
// them, as a group of several variables has.
void giveFolderEntries(GroupFile &group)
{
    if (std::any_of(group.entries.begin(), group.entries.end(), [](const GroupEntry &e) { return e.isFolder(); }))
        return;
    std::vector<GroupEntry> entries;
    std::set<std::string> folders; // those with their entry made: linear in the variables
    for (GroupEntry &entry : group.entries) {
        if (folders.insert(entry.folder).second)
            entries.push_back({entry.folder, kGroupFolderType, 0, {}, {}});
        entries.push_back(std::move(entry));
    }
    group.entries = std::move(entries);
}

} // namespace

std::vector<GroupPicture> picturesIn(const GroupFile &group)
{
    std::vector<GroupPicture> pictures;
    for (size_t i = 0; i < group.entries.size(); ++i) {
        const GroupEntry &entry = group.entries[i];
        if (entry.type == kGroupPictureType)
            pictures.push_back({int(i), entry.folder, entry.name, entry.data.size()});
    }
    return pictures;
}

DecodeResult decodeGroupPicture(const GroupFile &group, int entry)
{
    return decode89i(singleVariableFile(group, entry));
}

int findVariable(const GroupFile &group, std::string_view folder, std::string_view name)
{
    for (size_t i = 0; i < group.entries.size(); ++i) {
        const GroupEntry &entry = group.entries[i];
        if (!entry.isFolder() && entry.folder == folder && entry.name == name)
            return int(i);
    }
    return -1;
}

std::optional<GroupEntry> pictureVariable(const CalcPicture &picture)
{
    VariableDataResult made = pictureVariableData(picture.width, picture.height, picture.pixels);
    if (made.error != Picture89iError::None)
        return std::nullopt;
    // Names are cut to their 8-byte fields, as a file stores them.
    return GroupEntry{picture.name.substr(0, 8), kGroupPictureType, 0, picture.folder.substr(0, 8), std::move(made.data)};
}

void putVariable(GroupFile &group, GroupEntry variable)
{
    if (const int at = findVariable(group, variable.folder, variable.name); at >= 0) {
        variable.attribute = group.entries[size_t(at)].attribute;
        group.entries[size_t(at)] = std::move(variable);
        return;
    }
    if (group.entries.empty()) {
        group.defaultFolder = variable.folder;
        group.entries.push_back(std::move(variable));
        return;
    }
    giveFolderEntries(group);
    if (const std::optional<size_t> place = placeInFolder(group, variable.folder)) {
        group.entries.insert(group.entries.begin() + std::ptrdiff_t(*place), std::move(variable));
        return;
    }
    group.entries.push_back({variable.folder, kGroupFolderType, 0, {}, {}});
    group.entries.push_back(std::move(variable));
}

bool removeVariable(GroupFile &group, std::string_view folder, std::string_view name)
{
    const int at = findVariable(group, folder, name);
    if (at < 0)
        return false;
    auto &entries = group.entries;
    entries.erase(entries.begin() + at);
    // Its folder entry goes when it was the folder's only variable.
    const bool folderBefore = at > 0 && entries[size_t(at) - 1].isFolder();
    const bool folderEnds = size_t(at) == entries.size() || entries[size_t(at)].isFolder();
    if (folderBefore && folderEnds)
        entries.erase(entries.begin() + at - 1);
    return true;
}

std::string variableTypeName(uint8_t type)
{
    if (const auto known = types().find(type); known != types().end())
        return known->second.name;
    static const char digits[] = "0123456789abcdef";
    return std::string("type 0x") + digits[type >> 4] + digits[type & 15];
}

std::string variableFileEnding(CalcKind kind, uint8_t type)
{
    const auto known = types().find(type);
    return endingStem(kind) + (known != types().end() ? known->second.letter : 'y');
}

std::string groupFileEnding(CalcKind kind) { return endingStem(kind) + 'g'; }

std::optional<CalcKind> kindFromGroupEnding(std::string_view path)
{
    if (path.size() < 4 || path[path.size() - 4] != '.')
        return std::nullopt;
    std::string ending(path.substr(path.size() - 3));
    std::transform(ending.begin(), ending.end(), ending.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    for (const CalcKindInfo &info : calcKinds())
        if (groupFileEnding(info.kind) == ending)
            return info.kind;
    return std::nullopt;
}
