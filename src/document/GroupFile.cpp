#include "document/GroupFile.h"

#include <algorithm>
#include <limits>

namespace {

// Header offsets, in bytes from the start of the file.
constexpr size_t kDefaultFolderAt = 10; // 8 bytes, zero-padded
constexpr size_t kCommentAt = 18;       // 40 bytes, zero-padded
constexpr size_t kCountAt = 58;         // u16, entries in the table
constexpr size_t kTableAt = 60;         // the entries, 16 bytes each
constexpr size_t kEntrySize = 16;
constexpr size_t kFieldSize = 8;
constexpr size_t kCommentSize = 40;
constexpr size_t kTableTrailer = 6;  // u32 file size, A5 5A
constexpr size_t kChecksumSize = 2;
// Within an entry.
constexpr size_t kEntryNameAt = 4, kEntryTypeAt = 12, kEntryAttributeAt = 13, kEntryCountAt = 14;

using Bytes = std::span<const uint8_t>;

// A variable's data follows 4 zero bytes at its offset; a backup's starts right there.
size_t gapBefore(uint8_t type) { return type == kGroupBackupType ? 0 : 4; }
size_t slotFrame(uint8_t type) { return gapBefore(type) + kChecksumSize; }

unsigned readLE16(Bytes b, size_t at) { return b[at] | b[at + 1] << 8; }
uint32_t readLE32(Bytes b, size_t at) { return readLE16(b, at) | uint32_t(readLE16(b, at + 2)) << 16; }

std::string readText(Bytes b, size_t at, size_t size)
{
    const auto field = b.subspan(at, size);
    return std::string(field.begin(), std::find(field.begin(), field.end(), uint8_t(0)));
}

unsigned sumOf(Bytes b)
{
    unsigned sum = 0;
    for (const uint8_t byte : b)
        sum += byte;
    return sum & 0xFFFF;
}

// How many variables follow entry `at` before the next folder entry or the table's end.
size_t variablesAfter(const std::vector<uint8_t> &types, size_t at)
{
    size_t count = 0;
    while (++at < types.size() && types[at] != kGroupFolderType)
        ++count;
    return count;
}

struct TableEntry
{
    uint32_t offset, next; // next: the following entry's offset, or the file size
    GroupEntry entry;
    unsigned count;
};

TableEntry tableEntry(Bytes b, size_t index)
{
    const size_t at = kTableAt + kEntrySize * index;
    TableEntry t{readLE32(b, at), readLE32(b, at + kEntrySize), {}, readLE16(b, at + kEntryCountAt)};
    t.entry.name = readText(b, at + kEntryNameAt, kFieldSize);
    t.entry.type = b[at + kEntryTypeAt];
    t.entry.attribute = b[at + kEntryAttributeAt];
    return t;
}

// The variable's slot, or the reason it has none.
GroupError takeSlot(Bytes b, size_t tableEnd, TableEntry &t, bool &checksumAgrees)
{
    const size_t frame = slotFrame(t.entry.type);
    if (t.offset < tableEnd + kTableTrailer || t.next > b.size() || t.next < size_t(t.offset) + frame)
        return GroupError::OffsetOutside;
    const Bytes slot = b.subspan(t.offset + gapBefore(t.entry.type), t.next - t.offset - frame);
    // A backup's data is its own; every variable's starts with the length of what follows.
    if (t.entry.type != kGroupBackupType && (slot.size() < 2 || size_t(slot[0] << 8 | slot[1]) + 2 > slot.size()))
        return GroupError::LengthPastSlot;
    checksumAgrees = readLE16(b, t.next - 2) == sumOf(slot);
    t.entry.data.assign(slot.begin(), slot.end());
    return GroupError::None;
}

void appendField(std::vector<uint8_t> &out, std::string_view text, size_t size)
{
    const size_t used = std::min(text.size(), size);
    out.insert(out.end(), text.begin(), text.begin() + used);
    out.insert(out.end(), size - used, 0);
}

void appendLE(std::vector<uint8_t> &out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(uint8_t(value >> (8 * i)));
}

// The entries after a header that fits; result.error and entry for the first that does not.
void readEntries(Bytes b, size_t count, GroupReadResult &result)
{
    const size_t tableEnd = kTableAt + kEntrySize * count;
    std::vector<uint8_t> types;
    for (size_t i = 0; i < count; ++i)
        types.push_back(b[kTableAt + kEntrySize * i + kEntryTypeAt]);
    std::string folder = result.group.defaultFolder;
    for (size_t i = 0; i < count; ++i) {
        TableEntry t = tableEntry(b, i);
        GroupError error = GroupError::None;
        bool checksumAgrees = true;
        if (t.entry.isFolder()) {
            folder = t.entry.name;
            if (t.count > variablesAfter(types, i))
                error = GroupError::CountDoesNotFit;
        } else {
            t.entry.folder = folder;
            error = takeSlot(b, tableEnd, t, checksumAgrees);
        }
        if (error != GroupError::None) {
            result = {error, int(i), t.entry.isFolder() ? t.entry.name : folder + '\\' + t.entry.name, {}, {}};
            return;
        }
        if (!checksumAgrees)
            result.checksumMismatches.push_back(int(i));
        result.group.entries.push_back(std::move(t.entry));
    }
}

// Signature to the number of entries.
std::vector<uint8_t> headerOf(const GroupFile &group)
{
    const std::string_view signature = infoOf(group.kind).signature;
    std::vector<uint8_t> out(signature.begin(), signature.end());
    out.insert(out.end(), {0x01, 0x00});
    appendField(out, group.defaultFolder, kFieldSize);
    const std::string_view field = group.commentField;
    const bool commentKept = field.size() == kCommentSize && field.substr(0, field.find('\0')) == group.comment;
    appendField(out, commentKept ? field : std::string_view(group.comment), kCommentSize);
    appendLE(out, uint32_t(group.entries.size()), 2);
    return out;
}

// The bytes the whole file takes: header, table, trailer and every variable's slot.
uint64_t fileSizeOf(const std::vector<GroupEntry> &entries)
{
    uint64_t size = kTableAt + kEntrySize * entries.size() + kTableTrailer;
    for (const GroupEntry &entry : entries)
        if (!entry.isFolder())
            size += entry.data.size() + slotFrame(entry.type);
    return size;
}

// The table, the file size and A5 5A, for a group that groupWriteError lets through.
void appendTable(std::vector<uint8_t> &out, const std::vector<GroupEntry> &entries)
{
    uint64_t offset = kTableAt + kEntrySize * entries.size() + kTableTrailer;
    std::vector<uint8_t> types;
    for (const GroupEntry &entry : entries)
        types.push_back(entry.type);
    for (size_t i = 0; i < entries.size(); ++i) {
        const GroupEntry &entry = entries[i];
        appendLE(out, uint32_t(offset), 4);
        appendField(out, entry.name, kFieldSize);
        out.push_back(entry.type);
        out.push_back(entry.attribute);
        appendLE(out, entry.isFolder() ? uint32_t(variablesAfter(types, i)) : 0, 2);
        if (!entry.isFolder())
            offset += entry.data.size() + slotFrame(entry.type);
    }
    appendLE(out, uint32_t(offset), 4);
    out.insert(out.end(), {0xA5, 0x5A});
}

} // namespace

