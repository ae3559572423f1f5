#pragma once

#include "fakes/ScriptedAnswers.h"

// Scripted answers to the group chooser, and group files built by the tests.

#include "shell/GroupQuestions.h"

#include <QSize>
#include <QStringList>
#include <deque>

// Nothing left: cancel. What each question offered is kept (folder\name and size).
class FakeGroupQuestions : public GroupQuestions
{
public:
    std::deque<int> answers;
    QList<QStringList> offered;
    QList<QList<QSize>> previews; // the size of each choice's preview picture

    std::optional<int> choosePicture(const QString &, const std::vector<GroupChoice> &pictures,
                                     const GroupPreview &previewOf) override
    {
        QStringList names;
        QList<QSize> sizes;
        for (size_t i = 0; i < pictures.size(); ++i) {
            names << QStringLiteral("%1 %2").arg(pictures[i].name).arg(pictures[i].size);
            const CalcPicture shown = previewOf(int(i));
            sizes << QSize(shown.width, shown.height);
        }
        offered << names;
        previews << sizes;
        return nextAnswer(answers);
    }
};

#include "document/GroupFile.h"
#include "fakes/PictureFixtures.h"
#include "session/TiGroup.h"

#include <span>

// A group file of the given picture files (as pictureFile() makes them) in their order, and
// a program main\prog that no picture reader would take, kept byte for byte by a rewrite.
inline QByteArray groupOf(std::initializer_list<QByteArray> pictures, bool withProgram = false)
{
    GroupFile group;
    group.comment = "a group";
    for (const QByteArray &picture : pictures) {
        GroupReadResult single = readGroup(std::span(reinterpret_cast<const uint8_t *>(picture.constData()), size_t(picture.size())));
        putVariable(group, std::move(single.group.entries.front()));
    }
    if (withProgram)
        putVariable(group, {"prog", 0x12, 0, "main", {0x00, 0x05, 0xDE, 0xAD, 0xBE, 0xEF, 0xDC}});
    const std::vector<uint8_t> bytes = *writeGroup(group);
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

// The group in the bytes of a file of path's kind, read again; empty when it does not read.
inline GroupFile groupIn(const QByteArray &bytes, const QString &path = QStringLiteral("x.89g"))
{
    Outcome<GroupFile> group = decodeGroupFile(path, bytes);
    return group ? *group : GroupFile();
}
