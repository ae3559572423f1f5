#pragma once

#include "fakes/ScriptedAnswers.h"

#include "shell/SourceQuestions.h"

#include <QList>
#include <QSize>
#include <QStringList>
#include <deque>

// The sprite chooser, answering from a script: each question's rows ("name | element |
// length | shape", a row that is no sprite marked "(not offered)") and the previews' sizes.
class FakeSourceQuestions : public SourceQuestions
{
public:
    std::deque<int> answers;
    QList<QStringList> offered;
    QList<QList<QSize>> previews;

    std::optional<int> chooseSprite(const QString &, const std::vector<SpriteChoice> &choices,
                                    const SpritePreview &previewOf) override
    {
        QStringList rows;
        QList<QSize> sizes;
        for (size_t i = 0; i < choices.size(); ++i) {
            const SpriteChoice &c = choices[i];
            rows << QStringList{c.name, c.elementSize, c.length, c.shape}.join(QStringLiteral(" | "))
                        + (c.sprite ? QString() : QStringLiteral(" (not offered)"));
            sizes << (c.sprite ? previewOf(int(i)).size() : QSize());
        }
        offered << rows;
        previews << sizes;
        return nextAnswer(answers);
    }
};
