// The .89i reader on any bytes: it never reads outside the input, a picture it accepts has
// the size of its header and texts without zero bytes, and writing that picture and reading
// it again gives it back.

#include "CalcPictureCheck.h"
#include "FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::span<const uint8_t> bytes(data, size);
    (void)inspect89i(bytes);
    const DecodeResult decoded = decode89i(bytes);
    if (decoded.error != Picture89iError::None) {
        FUZZ_CHECK(!errorText(decoded.error).empty());
        return 0;
    }
    const CalcPicture &picture = decoded.picture;
    FUZZ_CHECK(size >= kPicture89iHeaderSize);
    FUZZ_CHECK(picture.width == (data[90] << 8 | data[91]) && picture.height == (data[88] << 8 | data[89]));
    FUZZ_CHECK(picture.pixels.width() == picture.width && picture.pixels.height() == picture.height);
    FUZZ_CHECK(size_t(picture.height) * bytesPerRow(picture.width) <= size - kPicture89iHeaderSize);
    for (const std::string *text : {&picture.folder, &picture.name, &picture.comment})
        FUZZ_CHECK(text->find('\0') == std::string::npos);
    FUZZ_CHECK(picture.folder.size() <= 8 && picture.name.size() <= 8 && picture.comment.size() <= 40);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const bool black = data[kPicture89iHeaderSize + size_t(y) * bytesPerRow(picture.width) + x / 8]
                               & (0x80 >> (x % 8));
            FUZZ_CHECK(picture.pixels.at(x, y) == (black ? 1 : 0));
        }

    const EncodeResult encoded = encode89i(picture);
    FUZZ_CHECK(encoded.error == checkWritableSize(picture.width, picture.height));
    if (encoded.error != Picture89iError::None)
        return 0;
    FUZZ_CHECK(inspect89i(encoded.bytes).allAgree());
    const DecodeResult again = decode89i(encoded.bytes);
    FUZZ_CHECK(again.error == Picture89iError::None);
    FUZZ_CHECK(readsBackAs(again.picture, picture) && again.picture.pixels == picture.pixels);
    return 0;
}
