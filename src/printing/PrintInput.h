#pragma once

#include "document/PixelGrid.h"

#include <QString>

// What the print job reads from the main window. It changes none of it.
struct PrintInput
{
    int width = 0;    // the canvas's scale width: the picture's width in picture pixels
    int height = 0;   // the canvas's scale height
    PixelGrid pixels; // 1 = black; only the width x height corner is printed
    bool grey = false; // pixels hold grey levels (0 white to 3 black), printed in their greys
    QString fileTitle; // the status bar's file name, without folders; empty before a save
    QString folder;    // calculator folder
    QString variable;  // picture variable name
    QString comment;
};
