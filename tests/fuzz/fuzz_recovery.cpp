// The recovery copy's reader on any bytes: it never reads outside the input, a copy it
// accepts is within the limits with a grid of its size and levels, and writing that copy
// gives the same bytes again.

#include "FuzzCheck.h"
#include "document/RecoveryCopy.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::span<const uint8_t> bytes(data, size);
    const RecoveryRead read = decodeRecovery(bytes);
    if (read.error != RecoveryError::None) {
        FUZZ_CHECK(!errorText(read.error).empty());
        FUZZ_CHECK(read.copy.width == 0 && read.copy.pixels.width() == 0);
        return 0;
    }
    const RecoveryCopy &copy = read.copy;
    FUZZ_CHECK(copy.width >= 1 && copy.height >= 1 && int64_t(copy.width) * copy.height <= kRecoveryMaxPixels);
    FUZZ_CHECK(copy.pixels.width() == copy.width && copy.pixels.height() == copy.height);
    FUZZ_CHECK(copy.levels == 2 || copy.levels == 4);
    for (int y = 0; y < copy.height; ++y)
        for (int x = 0; x < copy.width; ++x)
            FUZZ_CHECK(copy.pixels.at(x, y) < copy.levels);
    const std::vector<uint8_t> again = encodeRecovery(copy);
    FUZZ_CHECK(again.size() == size && std::equal(again.begin(), again.end(), data));
    return 0;
}
