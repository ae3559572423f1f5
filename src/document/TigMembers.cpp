#include "document/TiGroupFile.h"
#include "document/ZipFields.h"

#include <zlib.h>

#include <algorithm>
#include <limits>

using namespace zipfields;

namespace {

using Bytes = std::span<const uint8_t>;

uint32_t crcOf(Bytes bytes)
{
    uLong crc = crc32(0, nullptr, 0);
    // zlib takes at most 4 GiB a call; members are smaller than that.
    return uint32_t(crc32(crc, bytes.data(), uInt(bytes.size())));
}

// Raw deflate (no zlib header), as ZIP keeps it. `out` gets one byte more than expected,
// so that data unpacking to more than the central record says are caught.
TigError inflateInto(Bytes packed, std::vector<uint8_t> &out, size_t expected)
{
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return TigError::BadData;
    out.resize(expected + 1);
    stream.next_in = const_cast<Bytef *>(packed.data());
    stream.avail_in = uInt(packed.size());
    stream.next_out = out.data();
    stream.avail_out = uInt(out.size());
    const int status = inflate(&stream, Z_FINISH);
    const bool whole = status == Z_STREAM_END && stream.total_out == expected && stream.avail_in == 0;
    inflateEnd(&stream);
    out.resize(expected);
    return whole ? TigError::None : TigError::BadData;
}

// The content deflated, or nothing when deflating does not make it smaller.
std::optional<std::vector<uint8_t>> deflated(Bytes content)
{
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return std::nullopt;
    std::vector<uint8_t> out(deflateBound(&stream, uLong(content.size())));
    stream.next_in = const_cast<Bytef *>(content.data());
    stream.avail_in = uInt(content.size());
    stream.next_out = out.data();
    stream.avail_out = uInt(out.size());
    const bool done = deflate(&stream, Z_FINISH) == Z_STREAM_END;
    out.resize(stream.total_out);
    deflateEnd(&stream);
    if (!done || out.size() >= content.size())
        return std::nullopt;
    return out;
}

// DOS time and date: seconds / 2, minutes << 5, hours << 11; day, month << 5, (year - 1980) << 9.
uint32_t dosTimeDate(const TigTime &t)
{
    const int year = std::clamp(t.year, 1980, 2107);
    const unsigned time = unsigned(std::clamp(t.second, 0, 59) / 2 | std::clamp(t.minute, 0, 59) << 5
                                   | std::clamp(t.hour, 0, 23) << 11);
    const unsigned date = unsigned(std::clamp(t.day, 1, 31) | std::clamp(t.month, 1, 12) << 5 | (year - 1980) << 9);
    return time | date << 16;
}

std::vector<uint8_t> localHeader(const TigMember &m, uint16_t flags, uint32_t timeDate)
{
    constexpr uint16_t kNeeded = 20; // version 2.0: deflate
    std::vector<uint8_t> out;
    appendLe(out, kLocalSignature, 4);
    appendLe(out, kNeeded, 2);
    appendLe(out, flags, 2);
    appendLe(out, m.method, 2);
    appendLe(out, timeDate, 4);
    appendLe(out, m.crc, 4);
    appendLe(out, m.compressedSize, 4);
    appendLe(out, m.size, 4);
    appendLe(out, uint32_t(m.name.size()), 2);
    appendLe(out, 0, 2); // no extra field
    out.insert(out.end(), m.name.begin(), m.name.end());
    return out;
}

// The central record repeating the local header's fields: made on Unix by version 2.0, as
// libarchive's members are, mode 0100644 (a regular file, rw-r--r--).
std::vector<uint8_t> centralRecord(const std::vector<uint8_t> &local, const std::string &name)
{
    constexpr uint16_t kMadeBy = 3 << 8 | 20;
    constexpr uint32_t kMode = 0100644;
    std::vector<uint8_t> out;
    appendLe(out, kCentralSignature, 4);
    appendLe(out, kMadeBy, 2);
    out.insert(out.end(), local.begin() + kLocalShared, local.begin() + kLocalShared + kSharedLength);
    appendLe(out, 0, 2); // no comment
    appendLe(out, 0, 2); // disk 0
    appendLe(out, 0, 2); // internal attributes
    appendLe(out, kMode << 16, 4);
    appendLe(out, 0, 4); // the local header's offset: the writer puts it
    out.insert(out.end(), name.begin(), name.end());
    return out;
}

// Its variables, kind and checksums into `into`; the error about its file when it is none.
TigError addVariables(Bytes file, size_t member, TigVariables &into)
{
    GroupReadResult read = readGroup(file);
    if (read.error != GroupError::None) {
        into.groupError = read.error;
        into.groupEntry = read.entry;
        into.groupEntryName = std::move(read.entryName);
        return TigError::NotVariable;
    }
    std::vector<bool> mismatch(read.group.entries.size());
    for (const int index : read.checksumMismatches)
        mismatch[size_t(index)] = true;
    for (size_t i = 0; i < read.group.entries.size(); ++i)
        if (!read.group.entries[i].isFolder())
            into.variables.push_back({member, read.group.kind, std::move(read.group.entries[i]), !mismatch[i]});
    return TigError::None;
}

} // namespace

