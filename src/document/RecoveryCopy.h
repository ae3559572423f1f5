#pragma once

#include "document/CalcKind.h"
#include "document/PixelGrid.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What the editor keeps of a picture with unsaved work, so that a crash or a killed session
// loses none of it: the pixels at the picture's size and levels, the calculator texts, the
// calculator, the file the picture belongs to and when the copy was made.
struct RecoveryCopy
{
    int width = 0;
    int height = 0;
    int levels = 2;   // 2: cells 0 and 1; 4: grey levels 0 (white) to 3 (black)
    PixelGrid pixels; // width x height
    std::string folder, name, comment; // one byte per character, as the calculator stores them
    CalcKind kind = CalcKind::TI89;
    std::string file;    // UTF-8; empty: the picture has no file
    int64_t madeAt = 0;  // milliseconds since 1970-01-01 UTC

    bool operator==(const RecoveryCopy &) const = default;
};

enum class RecoveryError {
    None,
    NotACopy,     // another kind of file
    OtherVersion, // a copy of a version this editor does not know
    Truncated,    // the bytes end before the copy does
    BadField,     // a size, level count, calculator or text length out of range
    BadLevel,     // a pixel beyond the picture's levels
    Checksum,     // the bytes are not the ones written
    TrailingBytes,
};

struct RecoveryRead
{
    RecoveryError error = RecoveryError::None;
    RecoveryCopy copy;
};

// The largest copy read or written: a picture of this many pixels, sides of 32767 pixels at
// most, texts of 255 bytes and a file name of 16384 bytes.
inline constexpr int64_t kRecoveryMaxPixels = int64_t(1) << 23;

// The bytes of a copy. The layout: the line "DOTLARK-RECOVERY 1", then little-endian 32-bit
// width, height, levels and calculator (CalcKind's order), the 64-bit time, the folder, name,
// comment and file each as a 32-bit length and its bytes, the pixels four to a byte (2 bits
// each, the first pixel in the low bits, rows running on without padding) and the CRC-32
// of everything before it. Empty when the copy is beyond the limits above.
std::vector<uint8_t> encodeRecovery(const RecoveryCopy &copy);
// Reads a copy strictly: any byte out of place is an error, never a guess.
RecoveryRead decodeRecovery(std::span<const uint8_t> bytes);
// A sentence for the user.
std::string_view errorText(RecoveryError error);

// The CRC-32 of zlib and PNG.
uint32_t crc32Of(std::span<const uint8_t> bytes);
