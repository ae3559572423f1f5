#include "document/Picture89i.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace {

// Header offsets, in bytes from the start of the file.
constexpr size_t kSignatureAt = 0;   // 8 bytes "**TI89**"
constexpr size_t kFolderAt = 10;     // 8 bytes, zero-padded
constexpr size_t kCommentAt = 18;    // 40 bytes, zero-padded
constexpr size_t kNameAt = 64;       // 8 bytes, zero-padded
constexpr size_t kTypeAt = 72;       // 1 byte, 0x10 = picture
constexpr size_t kFileLengthAt = 76; // 4 bytes, little-endian
constexpr size_t kDataLengthAt = 86; // 2 bytes, big-endian; the checksum starts here
constexpr size_t kHeightAt = 88;     // 2 bytes, big-endian
constexpr size_t kWidthAt = 90;      // 2 bytes, big-endian
constexpr size_t kFieldSize = 8;
constexpr size_t kCommentSize = 40;
constexpr size_t kTrailerSize = 3; // tag byte and checksum
constexpr uint8_t kPictureType = 0x10;
constexpr uint8_t kTagByte = 0xDF;

using Bytes = std::span<const uint8_t>;

unsigned readBE16(Bytes b, size_t at) { return b[at] << 8 | b[at + 1]; }
unsigned readLE16(Bytes b, size_t at) { return b[at] | b[at + 1] << 8; }
uint32_t readLE32(Bytes b, size_t at) { return readLE16(b, at) | uint32_t(readLE16(b, at + 2)) << 16; }

// A text field ends at its first zero byte or fills the whole field.
std::string readText(Bytes b, size_t at, size_t size)
{
    const auto field = b.subspan(at, size);
    const auto end = std::find(field.begin(), field.end(), uint8_t(0));
    return std::string(field.begin(), end);
}

// The eight pixel cells (leftmost first) of every byte value.
using ByteCells = std::array<std::array<uint8_t, 8>, 256>;
constexpr ByteCells makeByteCells()
{
    ByteCells cells{};
    for (int value = 0; value < 256; ++value)
        for (int bit = 0; bit < 8; ++bit)
            cells[value][bit] = (value >> (7 - bit)) & 1;
    return cells;
}
constexpr ByteCells kByteCells = makeByteCells();

void unpackRows(const uint8_t *source, int width, int height, PixelGrid &grid)
{
    const int rowBytes = bytesPerRow(width);
    const int whole = width / 8;
    const int rest = width % 8;
    for (int y = 0; y < height; ++y, source += rowBytes) {
        uint8_t *cells = grid.row(y);
        for (int k = 0; k < whole; ++k)
            std::memcpy(cells + 8 * k, kByteCells[source[k]].data(), 8);
        if (rest)
            std::memcpy(cells + 8 * whole, kByteCells[source[whole]].data(), rest);
    }
}

// Eight cells, leftmost first, as one byte with the leftmost in the high bit. Any nonzero
// cell counts as black.
uint8_t packEight(const uint8_t *cells)
{
    if constexpr (std::endian::native == std::endian::little) {
        uint64_t v;
        std::memcpy(&v, cells, 8);
        v |= v >> 4; // bit 0 of each byte becomes the OR of that byte's bits
        v |= v >> 2;
        v |= v >> 1;
        v &= 0x0101010101010101ULL;
        // Moves bit 0 of byte j to bit 63 - j, without carries.
        return uint8_t((v * 0x8040201008040201ULL) >> 56);
    }
    uint8_t byte = 0;
    for (int bit = 0; bit < 8; ++bit)
        byte |= (cells[bit] ? 0x80 : 0) >> bit;
    return byte;
}

// Pixels of the grid that lie outside it count as white.
void packRows(const PixelGrid &grid, int width, int height, std::vector<uint8_t> &out)
{
    const int rowBytes = bytesPerRow(width);
    const size_t start = out.size();
    out.resize(start + size_t(rowBytes) * height);
    uint8_t *target = out.data() + start;
    for (int y = 0; y < height; ++y) {
        const bool inGrid = y < grid.height();
        const uint8_t *cells = inGrid ? grid.row(y) : nullptr;
        const int known = inGrid ? std::min(width, grid.width()) : 0;
        for (int k = 0; k < rowBytes; ++k) {
            const int first = 8 * k;
            const int count = std::clamp(known - first, 0, 8);
            uint8_t byte = 0;
            if (count == 8)
                byte = packEight(cells + first);
            else
                for (int bit = 0; bit < count; ++bit)
                    byte |= (cells[first + bit] ? 0x80 : 0) >> bit;
            *target++ = byte;
        }
    }
}

