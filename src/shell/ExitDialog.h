#pragma once

#include <QDialog>

class WrappingButton;

// The red window that asks before the program ends with a picture that has unsaved drawing.
// Create it once; it is only hidden between uses.
class ExitDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Choice { Quit, Continue };

    explicit ExitDialog(QWidget *parent = nullptr);

    // Shows the window modally and returns the choice. Return (the focus and the default
    // button are on "Continue   Working"), Escape and the close box mean Continue: nothing is
    // lost by going back to the picture.
    Choice ask();

public slots:
    void Command1_Click(); // "  Quit Anyway"
    void Command2_Click(); // "Continue   Working"

private:
    WrappingButton *m_quit = nullptr;
    WrappingButton *m_continue = nullptr;
};
