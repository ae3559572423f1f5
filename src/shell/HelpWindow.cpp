#include "shell/HelpWindow.h"

#include "platform/Messages.h"
#include "shell/DialogLayout.h"
#include "shell/Fonts.h"
#include "shell/WindowCentring.h"

#include <QPlainTextEdit>
#include <QPushButton>

QString HelpWindow::instructionsText()
{
    // One text per line, so a translation keeps the lines. Blanks matter: several lines end
    // in one, and line 6 has two after "cleared image.".
    const QString lines[] = {
        tr("Use this program to view, edit, create, and save TI-89 Image files. "),
        tr("The image can be printed or downloaded to a TI-89 computer using Texas Instruments' "
           "Graph-Link cable and software."),
        tr("On the picture box, use the left mouse button to draw and the right mouse button to pop up "
           "the drawing tools menu."),
        tr("Use the File menu to make a New image (specifying the dimensions), Open, Save, and Print "
           "images. In 'Save As...' you can also save the image as a BMP. "),
        tr("You can import b/w BMP, ICO, RLE, WMF, GIF (v87a), and JPG files."),
        tr("Use the Draw menu to Clear the image and choose a tool. You cannot save a cleared image.  "
           "You must clear or save an edited image before opening another. "),
        tr("The 89 Folder and Var Name can be different from the DOS filename, but use caution. "
           "The 89 Names must comply with TI-89 standards. "),
        tr("The comment is saved in the computer file only, not the BMP file or in the calculator."),
    };
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

HelpWindow::HelpWindow(QWidget *parent) : QDialog(parent)
{
    shapeDialog(*this, tr("DOTLARK Brief Instructions"), QSize(492, 362), QColor(128, 255, 128));

    auto *text = new QPlainTextEdit(this);
    text->setObjectName(QStringLiteral("Text1"));
    text->setGeometry(7, 8, 477, 267);
    text->setFont(dialogFont(12, true));
    text->setReadOnly(true);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette palette = text->palette();
    palette.setColor(QPalette::Base, QColor(192, 255, 192));
    text->setPalette(palette);
    text->setPlainText(screenLines(instructionsText()));

    placeLabel(*this, QStringLiteral("Label7"),
               tr("TI-89 and TI Graph-Link are registered trademarks of Texas Instruments, Inc. "),
               QRect(8, 284, 477, 16), dialogFont());
    placeLabel(*this, QStringLiteral("Label6"), tr("DOTLARK is written by the DOTLARK developers."),
               QRect(8, 304, 420, 16), dialogFont());

    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setGeometry(438, 326, 49, 33);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &HelpWindow::Command1_Click);
    centreOnScreen(*this);
}

void HelpWindow::Command1_Click() { accept(); }
