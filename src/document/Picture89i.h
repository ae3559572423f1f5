#pragma once

#include "document/CalcKind.h"
#include "document/PixelGrid.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The TI-89 picture file (.89i): a 92-byte header with folder name, comment, variable name
// and size, the packed pixel rows (leftmost pixel in the high bit, 1 = black), the tag byte
// 0xDF and a 16-bit checksum. Pure functions over bytes; texts are calculator bytes. The
// TI-92, TI-92 Plus and Voyage 200 files (.92i, .9xi, .v2i) are the same but for the
// signature (CalcKind).

// What a .89i file carries. The texts hold no zero bytes; pixels is exactly width x height.
struct CalcPicture
{
    std::string folder, name, comment;
    int width = 0, height = 0;
    PixelGrid pixels;
    CalcKind kind = CalcKind::TI89; // by the signature read; a TI-89 file when it has none of them
};

enum class Picture89iError {
    None,
    TooShort,        // fewer than the 92 header bytes
    ZeroSize,        // width or height 0
    SizeTooLarge,    // width or height beyond 32767 (first size byte >= 128)
    Truncated,       // the pixel rows end before the picture does
    TooLargeToWrite, // pixel data too long for the 16-bit length field
    NotCalcPicture,  // another kind of file: see DecodeResult::foreignKind
};

struct DecodeResult
{
    Picture89iError error = Picture89iError::None;
    CalcPicture picture;
    // With NotCalcPicture: what the file is ("a PNG image"), or empty when it is unknown.
    std::string_view foreignKind;
};

struct EncodeResult
{
    Picture89iError error = Picture89iError::None;
    std::vector<uint8_t> bytes; // empty unless error is None
};

// Reads a whole file. Only the three texts, the size and the pixel rows are taken; the
// signature, type byte, length fields, tag and checksum may hold anything. Two kinds of file
// are NotCalcPicture instead: one that begins as another picture format does (PNG, JPEG,
// GIF, BMP, metafile, PDF), which no calculator file does, so that it is never shown and
// saved over as pixels; and one without a calculator signature that could not be read
// anyway (a file of 8 bytes or more, not merely a short one).
DecodeResult decode89i(std::span<const uint8_t> bytes);

// Builds a whole file. width x height is the picture; the grid may be larger (the part
// outside is not written) or smaller (missing pixels are white). Folder and name are cut
// to their 8-byte fields, the comment to 40 bytes; a name of 8 bytes leaves no room for a
// zero byte, and the comment is then not stored, unless `fullName` says Kept (the files of
// a grey picture's planes, whose names often fill their field, keep the picture's comment:
// the field is the file's, not the name's).
enum class FullNameComment { Dropped, Kept };
EncodeResult encode89i(std::string_view folder, std::string_view name, std::string_view comment,
                       int width, int height, const PixelGrid &pixels, CalcKind kind = CalcKind::TI89,
                       FullNameComment fullName = FullNameComment::Dropped);
EncodeResult encode89i(const CalcPicture &picture, FullNameComment fullName = FullNameComment::Dropped);

// A picture variable's data as the calculator keeps it (what a group file holds of it, and
// what follows the header of a picture file): the data length, the height and width
// (big-endian), the rows and the tag byte. An error for a size the format cannot hold.
struct VariableDataResult
{
    Picture89iError error = Picture89iError::None;
    std::vector<uint8_t> data;
};
VariableDataResult pictureVariableData(int width, int height, const PixelGrid &pixels);

// Whether the writer can take a picture of this size: ZeroSize, SizeTooLarge,
// TooLargeToWrite or None.
Picture89iError checkWritableSize(int width, int height);

// The one place where an error becomes words for the user; foreignKind is
// DecodeResult::foreignKind, named in the NotCalcPicture text.
std::string errorText(Picture89iError error, std::string_view foreignKind = {});

// How far a file agrees with what the writer produces, for diagnostics. Fields that a
// file too short to hold them cannot match are false.
struct Picture89iCheck
{
    bool signature = false;  // one of the family's signatures at offset 0 ("**TI89**", ...)
    bool typeByte = false;   // 0x10 at offset 72
    bool fileLength = false; // offsets 76-79 hold 95 + rows x bytes per row
    bool dataLength = false; // offsets 86-87 hold rows x bytes per row + 5
    bool tagByte = false;    // 0xDF after the pixel rows
    bool checksum = false;   // the stored checksum equals the sum the writer computes
    bool allAgree() const { return signature && typeByte && fileLength && dataLength && tagByte && checksum; }
};
Picture89iCheck inspect89i(std::span<const uint8_t> bytes);

// Size arithmetic of the format, shared by the reader, the writer and the tool.
constexpr int bytesPerRow(int width) { return (width + 7) / 8; }
constexpr int kPicture89iHeaderSize = 92;
constexpr int kPicture89iMaxSide = 32767;
constexpr int kPicture89iMaxDataLength = 65535;
