#include "shell/ExitDialog.h"

#include "shell/DialogLayout.h"
#include "shell/Fonts.h"
#include "shell/WindowCentring.h"
#include "shell/WrappingButton.h"

#include <QLabel>

ExitDialog::ExitDialog(QWidget *parent) : QDialog(parent)
{
    shapeDialog(*this, tr("Unsaved picture!"), QSize(217, 104), QColor(255, 0, 0));

    QLabel *label = placeLabel(*this, QStringLiteral("Label1"),
                               tr("Picture NOT saved as 89i. Press either button..."),
                               QRect(8, 8, 217, 41), dialogFont(12, true));
    setTextColour(*label, QColor(224, 224, 224));

    m_quit = new WrappingButton(tr("  Quit Anyway"), this);
    m_quit->setObjectName(QStringLiteral("Command1"));
    m_quit->setGeometry(16, 56, 65, 33);
    m_continue = new WrappingButton(tr("Continue   Working"), this);
    m_continue->setObjectName(QStringLiteral("Command2"));
    m_continue->setGeometry(136, 56, 65, 33);
    setTabOrder(m_quit, m_continue);
    // Return, the key that dismisses a box, must not throw the picture away: it answers
    // "Continue   Working" unless the user moves to "  Quit Anyway" first.
    m_continue->setDefault(true);

    connect(m_quit, &QPushButton::clicked, this, &ExitDialog::Command1_Click);
    connect(m_continue, &QPushButton::clicked, this, &ExitDialog::Command2_Click);
    centreOnScreen(*this);
}

ExitDialog::Choice ExitDialog::ask()
{
    m_continue->setFocus(); // as every time the window opens; Tab still goes Quit, then Continue
    return exec() == QDialog::Accepted ? Choice::Quit : Choice::Continue;
}

void ExitDialog::Command1_Click() { accept(); }

void ExitDialog::Command2_Click() { reject(); }
