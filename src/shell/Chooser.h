#pragma once

#include <QDialog>
#include <QPointer>
#include <optional>

class QDialogButtonBox;
class QLabel;
class QTreeWidget;

// The frame the choosers of a file's pictures share: a question over a list of rows, a framed
// preview beside the list, OK and Cancel. A double click or Enter on a row takes it.
class Chooser
{
public:
    // `list` is taken over by the dialog; the preview has room for `previewSize` screen pixels.
    Chooser(QWidget *parent, const QString &caption, QTreeWidget *list, QSize previewSize);

    QDialog &dialog() { return m_dialog; }
    QTreeWidget *list() const { return m_list; }
    QLabel *preview() const { return m_preview; }
    QDialogButtonBox *buttons() const { return m_buttons; }

    // Shows it modally at `size`, `question` above (the list its buddy) and `below` under the
    // list (none: nothing), then gives the window back its focus: the row taken, or nothing.
    std::optional<int> run(const QString &question, QWidget *below, QSize size);

private:
    QPointer<QWidget> m_parent;
    QDialog m_dialog;
    QTreeWidget *m_list;
    QLabel *m_preview;
    QDialogButtonBox *m_buttons;
};
