// The TIGroup reader on any bytes: it never reads outside the input; an archive it accepts is
// written again no larger, and reads back as the same members byte for byte; its members
// unpack to the sizes they give or are refused; one member replaced by a new one of the same
// content leaves an archive that reads with that content.

#include "FuzzCheck.h"
#include "document/TiGroupFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

namespace {

// A central record but for its local header's offset (bytes 42 to 45), which writing sets.
bool sameRecord(const std::vector<uint8_t> &a, const std::vector<uint8_t> &b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.begin() + 42, b.begin())
           && std::equal(a.begin() + 46, a.end(), b.begin() + 46);
}

bool sameMembers(const TigArchive &a, const TigArchive &b)
{
    if (a.members.size() != b.members.size() || a.comment != b.comment)
        return false;
    for (size_t i = 0; i < a.members.size(); ++i) {
        const TigMember &x = a.members[i], &y = b.members[i];
        if (x.name != y.name || x.kind != y.kind || x.local != y.local || !sameRecord(x.central, y.central))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const TigReadResult read = readTigArchive(std::span<const uint8_t>(data, size));
    if (read.error != TigError::None) {
        FUZZ_CHECK(read.archive.members.empty());
        return 0;
    }
    const std::optional<std::vector<uint8_t>> written = writeTigArchive(read.archive);
    FUZZ_CHECK(written && written->size() <= size);
    const TigReadResult again = readTigArchive(*written);
    FUZZ_CHECK(again.error == TigError::None && sameMembers(again.archive, read.archive));

    const TigVariables found = tigVariables(read.archive, 1 << 20, 4 << 20);
    for (const TigVariable &v : found.variables)
        FUZZ_CHECK(v.member < read.archive.members.size());

    TigArchive edited = read.archive;
    for (TigMember &member : edited.members) {
        const TigUnpacked content = memberContent(member, 1 << 20);
        if (content.error != TigError::None)
            continue;
        FUZZ_CHECK(content.bytes.size() == member.size);
        member = *makeTigMember(member.name, content.bytes);
        const std::optional<std::vector<uint8_t>> rewritten = writeTigArchive(edited);
        FUZZ_CHECK(rewritten.has_value());
        const TigReadResult back = readTigArchive(*rewritten);
        FUZZ_CHECK(back.error == TigError::None);
        FUZZ_CHECK(memberContent(back.archive.members[size_t(&member - edited.members.data())], 1 << 20).bytes == content.bytes);
        break;
    }
    return 0;
}
