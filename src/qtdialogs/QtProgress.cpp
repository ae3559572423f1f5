#include "qtdialogs/QtProgress.h"

#include <QApplication>
#include <QEvent>
#include <QProgressDialog>
#include <QWindow>

#include <algorithm>
#include <climits>

namespace {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
        return true;
    default:
        return false;
    }
}

} // namespace

// Drops the user's input to everything but one dialog (its widgets, its window, its
// shortcuts such as Esc), as a modal dialog does once it shows.
class QtProgress::InputBlock : public QObject
{
public:
    explicit InputBlock(QWidget *dialog) : m_dialog(dialog) { qApp->installEventFilter(this); }
    ~InputBlock() override { qApp->removeEventFilter(this); }

    // Whether the dialog has had the keyboard (it may have lost it since, as Cancel hides it).
    bool dialogWasActive() const { return m_dialogWasActive; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_dialog && event->type() == QEvent::WindowActivate)
            m_dialogWasActive = true;
        const bool closing = event->type() == QEvent::Close && event->spontaneous();
        if ((!closing && !isUserInput(event->type())) || belongsToDialog(watched))
            return false;
        event->ignore(); // a close request refused stays refused
        return true;
    }

private:
    bool belongsToDialog(const QObject *object) const
    {
        if (object == m_dialog->windowHandle())
            return true;
        for (; object; object = object->parent())
            if (object == m_dialog)
                return true;
        return false;
    }

    QWidget *m_dialog;
    bool m_dialogWasActive = false;
};

QtProgress::QtProgress(QString caption, QWidget *parent) : m_caption(std::move(caption)), m_parent(parent) {}

QtProgress::~QtProgress() = default;

void QtProgress::begin(const QString &text, std::function<void()> cancel)
{
    end();
    m_cancel = std::move(cancel);
    m_text = text;
    m_dialog = std::make_unique<QProgressDialog>(text, QCoreApplication::translate("QtProgress", "Cancel"), 0, 0, m_parent);
    m_dialog->setWindowTitle(m_caption);
    m_dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setMinimumDuration(kDelayMs);
    // Cancel, Esc and closing the dialog all come here, once.
    QObject::connect(m_dialog.get(), &QProgressDialog::canceled, m_dialog.get(), [this] {
        if (const std::function<void()> cancelNow = std::exchange(m_cancel, {}))
            cancelNow();
    });
    m_inputBlock = std::make_unique<InputBlock>(m_dialog.get());
    m_dialog->setValue(0); // the dialog shows itself after the delay
}

void QtProgress::end()
{
    m_cancel = {};
    // The keyboard goes back to the window the dialog took it from.
    const bool hadKeyboard = m_inputBlock && m_inputBlock->dialogWasActive();
    m_inputBlock.reset();
    m_dialog.reset();
    if (hadKeyboard && m_parent)
        m_parent->activateWindow();
}

void QtProgress::step(qint64 done, qint64 total)
{
    if (!m_dialog || total <= 0)
        return;
    // QProgressDialog counts in int: large totals are counted in kilobytes.
    const int scale = total > INT_MAX ? 1024 : 1;
    m_dialog->setMaximum(int(total / scale));
    m_dialog->setLabelText(QCoreApplication::translate("QtProgress", "%1\n%2 of %3 bytes")
                                .arg(m_text, QString::number(done), QString::number(total)));
    m_dialog->setValue(int(std::clamp(done, qint64(0), total) / scale));
}
