#pragma once

#include "shell/GroupQuestions.h"

#include <QCoreApplication>
#include <QPointer>

class QWidget;

// The group chooser over the main window: the pictures by folder\name and size, with a small
// preview of the one selected.
class GroupDialogs : public GroupQuestions
{
    Q_DECLARE_TR_FUNCTIONS(GroupDialogs)

public:
    void setParent(QWidget *parent) { m_parent = parent; }
    std::optional<int> choosePicture(const QString &groupPath, const std::vector<GroupChoice> &pictures,
                                     const GroupPreview &previewOf) override;

private:
    QPointer<QWidget> m_parent;
};
