#include "document/TiGroupFile.h"

#include "document/ZipFields.h"

#include <algorithm>

using namespace zipfields;

namespace {

using Bytes = std::span<const uint8_t>;

// The end record's offset: the last one whose comment reaches past every non-zero byte
// after it, and no further than the end.
std::optional<size_t> findEndRecord(Bytes b)
{
    if (b.size() < kEndFixed)
        return std::nullopt;
    size_t used = b.size();
    while (used > 0 && b[used - 1] == 0)
        --used;
    // The comment is at most 65,535 bytes, so the record starts no earlier than this.
    const size_t lowest = used > kEndFixed + 0xFFFF ? used - kEndFixed - 0xFFFF : 0;
    for (size_t at = b.size() - kEndFixed + 1; at-- > lowest;) {
        if (le32(b, at) != kEndSignature)
            continue;
        const size_t end = at + kEndFixed + le16(b, at + kEndCommentLength);
        if (end <= b.size() && end >= used)
            return at;
    }
    return std::nullopt;
}

struct Directory
{
    size_t offset = 0, end = 0, count = 0;
};

TigError readEndRecord(Bytes b, size_t at, Directory &directory, std::string &comment)
{
    if (le16(b, at + kEndDisk) != 0 || le16(b, at + kEndDirectoryDisk) != 0
        || le16(b, at + kEndRecordsHere) != le16(b, at + kEndRecords))
        return TigError::Spanned;
    const uint32_t size = le32(b, at + kEndDirectorySize), offset = le32(b, at + kEndDirectoryOffset);
    directory.count = le16(b, at + kEndRecords);
    const bool locator = at >= kZip64LocatorSize && le32(b, at - kZip64LocatorSize) == kZip64LocatorSignature;
    if (locator || directory.count == 0xFFFF || size == 0xFFFFFFFF || offset == 0xFFFFFFFF)
        return TigError::Zip64;
    if (uint64_t(offset) + size != at)
        return TigError::DirectoryOutside;
    directory.offset = offset;
    directory.end = at;
    const size_t commentAt = at + kEndFixed;
    comment.assign(b.begin() + std::ptrdiff_t(commentAt), b.begin() + std::ptrdiff_t(commentAt + le16(b, at + kEndCommentLength)));
    return TigError::None;
}

TigMemberKind kindOf(Bytes record, std::string_view name)
{
    constexpr uint8_t kUnixHost = 3;
    constexpr uint32_t kTypeMask = 0170000, kDirectory = 0040000, kLink = 0120000, kRegular = 0100000;
    constexpr uint32_t kDosDirectory = 0x10;
    if (!name.empty() && name.back() == '/')
        return TigMemberKind::Folder;
    const uint32_t attributes = le32(record, kCentralExternal);
    if (record[kCentralMadeBy + 1] == kUnixHost && (attributes >> 16 & kTypeMask) != 0) {
        switch (attributes >> 16 & kTypeMask) {
        case kDirectory:
            return TigMemberKind::Folder;
        case kLink:
            return TigMemberKind::Link;
        case kRegular:
            return TigMemberKind::File;
        default:
            return TigMemberKind::Other;
        }
    }
    return attributes & kDosDirectory ? TigMemberKind::Folder : TigMemberKind::File;
}

// The central record at `at` (before `end`) as a member without its local bytes; the
// offset of its local header; the record's length.
TigError readCentral(Bytes b, size_t at, size_t end, TigMember &member, uint32_t &localAt, size_t &length)
{
    if (end - at < kCentralFixed || le32(b, at) != kCentralSignature)
        return TigError::BadRecord;
    const size_t nameLength = le16(b, at + kCentralNameLength);
    length = kCentralFixed + nameLength + le16(b, at + kCentralExtraLength) + le16(b, at + kCentralCommentLength);
    if (end - at < length)
        return TigError::BadRecord;
    const Bytes record = b.subspan(at, length);
    member.name.assign(record.begin() + kCentralFixed, record.begin() + std::ptrdiff_t(kCentralFixed + nameLength));
    member.method = le16(record, kCentralMethod);
    member.crc = le32(record, kCentralCrc);
    member.compressedSize = le32(record, kCentralPacked);
    member.size = le32(record, kCentralUnpacked);
    localAt = le32(record, kCentralLocalOffset);
    if (member.compressedSize == 0xFFFFFFFF || member.size == 0xFFFFFFFF || localAt == 0xFFFFFFFF
        || le16(record, kCentralDisk) == 0xFFFF)
        return TigError::Zip64;
    if (le16(record, kCentralDisk) != 0)
        return TigError::Spanned;
    if (isEncrypted(le16(record, kCentralFlags), member.method))
        return TigError::Encrypted;
    member.kind = kindOf(record, member.name);
    member.central.assign(record.begin(), record.end());
    return TigError::None;
}

// A size or CRC of the local header: where the data descriptor holds them, zero may stand.
bool agrees(uint32_t local, uint32_t central, bool descriptor) { return local == central || (descriptor && local == 0); }

// The data descriptor's length at `at`, or 0 when none there agrees with the member.
size_t descriptorLength(Bytes b, size_t at, size_t end, const TigMember &m)
{
    const auto matches = [&](size_t from) {
        return end - at >= from + 12 && le32(b, at + from) == m.crc && le32(b, at + from + 4) == m.compressedSize
               && le32(b, at + from + 8) == m.size;
    };
    if (end - at >= 4 && le32(b, at) == kDescriptorSignature && matches(4))
        return 16;
    return matches(0) ? 12 : 0;
}

// The member's local bytes, which lie between localAt and `end` (the directory's offset).
TigError readLocal(Bytes b, size_t localAt, size_t end, TigMember &m)
{
    if (localAt > end || end - localAt < kLocalFixed)
        return TigError::MemberOutside;
    const Bytes header = b.subspan(localAt, kLocalFixed);
    const uint16_t flags = le16(header, kLocalFlags);
    const size_t nameLength = le16(header, kLocalNameLength);
    m.dataAt = kLocalFixed + nameLength + le16(header, kLocalExtraLength);
    if (end - localAt < m.dataAt + m.compressedSize)
        return TigError::MemberOutside;
    if (isEncrypted(flags, le16(header, kLocalMethod)))
        return TigError::Encrypted;
    if (le32(header, kLocalPacked) == 0xFFFFFFFF || le32(header, kLocalUnpacked) == 0xFFFFFFFF)
        return TigError::Zip64;
    const bool descriptor = flags & kFlagDescriptor;
    const Bytes name = b.subspan(localAt + kLocalFixed, nameLength);
    if (le32(header, 0) != kLocalSignature || !std::equal(name.begin(), name.end(), m.name.begin(), m.name.end())
        || le16(header, kLocalMethod) != m.method || descriptor != bool(le16(m.central, kCentralFlags) & kFlagDescriptor)
        || !agrees(le32(header, kLocalCrc), m.crc, descriptor)
        || !agrees(le32(header, kLocalPacked), m.compressedSize, descriptor)
        || !agrees(le32(header, kLocalUnpacked), m.size, descriptor))
        return TigError::LocalDisagrees;
    size_t length = m.dataAt + m.compressedSize;
    if (descriptor) {
        const size_t tail = descriptorLength(b, localAt + length, end, m);
        if (tail == 0)
            return TigError::LocalDisagrees;
        length += tail;
    }
    const Bytes local = b.subspan(localAt, length);
    m.local.assign(local.begin(), local.end());
    return TigError::None;
}

// The index of a member whose bytes overlap another's (the later one), or nothing.
std::optional<size_t> overlapping(std::vector<std::pair<size_t, size_t>> &starts, const std::vector<TigMember> &members)
{
    std::sort(starts.begin(), starts.end());
    for (size_t i = 1; i < starts.size(); ++i)
        if (starts[i - 1].first + members[starts[i - 1].second].local.size() > starts[i].first)
            return starts[i].second;
    return std::nullopt;
}

TigError readMembers(Bytes b, const Directory &directory, TigReadResult &result)
{
    std::vector<TigMember> &members = result.archive.members;
    members.reserve(directory.count);
    std::vector<std::pair<size_t, size_t>> starts; // local header offset, member index
    size_t at = directory.offset;
    for (size_t i = 0; i < directory.count; ++i) {
        TigMember member;
        uint32_t localAt = 0;
        size_t length = 0;
        TigError error = readCentral(b, at, directory.end, member, localAt, length);
        if (error == TigError::None)
            error = readLocal(b, localAt, directory.offset, member);
        if (error != TigError::None) {
            result.member = member.name;
            return error;
        }
        at += length;
        starts.emplace_back(localAt, i);
        members.push_back(std::move(member));
    }
    if (at != directory.end)
        return TigError::BadRecord;
    if (const std::optional<size_t> overlap = overlapping(starts, members)) {
        result.member = members[*overlap].name;
        return TigError::MembersOverlap;
    }
    return TigError::None;
}

} // namespace

