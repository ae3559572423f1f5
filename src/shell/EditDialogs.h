#pragma once

#include "shell/EditQuestions.h"

#include <QCoreApplication>
#include <QPointer>

class QWidget;

// The edit questions asked with dialogs over the main window, made anew for each question.
// The Text box remembers its font between uses; the export its scale.
class EditDialogs : public EditQuestions
{
    Q_DECLARE_TR_FUNCTIONS(EditDialogs)

public:
    void setParent(QWidget *parent) { m_parent = parent; }

    std::optional<CanvasSizeChoice> askCanvasSize(QSize current) override;
    std::optional<TextChoice> askText(const TextChoice &initial,
                                      const std::function<void(const TextChoice &)> &preview) override;
    std::optional<int> askExportScale() override;
    std::optional<QSize> askTileGrid(QSize current, QSize picture) override;

private:
    QPointer<QWidget> m_parent;
    int m_lastScale = 1;
};
