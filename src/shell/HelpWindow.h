#pragma once

#include <QDialog>

// The brief instructions. Create it once; "OK" only hides it.
class HelpWindow : public QDialog
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // The instructions as the program keeps them: eight lines, each ended by CR LF.
    static QString instructionsText();

public slots:
    void Command1_Click();
};
