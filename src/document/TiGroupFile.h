#pragma once

#include "document/CalcKind.h"
#include "document/GroupFile.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The TIGroup (.tig): a ZIP archive of calculator variable files, one file a member, named
// like "main.pic1.89i". It is read and written member by member, and a member that is not
// replaced is written again exactly as it was read (its local header, data and data
// descriptor, and its central record with its extra fields and comment), so that what
// another program put in an archive survives our rewrite of it.
//
// A ZIP (integers little-endian) is its members one after another, each a local header
//   0x00 u32 50 4B 03 04   0x04 u16 version needed   0x06 u16 flags   0x08 u16 method
//   0x0A u16 DOS time      0x0C u16 DOS date         0x0E u32 CRC-32  0x12 u32 compressed size
//   0x16 u32 size          0x1A u16 name length      0x1C u16 extra length, then name, extra
// followed by its data and, when flag bit 3 is set, a data descriptor (optionally 50 4B 07 08,
// then CRC-32, compressed size, size); then the central directory, one record a member
//   0x00 u32 50 4B 01 02   0x04 u16 made by (high byte: 3 is Unix)   0x06 .. 0x1B as the
//   local header's 0x04 .. 0x19   0x1C u16 name length   0x1E u16 extra length
//   0x20 u16 comment length   0x22 u16 disk   0x24 u16 internal attributes
//   0x26 u32 external attributes (Unix: st_mode in the high 16 bits)
//   0x2A u32 offset of the local header, then name, extra, comment
// and last the end record
//   0x00 u32 50 4B 05 06   0x04 u16 this disk   0x06 u16 disk of the directory
//   0x08 u16 records on this disk   0x0A u16 records   0x0C u32 directory size
//   0x10 u32 directory offset   0x14 u16 comment length, then the archive comment.
// Archives of several disks, ZIP64 (counts of 65,535 or offsets and sizes of 4 GiB and
// more) and encrypted members are refused: calculator groups never need them.
// Pure functions over bytes, in time linear in the size of the archive.

// A member's limit unpacked, and the limit of all members of an archive unpacked together:
// far above any calculator variable, well below what hurts the machine.
inline constexpr size_t kTigMemberLimit = size_t(16) << 20;
inline constexpr size_t kTigArchiveLimit = size_t(64) << 20;
// The most variables an archive is read with: as many as a group file holds. Tiny variables
// in a well-compressed archive could otherwise be millions, which no calculator has and
// which would cost hundreds of megabytes to hold.
inline constexpr size_t kTigVariableLimit = 65535;

enum class TigMemberKind { File, Folder, Link, Other };

struct TigMember
{
    std::string name; // the bytes stored (UTF-8 when flag bit 11 says so, else as the writer had them)
    TigMemberKind kind = TigMemberKind::File;
    uint16_t method = 0; // 0 stored, 8 deflate
    uint32_t crc = 0, compressedSize = 0, size = 0; // as the central record gives them (bytes)
    std::vector<uint8_t> local;   // local header, name, extra, data, data descriptor as read
    size_t dataAt = 0;            // where the data start within `local`
    std::vector<uint8_t> central; // the central record, name, extra and comment as read
};

struct TigArchive
{
    std::vector<TigMember> members; // in central directory order
    std::string comment;
};

enum class TigError {
    None,
    NoEndRecord,      // no end record closes the bytes: no ZIP, or one cut short
    Spanned,          // one part of an archive spread over several files
    Zip64,            // needs ZIP64 records
    DirectoryOutside, // the central directory does not lie right before the end record
    BadRecord,        // a central record is damaged, or they do not fill the directory
    MemberOutside,    // a member's local header, data or descriptor run outside the members' bytes
    MembersOverlap,   // two members share bytes
    LocalDisagrees,   // a local header or data descriptor disagrees with the central record
    Encrypted,
    // Unpacking a member.
    UnknownMethod,   // neither stored nor deflate
    TooLarge,        // the member is larger unpacked than its limit
    ArchiveTooLarge, // the members unpacked so far add up to more than the archive's limit
    BadData,         // the data do not unpack to the size the central record gives
    WrongCrc,
    // Reading the variables.
    NotVariable, // a file member is no calculator variable file (the group error says why)
    TooManyVariables, // more variables than kTigVariableLimit, with the member that passed it
};

struct TigReadResult
{
    TigError error = TigError::None;
    std::string member; // with an error about a member: its name (empty when it has none yet)
    TigArchive archive;
};

// The archive in these bytes, strictly: any offset or length outside them, a local header
// that disagrees with its central record, ZIP64, several disks or encryption is an error,
// never a guess. Zero bytes after the end record (the block padding of some writers) are
// allowed; they are not kept.
TigReadResult readTigArchive(std::span<const uint8_t> bytes);

// The whole archive: each member's local bytes in order, the central records (only their
// offset fields rewritten), the end record with the comment; nothing after it. Nothing when
// the archive would need ZIP64 (4 GiB or more, 65,535 members or more) or a member is not
// one read or made here.
std::optional<std::vector<uint8_t>> writeTigArchive(const TigArchive &archive);

struct TigUnpacked
{
    TigError error = TigError::None;
    std::vector<uint8_t> bytes;
};

// The member's bytes unpacked (stored or deflate), the CRC checked; TooLarge when they are
// more than maxBytes, which is decided before anything is unpacked.
TigUnpacked memberContent(const TigMember &member, size_t maxBytes = kTigMemberLimit);

// A time stamp of a member, local time as ZIP keeps it (2-second steps, years 1980 to 2107).
struct TigTime
{
    int year = 1980, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// A new file member holding these bytes: deflated, or stored when that is not larger; Unix
// mode 0644. Nothing when the name passes 65,535 bytes or the content 4 GiB.
std::optional<TigMember> makeTigMember(std::string name, std::span<const uint8_t> content, TigTime time = {});

struct TigVariable
{
    size_t member = 0; // its member's index in the archive
    CalcKind kind = CalcKind::TI89; // by the signature of its member's file
    GroupEntry variable;
    bool checksumAgrees = true;
};

struct TigVariables
{
    TigError error = TigError::None;
    size_t member = 0;  // with an error: the index of the member at fault
    std::string memberName;
    GroupError groupError = GroupError::None; // with NotVariable: why readGroup refused it
    int groupEntry = -1;
    std::string groupEntryName;
    std::vector<TigVariable> variables; // in member order, each member's in its order
};

// The variables of every file member (a single variable file or a group of them); folder
// and link members hold none. Two members may hold the same folder\name: both are listed.
TigVariables tigVariables(const TigArchive &archive, size_t memberLimit = kTigMemberLimit,
                          size_t archiveLimit = kTigArchiveLimit);
