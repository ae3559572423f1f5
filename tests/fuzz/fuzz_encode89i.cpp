// Writing then reading a .89i picture gives back what was written, for any size, texts and
// grid: the input's first bytes choose them, the rest are the grid's pixels. A size the
// format cannot hold is refused with the reason the size check gives, and nothing written.

#include "CalcPictureCheck.h"
#include "FuzzCheck.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

namespace {

// Input layout: width and height (16 bits each, little-endian), the kind, the grid's
// difference in width and height to the picture (signed bytes), the folder, name and
// comment lengths, those texts, then the pixels one bit each, repeated when they run out.
constexpr size_t kFixed = 10;
constexpr int64_t kMaxGridCells = 1 << 18;

struct Reader
{
    std::span<const uint8_t> bytes;
    size_t at = 0;
    uint8_t next() { return at < bytes.size() ? bytes[at++] : 0; }
    std::string text(size_t length)
    {
        std::string text;
        while (length-- > 0)
            text += char(next());
        return text;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < kFixed)
        return 0;
    Reader in{std::span<const uint8_t>(data, size)};
    CalcPicture picture;
    picture.width = in.next();
    picture.width |= in.next() << 8;
    picture.height = in.next();
    picture.height |= in.next() << 8;
    picture.kind = calcKinds()[in.next() % calcKinds().size()].kind;
    const int gridWidth = std::clamp(picture.width + int8_t(in.next()), 0, 65535);
    const int gridHeight = std::clamp(picture.height + int8_t(in.next()), 0, 65535);
    if (int64_t(gridWidth) * gridHeight > kMaxGridCells)
        return 0;
    const size_t folderLength = in.next() % 16, nameLength = in.next() % 16, commentLength = in.next() % 64;
    picture.folder = in.text(folderLength);
    picture.name = in.text(nameLength);
    picture.comment = in.text(commentLength);
    picture.pixels.redimension(gridWidth, gridHeight);
    const std::span<const uint8_t> bits = in.bytes.subspan(std::min(in.at, size));
    size_t bit = 0;
    if (!bits.empty())
        for (int y = 0; y < gridHeight; ++y)
            for (int x = 0; x < gridWidth; ++x, ++bit)
                picture.pixels.set(x, y, bits[bit / 8 % bits.size()] >> (bit % 8) & 1);

    const EncodeResult encoded = encode89i(picture);
    const Picture89iError writable = checkWritableSize(picture.width, picture.height);
    FUZZ_CHECK(encoded.error == writable);
    if (writable != Picture89iError::None) {
        FUZZ_CHECK(encoded.bytes.empty());
        return 0;
    }
    FUZZ_CHECK(encoded.bytes.size() == kPicture89iHeaderSize + size_t(bytesPerRow(picture.width)) * picture.height + 3);
    FUZZ_CHECK(inspect89i(encoded.bytes).allAgree());
    const DecodeResult decoded = decode89i(encoded.bytes);
    FUZZ_CHECK(decoded.error == Picture89iError::None);
    FUZZ_CHECK(readsBackAs(decoded.picture, picture));
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            FUZZ_CHECK(decoded.picture.pixels.at(x, y) == picture.pixels.at(x, y));
    return 0;
}