void appendField(std::vector<uint8_t> &out, std::string_view text, size_t size)
{
    const size_t used = std::min(text.size(), size);
    out.insert(out.end(), text.begin(), text.begin() + used);
    out.insert(out.end(), size - used, 0);
}

void appendBE16(std::vector<uint8_t> &out, unsigned value)
{
    out.push_back(uint8_t(value >> 8));
    out.push_back(uint8_t(value));
}

// Sum of the bytes from the data length field up to the tag byte, modulo 65536.
unsigned checksumOf(Bytes b, size_t tagAt)
{
    unsigned sum = 0;
    for (size_t i = kDataLengthAt; i <= tagAt; ++i)
        sum += b[i];
    return sum & 0xFFFF;
}

std::vector<uint8_t> headerOf(std::string_view folder, std::string_view name, std::string_view comment,
                              CalcKind kind, FullNameComment fullName)
{
    const std::string_view signature = infoOf(kind).signature;
    std::vector<uint8_t> out(signature.begin(), signature.end());
    out.insert(out.end(), {0x01, 0x00});
    appendField(out, folder, kFieldSize);
    // An 8-byte name fills its field with no zero byte; the comment is then not stored.
    const bool nameFillsField = name.size() >= kFieldSize && name[kFieldSize - 1] != 0;
    const bool dropped = nameFillsField && fullName == FullNameComment::Dropped;
    appendField(out, dropped ? std::string_view() : comment, kCommentSize);
    out.insert(out.end(), {0x01, 0x00, 0x52, 0x00, 0x00, 0x00}); // one variable, data at 82
    appendField(out, name, kFieldSize);
    out.insert(out.end(), {kPictureType, 0, 0, 0, 0, 0, 0, 0, 0xA5, 0x5A, 0, 0, 0, 0});
    return out;
}

bool startsWith(Bytes b, std::string_view magic)
{
    return b.size() >= magic.size() && std::equal(magic.begin(), magic.end(), b.begin(),
                                                  [](char m, uint8_t c) { return uint8_t(m) == c; });
}

// What a file is by its first bytes, for the formats a picture renamed .89i most likely has;
// empty when it is none of them.
std::string_view foreignKindOf(Bytes b)
{
    using namespace std::string_view_literals;
    if (startsWith(b, "\x89PNG\r\n\x1a\n"sv))
        return "a PNG image";
    if (startsWith(b, "\xFF\xD8\xFF"sv))
        return "a JPEG image";
    if (startsWith(b, "GIF87a"sv) || startsWith(b, "GIF89a"sv))
        return "a GIF image";
    // A bitmap file header: "BM", then the file's length (little-endian, 32 bits).
    if (startsWith(b, "BM"sv) && b.size() >= 6 && readLE32(b, 2) == b.size())
        return "a BMP image";
    if (startsWith(b, "\xD7\xCD\xC6\x9A"sv))
        return "a Windows metafile";
    if (startsWith(b, "%PDF-"sv))
        return "a PDF document";
    return {};
}

// Why a file without a foreign signature cannot be read; None when it can.
Picture89iError structureError(Bytes bytes)
{
    if (bytes.size() < kPicture89iHeaderSize)
        return Picture89iError::TooShort;
    if (bytes[kHeightAt] >= 0x80 || bytes[kWidthAt] >= 0x80)
        return Picture89iError::SizeTooLarge;
    const int height = int(readBE16(bytes, kHeightAt));
    const int width = int(readBE16(bytes, kWidthAt));
    if (width == 0 || height == 0)
        return Picture89iError::ZeroSize;
    if (bytes.size() - kPicture89iHeaderSize < size_t(height) * bytesPerRow(width))
        return Picture89iError::Truncated;
    return Picture89iError::None;
}

// The variable's data from its length field to the tag byte, appended to out.
void appendVariableData(std::vector<uint8_t> &out, int width, int height, const PixelGrid &pixels)
{
    const long dataLength = long(bytesPerRow(width)) * height + 5;
    out.reserve(out.size() + size_t(dataLength) + 2 + kTrailerSize);
    appendBE16(out, unsigned(dataLength));
    appendBE16(out, unsigned(height));
    appendBE16(out, unsigned(width));
    packRows(pixels, width, height, out);
    out.push_back(kTagByte);
}

} // namespace


