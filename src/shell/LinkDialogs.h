#pragma once

#include "shell/LinkQuestions.h"

#include <QCoreApplication>
#include <QPointer>

class QWidget;

// The link questions asked with dialogs over the main window, made anew for each question.
class LinkDialogs : public LinkQuestions
{
    Q_DECLARE_TR_FUNCTIONS(LinkDialogs)

public:
    void setParent(QWidget *parent) { m_parent = parent; }

    std::optional<LinkSettings> askLinkSettings(const LinkSettings &current) override;
    std::vector<int> choosePictures(const std::vector<CalculatorVariable> &pictures) override;
    std::optional<bool> askCaptureFull(bool lastFull) override;

private:
    QPointer<QWidget> m_parent;
};
