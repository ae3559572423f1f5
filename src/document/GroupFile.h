#pragma once

#include "document/CalcKind.h"
#include "document/Picture89i.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The 68k group file (.89g, .92g, .9xg, .v2g; a backup has the same layout with one entry of
// type 0x1D). Header integers are little-endian:
//   0x00  8-byte signature ("**TI89**", ...)      0x08  2 bytes, 01 00
//   0x0A  default folder, 8 bytes                   0x12  comment, 40 bytes
//   0x3A  u16 number of entries                     0x3C  the entries, 16 bytes each:
//         u32 offset of the data, 8-byte name, u8 type, u8 attribute, u16 (a folder entry's
//         number of variables following it, else 0)
//   after the table: u32 file size, then A5 5A
//   at each offset: 4 zero bytes, the variable's data (from its big-endian length), u16
//   checksum (sum of the data bytes mod 65536); a backup's data starts at its offset, with
//   no zero bytes before it.
// A folder entry (type 0x1F) comes before its variables; variables before any folder entry
// are in the default folder. A file of one picture variable is exactly a .89i file.
// Pure functions over bytes; texts are calculator bytes.

constexpr uint8_t kGroupFolderType = 0x1F;
constexpr uint8_t kGroupBackupType = 0x1D;
constexpr uint8_t kGroupPictureType = 0x10;

struct GroupEntry
{
    std::string name;  // a folder entry: the folder's name
    uint8_t type = 0;
    uint8_t attribute = 0;      // 0 none, 1 locked, 2/3 archived: kept as stored
    std::string folder;         // a variable: the folder it is in
    std::vector<uint8_t> data;  // a variable: its slot as stored, from the length to the checksum
    bool isFolder() const { return type == kGroupFolderType; }
};

struct GroupFile
{
    CalcKind kind = CalcKind::TI89;
    std::string defaultFolder = "main", comment;
    std::vector<GroupEntry> entries; // in file order, folder entries included
    // The comment's 40 bytes as read, written again while comment is unchanged (what
    // follows its zero byte is kept too).
    std::string commentField;
};

enum class GroupError {
    None,
    TooShort,        // no complete header
    NotGroup,        // no calculator signature
    TablePastEnd,    // the entry table (with the file size after it) runs past the end
    OffsetOutside,   // an entry's data lies outside the file, or before the table's end
    CountDoesNotFit, // a folder entry counts more variables than follow it
    LengthPastSlot,  // a variable's own length runs past its place in the file
    TooLarge,        // (writing) the file would pass 4 GiB
    TooManyEntries,  // (writing) more than 65,535 entries, folder entries included
};

struct GroupReadResult
{
    GroupError error = GroupError::None;
    int entry = -1; // with an error about an entry: its index in the table, from 0
    std::string entryName; // and its name: folder\name, or a folder entry's name
    GroupFile group;
    std::vector<int> checksumMismatches; // entries whose stored checksum disagrees (a warning)
};

GroupReadResult readGroup(std::span<const uint8_t> bytes);

// The whole file, offsets, folder counts, file size and checksums computed; each
// variable's data as it is held. Nothing when it cannot be written (groupWriteError).
std::optional<std::vector<uint8_t>> writeGroup(const GroupFile &group);
// Why writeGroup gives nothing for this group: TooManyEntries when the u16 count cannot
// hold its entries, TooLarge when the file would pass 4 GiB; None when it can be written.
GroupError groupWriteError(const GroupFile &group);

// One variable as a file of its own (for a picture: a .89i file), its folder as the
// default folder and the group's comment.
std::vector<uint8_t> singleVariableFile(const GroupFile &group, int entry);

// The reason in the user's words; entry and its name are named when the reason is an entry's.
std::string groupErrorText(GroupError error, int entry = -1, std::string_view entryName = {});

struct GroupPicture
{
    int entry = 0;
    std::string folder, name;
    size_t size = 0; // bytes of data as stored
};

// The picture variables, in file order.
std::vector<GroupPicture> picturesIn(const GroupFile &group);
// A picture variable's pixels through the .89i reader.
DecodeResult decodeGroupPicture(const GroupFile &group, int entry);

// The variable folder\name (compared by bytes), or -1.
int findVariable(const GroupFile &group, std::string_view folder, std::string_view name);
// The picture as a variable of the group, in its own folder; nothing when it is too large.
std::optional<GroupEntry> pictureVariable(const CalcPicture &picture);
// Replaces the variable of the same folder\name (keeping its place and attribute) or adds
// it after the last variable of its folder; a new folder gets its folder entry at the end.
void putVariable(GroupFile &group, GroupEntry variable);
// Removes folder\name, and its folder entry when no variable is left in it; false when
// there is no such variable.
bool removeVariable(GroupFile &group, std::string_view folder, std::string_view name);

// "picture", "program", ... or "type 0xHH".
std::string variableTypeName(uint8_t type);
// The file ending of a single variable of this type ("89i", "9xp", ...).
std::string variableFileEnding(CalcKind kind, uint8_t type);
// The group ending of the calculator: "89g", "92g", "9xg" or "v2g".
std::string groupFileEnding(CalcKind kind);
// By the last three characters of a path, in any case.
std::optional<CalcKind> kindFromGroupEnding(std::string_view path);
