#pragma once

#include <QDialog>
#include <QSize>
#include <optional>

class Messages;
class QCheckBox;
class QLineEdit;
class QPushButton;

// Asks for the size of a new picture: width 1..160 and height 1..77 picture pixels, whole
// numbers. Create it once and keep it: it is only hidden between uses, so its boxes show the
// text entered the time before. Enter presses "Ok" (it is the default button); Escape, the
// close box and "Cancel" cancel.
//
// Beside the designed controls, an extension of its own: "4 grey levels" makes the new
// picture grey. Unchecked (the default), the dialog asks and checks as designed.
class NewPictureDialog : public QDialog
{
    Q_OBJECT
public:
    explicit NewPictureDialog(Messages &messages, QWidget *parent = nullptr);

    // Shows the dialog modally; returns the accepted size, or nothing when cancelled.
    std::optional<QSize> ask();

    // What the last showing ended with: the size accepted, or nothing while open or when cancelled.
    std::optional<QSize> acceptedSize() const { return m_size; }
    // 4 while "4 grey levels" is checked, else 2; kept between showings.
    int levels() const;

public slots:
    void form_activate();
    void txtWd_GotFocus();
    void txtHt_GotFocus();
    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildExtension();

    Messages &m_messages;
    QLineEdit *m_width = nullptr;  // txtWd
    QLineEdit *m_height = nullptr; // txtHt
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QCheckBox *m_grey = nullptr; // the extension's "4 grey levels"
    std::optional<QSize> m_size;
};
