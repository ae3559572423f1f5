#include "ContainerSeeds.h"

#include "SeedFiles.h"
#include "calc/ByteConversions.h"
#include "document/GroupFile.h"
#include "document/RecoveryCopy.h"
#include "document/TiGroupFile.h"

#include <algorithm>

namespace {

// ---- 68k groups ----

GroupEntry pictureEntry(CalcKind kind, const std::string &folder, const std::string &name, int width, int height,
                        int pattern)
{
    GroupEntry entry = readGroup(asBytes(calcFile(width, height, kind, name, pattern))).group.entries.front();
    entry.folder = folder;
    return entry;
}

// A text variable's data: its length, 00 01, the text, 00 E0.
GroupEntry textEntry(const std::string &folder, const std::string &name, const std::string &text)
{
    std::vector<uint8_t> data{0x00, uint8_t(text.size() + 4), 0x00, 0x01};
    data.insert(data.end(), text.begin(), text.end());
    data.insert(data.end(), {0x00, 0xE0});
    return {name, 0x0B, 0, folder, data};
}

const GroupEntry kProgram{"q", 0x12, 0, "main", {0x00, 0x05, 0x00, 0x01, 0x02, 0xE9, 0xDC}};

QByteArray written(const GroupFile &group) { return asByteArray(*writeGroup(group)); }

// Pictures in two folders and a text variable, one picture alone (a .89i file).
QByteArray groupFile(CalcKind kind, int pictures, bool text)
{
    GroupFile group;
    group.kind = kind;
    for (int i = 0; i < pictures; ++i)
        putVariable(group, pictureEntry(kind, i % 2 ? "sprites" : "main", "pic" + std::to_string(i), 9 + i, 3 + i, i + 1));
    if (text) {
        GroupEntry memo = textEntry("notes", "memo", "hi");
        memo.attribute = 3;
        putVariable(group, memo);
    }
    return written(group);
}

// A grey pair (NAMEl and NAMEd of one size) in a folder of its own, a light plane whose dark
// one has another size, a picture and a program beside them.
QByteArray greyGroup(CalcKind kind)
{
    GroupFile group;
    group.kind = kind;
    putVariable(group, pictureEntry(kind, "sky", "skyl", 20, 9, 2));
    putVariable(group, pictureEntry(kind, "sky", "skyd", 20, 9, 4));
    putVariable(group, pictureEntry(kind, "main", "odd", 7, 9, 1));
    putVariable(group, pictureEntry(kind, "sky", "moonl", 20, 8, 5));
    putVariable(group, pictureEntry(kind, "sky", "moond", 21, 8, 0));
    putVariable(group, kProgram);
    return written(group);
}

// 40 folders of a picture and five texts, locked and archived among them: folder counts,
// offsets and attributes over and over.
QByteArray manyEntries()
{
    GroupFile group;
    for (int f = 0; f < 40; ++f) {
        const std::string folder = "f" + std::to_string(f);
        putVariable(group, pictureEntry(CalcKind::TI89, folder, "p", 1 + f % 9, 1 + f % 4, f));
        for (int t = 0; t < 5; ++t) {
            GroupEntry text = textEntry(folder, "t" + std::to_string(t), std::string(size_t(t), 'x'));
            text.attribute = uint8_t(t % 4);
            putVariable(group, text);
        }
    }
    return written(group);
}

// The last variable's checksum disagrees, and the first folder counts fewer variables than
// follow it (which the reader takes).
QByteArray looseGroup()
{
    QByteArray bytes = groupFile(CalcKind::TI89, 4, true);
    bytes[bytes.size() - 3] = char(bytes[bytes.size() - 3] ^ 0x5A);
    bytes[0x3C + 14] = 1;
    return bytes;
}

// ---- TIGroup archives ----

TigMember member(const std::string &name, const QByteArray &content) { return *makeTigMember(name, asBytes(content)); }

// The Unix mode in the high half of the external attributes: a folder (040755) or a
// symbolic link (0120777), whose content is the path it points to.
TigMember withMode(TigMember m, uint16_t mode)
{
    m.central[38 + 2] = uint8_t(mode & 0xFF);
    m.central[38 + 3] = uint8_t(mode >> 8);
    return m;
}

// The member as writers that stream it have it: flag bit 3, zero CRC and sizes in the local
// header, and a data descriptor (with its signature) after the data.
TigMember streamed(TigMember m)
{
    m.local[6] |= 8;
    m.central[8] |= 8;
    std::fill(m.local.begin() + 14, m.local.begin() + 26, 0);
    const uint32_t fields[] = {0x08074B50, m.crc, m.compressedSize, m.size};
    for (const uint32_t field : fields)
        for (int i = 0; i < 4; ++i)
            m.local.push_back(uint8_t(field >> (8 * i)));
    return m;
}

// The member with another CRC in both its headers: it reads, and unpacks to a wrong CRC.
TigMember wrongCrc(TigMember m)
{
    m.crc ^= 0x01020304;
    for (int i = 0; i < 4; ++i)
        m.local[14 + i] = m.central[16 + i] = uint8_t(m.crc >> (8 * i));
    return m;
}

void saveArchive(const QString &folder, const QString &name, const TigArchive &archive, qsizetype cut = -1)
{
    const QByteArray whole = asByteArray(*writeTigArchive(archive));
    save(folder, name, cut < 0 ? whole : whole.left(cut));
}

QByteArray singleVariable(CalcKind kind, const GroupEntry &variable)
{
    return asByteArray(singleVariableFile(GroupFile{kind, variable.folder, {}, {variable}, {}}, 0));
}

// A picture of every calculator, a grey pair, a program, a text, a group member of several
// variables, one variable in two members, a folder and a link.
std::vector<TigMember> everyKind()
{
    QByteArray bent = calcFile(16, 6, CalcKind::TI89, "bent", 3);
    bent[bent.size() - 3] = char(bent[bent.size() - 3] ^ 0x5A); // its checksum disagrees
    return {member("main.pic89.89i", calcFile(30, 12, CalcKind::TI89, "pic89", 1)),
            member("main.pic9x.9xi", calcFile(12, 5, CalcKind::TI92Plus, "pic9x", 2)),
            member("main.picv2.v2i", calcFile(9, 4, CalcKind::Voyage200, "picv2", 4)),
            member("main.pic92.92i", calcFile(5, 3, CalcKind::TI92, "pic92", 0)),
            member("sky.skyl.89i", singleVariable(CalcKind::TI89, pictureEntry(CalcKind::TI89, "sky", "skyl", 24, 7, 2))),
            member("sky.skyd.89i", singleVariable(CalcKind::TI89, pictureEntry(CalcKind::TI89, "sky", "skyd", 24, 7, 5))),
            member("main.q.89p", singleVariable(CalcKind::TI89, kProgram)),
            member("notes.memo.9xt", singleVariable(CalcKind::TI92Plus, textEntry("notes", "memo", "seed"))),
            member("grey.89g", greyGroup(CalcKind::TI89)),
            member("main.bent.89i", bent),
            streamed(member("main.pic89.89i", calcFile(30, 12, CalcKind::TI89, "pic89", 7))),
            withMode(member("sub/", {}), 040755),
            withMode(member("link", "main.pic89.89i"), 0120777)};
}

// ---- recovery copies ----

// A grey picture of every level: a level a quarter of the width each, and a diagonal.
RecoveryCopy greyCopy(int width, int height, CalcKind kind, const std::string &file)
{
    RecoveryCopy copy{width, height, 4, PixelGrid(width, height), "main", "sky", "grey seed", kind, file, 1796743318573};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            copy.pixels.put(x, y, uint8_t(x == y ? 3 : x * 4 / width));
    return copy;
}

void saveCopy(const QString &folder, const QString &name, const RecoveryCopy &copy)
{
    const std::vector<uint8_t> bytes = encodeRecovery(copy);
    if (decodeRecovery(bytes).error != RecoveryError::None)
        fail(QStringLiteral("the recovery seed %1 does not read back").arg(name));
    save(folder, name, asByteArray(bytes));
}

} // namespace

