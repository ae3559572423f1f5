#pragma once

#include "shell/SourceQuestions.h"

#include <QCoreApplication>
#include <QPointer>

class QWidget;

// The sprite chooser over the main window: every array of the source with its element size,
// length and shape, those that are no sprite greyed with the reason, and a preview and the
// notes of the sprite selected.
class SourceDialog : public SourceQuestions
{
    Q_DECLARE_TR_FUNCTIONS(SourceDialog)

public:
    void setParent(QWidget *parent) { m_parent = parent; }
    std::optional<int> chooseSprite(const QString &path, const std::vector<SpriteChoice> &choices,
                                    const SpritePreview &previewOf) override;

private:
    QPointer<QWidget> m_parent;
};
