// The group file reader on any bytes: it never reads outside the input; a group it accepts
// holds only data that was in the input; written again it reads back as the same entries
// with every checksum right; its pictures decode; adding and removing a picture leaves a
// group that reads.

#include "FuzzCheck.h"
#include "document/GroupFile.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace {

bool sameEntries(const GroupFile &a, const GroupFile &b)
{
    if (a.entries.size() != b.entries.size() || a.kind != b.kind || a.comment != b.comment)
        return false;
    for (size_t i = 0; i < a.entries.size(); ++i) {
        const GroupEntry &x = a.entries[i], &y = b.entries[i];
        if (x.name != y.name || x.type != y.type || x.attribute != y.attribute || x.folder != y.folder || x.data != y.data)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const GroupReadResult read = readGroup(std::span<const uint8_t>(data, size));
    if (read.error != GroupError::None) {
        FUZZ_CHECK(!groupErrorText(read.error, read.entry, read.entryName).empty());
        return 0;
    }
    GroupFile group = read.group;
    size_t stored = 0;
    for (const GroupEntry &entry : group.entries)
        stored += entry.data.size();
    FUZZ_CHECK(stored <= size);

    const std::optional<std::vector<uint8_t>> written = writeGroup(group);
    FUZZ_CHECK(written.has_value());
    const GroupReadResult again = readGroup(*written);
    FUZZ_CHECK(again.error == GroupError::None && again.checksumMismatches.empty());
    FUZZ_CHECK(sameEntries(again.group, group));

    for (const GroupPicture &picture : picturesIn(group)) {
        const DecodeResult decoded = decodeGroupPicture(group, picture.entry);
        if (decoded.error != Picture89iError::None)
            continue;
        FUZZ_CHECK(decoded.picture.name == picture.name);
        const std::optional<GroupEntry> variable = pictureVariable(decoded.picture);
        if (!variable)
            continue;
        putVariable(group, *variable);
        FUZZ_CHECK(findVariable(group, variable->folder, variable->name) >= 0);
    }
    if (const std::vector<GroupPicture> pictures = picturesIn(group); !pictures.empty())
        FUZZ_CHECK(removeVariable(group, pictures.front().folder, pictures.front().name));
    if (const std::optional<std::vector<uint8_t>> edited = writeGroup(group))
        FUZZ_CHECK(readGroup(*edited).error == GroupError::None);
    return 0;
}