TigUnpacked memberContent(const TigMember &member, size_t maxBytes)
{
    TigUnpacked content;
    const bool dataInside = member.local.size() >= member.dataAt && member.local.size() - member.dataAt >= member.compressedSize;
    if (member.size > maxBytes)
        content.error = TigError::TooLarge;
    else if (!dataInside)
        content.error = TigError::BadData;
    else if (member.method == kMethodStored && member.compressedSize != member.size)
        content.error = TigError::BadData;
    else if (member.method != kMethodStored && member.method != kMethodDeflate)
        content.error = TigError::UnknownMethod;
    if (content.error != TigError::None)
        return content;
    const Bytes packed = Bytes(member.local).subspan(member.dataAt, member.compressedSize);
    if (member.method == kMethodStored)
        content.bytes.assign(packed.begin(), packed.end());
    else
        content.error = inflateInto(packed, content.bytes, member.size);
    if (content.error == TigError::None && crcOf(content.bytes) != member.crc)
        content.error = TigError::WrongCrc;
    if (content.error != TigError::None)
        content.bytes.clear();
    return content;
}

std::optional<TigMember> makeTigMember(std::string name, Bytes content, TigTime time)
{
    if (name.size() > 0xFFFF || content.size() >= std::numeric_limits<uint32_t>::max())
        return std::nullopt;
    TigMember m;
    m.name = std::move(name);
    m.crc = crcOf(content);
    m.size = uint32_t(content.size());
    const std::optional<std::vector<uint8_t>> packed = deflated(content);
    m.method = packed ? kMethodDeflate : kMethodStored;
    const Bytes data = packed ? Bytes(*packed) : content;
    m.compressedSize = uint32_t(data.size());
    const bool ascii = std::all_of(m.name.begin(), m.name.end(), [](char c) { return uint8_t(c) < 0x80; });
    m.local = localHeader(m, ascii ? 0 : kFlagUtf8Name, dosTimeDate(time));
    m.dataAt = m.local.size();
    m.local.insert(m.local.end(), data.begin(), data.end());
    m.central = centralRecord(m.local, m.name);
    return m;
}

TigVariables tigVariables(const TigArchive &archive, size_t memberLimit, size_t archiveLimit)
{
    TigVariables result;
    size_t unpacked = 0;
    for (size_t i = 0; i < archive.members.size() && result.error == TigError::None; ++i) {
        const TigMember &member = archive.members[i];
        if (member.kind != TigMemberKind::File)
            continue;
        if (member.size > archiveLimit - std::min(unpacked, archiveLimit) && member.size <= memberLimit) {
            result.error = TigError::ArchiveTooLarge;
        } else {
            const TigUnpacked content = memberContent(member, memberLimit);
            unpacked += content.bytes.size();
            result.error = content.error != TigError::None ? content.error : addVariables(content.bytes, i, result);
            if (result.error == TigError::None && result.variables.size() > kTigVariableLimit)
                result.error = TigError::TooManyVariables;
        }
        if (result.error != TigError::None)
            result.member = i, result.memberName = member.name;
    }
    if (result.error != TigError::None)
        result.variables.clear();
    return result;
}
