#pragma once

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

    std::optional<int> choosePicture(const QString &, const std::vector<GroupChoice> &pictures) override
    {
        QStringList names;
        QList<QSize> sizes;
        for (const GroupChoice &choice : pictures) {
            names << QStringLiteral("%1 %2").arg(choice.name).arg(choice.size);
            sizes << QSize(choice.picture.width, choice.picture.height);
        }
        offered << names;
        previews << sizes;
        if (answers.empty())
            return std::nullopt;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