TigReadResult readTigArchive(Bytes bytes)
{
    TigReadResult result;
    const std::optional<size_t> endAt = findEndRecord(bytes);
    if (!endAt) {
        result.error = TigError::NoEndRecord;
        return result;
    }
    Directory directory;
    result.error = readEndRecord(bytes, *endAt, directory, result.archive.comment);
    if (result.error == TigError::None)
        result.error = readMembers(bytes, directory, result);
    if (result.error != TigError::None)
        result.archive = {};
    return result;
}

std::optional<std::vector<uint8_t>> writeTigArchive(const TigArchive &archive)
{
    // 0xFFFF records or offsets and sizes of 0xFFFFFFFF would stand for ZIP64 values.
    constexpr uint64_t kLargest = 0xFFFFFFFE;
    if (archive.members.size() >= 0xFFFF || archive.comment.size() > 0xFFFF)
        return std::nullopt;
    uint64_t total = 0, directorySize = 0;
    for (const TigMember &m : archive.members) {
        if (m.central.size() < kCentralFixed || m.local.size() < kLocalFixed)
            return std::nullopt;
        total += m.local.size();
        directorySize += m.central.size();
    }
    if (total > kLargest || directorySize > kLargest || total + directorySize + kEndFixed + archive.comment.size() > kLargest)
        return std::nullopt;
    std::vector<uint8_t> out;
    out.reserve(size_t(total + directorySize + kEndFixed + archive.comment.size()));
    for (const TigMember &m : archive.members)
        out.insert(out.end(), m.local.begin(), m.local.end());
    uint32_t localAt = 0;
    for (const TigMember &m : archive.members) {
        const size_t recordAt = out.size();
        out.insert(out.end(), m.central.begin(), m.central.end());
        putLe32(out, recordAt + kCentralLocalOffset, localAt);
        localAt += uint32_t(m.local.size());
    }
    appendEndRecord(out, archive.members.size(), uint32_t(directorySize), uint32_t(total), archive.comment);
    return out;
}
