#include "document/RecoveryCopy.h"

#include <array>
#include <optional>

namespace {

constexpr std::string_view kMagic = "DOTLARK-RECOVERY 1\n";
constexpr int kMaxSide = 32767;
constexpr size_t kMaxText = 255;
constexpr size_t kMaxFileName = 16384;
constexpr int kKinds = 4; // CalcKind TI89 .. Voyage200

size_t packedBytes(int64_t pixels) { return size_t((pixels + 3) / 4); }

bool fits(const RecoveryCopy &copy)
{
    return copy.width >= 1 && copy.height >= 1 && copy.width <= kMaxSide && copy.height <= kMaxSide
           && int64_t(copy.width) * copy.height <= kRecoveryMaxPixels && (copy.levels == 2 || copy.levels == 4)
           && int(copy.kind) >= 0 && int(copy.kind) < kKinds && copy.folder.size() <= kMaxText
           && copy.name.size() <= kMaxText && copy.comment.size() <= kMaxText && copy.file.size() <= kMaxFileName;
}

void put32(std::vector<uint8_t> &out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(value >> (8 * i)));
}

void putText(std::vector<uint8_t> &out, const std::string &text)
{
    put32(out, uint32_t(text.size()));
    out.insert(out.end(), text.begin(), text.end());
}

// Reads fields one after another; once past the end every read fails.
class Reader
{
public:
    explicit Reader(std::span<const uint8_t> bytes) : m_bytes(bytes) {}
    size_t position() const { return m_at; }
    size_t left() const { return m_bytes.size() - m_at; }

    std::optional<uint64_t> number(int size)
    {
        if (left() < size_t(size))
            return std::nullopt;
        uint64_t value = 0;
        for (int i = 0; i < size; ++i)
            value |= uint64_t(m_bytes[m_at + size_t(i)]) << (8 * i);
        m_at += size_t(size);
        return value;
    }
    std::optional<std::span<const uint8_t>> take(size_t size)
    {
        if (left() < size)
            return std::nullopt;
        const auto part = m_bytes.subspan(m_at, size);
        m_at += size;
        return part;
    }
    // A text of at most `limit` bytes: nothing when longer or cut off (`tooLong` says which).
    std::optional<std::string> text(size_t limit, bool &tooLong)
    {
        const std::optional<uint64_t> size = number(4);
        if (!size)
            return std::nullopt;
        if (*size > limit) {
            tooLong = true;
            return std::nullopt;
        }
        const auto bytes = take(size_t(*size));
        if (!bytes)
            return std::nullopt;
        return std::string(bytes->begin(), bytes->end());
    }

private:
    std::span<const uint8_t> m_bytes;
    size_t m_at = 0;
};

RecoveryError readHeader(Reader &in, RecoveryCopy &copy)
{
    const auto magic = in.take(kMagic.size());
    if (!magic)
        return RecoveryError::NotACopy;
    const std::string_view line(reinterpret_cast<const char *>(magic->data()), magic->size());
    if (line != kMagic)
        return line.starts_with("DOTLARK-RECOVERY ") ? RecoveryError::OtherVersion : RecoveryError::NotACopy;
    std::array<uint64_t, 4> fields{};
    for (uint64_t &field : fields) {
        const std::optional<uint64_t> value = in.number(4);
        if (!value)
            return RecoveryError::Truncated;
        field = *value;
    }
    const std::optional<uint64_t> madeAt = in.number(8);
    if (!madeAt)
        return RecoveryError::Truncated;
    if (fields[0] < 1 || fields[0] > kMaxSide || fields[1] < 1 || fields[1] > kMaxSide
        || int64_t(fields[0] * fields[1]) > kRecoveryMaxPixels || (fields[2] != 2 && fields[2] != 4) || fields[3] >= kKinds)
        return RecoveryError::BadField;
    copy.width = int(fields[0]);
    copy.height = int(fields[1]);
    copy.levels = int(fields[2]);
    copy.kind = CalcKind(fields[3]);
    copy.madeAt = int64_t(*madeAt);
    bool tooLong = false;
    for (auto [text, limit] : {std::pair{&copy.folder, kMaxText}, {&copy.name, kMaxText}, {&copy.comment, kMaxText},
                               {&copy.file, kMaxFileName}}) {
        std::optional<std::string> read = in.text(limit, tooLong);
        if (!read)
            return tooLong ? RecoveryError::BadField : RecoveryError::Truncated;
        *text = std::move(*read);
    }
    return RecoveryError::None;
}