GroupReadResult readGroup(Bytes bytes)
{
    if (bytes.size() < kTableAt)
        return {GroupError::TooShort, -1, {}, {}, {}};
    const std::optional<CalcKind> kind = kindFromSignature(bytes);
    if (!kind)
        return {GroupError::NotGroup, -1, {}, {}, {}};
    const size_t count = readLE16(bytes, kCountAt);
    if (kTableAt + kEntrySize * count + kTableTrailer > bytes.size())
        return {GroupError::TablePastEnd, -1, {}, {}, {}};

    GroupReadResult result;
    GroupFile &group = result.group;
    group.kind = *kind;
    group.defaultFolder = readText(bytes, kDefaultFolderAt, kFieldSize);
    group.comment = readText(bytes, kCommentAt, kCommentSize);
    group.commentField.assign(bytes.begin() + kCommentAt, bytes.begin() + kCommentAt + kCommentSize);
    readEntries(bytes, count, result);
    return result;
}

GroupError groupWriteError(const GroupFile &group)
{
    if (group.entries.size() > std::numeric_limits<uint16_t>::max())
        return GroupError::TooManyEntries;
    if (fileSizeOf(group.entries) > std::numeric_limits<uint32_t>::max())
        return GroupError::TooLarge;
    return GroupError::None;
}

std::optional<std::vector<uint8_t>> writeGroup(const GroupFile &group)
{
    if (groupWriteError(group) != GroupError::None)
        return std::nullopt;
    const auto &entries = group.entries;
    std::vector<uint8_t> out = headerOf(group);
    out.reserve(fileSizeOf(entries));
    appendTable(out, entries);
    for (const GroupEntry &entry : entries) {
        if (entry.isFolder())
            continue;
        out.insert(out.end(), gapBefore(entry.type), 0);
        out.insert(out.end(), entry.data.begin(), entry.data.end());
        appendLE(out, sumOf(entry.data), 2);
    }
    return out;
}

std::vector<uint8_t> singleVariableFile(const GroupFile &group, int entry)
{
    const GroupEntry &variable = group.entries.at(size_t(entry));
    GroupFile single{group.kind, variable.folder, group.comment, {variable}, {}};
    // One variable of at most 4 GiB of data always fits.
    return *writeGroup(single);
}

std::string groupErrorText(GroupError error, int entry, std::string_view entryName)
{
    const std::string which = "Entry " + std::to_string(entry + 1)
                              + (entryName.empty() ? std::string() : " (" + std::string(entryName) + ")");
    switch (error) {
    case GroupError::None:
        return {};
    case GroupError::TooShort:
        return "The file is too short to be a calculator group: it has no complete 60-byte header.";
    case GroupError::NotGroup:
        return "The file is not a calculator group (.89g, .92g, .9xg or .v2g).";
    case GroupError::TablePastEnd:
        return "The group's table of entries runs past the end of the file.";
    case GroupError::OffsetOutside:
        return which + " of the group has its data outside the file.";
    case GroupError::CountDoesNotFit:
        return which + " of the group is a folder of more variables than follow it.";
    case GroupError::LengthPastSlot:
        return which + " of the group is longer than its place in the file.";
    case GroupError::TooLarge:
        return "The group is too large for a group file.";
    case GroupError::TooManyEntries:
        return "The group has more than 65,535 entries (variables and folders), the most a group file holds.";
    }
    return "Unknown error.";
}
