#pragma once

// TIGroups of every kind of member, made by libarchive (tests that link it), for the tests of
// the TIGroup and of the places that write into one.

#include "calc/ByteConversions.h"
#include "document/GroupFile.h"
#include "fakes/LibarchiveZips.h"

#include <QByteArray>

inline QByteArray variableFile(CalcKind kind, const GroupEntry &variable)
{
    return asByteArray(singleVariableFile(GroupFile{kind, variable.folder, {}, {variable}, {}}, 0));
}

inline uint32_t le32(const QByteArray &b, qsizetype at)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | uint8_t(b[at + i]);
    return v;
}

inline void putLe32(QByteArray &b, qsizetype at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = char(v >> (8 * i));
}

inline GroupEntry picture(const char *name, int step)
{
    PixelGrid grid(13, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 13; ++x)
            grid.set(x, y, (x + y) % step == 0);
    return *pictureVariable({"main", name, {}, 13, 6, grid, CalcKind::TI89});
}

inline const GroupEntry kProgram{"q", 0x12, 0, "main", {0x00, 0x05, 0x00, 0x01, 0x02, 0xE9, 0xDC}};
inline const GroupEntry kText{"b", 0x0B, 0, "memo", {0x00, 0x06, 0x00, 0x01, 'h', 'i', 0x00, 0xE0}};

// `more` first, then members of every kind: two of one variable, a TI-92 program, a
// folder, a link, a group of two variables; the last member and the archive get comments.
inline QByteArray manyKinds(const std::vector<ZipSource> &more = {})
{
    GroupFile group{CalcKind::TI89, "main", {}, {}, {}};
    putVariable(group, picture("a", 3));
    putVariable(group, kText);
    std::vector<ZipSource> members{{"main.pic1.89i", variableFile(CalcKind::TI89, picture("pic1", 2))},
                                   {"main.q.92p", variableFile(CalcKind::TI92, kProgram)},
                                   {"sub/", {}, AE_IFDIR},
                                   {"link", "main.pic1.89i", AE_IFLNK},
                                   {"both.89g", asByteArray(*writeGroup(group))},
                                   {"main.pic1.89i", variableFile(CalcKind::TI89, picture("pic1", 5))}};
    members.insert(members.begin(), more.begin(), more.end());
    QByteArray zip = libarchiveZip(members);
    // libarchive writes no comments: put them in by hand, the member's at the end of the last
    // central record, which ends where the end record starts (22 bytes from the end).
    const QByteArray memberComment = "kept as it was", archiveComment = "whole archive";
    const qsizetype lastRecord = zip.lastIndexOf("PK\x01\x02");
    zip[lastRecord + 32] = char(memberComment.size());
    zip.insert(zip.size() - 22, memberComment);
    putLe32(zip, zip.size() - 10, le32(zip, zip.size() - 10) + uint32_t(memberComment.size())); // directory size
    zip[zip.size() - 2] = char(archiveComment.size());
    return zip + archiveComment;
}