RecoveryError readPixels(std::span<const uint8_t> packed, RecoveryCopy &copy)
{
    copy.pixels = PixelGrid(copy.width, copy.height);
    size_t index = 0;
    for (int y = 0; y < copy.height; ++y) {
        uint8_t *row = copy.pixels.row(y);
        for (int x = 0; x < copy.width; ++x, ++index) {
            const int level = (packed[index / 4] >> (2 * (index % 4))) & 3;
            if (level >= copy.levels)
                return RecoveryError::BadLevel;
            row[x] = uint8_t(level);
        }
    }
    // The bits after the last pixel are zero as written.
    for (; index % 4 != 0; ++index)
        if ((packed[index / 4] >> (2 * (index % 4))) & 3)
            return RecoveryError::BadLevel;
    return RecoveryError::None;
}

// The pixels and the checksum after the header, the whole input being the copy.
RecoveryError readBody(std::span<const uint8_t> bytes, Reader &in, RecoveryCopy &copy)
{
    const auto packed = in.take(packedBytes(int64_t(copy.width) * copy.height));
    const std::optional<uint64_t> crc = in.number(4);
    if (!packed || !crc)
        return RecoveryError::Truncated;
    if (in.left() != 0)
        return RecoveryError::TrailingBytes;
    if (crc32Of(bytes.first(bytes.size() - 4)) != *crc)
        return RecoveryError::Checksum;
    return readPixels(*packed, copy);
}

} // namespace

uint32_t crc32Of(std::span<const uint8_t> bytes)
{
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> entries{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
        return entries;
    }();
    uint32_t crc = 0xFFFFFFFFu;
    for (const uint8_t byte : bytes)
        crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

std::vector<uint8_t> encodeRecovery(const RecoveryCopy &copy)
{
    if (!fits(copy))
        return {};
    std::vector<uint8_t> out(kMagic.begin(), kMagic.end());
    for (const int field : {copy.width, copy.height, copy.levels, int(copy.kind)})
        put32(out, uint32_t(field));
    put32(out, uint32_t(uint64_t(copy.madeAt)));
    put32(out, uint32_t(uint64_t(copy.madeAt) >> 32));
    for (const std::string *text : {&copy.folder, &copy.name, &copy.comment, &copy.file})
        putText(out, *text);
    const size_t start = out.size();
    out.resize(start + packedBytes(int64_t(copy.width) * copy.height), 0);
    size_t index = 0;
    for (int y = 0; y < copy.height; ++y)
        for (int x = 0; x < copy.width; ++x, ++index)
            out[start + index / 4] |= uint8_t((copy.pixels.at(x, y) & (copy.levels - 1)) << (2 * (index % 4)));
    put32(out, crc32Of(out));
    return out;
}

RecoveryRead decodeRecovery(std::span<const uint8_t> bytes)
{
    RecoveryRead read;
    Reader in(bytes);
    read.error = readHeader(in, read.copy);
    if (read.error == RecoveryError::None)
        read.error = readBody(bytes, in, read.copy);
    if (read.error != RecoveryError::None)
        read.copy = {}; // nothing of a copy that cannot be read is ever used
    return read;
}

std::string_view errorText(RecoveryError error)
{
    switch (error) {
    case RecoveryError::None:
        return "No error.";
    case RecoveryError::NotACopy:
        return "It is not a recovery copy.";
    case RecoveryError::OtherVersion:
        return "It was written by another version of the editor.";
    case RecoveryError::Truncated:
        return "It ends before its picture does.";
    case RecoveryError::BadField:
        return "Its picture size, levels, calculator or texts are out of range.";
    case RecoveryError::BadLevel:
        return "It holds pixels beyond the picture's levels.";
    case RecoveryError::Checksum:
        return "Its checksum does not match: the file is damaged.";
    case RecoveryError::TrailingBytes:
        return "It has bytes after the end of the copy.";
    }
    return "Unknown error.";
}
