#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// The ZIP records' signatures and field offsets (bytes from the record's start; every
// integer little-endian), and the byte helpers the TIGroup reader and writer share. The
// layout is drawn in TiGroupFile.h.
namespace zipfields {

constexpr uint32_t kLocalSignature = 0x04034B50;
constexpr uint32_t kCentralSignature = 0x02014B50;
constexpr uint32_t kEndSignature = 0x06054B50;
constexpr uint32_t kDescriptorSignature = 0x08074B50;
constexpr uint32_t kZip64LocatorSignature = 0x07064B50;

// Local header: 30 bytes, then name and extra field.
constexpr size_t kLocalFixed = 30;
constexpr size_t kLocalFlags = 6, kLocalMethod = 8, kLocalCrc = 14, kLocalPacked = 18, kLocalUnpacked = 22,
                 kLocalNameLength = 26, kLocalExtraLength = 28;
// Central record: 46 bytes, then name, extra field and comment.
constexpr size_t kCentralFixed = 46;
constexpr size_t kCentralMadeBy = 4, kCentralFlags = 8, kCentralMethod = 10, kCentralCrc = 16, kCentralPacked = 20,
                 kCentralUnpacked = 24, kCentralNameLength = 28, kCentralExtraLength = 30, kCentralCommentLength = 32,
                 kCentralDisk = 34, kCentralExternal = 38, kCentralLocalOffset = 42;
// The central record repeats the local header's 26 bytes from "version needed" (at 4) to
// "extra length", two bytes later (at 6).
constexpr size_t kLocalShared = 4, kSharedLength = 26;
// End record: 22 bytes, then the archive comment. The ZIP64 locator (20 bytes) would stand
// right before it.
constexpr size_t kEndFixed = 22;
constexpr size_t kEndDisk = 4, kEndDirectoryDisk = 6, kEndRecordsHere = 8, kEndRecords = 10, kEndDirectorySize = 12,
                 kEndDirectoryOffset = 16, kEndCommentLength = 20;
constexpr size_t kZip64LocatorSize = 20;

constexpr uint16_t kFlagEncrypted = 0x0001, kFlagDescriptor = 0x0008, kFlagStrongEncryption = 0x0040,
                   kFlagUtf8Name = 0x0800, kFlagDirectoryEncrypted = 0x2000;
constexpr uint16_t kMethodStored = 0, kMethodDeflate = 8, kMethodAes = 99;

inline unsigned le16(std::span<const uint8_t> b, size_t at) { return b[at] | unsigned(b[at + 1]) << 8; }
inline uint32_t le32(std::span<const uint8_t> b, size_t at) { return le16(b, at) | uint32_t(le16(b, at + 2)) << 16; }

inline void putLe16(std::vector<uint8_t> &out, size_t at, unsigned value)
{
    out[at] = uint8_t(value);
    out[at + 1] = uint8_t(value >> 8);
}
inline void putLe32(std::vector<uint8_t> &out, size_t at, uint32_t value)
{
    putLe16(out, at, value & 0xFFFF);
    putLe16(out, at + 2, value >> 16);
}
inline void appendLe(std::vector<uint8_t> &out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(uint8_t(value >> (8 * i)));
}

inline bool isEncrypted(unsigned flags, unsigned method)
{
    return (flags & (kFlagEncrypted | kFlagStrongEncryption | kFlagDirectoryEncrypted)) != 0 || method == kMethodAes;
}

// The end record of one disk: `records` central records of `size` bytes from `offset`.
inline void appendEndRecord(std::vector<uint8_t> &out, size_t records, uint32_t size, uint32_t offset,
                            std::string_view comment)
{
    appendLe(out, kEndSignature, 4);
    appendLe(out, 0, 4); // this disk, the directory's disk
    appendLe(out, uint32_t(records), 2);
    appendLe(out, uint32_t(records), 2);
    appendLe(out, size, 4);
    appendLe(out, offset, 4);
    appendLe(out, uint32_t(comment.size()), 2);
    out.insert(out.end(), comment.begin(), comment.end());
}

} // namespace zipfields
