#pragma once

#include "platform/Progress.h"

#include <memory>

class QProgressDialog;
class QWidget;

// Progress shown with a QProgressDialog over a parent window: application-modal, busy (no
// percentage until step() tells one), titled `caption`, and shown only once the work has lasted kDelayMs. From
// begin() to end() the user's input to every other window of the program (keys, shortcuts,
// mouse, wheel, drops, close requests) is dropped, also before the dialog shows.
class QtProgress : public Progress
{
public:
    explicit QtProgress(QString caption, QWidget *parent = nullptr);
    ~QtProgress() override;
    void setParent(QWidget *parent) { m_parent = parent; }

    void begin(const QString &text, std::function<void()> cancel) override;
    void end() override;
    // The bar counts from busy to `done` of `total`, the text says the bytes.
    void step(qint64 done, qint64 total) override;

    // The dialog of the work under way (shown or not yet); none outside begin() and end().
    QProgressDialog *dialog() const { return m_dialog.get(); }

private:
    class InputBlock;

    QString m_caption;
    QWidget *m_parent = nullptr;
    std::unique_ptr<QProgressDialog> m_dialog;
    std::unique_ptr<InputBlock> m_inputBlock;
    std::function<void()> m_cancel;
    QString m_text;
};