DecodeResult decode89i(Bytes bytes)
{
    DecodeResult result;
    if (const std::string_view foreign = foreignKindOf(bytes); !foreign.empty())
        return {Picture89iError::NotCalcPicture, {}, foreign};
    if (const Picture89iError error = structureError(bytes); error != Picture89iError::None) {
        const bool signed89i = kindFromSignature(bytes.subspan(kSignatureAt)).has_value();
        if (!signed89i && bytes.size() >= infoOf(CalcKind::TI89).signature.size())
            return {Picture89iError::NotCalcPicture, {}, {}};
        return {error, {}, {}};
    }
    const int height = int(readBE16(bytes, kHeightAt));
    const int width = int(readBE16(bytes, kWidthAt));

    CalcPicture &picture = result.picture;
    picture.kind = kindFromSignature(bytes.subspan(kSignatureAt)).value_or(CalcKind::TI89);
    picture.folder = readText(bytes, kFolderAt, kFieldSize);
    picture.comment = readText(bytes, kCommentAt, kCommentSize);
    picture.name = readText(bytes, kNameAt, kFieldSize);
    picture.width = width;
    picture.height = height;
    picture.pixels.redimension(width, height);
    unpackRows(bytes.data() + kPicture89iHeaderSize, width, height, picture.pixels);
    return result;
}

VariableDataResult pictureVariableData(int width, int height, const PixelGrid &pixels)
{
    if (const Picture89iError error = checkWritableSize(width, height); error != Picture89iError::None)
        return {error, {}};
    VariableDataResult result;
    appendVariableData(result.data, width, height, pixels);
    return result;
}

EncodeResult encode89i(std::string_view folder, std::string_view name, std::string_view comment,
                       int width, int height, const PixelGrid &pixels, CalcKind kind, FullNameComment fullName)
{
    if (const Picture89iError error = checkWritableSize(width, height); error != Picture89iError::None)
        return {error, {}};

    EncodeResult result;
    std::vector<uint8_t> &out = result.bytes;
    out = headerOf(folder, name, comment, kind, fullName);
    appendVariableData(out, width, height, pixels);
    const unsigned sum = checksumOf(out, out.size() - 1);
    out.push_back(uint8_t(sum));
    out.push_back(uint8_t(sum >> 8));
    // The file length is a 32-bit field: pictures with more than 65440 data bytes need its
    // high bytes too.
    const uint32_t fileLength = uint32_t(out.size());
    for (int i = 0; i < 4; ++i)
        out[kFileLengthAt + i] = uint8_t(fileLength >> (8 * i));
    return result;
}

Picture89iError checkWritableSize(int width, int height)
{
    if (width <= 0 || height <= 0)
        return Picture89iError::ZeroSize;
    if (width > kPicture89iMaxSide || height > kPicture89iMaxSide)
        return Picture89iError::SizeTooLarge;
    if (long(bytesPerRow(width)) * height + 5 > kPicture89iMaxDataLength)
        return Picture89iError::TooLargeToWrite;
    return Picture89iError::None;
}

EncodeResult encode89i(const CalcPicture &picture, FullNameComment fullName)
{
    return encode89i(picture.folder, picture.name, picture.comment, picture.width, picture.height,
                     picture.pixels, picture.kind, fullName);
}

std::string errorText(Picture89iError error, std::string_view foreignKind)
{
    switch (error) {
    case Picture89iError::None:
        return {};
    case Picture89iError::TooShort:
        return "The file is too short to be a TI-89 picture: it has no complete 92-byte header.";
    case Picture89iError::ZeroSize:
        return "The picture has a width or height of 0.";
    case Picture89iError::SizeTooLarge:
        return "The picture's width or height is larger than 32767.";
    case Picture89iError::Truncated:
        return "The file ends before the last row of the picture.";
    case Picture89iError::TooLargeToWrite:
        return "The picture is too large for a calculator picture file: its rows need more than 65530 bytes.";
    case Picture89iError::NotCalcPicture:
        if (foreignKind.empty())
            return "The file is not a calculator picture (.89i, .9xi, .v2i or .92i).";
        return "The file is not a calculator picture: it is " + std::string(foreignKind) + '.';
    }
    return "Unknown error.";
}

Picture89iCheck inspect89i(Bytes bytes)
{
    Picture89iCheck check;
    check.signature = kindFromSignature(bytes.subspan(kSignatureAt)).has_value();
    check.typeByte = bytes.size() > kTypeAt && bytes[kTypeAt] == kPictureType;
    if (bytes.size() < kPicture89iHeaderSize)
        return check;

    const size_t rowData = size_t(readBE16(bytes, kHeightAt)) * bytesPerRow(int(readBE16(bytes, kWidthAt)));
    const size_t tagAt = kPicture89iHeaderSize + rowData;
    check.fileLength = readLE32(bytes, kFileLengthAt) == tagAt + kTrailerSize;
    check.dataLength = readBE16(bytes, kDataLengthAt) == rowData + 5;
    check.tagByte = bytes.size() > tagAt && bytes[tagAt] == kTagByte;
    check.checksum = bytes.size() >= tagAt + kTrailerSize
                     && readLE16(bytes, tagAt + 1) == checksumOf(bytes, tagAt);
    return check;
}