void groupSeeds(const QString &folder)
{
    save(folder, "three.89g", groupFile(CalcKind::TI89, 3, true));
    save(folder, "two.92g", groupFile(CalcKind::TI92, 2, false));
    save(folder, "text.9xg", groupFile(CalcKind::TI92Plus, 1, true));
    save(folder, "one.v2g", groupFile(CalcKind::Voyage200, 1, false));
    save(folder, "cut.89g", groupFile(CalcKind::TI89, 3, true).left(150));
    GroupFile backup;
    backup.entries.push_back(GroupEntry{"v2.09", kGroupBackupType, 0, "main", std::vector<uint8_t>(40, 0x5A)});
    save(folder, "backup.89g", written(backup));
    save(folder, "grey.89g", greyGroup(CalcKind::TI89));
    save(folder, "grey.v2g", greyGroup(CalcKind::Voyage200));
    save(folder, "many.89g", manyEntries());
    save(folder, "loose.89g", looseGroup());
}

void tigSeeds(const QString &folder)
{
    const TigMember picture = member("main.pic0.89i", groupFile(CalcKind::TI89, 1, false));
    const TigMember group = member("three.89g", groupFile(CalcKind::TI89, 3, true));
    const TigMember text = member("memo.notes.9xt", groupFile(CalcKind::TI92Plus, 0, true));
    saveArchive(folder, "picture.tig", {{picture}, {}});
    saveArchive(folder, "mixed.tig", {{group, text, streamed(picture), withMode(member("sub/", {}), 040755)},
                                      "made for the fuzzer"});
    saveArchive(folder, "cut.tig", {{group, picture}, {}}, 200);
    saveArchive(folder, "kinds.tig", {everyKind(), "every kind of member"});
    std::vector<TigMember> many; // 60 pictures in 20 folders, each folder's three apart
    for (int i = 0; i < 60; ++i) {
        const std::string folder = "f" + std::to_string(i % 20), name = "p" + std::to_string(i);
        const GroupEntry picture = pictureEntry(CalcKind::TI89, folder, name, 1 + i % 5, 1 + i % 3, i);
        many.push_back(member(folder + '.' + name + ".89i", singleVariable(CalcKind::TI89, picture)));
    }
    saveArchive(folder, "many.tig", {many, {}});
    saveArchive(folder, "crc.tig", {{picture, wrongCrc(member("main.pic1.89i", calcFile(40, 20, CalcKind::TI89, "pic1", 2)))}, {}});
}

