#include "shell/HelpWindow.h"

#include "platform/Messages.h"
#include "shell/DialogLayout.h"
#include "shell/Fonts.h"
#include "shell/WindowCentring.h"

#include <QPlainTextEdit>
#include <QPushButton>

QString HelpWindow::instructionsText()
{
    // Blanks matter: several lines end in one, and line 6 has two after "cleared image.".
    return QStringLiteral(
        "Use this program to view, edit, create, and save TI-89 Image files. \r\n"
        "The image can be printed or downloaded to a TI-89 computer using Texas Instruments' "
        "Graph-Link cable and software.\r\n"
        "On the picture box, use the left mouse button to draw and the right mouse button to pop up "
        "the drawing tools menu.\r\n"
        "Use the File menu to make a New image (specifying the dimensions), Open, Save, and Print "
        "images. In 'Save As...' you can also save the image as a BMP. \r\n"
        "You can import b/w BMP, ICO, RLE, WMF, GIF (v87a), and JPG files.\r\n"
        "Use the Draw menu to Clear the image and choose a tool. You cannot save a cleared image.  "
        "You must clear or save an edited image before opening another. \r\n"
        "The 89 Folder and Var Name can be different from the DOS filename, but use caution. "
        "The 89 Names must comply with TI-89 standards. \r\n"
        "The comment is saved in the computer file only, not the BMP file or in the calculator.\r\n");
}

HelpWindow::HelpWindow(QWidget *parent) : QDialog(parent)
{
    shapeDialog(*this, QStringLiteral("DOTLARK Brief Instructions"), QSize(492, 362), QColor(128, 255, 128));

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
               QStringLiteral("TI-89 and TI Graph-Link are registered trademarks of Texas Instruments, Inc. "),
               QRect(8, 284, 477, 16), dialogFont());
    placeLabel(*this, QStringLiteral("Label6"), QStringLiteral("DOTLARK is written by the DOTLARK developers."),
               QRect(8, 304, 420, 16), dialogFont());

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setGeometry(438, 326, 49, 33);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &HelpWindow::Command1_Click);
    centreOnScreen(*this);
}

void HelpWindow::Command1_Click() { accept(); }
