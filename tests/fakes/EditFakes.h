#pragma once

#include "platform/Clipboard.h"
#include "shell/EditQuestions.h"

#include <deque>

// A clipboard of the test's own.
class FakeClipboard : public Clipboard
{
public:
    QImage held;
    QImage image() const override { return held; }
    void setImage(const QImage &image) override { held = image; }
};

// Scripted answers to the edit questions; the text box shows each of `typed` in turn to the
// preview before it answers.
class FakeEditQuestions : public EditQuestions
{
public:
    std::optional<CanvasSizeChoice> canvasSize;
    QList<TextChoice> typed; // empty: the text box is cancelled
    std::optional<int> exportScale;
    QSize askedCanvasSize;
    TextChoice askedText;

    std::optional<CanvasSizeChoice> askCanvasSize(QSize current) override
    {
        askedCanvasSize = current;
        return canvasSize;
    }
    std::optional<TextChoice> askText(const TextChoice &initial,
                                      const std::function<void(const TextChoice &)> &preview) override
    {
        askedText = initial;
        for (const TextChoice &choice : typed)
            preview(choice);
        return typed.isEmpty() ? std::nullopt : std::optional(typed.last());
    }
    std::optional<int> askExportScale() override { return exportScale; }
    std::optional<QSize> tileGrid;
    std::optional<QSize> askTileGrid(QSize, QSize) override { return tileGrid; }
};