void recoverySeeds(const QString &folder)
{
    for (const int levels : {2, 4}) {
        RecoveryCopy copy{13, 5, levels, PixelGrid(13, 5), "main", "pic", "seed", CalcKind::TI89,
                          levels == 2 ? "/p/pic.89i" : "", 1796743318573};
        for (int i = 0; i < 13; ++i)
            copy.pixels.put(i, i % 5, uint8_t(i % levels));
        saveCopy(folder, QStringLiteral("copy%1.dlrecovery").arg(levels), copy);
    }
    // Grey pictures of the graph screen, of a whole Voyage 200 screen as a plane file's pair,
    // and of one pixel with texts at their longest.
    saveCopy(folder, "screen4.dlrecovery", greyCopy(160, 77, CalcKind::TI89, "/home/user/pictures/sky.89g"));
    saveCopy(folder, "v200.dlrecovery", greyCopy(240, 128, CalcKind::Voyage200, "/p/ciel \xc3\xa9t\xc3\xa9l.v2i"));
    RecoveryCopy longest = greyCopy(1, 1, CalcKind::TI92, "/p/" + std::string(200, 'n') + ".92g");
    longest.folder = std::string(8, 'f');
    longest.name = std::string(8, 'n');
    longest.comment = std::string(255, '\xA9');
    saveCopy(folder, "longest4.dlrecovery", longest);
}
